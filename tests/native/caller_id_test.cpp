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

TEST(ParseCallerId, TakesBothValuesWithoutTagsAndLineEnds)
{
    const char text[] = "DATE = 0321\r\nTIME = 1405\r\nNMBR = 0123456789\r\nNAME = Ann Smith\r\n\0\0";
    Parsed parsed = Parse(std::string(text, sizeof text));
    EXPECT_EQ("0123456789", parsed.number);
    EXPECT_EQ("Ann Smith", parsed.name);
}

TEST(ParseCallerId, DropsSpacesAfterTheTagAndKeepsInnerAndTrailingOnes)
{
    Parsed parsed = Parse("NAME =    Ann  Smith \nNMBR =  01 23 45\n");
    EXPECT_EQ("Ann  Smith ", parsed.name);
    EXPECT_EQ("01 23 45", parsed.number);
}

TEST(ParseCallerId, MissingOrMisspelledTagsLeaveTheFieldEmpty)
{
    Parsed none = Parse("RING\r\nCALLER 0123\r\n");
    EXPECT_EQ("", none.name);
    EXPECT_EQ("", none.number);
    Parsed wrongCase = Parse("nmbr = 0123\r\nName = Ann\r\nNMBR=0123\r\nNAME  = Ann\r\n");
    EXPECT_EQ("", wrongCase.number);
    EXPECT_EQ("", wrongCase.name);
    Parsed empty = Parse("");
    EXPECT_EQ("", empty.name);
    EXPECT_EQ("", empty.number);
}

TEST(ParseCallerId, TagWithoutValueGivesAnEmptyField)
{
    Parsed parsed = Parse("NMBR = \r\nNAME = ");
    EXPECT_EQ("", parsed.number);
    EXPECT_EQ("", parsed.name);
    EXPECT_EQ("", Parse("NMBR =       ").number);
}

TEST(ParseCallerId, FirstTagWinsAndATagMayStandAnywhereInALine)
{
    Parsed parsed = Parse("xxNMBR = 111\r\nNMBR = 222\r\nNAME = First\nNAME = Second\n");
    EXPECT_EQ("111", parsed.number);
    EXPECT_EQ("First", parsed.name);
}

TEST(ParseCallerId, CutsAtTheFirstLineFeedThenAtTheFirstCarriageReturn)
{
    EXPECT_EQ("0123", Parse("NMBR = 0123\rNAME = Ann\n").number);
    EXPECT_EQ("Ann", Parse("NMBR = 0123\rNAME = Ann\n").name);
    EXPECT_EQ("01", Parse("NMBR = 01\n23\r45").number);
    EXPECT_EQ("01", Parse("NMBR = 01\r23\n45").number);
    /* Spaces are skipped, line ends are not: a value that starts with one is empty. */
    EXPECT_EQ("", Parse("NMBR = \n0123").number);
    EXPECT_EQ("", Parse("NMBR =  \r0123").number);
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

TEST(ParseCallerId, TextEndsAtTheFirstNul)
{
    const char text[] = "NMBR = 01\0" "23\nNAME = Ann\n";
    Parsed parsed = Parse(std::string(text, sizeof text - 1));
    EXPECT_EQ("01", parsed.number);
    EXPECT_EQ("", parsed.name);
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
    EXPECT_EQ(CALLER_ID_WITHHELD, CallerIdMarker("P"));
    EXPECT_EQ(CALLER_ID_WITHHELD, CallerIdMarker("p"));
    EXPECT_EQ(CALLER_ID_UNAVAILABLE, CallerIdMarker("O"));
    EXPECT_EQ(CALLER_ID_UNAVAILABLE, CallerIdMarker("o"));
    EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker(""));
    EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker("PO"));
    EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker("P "));
    EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker("0"));
    EXPECT_EQ(CALLER_ID_PLAIN, CallerIdMarker(nullptr));
}

}  // namespace
