#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "list_entry.h"

namespace {

const char *const NUL_FIELD = "(null)";

std::vector<std::string> Split(const char *line, int fieldCount)
{
    char *fields[CALL_LOG_FIELDS] = {};
    EXPECT_EQ(1, SplitListFields(line, fields, fieldCount));
    std::vector<std::string> texts;
    for (int slot = 0; slot < fieldCount; ++slot)
        texts.push_back(fields[slot] ? fields[slot] : NUL_FIELD);
    FreeListFields(fields, fieldCount);
    return texts;
}

typedef std::vector<std::string> Fields;

TEST(SplitListLine, PhoneBookLinesGiveTwoFields)
{
    EXPECT_EQ((Fields{"Ann", NUL_FIELD}), Split("Ann", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"Ann", "0123"}), Split("Ann\t0123", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"Ann", "0123"}), Split("Ann\t0123\tx", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"Ann", ""}), Split("Ann\t", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"", NUL_FIELD}), Split("", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"", "0123"}), Split("\t0123", PHONE_BOOK_FIELDS));
}

TEST(SplitListLine, CarriageReturnSeparatesLikeATab)
{
    EXPECT_EQ((Fields{"Ann", "0123"}), Split("Ann\r0123", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"Ann", ""}), Split("Ann\r", PHONE_BOOK_FIELDS));
    EXPECT_EQ((Fields{"A\nB", "1"}), Split("A\nB\t1", PHONE_BOOK_FIELDS));
}

TEST(SplitListLine, LogLinesGiveFourFields)
{
    EXPECT_EQ((Fields{"Bob", "0555", "x", "2"}), Split("Bob\t0555\tx\t2", CALL_LOG_FIELDS));
    EXPECT_EQ((Fields{"Bob", "0555", "x", "2"}), Split("Bob\t0555\tx\t2\tmore", CALL_LOG_FIELDS));
    EXPECT_EQ((Fields{"Bob", "0555", NUL_FIELD, NUL_FIELD}), Split("Bob\t0555", CALL_LOG_FIELDS));
    EXPECT_EQ((Fields{"", "", "", ""}), Split("\t\t\t", CALL_LOG_FIELDS));
}

TEST(SplitListLine, LongFieldsAreCutToOneHundredBytes)
{
    std::string line = std::string(150, 'a') + "\t" + std::string(101, 'b') + "\t" + std::string(300, 'c');
    Fields fields = Split(line.c_str(), CALL_LOG_FIELDS);
    EXPECT_EQ(std::string(100, 'a'), fields[0]);
    EXPECT_EQ(std::string(100, 'b'), fields[1]);
    EXPECT_EQ(std::string(100, 'c'), fields[2]);
    EXPECT_EQ(NUL_FIELD, fields[3]);
}

TEST(SplitListLine, FillsTypedEntriesThatFreeWithTheirFields)
{
    PhoneBookEntry *book = NewPhoneBookEntry();
    ASSERT_NE(nullptr, book);
    EXPECT_EQ(1, SplitListLine("Ann\t0123", book));
    EXPECT_STREQ("0123", book->fields[FIELD_NUMBER]);
    FreeListEntry(book);
    CallLogEntry *log = NewCallLogEntry();
    ASSERT_NE(nullptr, log);
    EXPECT_EQ(1, SplitListLine("Bob\t0555\t2024-01-02 03:04:05\t3", log));
    EXPECT_STREQ("2024-01-02 03:04:05", log->fields[FIELD_TIME]);
    EXPECT_STREQ("3", log->fields[FIELD_OUTCOME]);
    FreeListEntry(log);
    FreeListEntry((PhoneBookEntry *)nullptr);
    FreeListEntry((CallLogEntry *)nullptr);
}

PhoneBookEntry Book(char *name, char *number)
{
    PhoneBookEntry entry = {{name, number}};
    return entry;
}

TEST(CompareEntries, ComparesBytesUnsignedShorterPrefixFirst)
{
    char ann[] = "Ann", anna[] = "Anna", bob[] = "bob", upper[] = "Bob", high[] = "\xe4x", empty[] = "";
    PhoneBookEntry a = Book(ann, nullptr), aa = Book(anna, nullptr), b = Book(bob, nullptr);
    PhoneBookEntry B = Book(upper, nullptr), h = Book(high, nullptr), e = Book(empty, nullptr);
    EXPECT_LT(CompareEntries(&a, &aa, 0), 0);
    EXPECT_GT(CompareEntries(&aa, &a, 0), 0);
    EXPECT_EQ(0, CompareEntries(&a, &a, 0));
    EXPECT_LT(CompareEntries(&B, &b, 0), 0);  /* case-sensitive: 'B' sorts before 'b' */
    EXPECT_LT(CompareEntries(&b, &h, 0), 0);  /* 0xE4 is above every ASCII byte */
    EXPECT_LT(CompareEntries(&e, &a, 0), 0);
}

TEST(CompareEntries, NullFieldIsEmptyAndMissingColumnIsEqual)
{
    char ann[] = "Ann", empty[] = "", n1[] = "1", n2[] = "2";
    PhoneBookEntry withNull = Book(ann, nullptr), withEmpty = Book(ann, empty);
    PhoneBookEntry one = Book(ann, n1), two = Book(ann, n2);
    EXPECT_EQ(0, CompareEntries(&withNull, &withEmpty, 1));
    EXPECT_LT(CompareEntries(&withNull, &one, 1), 0);
    EXPECT_LT(CompareEntries(&one, &two, 1), 0);
    EXPECT_EQ(0, CompareEntries(&one, &two, 2));
    EXPECT_EQ(0, CompareEntries(&one, &two, -1));
    EXPECT_LT(CompareEntries((PhoneBookEntry *)nullptr, &withEmpty, 0), 0);  /* no entry: all empty */
}

TEST(CompareEntries, SortsALogByItsTimeColumn)
{
    const char *lines[] = {"C\t3\t2024-05-01 10:00:00\t1", "A\t1\t2023-12-31 23:59:59\t2",
                           "B\t2\t2024-05-01 09:59:59\t0", "D\t4\t\t3"};
    std::vector<CallLogEntry *> entries;
    for (const char *line : lines) {
        entries.push_back(NewCallLogEntry());
        SplitListLine(line, entries.back());
    }
    std::sort(entries.begin(), entries.end(), [](const CallLogEntry *x, const CallLogEntry *y) {
        return CompareEntries(x, y, FIELD_TIME) < 0;
    });
    std::string order;
    for (CallLogEntry *entry : entries) {
        order += entry->fields[FIELD_NAME];
        FreeListEntry(entry);
    }
    EXPECT_EQ("DABC", order);
}

}  // namespace
