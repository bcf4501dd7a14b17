#include <gtest/gtest.h>

#include <sstream>

#include "language_table.h"

namespace {

std::string Code(int primary, int sub)
{
    const char *code = LanguageFolderCode((unsigned short)((sub << 10) | primary));
    return code ? code : "(none)";
}

/* Each listed primary language has its folder whatever the sublanguage (only the low ten bits
   are the primary language); Chinese and Portuguese depend on the sublanguage; every other
   language uses the English folder. */
TEST(LanguageTable, FolderCodesByPrimaryLanguageAndSublanguage)
{
    std::istringstream listed("1 ARB 5 CSY 6 DAN 7 DEU 8 ELL 10 ESP 11 FIN 12 FRA 13 HEB 14 HUN 16 ITA 17 JPN 18 KOR "
                              "19 NLD 20 NOR 21 PLK 25 RUS 27 SKY 29 SVE 30 THA 31 TRK 36 SLV 9 ENU 0 ENU 2 ENU 3 ENU "
                              "15 ENU 23 ENU 24 ENU 26 ENU 28 ENU 32 ENU 35 ENU 37 ENU 1023 ENU");
    int primary;
    std::string code;
    while (listed >> primary >> code)
        for (int sub = 0; sub < 64; sub += 7)
            EXPECT_EQ(code, Code(primary, sub)) << "primary " << primary << " sub " << sub;
    const struct {
        int primary, sub;
        const char *code;
    } bySublanguage[] = {{4, 2, "CHS"}, {4, 1, "CHT"}, {4, 3, "(none)"}, {4, 4, "(none)"}, {4, 0, "(none)"},
                         {22, 1, "PTB"}, {22, 2, "PTG"}, {22, 0, "(none)"}, {22, 3, "(none)"}};
    for (const auto &row : bySublanguage)
        EXPECT_EQ(row.code, Code(row.primary, row.sub)) << row.primary << " " << row.sub;
}

}  // namespace
