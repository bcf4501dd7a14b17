/* The call-list files as the engine and the list dialogs use them: phone book lookup and
   addition, the log append, whole-file reads and safe replacement, with damaged and locked files. */
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "bounded_text.h"
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
    void TearDown() override { ResetProductFolder(); }
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
};

TEST_F(ListFiles, AMissingOrEmptyPhoneBookFindsNothingAndIsCreatedByAnAddition)
{
    EXPECT_EQ("<none>", Lookup("012345"));
    AddCallerIfNew("Ann", "0123");
    EXPECT_EQ("Ann\t0123\r\n", ReadFileBytes(Book()));
    EXPECT_EQ("Ann", Lookup("0123\r")) << "the modem's line end is trimmed";
    WriteFileBytes(Book(), "");
    EXPECT_EQ("<none>", Lookup("0123"));
    AddCallerIfNew("Ann", "0123");
    AddCallerIfNew("Ann again", "0123");
    EXPECT_EQ("Ann\t0123\r\n", ReadFileBytes(Book()));
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

TEST_F(ListFiles, LogRecordsAreAppendedAndTheRecordEmptied)
{
    char record[256] = "Ann\t0123\t2024-01-02 03:04:05\t2\r\n";
    AppendCallLogLine(record);
    EXPECT_EQ('\0', record[0]);
    char second[256] = "Bob\t555\t2024-01-02 03:05:00\t3\r\n";
    AppendCallLogLine(second);
    EXPECT_EQ("Ann\t0123\t2024-01-02 03:04:05\t2\r\nBob\t555\t2024-01-02 03:05:00\t3\r\n", ReadFileBytes(Log()));
}

TEST_F(ListFiles, AnAdditionAfterAMissSeesTheBookAsItIsThen)
{
    WriteFileBytes(Book(), "Ann\t111\r\n");
    EXPECT_EQ("<none>", Lookup("222"));
    WriteFileBytes(Book(), "Ann\t111\r\nBob\t222\r\n");  /* written by someone else meanwhile */
    AddCallerIfNew("Bob again", "222");
    EXPECT_EQ("Ann\t111\r\nBob\t222\r\n", ReadFileBytes(Book()));
}

TEST_F(ListFiles, AReplacementIsWholeOrLeavesTheOldFileAndNoTemporaryFile)
{
    WriteFileBytes(Book(), "old\r\n");
    ASSERT_EQ(1, ReplaceListFile(Book().c_str(), "new\r\n", 5));
    EXPECT_EQ("new\r\n", ReadFileBytes(Book()));
    /* In the way of the replacement: the file held open without leave to delete it, then a
       read-only file. */
    HANDLE holder = CreateFileA(Book().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                                0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_EQ(0, ReplaceListFile(Book().c_str(), "newer\r\n", 7));
    EXPECT_NE(0u, GetLastError());
    CloseHandle(holder);
    SetFileAttributesA(Book().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(0, ReplaceListFile(Book().c_str(), "newer\r\n", 7));
    SetFileAttributesA(Book().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("new\r\n", ReadFileBytes(Book()));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ProductPath("*.tmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

}  // namespace
