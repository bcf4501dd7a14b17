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

std::vector<std::string> Lines(const std::string &text, size_t lineSize = LIST_LINE_SIZE)
{
    std::vector<char> block = Block(text);
    std::vector<char> line(lineSize);
    std::vector<std::string> lines;
    ListScan scan;
    BeginListScan(&scan, block.data(), block.size());
    while (NextListLine(&scan, line.data(), line.size()))
        lines.push_back(std::string(line.data(), strnlen(line.data(), lineSize)));
    return lines;
}

/* The phone book's name for number, or "-" when it is not found. */
std::string Lookup(const std::string &book, const char *number)
{
    std::vector<char> block = Block(book);
    char name[LIST_LINE_SIZE];
    strcpy(name, "-");
    int found = FindPhoneBookName(block.data(), block.size(), number, name, sizeof name);
    EXPECT_EQ(found, strcmp(name, "-") != 0);
    return name;
}

/* Digits only, in order, within the destination; trailing control bytes (low or high) go. */
TEST(NumberText, KeepDigitsAndTrimTrailingControls)
{
    const struct {
        const char *text, *digits;
    } digitCases[] = {{"+49 (0)12-34", "4901234"}, {"", ""}, {"0123456789", "0123456"}, {"a\xb1" "1\xff" "2\t3", "123"}};
    for (const auto &c : digitCases) {
        char out[8];
        EXPECT_EQ(strlen(c.digits), KeepDigits(c.text, out, sizeof out));
        EXPECT_STREQ(c.digits, out);
    }
    const struct {
        std::string number, trimmed;
    } trimCases[] = {{"0\x01" "123\r\n\x1d\x80\xff", "0\x01" "123"}, {"0123\x1e", "0123\x1e"}, {"\r\n", ""}};
    for (const auto &c : trimCases) {
        std::string number = c.number;
        TrimTrailingControls(&number[0]);
        EXPECT_STREQ(c.trimmed.c_str(), number.c_str());
    }
}

/* Only CR LF ends a line and the unterminated tail is no line; NUL bytes are ordinary bytes of
   the block (a line's copy reads as text up to one); long lines are cut to the buffer. */
TEST(ListScan, LinesEndOnlyAtCrLfAndAreCutToTheBuffer)
{
    typedef std::vector<std::string> Texts;
    EXPECT_EQ((Texts{"a\rb\nc", "", "d\r"}), Lines("a\rb\nc\r\n\r\nd\r\r\ntail"));
    for (const char *none : {"", "no line end", "\r"})
        EXPECT_TRUE(Lines(none).empty()) << none;
    EXPECT_EQ((Texts{"", ""}), Lines("\r\n\r\n\n"));
    EXPECT_EQ((Texts{"ab", "", "ef"}), Lines(std::string("ab\0cd\r\n\0\r\nef\r\n", 14)));
    EXPECT_EQ((Texts{std::string(255, 'x'), "short"}), Lines(std::string(1000, 'x') + "\r\nshort\r\n"));
    EXPECT_EQ((Texts{"ab", "cd"}), Lines("abcdef\r\ncd\r\n", 3));
}

/* The stored number counts by its digits only (a third field's included), the first of equal
   numbers wins, a last line without CR LF is never found, lines without a tab never match, and
   long lines or NUL bytes neither overrun nor hide later lines. */
TEST(FindPhoneBookName, FindsTheFirstLineWhoseStoredDigitsAreTheNumber)
{
    const std::string book = "Bob\t0999\r\nAnn\t01 23 45\r\n", longLines = std::string(300, 'N') + "\t0111\r\n" +
                             std::string(250, 'M') + "\t0123456789\r\n" + std::string("Z\0\t0222\r\nAnn\t0333\r\n", 19);
    struct Case {
        std::string book;
        const char *number, *name;
    } cases[] = {
        {book, "012345", "Ann"}, {book, "01 23 45", "-"}, {book, "0999", "Bob"}, {book, "099", "-"},
        {book, "09995", "-"}, {book, "", "-"}, {"Ann\t55\r\n", "555", "-"},
        {"Ann\t01 23 45\r\n", "012345\r", "-"}, {"Ann\t0123\r\nBob\t01-23\r\n", "0123", "Ann"},
        {"Ann\t0123\r\nBob\t0456", "0456", "-"}, {"Ann\t0123\r\nBob\t0456\r\n", "0456", "Bob"},
        {"Ann\t01\tx9\r\n", "019", "Ann"}, {"Ann\t01\tx9\r\n", "01", "-"}, {"0123\r\n\r\n\r\n", "0123", "-"},
        {"", "0123", "-"}, {"\t\r\n", "", ""}, {longLines, "0111", "-"}, {longLines, "0222", "-"},
        {longLines, "0333", "Ann"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.name, Lookup(c.book, c.number)) << c.number;
    EXPECT_EQ(std::string(250, 'M'), Lookup(longLines, "0123")) << "the number is cut at byte 255";
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
    EXPECT_EQ("unterminatedAnn", Lookup(book + line, "44207946"));  /* continues that line */
    EXPECT_EQ("Ann", Lookup(std::string("Old\t555\r\n") + line, "44207946"));
}

}  // namespace
