#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "call_log_record.h"
#include "list_entry.h"
#include "list_text.h"

namespace {

const CallTime TIME = {2024, 3, 9, 7, 5, 30};

/* One log line with a sortable time stamp; tabs of the caller's texts become spaces, so that the
   line reads back as a four-field log entry. */
TEST(CallLogRecord, ComposesOneLogLineThatReadsBackAsAFourFieldEntry)
{
    char record[LIST_LINE_SIZE];
    EXPECT_EQ(32u, ComposeCallLogRecord(record, sizeof record, "Ann", "0123", &TIME, OUTCOME_NONE));
    EXPECT_STREQ("Ann\t0123\t2024-03-09 07:05:30\t0\r\n", record);
    ComposeCallLogRecord(record, sizeof record, "A\tB", "0\t1", &TIME, OUTCOME_IGNORED);
    ListEntry entry = {};
    SplitListLine(record, strlen(record) - 2, CALL_LOG_FIELDS, &entry);
    char fields[CALL_LOG_FIELDS][LIST_FIELD_SIZE];
    for (int slot = 0; slot < CALL_LOG_FIELDS; ++slot)
        CopyEntryField(record, &entry, slot, fields[slot]);
    EXPECT_STREQ("A B", fields[FIELD_NAME]);
    EXPECT_STREQ("0 1", fields[FIELD_NUMBER]);
    EXPECT_STREQ("2024-03-09 07:05:30", fields[FIELD_TIME]);
    EXPECT_EQ(OUTCOME_IGNORED, OutcomeFromField(fields[FIELD_OUTCOME]));
}

/* The line is cut to its limit, the name first; a buffer too small for the time stamp and outcome
   gives an empty record. */
TEST(CallLogRecord, LongNameAndNumberAreCutToTheLineLimit)
{
    char record[1024];
    std::string name(255, 'n'), number(300, '5');
    EXPECT_EQ(257u, ComposeCallLogRecord(record, sizeof record, name.c_str(), "0123", &TIME, 2));
    EXPECT_EQ(0, strncmp(record + 228, "\t0123\t", 6));
    EXPECT_EQ(2, CallLogOutcome(record));
    EXPECT_EQ(257u, ComposeCallLogRecord(record, sizeof record, "Ann", number.c_str(), &TIME, 2));
    EXPECT_EQ('\t', record[0]);
    EXPECT_EQ(39u, ComposeCallLogRecord(record, 40, name.c_str(), number.c_str(), &TIME, 1));
    EXPECT_EQ("\t" + std::string(14, '5') + "\t2024-03-09 07:05:30\t1\r\n", std::string(record));
    EXPECT_EQ(25u, ComposeCallLogRecord(record, 26, "A", "1", &TIME, 1));
    EXPECT_STREQ("\t\t2024-03-09 07:05:30\t1\r\n", record);
    EXPECT_EQ(0u, ComposeCallLogRecord(record, 25, "A", "1", &TIME, 1));
    EXPECT_STREQ("", record);
}

/* The outcome is the digit third from the end; records too short for it have none and stay
   as they are; only a single digit 0 to 3 is an outcome field. */
TEST(CallLogRecord, TheOutcomeDigitIsThirdFromTheEnd)
{
    char record[LIST_LINE_SIZE];
    ComposeCallLogRecord(record, sizeof record, "Ann", "0123", &TIME, 7);
    EXPECT_EQ(OUTCOME_NONE, CallLogOutcome(record));
    SetCallLogOutcome(record, OUTCOME_ACCEPTED);
    EXPECT_STREQ("Ann\t0123\t2024-03-09 07:05:30\t2\r\n", record);
    char empty[4] = "", two[] = "\r\n", three[] = "x\r\n";
    SetCallLogOutcome(empty, OUTCOME_ACCEPTED);
    SetCallLogOutcome(two, OUTCOME_ACCEPTED);
    EXPECT_STREQ("", empty);
    EXPECT_STREQ("\r\n", two);
    EXPECT_EQ(-1, CallLogOutcome(empty));
    EXPECT_EQ(-1, CallLogOutcome(three));
    SetCallLogOutcome(three, OUTCOME_IGNORED);
    EXPECT_STREQ("3\r\n", three);
    for (const char *field : {"4", "23", "", (const char *)nullptr})
        EXPECT_EQ(-1, OutcomeFromField(field));
    EXPECT_EQ(3, OutcomeFromField("3"));
}

}  // namespace
