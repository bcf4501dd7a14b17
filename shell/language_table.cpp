#include "language_table.h"

#include <stddef.h>

namespace {

enum { ANY_SUBLANGUAGE = -1 };

struct LanguageFolder {
    unsigned short primary;
    int sublanguage;
    const char *code;
};

const LanguageFolder kLanguageFolders[] = {
    {1, ANY_SUBLANGUAGE, "ARB"},
    {4, 1, "CHT"},
    {4, 2, "CHS"},
    {4, ANY_SUBLANGUAGE, NULL},
    {5, ANY_SUBLANGUAGE, "CSY"},
    {6, ANY_SUBLANGUAGE, "DAN"},
    {7, ANY_SUBLANGUAGE, "DEU"},
    {8, ANY_SUBLANGUAGE, "ELL"},
    {10, ANY_SUBLANGUAGE, "ESP"},
    {11, ANY_SUBLANGUAGE, "FIN"},
    {12, ANY_SUBLANGUAGE, "FRA"},
    {13, ANY_SUBLANGUAGE, "HEB"},
    {14, ANY_SUBLANGUAGE, "HUN"},
    {16, ANY_SUBLANGUAGE, "ITA"},
    {17, ANY_SUBLANGUAGE, "JPN"},
    {18, ANY_SUBLANGUAGE, "KOR"},
    {19, ANY_SUBLANGUAGE, "NLD"},
    {20, ANY_SUBLANGUAGE, "NOR"},
    {21, ANY_SUBLANGUAGE, "PLK"},
    {22, 1, "PTB"},
    {22, 2, "PTG"},
    {22, ANY_SUBLANGUAGE, NULL},
    {25, ANY_SUBLANGUAGE, "RUS"},
    {27, ANY_SUBLANGUAGE, "SKY"},
    {29, ANY_SUBLANGUAGE, "SVE"},
    {30, ANY_SUBLANGUAGE, "THA"},
    {31, ANY_SUBLANGUAGE, "TRK"},
    {36, ANY_SUBLANGUAGE, "SLV"},
};

}  // namespace

const char *LanguageFolderCode(unsigned short languageId)
{
    unsigned short primary = languageId & 0x3FF;
    int sublanguage = languageId >> 10;
    for (const LanguageFolder &row : kLanguageFolders) {
        if (row.primary == primary && (row.sublanguage == ANY_SUBLANGUAGE || row.sublanguage == sublanguage))
            return row.code;
    }
    return "ENU";
}
