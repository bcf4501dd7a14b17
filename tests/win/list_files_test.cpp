/* The call-list files as the engine and the list dialogs use them: phone book lookup and
   addition, the log append, and loading and saving a list control, with damaged and locked files. */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "bounded_text.h"
#include "list_entry.h"
#include "list_files.h"
#include "module_folder.h"
#include "module_state.h"

namespace {

class ListFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProductFolder();
        CreateProductFolder();
        CopyText(phoneBookPath, MAX_PATH, Book().c_str());
        CopyText(callLogPath, MAX_PATH, Log().c_str());
    }
    void TearDown() override
    {
        if (list.control)
            ReleaseListEntries(&list);
        if (parent)
            DestroyWindow(parent);
        ResetProductFolder();
    }
    std::string Book() { return ProductPath("callerid.fic"); }
    std::string Log() { return ProductPath("incoming.log"); }

    /* The name found for number, or "<none>". */
    std::string Lookup(const std::string &number)
    {
        char name[256] = "untouched";
        char sought[64];
        CopyText(sought, sizeof sought, number.c_str());
        return LookupCallerName(name, sought) ? name : "<none>";
    }

    void MakeList(int fieldCount)
    {
        InitCommonControls();
        parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 400, 300, NULL, NULL, NULL, NULL);
        list.control = CreateWindowA(WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 400, 300, parent, NULL, NULL, NULL);
        list.fieldCount = fieldCount;
        list.sortColumn = -1;
        list.modified = 1;
    }
    /* Column column of every item, in display order, joined by "|". */
    std::string Column(int column)
    {
        std::string joined;
        int count = ListView_GetItemCount(list.control);
        for (int index = 0; index < count; ++index) {
            LVITEMA item = {};
            item.mask = LVIF_PARAM;
            item.iItem = index;
            ListView_GetItem(list.control, &item);
            char **fields = (char **)item.lParam;
            joined += (index ? "|" : "") + std::string(FieldText(fields[column]));
        }
        return joined;
    }

    HWND parent = NULL;
    CallList list = {};
};

TEST_F(ListFiles, OnlyTheStoredNumbersDigitsCountAndTheFirstLineWins)
{
    WriteFileBytes(Book(), "Ann\t01 23 45\r\nBen\t012345\r\nNoTab 012345\r\n");
    EXPECT_EQ("Ann", Lookup("012345"));
    EXPECT_EQ("Ann", Lookup("012345\r"));
    EXPECT_EQ("<none>", Lookup("01 23 45"));
    EXPECT_EQ("<none>", Lookup("999"));
}

TEST_F(ListFiles, AMissingOrEmptyPhoneBookFindsNothingAndIsCreatedByAnAddition)
{
    EXPECT_EQ("<none>", Lookup("012345"));
    AddCallerIfNew("Ann", "0123");
    EXPECT_EQ("Ann\t0123\r\n", ReadFileBytes(Book()));
    WriteFileBytes(Book(), "");
    EXPECT_EQ("<none>", Lookup("0123"));
    AddCallerIfNew("Ann", "0123");
    AddCallerIfNew("Ann again", "0123");
    EXPECT_EQ("Ann\t0123\r\n", ReadFileBytes(Book()));
}

TEST_F(ListFiles, AnUnterminatedLastLineIsNeverFoundAndAnAdditionContinuesIt)
{
    WriteFileBytes(Book(), "Ann\t111\r\nBob\t222");
    EXPECT_EQ("<none>", Lookup("222"));
    AddCallerIfNew("Cy", "222");
    EXPECT_EQ("Ann\t111\r\nBob\t222Cy\t222\r\n", ReadFileBytes(Book()));
}

TEST_F(ListFiles, LongLinesNulBytesAndJunkNeitherMatchNorHideLaterLines)
{
    std::string junk = std::string(300, 'x') + "\t999\r\n" + std::string("A\0B\t777\r\n", 9);
    for (int byte = 0; byte < 256; ++byte)
        junk += (char)byte;
    junk += "\r\nDan\t444\r\n";
    WriteFileBytes(Book(), junk);
    EXPECT_EQ("<none>", Lookup("999"));
    EXPECT_EQ("<none>", Lookup("777"));
    EXPECT_EQ("Dan", Lookup("444"));
    AddCallerIfNew("Dan", "444");
    EXPECT_EQ(junk, ReadFileBytes(Book()));
}

TEST_F(ListFiles, ALockedPhoneBookIsNeitherReadNorEmptied)
{
    const std::string book = "Ann\t111\r\n";
    WriteFileBytes(Book(), book);
    HANDLE lock = CreateFileA(Book().c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ("<none>", Lookup("111"));
    AddCallerIfNew("Bob", "222");
    CloseHandle(lock);
    EXPECT_EQ(book, ReadFileBytes(Book()));
}

TEST_F(ListFiles, AnAdditionTooLongForALineKeepsTheNumberAndTheLineEnd)
{
    AddCallerIfNew(std::string(300, 'n').c_str(), "0123456789");
    std::string line = ReadFileBytes(Book());
    EXPECT_EQ(255u, line.size());
    EXPECT_EQ("\t0123456789\r\n", line.substr(line.size() - 13));
}

TEST_F(ListFiles, LogRecordsAreAppendedAndTheRecordEmptied)
{
    char record[256] = "Ann\t0123\t2024-01-02 03:04:05\t2\r\n";
    AppendCallLogLine(record);
    EXPECT_EQ('\0', record[0]);
    char second[256] = "Bob\t555\t2024-01-02 03:05:00\t3\r\n";
    AppendCallLogLine(second);
    EXPECT_EQ("Ann\t0123\t2024-01-02 03:04:05\t2\r\nBob\t555\t2024-01-02 03:05:00\t3\r\n", ReadFileBytes(Log()));
}

TEST_F(ListFiles, APhoneBookLoadsSortedByNameAndSavesInDisplayOrder)
{
    WriteFileBytes(Book(), "bob\t2\r\nAnn\t1\tthird\r\n\r\nCy\r\n" + std::string(150, 'L') + "\t9\r\nlast");
    MakeList(PHONE_BOOK_FIELDS);
    LoadListFile(&list, Book().c_str());
    EXPECT_EQ(0, list.sortColumn);
    EXPECT_EQ("Ann|Cy|" + std::string(100, 'L') + "|bob", Column(0));
    EXPECT_EQ("1||9|2", Column(1));

    std::string saved = ProductPath("saved.fic");
    SaveListFile(saved.c_str(), &list);
    EXPECT_EQ(0, list.modified);
    EXPECT_EQ("Ann\t1\r\nCy\t\r\n" + std::string(100, 'L') + "\t9\r\nbob\t2\r\n", ReadFileBytes(saved));
}

TEST_F(ListFiles, ALogLoadsSortedByItsThirdField)
{
    WriteFileBytes(Log(), "Bob\t555\t2024-02-01 10:00:00\t3\r\nAnn\t0123\t2023-12-31 23:59:59\t2\r\n");
    MakeList(CALL_LOG_FIELDS);
    LoadListFile(&list, Log().c_str());
    EXPECT_EQ(2, list.sortColumn);
    EXPECT_EQ("Ann|Bob", Column(0));
    EXPECT_EQ("2|3", Column(3));
}

TEST_F(ListFiles, MissingAndEmptyFilesGiveAnEmptyList)
{
    MakeList(PHONE_BOOK_FIELDS);
    LoadListFile(&list, Book().c_str());
    EXPECT_EQ(0, ListView_GetItemCount(list.control));
    WriteFileBytes(Book(), "\r\n\r\n\r\n");
    LoadListFile(&list, Book().c_str());
    EXPECT_EQ(0, ListView_GetItemCount(list.control));
}

}  // namespace
