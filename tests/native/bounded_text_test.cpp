#include <gtest/gtest.h>

#include "bounded_text.h"

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

}  // namespace
