#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "call_log_record.h"
#include "list_entry.h"
#include "list_text.h"

namespace {

const CallTime TIME = {2024, 3, 9, 7, 5, 30};

TEST(CallLogRecord, ComposesOneLogLineWithASortableTimeStamp)
{
    char record[LIST_LINE_SIZE];
    size_t length = ComposeCallLogRecord(record, sizeof record, "Ann", "0123", &TIME, OUTCOME_NONE);
    EXPECT_STREQ("Ann\t0123\t2024-03-09 07:05:30\t0\r\n", record);
    EXPECT_EQ(strlen(record), length);
}

TEST(CallLogRecord, RecordReadsBackAsAFourFieldLogEntry)
{
    char record[LIST_LINE_SIZE];
    ComposeCallLogRecord(record, sizeof record, "A\tB", "0\t1", &TIME, OUTCOME_IGNORED);
    ListScan scan;
    BeginListScan(&scan, record, strlen(record));
    const char *line;
    size_t length;
    ASSERT_EQ(1, NextLineSpan(&scan, &line, &length));
    ListEntry entry = {};
    SplitListLine(line, length, CALL_LOG_FIELDS, &entry);
    char fields[CALL_LOG_FIELDS][LIST_FIELD_SIZE];
    for (int slot = 0; slot < CALL_LOG_FIELDS; ++slot)
        CopyEntryField(line, &entry, slot, fields[slot]);
    EXPECT_STREQ("A B", fields[FIELD_NAME]);
    EXPECT_STREQ("0 1", fields[FIELD_NUMBER]);
    EXPECT_STREQ("2024-03-09 07:05:30", fields[FIELD_TIME]);
    EXPECT_EQ(OUTCOME_IGNORED, OutcomeFromField(fields[FIELD_OUTCOME]));
}

TEST(CallLogRecord, LongNameAndNumberAreCutToTheLineLimit)
{
    char record[1024];
    std::string name(255, 'n');
    std::string number(300, '5');
    size_t length = ComposeCallLogRecord(record, sizeof record, name.c_str(), "0123", &TIME, 2);
    EXPECT_EQ(257u, length);  /* a 255-byte line and its CR LF */
    EXPECT_EQ(0, strncmp(record + 228, "\t0123\t", 6));
    EXPECT_EQ(2, CallLogOutcome(record));
    length = ComposeCallLogRecord(record, sizeof record, "Ann", number.c_str(), &TIME, 2);
    EXPECT_EQ(257u, length);
    EXPECT_EQ('\t', record[0]);
    char small[40];
    length = ComposeCallLogRecord(small, sizeof small, name.c_str(), number.c_str(), &TIME, 1);
    EXPECT_EQ(39u, length);
    EXPECT_EQ("\t" + std::string(14, '5') + "\t2024-03-09 07:05:30\t1\r\n", std::string(small));
}

TEST(CallLogRecord, TooSmallBufferGivesAnEmptyRecord)
{
    char small[25] = "junk";
    EXPECT_EQ(0u, ComposeCallLogRecord(small, sizeof small, "A", "1", &TIME, 1));
    EXPECT_STREQ("", small);
    char fits[26];
    EXPECT_EQ(25u, ComposeCallLogRecord(fits, sizeof fits, "A", "1", &TIME, 1));
    EXPECT_STREQ("\t\t2024-03-09 07:05:30\t1\r\n", fits);
}

TEST(CallLogRecord, OutcomeDigitIsAlwaysThirdFromTheEnd)
{
    char record[LIST_LINE_SIZE];
    ComposeCallLogRecord(record, sizeof record, "Ann", "0123", &TIME, 7);
    EXPECT_EQ(OUTCOME_NONE, CallLogOutcome(record));
    SetCallLogOutcome(record, OUTCOME_ACCEPTED);
    EXPECT_EQ(OUTCOME_ACCEPTED, CallLogOutcome(record));
    EXPECT_STREQ("Ann\t0123\t2024-03-09 07:05:30\t2\r\n", record);
    SetCallLogOutcome(record, OUTCOME_DISCONNECTED);
    EXPECT_EQ('1', record[strlen(record) - 3]);
}

TEST(CallLogRecord, ShortRecordsHaveNoOutcomeAndStayUnchanged)
{
    char empty[4] = "";
    SetCallLogOutcome(empty, OUTCOME_ACCEPTED);
    EXPECT_STREQ("", empty);
    EXPECT_EQ(-1, CallLogOutcome(empty));
    char two[] = "\r\n";
    SetCallLogOutcome(two, OUTCOME_ACCEPTED);
    EXPECT_STREQ("\r\n", two);
    char three[] = "x\r\n";
    EXPECT_EQ(-1, CallLogOutcome(three));
    SetCallLogOutcome(three, OUTCOME_IGNORED);
    EXPECT_STREQ("3\r\n", three);
}

TEST(CallLogRecord, OnlyASingleDigitZeroToThreeIsAnOutcomeField)
{
    EXPECT_EQ(0, OutcomeFromField("0"));
    EXPECT_EQ(3, OutcomeFromField("3"));
    EXPECT_EQ(-1, OutcomeFromField("4"));
    EXPECT_EQ(-1, OutcomeFromField("23"));
    EXPECT_EQ(-1, OutcomeFromField(""));
    EXPECT_EQ(-1, OutcomeFromField(nullptr));
}

}  // namespace
