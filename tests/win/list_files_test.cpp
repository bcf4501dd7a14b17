/* The engine's side of the call-list files where no window shows it: the log append empties the
   record it was given, and an addition after a missed lookup sees the phone book as it is then.
   The dialogs' step files cover the rest, locked and read-only files included. */
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
        CopyText(phoneBookPath, MAX_PATH, ProductPath("callerid.fic").c_str());
        CopyText(callLogPath, MAX_PATH, ProductPath("incoming.log").c_str());
    }
    void TearDown() override { ResetProductFolder(); }
};

TEST_F(ListFiles, LogRecordsAreAppendedAndTheRecordEmptied)
{
    char record[256] = "Ann\t0123\t2024-01-02 03:04:05\t2\r\n";
    AppendCallLogLine(record);
    EXPECT_EQ('\0', record[0]);
    CopyText(record, sizeof record, "Bob\t555\t2024-01-02 03:05:00\t3\r\n");
    AppendCallLogLine(record);
    EXPECT_EQ("Ann\t0123\t2024-01-02 03:04:05\t2\r\nBob\t555\t2024-01-02 03:05:00\t3\r\n",
              ReadFileBytes(ProductPath("incoming.log")));
}

TEST_F(ListFiles, AnAdditionAfterAMissSeesTheBookAsItIsThen)
{
    WriteFileBytes(ProductPath("callerid.fic"), "Ann\t111\r\n");
    char name[256] = "", number[] = "222\r";
    EXPECT_EQ(0, LookupCallerName(name, number));
    EXPECT_STREQ("222", number) << "the modem's line end is cut";
    WriteFileBytes(ProductPath("callerid.fic"), "Ann\t111\r\nBob\t222\r\n");  /* by someone else meanwhile */
    AddCallerIfNew("Bob again", "222");
    EXPECT_EQ("Ann\t111\r\nBob\t222\r\n", ReadFileBytes(ProductPath("callerid.fic")));
}

}  // namespace
