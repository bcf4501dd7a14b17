#include <gtest/gtest.h>

#include "language_table.h"

namespace {

unsigned short Lang(int primary, int sub)
{
    return (unsigned short)((sub << 10) | primary);
}

const char *Code(unsigned short id)
{
    const char *code = LanguageFolderCode(id);
    return code ? code : "(none)";
}

TEST(LanguageTable, EveryRowWithItsFolderCode)
{
    const struct {
        int primary;
        const char *code;
    } rows[] = {
        {1, "ARB"},  {5, "CSY"},  {6, "DAN"},  {7, "DEU"},  {8, "ELL"},  {10, "ESP"}, {11, "FIN"},
        {12, "FRA"}, {13, "HEB"}, {14, "HUN"}, {16, "ITA"}, {17, "JPN"}, {18, "KOR"}, {19, "NLD"},
        {20, "NOR"}, {21, "PLK"}, {25, "RUS"}, {27, "SKY"}, {29, "SVE"}, {30, "THA"}, {31, "TRK"},
        {36, "SLV"},
    };
    for (const auto &row : rows) {
        for (int sub = 0; sub < 64; sub += 7)
            EXPECT_STREQ(row.code, Code(Lang(row.primary, sub))) << "primary " << row.primary << " sub " << sub;
    }
}

TEST(LanguageTable, ChineseAndPortugueseDependOnTheSublanguage)
{
    EXPECT_STREQ("CHS", Code(0x0804));
    EXPECT_STREQ("CHT", Code(0x0404));
    EXPECT_STREQ("PTB", Code(0x0416));
    EXPECT_STREQ("PTG", Code(0x0816));
    EXPECT_STREQ("(none)", Code(0x0C04));  /* Chinese, Hong Kong */
    EXPECT_STREQ("(none)", Code(0x1004));  /* Chinese, Singapore */
    EXPECT_STREQ("(none)", Code(Lang(4, 0)));
    EXPECT_STREQ("(none)", Code(Lang(22, 0)));
    EXPECT_STREQ("(none)", Code(Lang(22, 3)));
}

TEST(LanguageTable, EnglishAndUnlistedLanguagesUseEnu)
{
    EXPECT_STREQ("ENU", Code(0x0409));
    EXPECT_STREQ("ENU", Code(0x0809));
    EXPECT_STREQ("ENU", Code(0x0402));  /* Bulgarian */
    EXPECT_STREQ("ENU", Code(0));
    EXPECT_STREQ("ENU", Code(0xFFFF));
    for (int primary : {2, 3, 9, 15, 23, 24, 26, 28, 32, 35, 37, 1023})
        EXPECT_STREQ("ENU", Code(Lang(primary, 1))) << primary;
}

TEST(LanguageTable, OnlyTheLowTenBitsAreThePrimaryLanguage)
{
    EXPECT_STREQ("DEU", Code(0x0407));
    EXPECT_STREQ("DEU", Code(0x0807));
    EXPECT_STREQ("DEU", Code(0xFC07));
}

}  // namespace
