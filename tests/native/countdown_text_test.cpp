#include <gtest/gtest.h>

#include <string.h>

#include "countdown_text.h"

namespace {

TEST(CountdownText, CutToTheBuffer)
{
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(5u, FormatCountdown(text, 6, 2147483647));
    EXPECT_EQ('\0', text[5]);
    EXPECT_EQ('x', text[6]);
    EXPECT_EQ(0u, FormatCountdown(text, 0, 5));
}

}  // namespace
