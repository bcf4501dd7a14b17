#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "trace_line.h"

namespace {

TEST(TracePrefix, HundredthsAfterACommaAndATrailingSpace)
{
    char prefix[TRACE_PREFIX_SIZE];
    FormatTracePrefix(prefix, 9, 5, 7, 456);
    EXPECT_STREQ("09:05:07,45 ", prefix);
    FormatTracePrefix(prefix, 23, 59, 59, 999);
    EXPECT_STREQ("23:59:59,99 ", prefix);
    FormatTracePrefix(prefix, 0, 0, 0, 9);
    EXPECT_STREQ("00:00:00,00 ", prefix);
}

TEST(TracePrefix, ValuesOutOfRangeNeverOverrunTheBuffer)
{
    char guard[TRACE_PREFIX_SIZE + 8];
    memset(guard, 'x', sizeof guard);
    FormatTracePrefix(guard, 123456, -5, 99999, 123456789);
    EXPECT_EQ(TRACE_PREFIX_SIZE - 1, (int)strlen(guard));
    EXPECT_EQ('x', guard[TRACE_PREFIX_SIZE]);
}

TEST(TraceLine, FileLinesEndWithCrLfWindowLinesDoNot)
{
    char line[TRACE_LINE_SIZE];
    EXPECT_EQ(20u, ComposeTraceLine(line, sizeof line, "09:05:07,45 ", "Accept\0", 1) + 0u);
    EXPECT_STREQ("09:05:07,45 Accept\r\n", line);
    ComposeTraceLine(line, sizeof line, "09:05:07,45 ", "Accept", 0);
    EXPECT_STREQ("09:05:07,45 Accept", line);
}

TEST(TraceLine, LongMessagesAreCutToTheLineBufferKeepingTheLineEnd)
{
    std::string message(5000, 'm');
    char line[TRACE_LINE_SIZE + 8];
    memset(line, 'x', sizeof line);
    size_t length = ComposeTraceLine(line, TRACE_LINE_SIZE, "09:05:07,45 ", message.c_str(), 1);
    EXPECT_EQ(TRACE_LINE_SIZE - 1u, length);
    EXPECT_EQ('\r', line[length - 2]);
    EXPECT_EQ('\n', line[length - 1]);
    EXPECT_EQ('\0', line[length]);
    EXPECT_EQ('x', line[TRACE_LINE_SIZE]);

    length = ComposeTraceLine(line, TRACE_LINE_SIZE, "09:05:07,45 ", message.c_str(), 0);
    EXPECT_EQ(TRACE_LINE_SIZE - 1u, length);
    EXPECT_EQ('m', line[length - 1]);
}

TEST(TraceLine, TinyBuffersStayTerminated)
{
    char line[4];
    EXPECT_EQ(0u, ComposeTraceLine(line, 0, "ab", "cd", 0));
    EXPECT_EQ(1u, ComposeTraceLine(line, 2, "ab", "cd", 0));
    EXPECT_STREQ("a", line);
    EXPECT_EQ(2u, ComposeTraceLine(line, 3, "ab", "cd", 1));
    EXPECT_STREQ("\r\n", line);
}

}  // namespace
