#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "host_options.h"

namespace {

/* Each command line and what it gives: the options in a line, or the error. */
TEST(HostOptions, CommandLines)
{
    struct Case {
        std::vector<const char *> args;
        const char *result;
    } cases[] = {
        {{}, "'' speed 1 own kept"},
        {{"--scenario", "s.txt", "--speed", "2.5", "--screenshots", "out", "--log", "h.log", "--trace", "t",
          "--host-loop"},
         "'s.txt' speed 2.5 host fresh shots out log h.log trace t"},
        {{"--scenario", "s.txt", "--keep-settings", "--speed", "0"}, "'s.txt' speed 0 own kept"},
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
    for (Case &c : cases) {
        c.args.insert(c.args.begin(), "mohhost");
        HostOptions o;
        std::string error;
        if (ParseHostOptions((int)c.args.size(), c.args.data(), &o, &error)) {
            char speed[16];
            snprintf(speed, sizeof speed, "%g", o.speed);
            error = "'" + o.scenarioFile + "' speed " + speed + (o.ownLoop ? " own" : " host") +
                    (o.freshProductFolder ? " fresh" : " kept") + (o.screenshotDir.empty() ? "" : " shots ") +
                    o.screenshotDir + (o.logFile.empty() ? "" : " log ") + o.logFile +
                    (o.traceDir.empty() ? "" : " trace ") + o.traceDir;
        }
        EXPECT_EQ(c.result, error);
    }
}

}  // namespace
