#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "caller_id.h"

namespace {

struct Parsed {
    std::string name;
    std::string number;
};

/* Parses exactly the bytes of text, with no terminator after them, into the engine's sizes. */
Parsed Parse(const std::string &text, size_t nameSize = 256, size_t numberSize = 64)
{
    std::vector<char> buffer(text.begin(), text.end());
    std::vector<char> name(nameSize, 'x');
    std::vector<char> number(numberSize, 'x');
    ParseCallerId(buffer.data(), buffer.size(), name.data(), nameSize, number.data(), numberSize);
    return {std::string(name.data(), strnlen(name.data(), nameSize)),
            std::string(number.data(), strnlen(number.data(), numberSize))};
}

TEST(ParseCallerId, LongValuesAreCutToTheOutputSizes)
{
    std::string longNumber(100, '7');
    std::string longName(400, 'n');
    Parsed parsed = Parse("NMBR = " + longNumber + "\r\nNAME = " + longName + "\r\n");
    EXPECT_EQ(std::string(63, '7'), parsed.number);
    EXPECT_EQ(std::string(255, 'n'), parsed.name);
    Parsed tiny = Parse("NMBR = 0123\nNAME = Ann\n", 1, 3);
    EXPECT_EQ("", tiny.name);
    EXPECT_EQ("01", tiny.number);
}

TEST(ParseCallerId, AFullBufferWithoutTerminatorEndsAtItsLastByte)
{
    std::string text = "NAME = Ann\r\nNMBR = ";
    text += std::string(CALLER_ID_TEXT_SIZE - text.size() - 1, '5') + "9";
    ASSERT_EQ((size_t)CALLER_ID_TEXT_SIZE, text.size());
    Parsed parsed = Parse(text, 256, 2000);
    EXPECT_EQ("Ann", parsed.name);
    EXPECT_EQ(CALLER_ID_TEXT_SIZE - 19u, parsed.number.size());
    EXPECT_EQ('9', parsed.number.back());
    /* A tag cut by the buffer's end is no tag. */
    EXPECT_EQ("", Parse(std::string(CALLER_ID_TEXT_SIZE - 4, ' ') + "NAME").name);
}

TEST(ParseCallerId, ZeroSizedOutputsAreNotTouched)
{
    char name = 'n';
    char number = 'x';
    ParseCallerId("NMBR = 1\nNAME = A\n", 18, &name, 0, &number, 0);
    EXPECT_EQ('n', name);
    EXPECT_EQ('x', number);
}

TEST(CallerIdMarker, OnlyASingleLetterPOrOInEitherCaseIsAMarker)
{
    for (const char *withheld : {"P", "p"})
        EXPECT_EQ(CALLER_ID_WITHHELD, CallerIdMarker(withheld));
    for (const char *unavailable : {"O", "o"})
        EXPECT_EQ(CALLER_ID_UNAVAILABLE, CallerIdMarker(unavailable));
    for (const char *plain : {"", "PO", "P ", "0", (const char *)nullptr})
        EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker(plain));
}

}  // namespace
