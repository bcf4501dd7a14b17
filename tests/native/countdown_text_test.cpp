#include <gtest/gtest.h>

#include <string.h>

#include "countdown_text.h"

namespace {

TEST(CountdownText, MinutesAndSecondsWithTwoDigitsEachCutToTheBuffer)
{
    const struct {
        int seconds;
        const char *text;
    } cases[] = {{0, "00:00"}, {9, "00:09"}, {60, "01:00"}, {125, "02:05"}, {6000, "100:00"}};
    for (const auto &c : cases) {
        char text[COUNTDOWN_TEXT_SIZE];
        FormatCountdown(text, sizeof text, c.seconds);
        EXPECT_STREQ(c.text, text);
    }
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(5u, FormatCountdown(text, 6, 2147483647));
    EXPECT_EQ('\0', text[5]);
    EXPECT_EQ('x', text[6]);
    EXPECT_EQ(0u, FormatCountdown(text, 0, 5));
}

}  // namespace
