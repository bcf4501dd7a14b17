#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_options.h"

namespace {

bool Parse(std::vector<const char *> args, HostOptions *options, std::string *error)
{
    args.insert(args.begin(), "mohhost");
    return ParseHostOptions((int)args.size(), args.data(), options, error);
}

TEST(HostOptions, DefaultsAreTheControlPanelInTheLibrarysLoop)
{
    HostOptions options;
    std::string error;
    ASSERT_TRUE(Parse({}, &options, &error));
    EXPECT_EQ("", options.scenarioFile);
    EXPECT_TRUE(options.ownLoop);
    EXPECT_EQ(1.0, options.speed);
    EXPECT_FALSE(options.freshProductFolder);
}

TEST(HostOptions, EveryOption)
{
    HostOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--scenario", "s.txt", "--speed", "2.5", "--screenshots", "out", "--log", "out/h.log",
                       "--trace", "t", "--host-loop"},
                      &options, &error))
        << error;
    EXPECT_EQ("s.txt", options.scenarioFile);
    EXPECT_EQ(2.5, options.speed);
    EXPECT_EQ("out", options.screenshotDir);
    EXPECT_EQ("out/h.log", options.logFile);
    EXPECT_EQ("t", options.traceDir);
    EXPECT_FALSE(options.ownLoop);
    EXPECT_TRUE(options.freshProductFolder);
    HostOptions kept;
    ASSERT_TRUE(Parse({"--scenario", "s.txt", "--keep-settings", "--speed", "0"}, &kept, &error));
    EXPECT_FALSE(kept.freshProductFolder);
    EXPECT_EQ(0.0, kept.speed);
}

TEST(HostOptions, BadOptionsSayWhatWasExpected)
{
    struct Case {
        std::vector<const char *> args;
        const char *error;
    } cases[] = {
        {{"--scenario"}, "--scenario needs a value"},
        {{"--log", ""}, "--log needs a value"},
        {{"--speed", "fast"}, "--speed expects a number from 0 to 1000, got \"fast\""},
        {{"--speed", "-1"}, "--speed expects a number from 0 to 1000, got \"-1\""},
        {{"--speed", "1001"}, "--speed expects a number from 0 to 1000, got \"1001\""},
        {{"--speed", "nan"}, "--speed expects a number from 0 to 1000, got \"nan\""},
        {{"--own-loop", "--host-loop"}, "choose one of --own-loop and --host-loop"},
        {{"--fast"}, "unknown option \"--fast\""},
        {{"scenario.txt"}, "unknown option \"scenario.txt\""},
    };
    for (const Case &c : cases) {
        HostOptions options;
        std::string error;
        EXPECT_FALSE(Parse(c.args, &options, &error)) << c.error;
        EXPECT_EQ(c.error, error);
    }
}

}  // namespace
