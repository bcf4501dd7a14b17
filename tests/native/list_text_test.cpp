#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "list_text.h"

namespace {

/* The block exactly as read from a file: no terminator after the last byte. */
std::vector<char> Block(const std::string &text)
{
    return std::vector<char>(text.begin(), text.end());
}

TEST(FindPhoneBookName, ComparesWithTheGivenFunctionAndCopiesTheNameBounded)
{
    std::vector<char> block = Block("Annabel\t0123\r\n");
    char name[4];
    EXPECT_EQ(1, FindPhoneBookName(block.data(), block.size(), "0123", name, sizeof name));
    EXPECT_STREQ("Ann", name);
    EXPECT_EQ(1, FindPhoneBookName(block.data(), block.size(), "0123", nullptr, 0));
    /* A number of other bytes than digits goes to the comparison function. */
    auto never = [](const char *, const char *) { return 1; };
    auto always = [](const char *, const char *) { return 0; };
    EXPECT_EQ(0, FindPhoneBookName(block.data(), block.size(), "0123 ", name, sizeof name, never));
    EXPECT_EQ(1, FindPhoneBookName(block.data(), block.size(), "x", name, sizeof name, always));
}

TEST(CompareTextNoCase, IgnoresAsciiCaseAndOrdersBytes)
{
    EXPECT_EQ(0, CompareTextNoCase("abC1", "ABc1"));
    EXPECT_LT(CompareTextNoCase("012", "0123"), 0);
    EXPECT_GT(CompareTextNoCase("b", "A"), 0);
    EXPECT_NE(0, CompareTextNoCase("\xe4", "\xc4"));
}

TEST(FormatPhoneBookLine, WritesNameTabNumberCrLfCuttingTheNameFirstFoundByItsDigits)
{
    char line[LIST_LINE_SIZE];
    EXPECT_EQ(14u, FormatPhoneBookLine(line, sizeof line, "Ann", "01 23 45"));
    EXPECT_STREQ("Ann\t01 23 45\r\n", line);
    std::string name(255, 'n');
    std::string number(63, '5');
    EXPECT_EQ(255u, FormatPhoneBookLine(line, sizeof line, name.c_str(), number.c_str()));
    EXPECT_EQ(std::string(189, 'n') + "\t" + number + "\r\n", line);
    std::string hugeNumber(300, '7');
    EXPECT_EQ(255u, FormatPhoneBookLine(line, sizeof line, "Ann", hugeNumber.c_str()));
    EXPECT_EQ("\t" + std::string(252, '7') + "\r\n", line);
    char tiny[4];
    EXPECT_EQ(3u, FormatPhoneBookLine(tiny, sizeof tiny, "Ann", "1"));
    EXPECT_STREQ("\t\r\n", tiny);
    EXPECT_EQ(0u, FormatPhoneBookLine(tiny, 3, "Ann", "1"));
    EXPECT_STREQ("", tiny);
    /* A written line is found by its digits. */
    std::string book = "Old\t555\r\nunterminated";
    FormatPhoneBookLine(line, sizeof line, "Ann", "+44 (20) 7946");
    std::vector<char> unterminated = Block(book + line), terminated = Block(std::string("Old\t555\r\n") + line);
    char found[LIST_LINE_SIZE];
    FindPhoneBookName(unterminated.data(), unterminated.size(), "44207946", found, sizeof found);
    EXPECT_STREQ("unterminatedAnn", found);  /* continues that line */
    FindPhoneBookName(terminated.data(), terminated.size(), "44207946", found, sizeof found);
    EXPECT_STREQ("Ann", found);
}

}  // namespace
