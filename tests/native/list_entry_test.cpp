/* The rows of an open list: ordering, taking in the lines a file gained, and the text a save
   writes. */
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "list_rows.h"

namespace {

/* Rows opened from a copy of text; "name|..." of column 0 in display order. */
struct Rows {
    ListRows rows;
    Rows(const std::string &text, int fieldCount, int sortColumn)
    {
        char *block = text.empty() ? nullptr : (char *)malloc(text.size());
        if (block)
            memcpy(block, text.data(), text.size());
        OpenListRows(&rows, fieldCount, sortColumn, block, text.size());
    }
    ~Rows() { CloseListRows(&rows); }
    std::string Column(int column)
    {
        std::string joined;
        for (size_t index = 0; index < rows.entries.size(); ++index) {
            EntryTexts texts;
            GetEntryTexts(&rows, index, &texts);
            joined += (index ? "|" : "") + std::string(texts.text[column]);
        }
        return joined;
    }
    size_t Take(const std::string &file) { return TakeNewLines(&rows, file.data(), file.size()); }
};

TEST(ListRows, OpenSortsByTheColumnAsUnsignedBytesAndSkipsEmptyAndUnendedLines)
{
    Rows book("bob\t2\r\nAnn\t1\tthird\r\n\r\nAnna\r\n\xe4x\t9\r\nBob\t3\r\nlast", PHONE_BOOK_FIELDS, FIELD_NAME);
    EXPECT_EQ("Ann|Anna|Bob|bob|\xe4x", book.Column(0));
    EXPECT_EQ("Ann\t1\r\nAnna\t\r\nBob\t3\r\nbob\t2\r\n\xe4x\t9\r\n", FormatListRows(&book.rows));
    book.rows.sortColumn = FIELD_NUMBER;  /* a missing number is empty; equal texts keep their order */
    SortListRows(&book.rows);
    EXPECT_EQ("Anna|Ann|bob|Bob|\xe4x", book.Column(0));
    book.rows.sortColumn = 5;
    SortListRows(&book.rows);
    EXPECT_EQ("Anna|Ann|bob|Bob|\xe4x", book.Column(0));
    Rows log("C\t3\t2024-05-01 10:00:00\t1\r\nA\t1\t2023-12-31 23:59:59\t2\r\nD\t4\t\t3\r\n", CALL_LOG_FIELDS, FIELD_TIME);
    EXPECT_EQ("D|A|C", log.Column(0));
}

TEST(ListRows, LinesAppendedToTheFileAreTakenInOnceInTheirSortedPlaces)
{
    const std::string file = "Bob\t2\r\nZed\t9\r\nCut";
    Rows book(file, PHONE_BOOK_FIELDS, FIELD_NAME);
    EXPECT_EQ(0u, book.Take(file));
    EXPECT_EQ(1u, book.Take(file + "ty\t5\r\nAnn\t1"));  /* the unended line, now ended */
    EXPECT_EQ(1u, book.Take(file + "ty\t5\r\nAnn\t1\r\n\r\n"));
    EXPECT_EQ("Ann|Bob|Cutty|Zed", book.Column(0));
    size_t index = AddListLine(&book.rows, "Al\t0", 4);
    EXPECT_EQ(0u, index);
    ReplaceListLine(&book.rows, 2, "Bea\t22", 6);
    book.rows.entries[3].marks |= ENTRY_SELECTED;
    RemoveSelectedEntries(&book.rows);
    std::string saved = FormatListRows(&book.rows);
    EXPECT_EQ("Al\t0\r\nAnn\t1\r\nBea\t22\r\nZed\t9\r\n", saved);
    KnowSavedText(&book.rows, saved);
    EXPECT_EQ(1u, book.Take(saved + "Eve\t7\r\n"));
    EXPECT_EQ("Al|Ann|Bea|Eve|Zed", book.Column(0));
}

TEST(ListRows, AFileRewrittenElsewhereBringsInOnlyTheLinesTheListDoesNotHold)
{
    const std::string longLine = "Eve\t1\t" + std::string(300, 'x') + "\t2";
    Rows log("A\t1\t1\t0\r\n" + longLine + "\r\n", CALL_LOG_FIELDS, FIELD_TIME);
    EXPECT_EQ(2u, log.Take("B\t2\t2\t3\r\n" + longLine + "\r\nA\t1\t1\t0\r\nA\t1\t1\t0\r\n"));
    EXPECT_EQ("A|A|B|Eve", log.Column(0));
    /* The line over the limit is written back whole. */
    EXPECT_EQ("A\t1\t1\t0\r\nA\t1\t1\t0\r\nB\t2\t2\t3\r\n" + longLine + "\r\n", FormatListRows(&log.rows));
    Rows many("", PHONE_BOOK_FIELDS, FIELD_NAME);
    std::string file;
    for (int line = 99; line >= 0; --line)
        file += "N" + std::to_string(100 + line) + "\t1\r\n";
    EXPECT_EQ(100u, many.Take(file));
    EXPECT_EQ(0u, many.Column(0).find("N100|N101|"));
}

}  // namespace
