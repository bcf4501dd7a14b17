/* Texts formatted into fixed buffers: cut to the buffer, always terminated, nothing written
   past it. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "bounded_text.h"
#include "countdown_text.h"
#include "trace_line.h"

namespace {

TEST(BoundedText, CopyAndAppendCutToTheBuffer)
{
    char buffer[8];
    EXPECT_EQ(7u, CopyText(buffer, sizeof buffer, "abcdefghij"));
    EXPECT_STREQ("abcdefg", buffer);
    CopyText(buffer, sizeof buffer, "ab");
    EXPECT_EQ(5u, AppendText(buffer, sizeof buffer, "cde"));
    EXPECT_EQ(7u, AppendText(buffer, sizeof buffer, "fghij"));
    EXPECT_STREQ("abcdefg", buffer);
}

TEST(BoundedText, ReplaceFileNameSwapsEverythingAfterTheLastBackslash)
{
    char path[64] = "C:\\Users\\me\\Corvane Software\\Pellora\\pellora.ini";
    ReplaceFileName(path, sizeof path, "\\callerid.fic");
    EXPECT_STREQ("C:\\Users\\me\\Corvane Software\\Pellora\\callerid.fic", path);
    char bare[32] = "moh.dll";
    ReplaceFileName(bare, sizeof bare, "\\pellora.ini");
    EXPECT_STREQ("moh.dll\\pellora.ini", bare);
    char tight[16] = "D:\\App\\moh.dll";
    ReplaceFileName(tight, sizeof tight, "\\pellora.ini");
    EXPECT_STREQ("D:\\App\\pellora.", tight);
}

TEST(CountdownText, CutToTheBuffer)
{
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(5u, FormatCountdown(text, 6, 2147483647));
    EXPECT_EQ('\0', text[5]);
    EXPECT_EQ('x', text[6]);
    EXPECT_EQ(0u, FormatCountdown(text, 0, 5));
}

TEST(TracePrefix, HundredthsAfterACommaAndATrailingSpaceNeverOverrunning)
{
    char prefix[TRACE_PREFIX_SIZE + 8];
    FormatTracePrefix(prefix, 9, 5, 7, 456);
    EXPECT_STREQ("09:05:07,45 ", prefix);
    FormatTracePrefix(prefix, 0, 0, 0, 9);
    EXPECT_STREQ("00:00:00,00 ", prefix);
    memset(prefix, 'x', sizeof prefix);
    FormatTracePrefix(prefix, 123456, -5, 99999, 123456789);
    EXPECT_EQ(TRACE_PREFIX_SIZE - 1, (int)strlen(prefix));
    EXPECT_EQ('x', prefix[TRACE_PREFIX_SIZE]);
}

/* File lines end with CR LF, window lines do not; a long message is cut to the buffer, keeping
   the line end; tiny buffers stay terminated. */
TEST(TraceLine, ComposedWithinTheBufferKeepingTheFileLineEnd)
{
    char line[TRACE_LINE_SIZE + 8];
    EXPECT_EQ(20u, ComposeTraceLine(line, sizeof line, "09:05:07,45 ", "Accept", 1));
    EXPECT_STREQ("09:05:07,45 Accept\r\n", line);
    ComposeTraceLine(line, sizeof line, "09:05:07,45 ", "Accept", 0);
    EXPECT_STREQ("09:05:07,45 Accept", line);

    std::string message(5000, 'm');
    memset(line, 'x', sizeof line);
    EXPECT_EQ(TRACE_LINE_SIZE - 1u, ComposeTraceLine(line, TRACE_LINE_SIZE, "p ", message.c_str(), 1));
    EXPECT_EQ(std::string(TRACE_LINE_SIZE - 5, 'm') + "\r\n", line + 2);
    EXPECT_EQ('x', line[TRACE_LINE_SIZE]);
    EXPECT_EQ(TRACE_LINE_SIZE - 1u, ComposeTraceLine(line, TRACE_LINE_SIZE, "p ", message.c_str(), 0));
    EXPECT_EQ('m', line[TRACE_LINE_SIZE - 2]);

    EXPECT_EQ(0u, ComposeTraceLine(line, 0, "ab", "cd", 0));
    EXPECT_EQ(1u, ComposeTraceLine(line, 2, "ab", "cd", 0));
    EXPECT_STREQ("a", line);
    EXPECT_EQ(2u, ComposeTraceLine(line, 3, "ab", "cd", 1));
    EXPECT_STREQ("\r\n", line);
}

}  // namespace
