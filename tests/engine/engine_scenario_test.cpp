/* The shipped scenarios and the engine's own, played against the engine on the bench: the
   requests, commands, caller fields, countdown, trace, prompts, line and phone book must be as
   each file expects. What only the real window shows (status line, window, pictures) is left to
   the scenario runs under Wine. */
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine_rig.h"
#include "mohres.h"
#include "scenario.h"

namespace {

std::vector<std::string> ScenarioFiles()
{
    std::vector<std::string> files;
    for (const char *folder : {"/scenarios", "/tests/engine/scenarios"})
        for (const auto &entry : std::filesystem::directory_iterator(MOH_SOURCE_DIR + std::string(folder)))
            if (entry.path().extension() == ".txt")
                files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

class Player {
public:
    explicit Player(const Scenario &scenario) : scenario(scenario) {}

    void Play()
    {
        size_t step = 0;
        for (; step < scenario.steps.size() && PreparesRun(scenario.steps[step]); ++step)
            Prepare(scenario.steps[step]);
        rig.Load();
        for (; step < scenario.steps.size() && rig.invariants.broken.empty(); ++step) {
            Run(scenario.steps[step]);
            rig.Deliver();
        }
        EXPECT_EQ("", rig.invariants.broken) << "at " << scenario.fileName << ":" << (step ? scenario.steps[step - 1].line : 0);
        EXPECT_EQ(promptsSeen, rig.prompts.size()) << "handset prompts nobody answered";
    }

private:
    void Prepare(const ScenarioStep &step)
    {
        if (step.kind == STEP_SETTING)
            rig.SetSetting(step.section, step.key, step.text);
        else if (step.kind == STEP_PHONE_BOOK)
            rig.phoneBook.push_back(step.text2 + "\t" + step.text);
        else
            SetModemField(&rig.modem, step.key, step.value, step.text);
    }

    void Run(const ScenarioStep &step)
    {
        SCOPED_TRACE(scenario.fileName + ":" + std::to_string(step.line) + ": " + step.source);
        if (ModemReportStep(&rig.modem, step))
            return;
        switch (step.kind) {
        case STEP_CLICK: EXPECT_TRUE(rig.Click((int)step.value)) << "the command is grey"; break;
        case STEP_WAIT: rig.Advance(step.value); break;
        case STEP_BOX:
            ASSERT_LT(promptsSeen, rig.prompts.size()) << "no prompt is shown";
            EXPECT_EQ(step.text, rig.prompts[promptsSeen++]);
            break;
        case STEP_EXPECT: Check(step); break;
        default: Prepare(step); break;
        }
    }

    void Check(const ScenarioStep &step)
    {
        /* On the bench a prompt does not hold the engine: what it does after the prompt is
           done already while the scenario still reads the open box. */
        bool promptOpen = promptsSeen < rig.prompts.size();
        switch (step.expect) {
        case EXPECT_REQUEST: CheckRequest(step); break;
        case EXPECT_NO_REQUEST:
            if (!promptOpen)
                CheckRequest(step);
            break;
        case EXPECT_NAME: EXPECT_EQ(step.text, rig.fields[IDC_CALLER_NAME]); break;
        case EXPECT_NUMBER: EXPECT_EQ(step.text, rig.fields[IDC_CALLER_NUMBER]); break;
        case EXPECT_COUNTDOWN: EXPECT_EQ(step.text, rig.fields[IDC_COUNTDOWN]); break;
        case EXPECT_COMMANDS: EXPECT_TRUE(CommandsMatch(step.text, rig.CommandStates())) << rig.CommandStates(); break;
        case EXPECT_LINE: EXPECT_EQ(step.value, (int64_t)rig.modem.line); break;
        case EXPECT_HOOK: EXPECT_EQ(step.value, (int64_t)rig.modem.hook); break;
        case EXPECT_TRACE:
            EXPECT_TRUE(std::any_of(rig.windowTrace.begin(), rig.windowTrace.end(),
                                    [&](const std::string &line) { return line.find(step.text) != std::string::npos; }));
            break;
        case EXPECT_PHONE_BOOK:
        case EXPECT_NO_PHONE_BOOK: EXPECT_TRUE(PhoneBookShows(step, rig.phoneBook)); break;
        case EXPECT_LOG: {
            std::string line = logLinesSeen < rig.callLog.size() ? rig.callLog[logLinesSeen++] : "none\r\n";
            EXPECT_TRUE(LogLineMatches(step, line.substr(0, line.size() - 2))) << line;
            break;
        }
        case EXPECT_NO_LOG: EXPECT_EQ(logLinesSeen, rig.callLog.size()); break;
        default: break;   /* the real window's */
        }
    }

    void CheckRequest(const ScenarioStep &step)
    {
        size_t found = FindRequest(step.request, rig.requests, requestCursor);
        bool made = found < rig.requests.size();
        EXPECT_EQ(step.expect == EXPECT_REQUEST, made);
        if (made && step.expect == EXPECT_REQUEST)
            requestCursor = found + 1;
    }

    const Scenario &scenario;
    EngineRig rig;
    size_t requestCursor = 0;
    size_t promptsSeen = 0;
    size_t logLinesSeen = 0;
};

class EngineScenario : public ::testing::TestWithParam<std::string> {};

TEST_P(EngineScenario, HoldsEveryExpectationOfTheEngine)
{
    std::ifstream file(GetParam());
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Scenario scenario;
    std::string error;
    ASSERT_TRUE(ParseScenario(GetParam().substr(GetParam().rfind('/') + 1), text, &scenario, &error)) << error;
    Player(scenario).Play();
}

INSTANTIATE_TEST_SUITE_P(Files, EngineScenario, ::testing::ValuesIn(ScenarioFiles()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return std::filesystem::path(info.param).stem().string();
                         });

}  // namespace
