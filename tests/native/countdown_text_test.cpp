#include <gtest/gtest.h>

#include <string.h>

#include "countdown_text.h"

namespace {

std::string Countdown(int seconds)
{
    char text[COUNTDOWN_TEXT_SIZE];
    FormatCountdown(text, sizeof text, seconds);
    return text;
}

TEST(CountdownText, MinutesAndSecondsWithTwoDigitsEach)
{
    EXPECT_EQ("00:00", Countdown(0));
    EXPECT_EQ("00:09", Countdown(9));
    EXPECT_EQ("01:00", Countdown(60));
    EXPECT_EQ("02:05", Countdown(125));
    EXPECT_EQ("100:00", Countdown(6000));
}

TEST(CountdownText, HugeValuesAreCutToTheBuffer)
{
    char text[8];
    memset(text, 'x', sizeof text);
    size_t length = FormatCountdown(text, 6, 2147483647);
    EXPECT_EQ(5u, length);
    EXPECT_EQ('\0', text[5]);
    EXPECT_EQ('x', text[6]);
    EXPECT_EQ(0u, FormatCountdown(text, 0, 5));
}

}  // namespace
