#include <gtest/gtest.h>

#include <string>

#include "modem_model.h"
#include "scenario.h"

namespace {

/* Parses text as the file "s.txt"; the error, empty when it parsed. */
std::string Parse(const std::string &text, Scenario *scenario)
{
    std::string error;
    bool parsed = ParseScenario("s.txt", text, scenario, &error);
    EXPECT_EQ(parsed, error.empty()) << text;
    return error;
}

/* Good lines the shipped scenarios do not already check, each after a comment and a blank line
   and with spaces around it, and what the step keeps of it; a null text is not checked. */
TEST(ScenarioParser, GoodLines)
{
    struct Case {
        const char *line;
        int kind;
        int64_t value, value2;
        const char *text, *text2;
    } cases[] = {
        {"connect", STEP_CONNECT, 15, 0, nullptr, nullptr},
        {"connect V90 acf", STEP_CONNECT, MODULATION_V90, 2, nullptr, nullptr},
        {"connect 9 1", STEP_CONNECT, 9, 1, nullptr, nullptr},
        {"state wait_for_call_resume", STEP_STATE, 4, 0, nullptr, nullptr},
        {"response MOH_REMOTE_RESPONSE_NONE", STEP_RESPONSE, 505, 0, nullptr, nullptr},
        {"caller 5550123 Ann  Smith", STEP_CALLER, 0, 0, "5550123", "Ann  Smith"},
        {"caller 5550123", STEP_CALLER, 0, 0, "5550123", "-"},
        {"caller none", STEP_CALLER, 0, 0, "", ""},
        {"setting MOH TitleTxt My modem  on hold", STEP_SETTING, 0, 0, "My modem  on hold", nullptr},
        {"setting MOH TitleTxt \" padded \"", STEP_SETTING, 0, 0, " padded ", nullptr},
        {"phonebook 555-0199 Grandma Smith", STEP_PHONE_BOOK, 0, 0, "555-0199", "Grandma Smith"},
        {"modem hold-time -1", STEP_MODEM, -1, 0, nullptr, nullptr},
        {"modem state NOT_SUPPORTED", STEP_MODEM, 8, 0, nullptr, nullptr},
        {"modem name Bench modem 56K", STEP_MODEM, 0, 0, "Bench modem 56K", nullptr},
        {"click Ignore", STEP_CLICK, 10002, 0, nullptr, nullptr},
        {"wait 2.25", STEP_WAIT, 2250, 0, nullptr, nullptr},
        {"wait 86400", STEP_WAIT, 86400000, 0, nullptr, nullptr},
        {"shot on-hold_2", STEP_SHOT, 0, 0, "on-hold_2", nullptr},
        {"box no Really?", STEP_BOX, 7, 0, "Really?", nullptr},
        {"expect countdown \"\"", STEP_EXPECT, 0, 0, "", nullptr},
        {"expect commands A+ i- R+", STEP_EXPECT, 0, 0, "+-..+", nullptr},
        {"expect no-request get 104", STEP_EXPECT, 0, 0, nullptr, nullptr},
    };
    for (const Case &c : cases) {
        Scenario scenario;
        ASSERT_EQ("", Parse(std::string("# comment\r\n\r\n  ") + c.line + "  \r\n", &scenario));
        ASSERT_EQ(1u, scenario.steps.size()) << c.line;
        const ScenarioStep &step = scenario.steps[0];
        EXPECT_EQ(3, step.line);
        EXPECT_EQ(c.line, step.source);
        EXPECT_EQ(c.kind, step.kind) << c.line;
        EXPECT_EQ(c.value, step.value) << c.line;
        EXPECT_EQ(c.value2, step.value2) << c.line;
        EXPECT_EQ(c.text ? c.text : step.text, step.text) << c.line;
        EXPECT_EQ(c.text2 ? c.text2 : step.text2, step.text2) << c.line;
    }
}

TEST(ScenarioParser, RequestPatternsMatchOpKindItemAndValue)
{
    const uint32_t none = 0xDEAD;   /* the library passed no value */
    struct Case {
        const char *pattern;
        uint32_t op, kind, item, value;
        bool matches;
    } cases[] = {
        {"set CALL_ACTION=1", MODEM_OP_SET, MODEM_DATA_DWORD, 2, 1, true},
        {"set CALL_ACTION=1", MODEM_OP_SET, MODEM_DATA_DWORD, 2, 4, false},
        {"set MOH_ITEM_CALL_ACTION", MODEM_OP_SET, MODEM_DATA_DWORD, 2, 4, true},
        {"set 2", MODEM_OP_GET, MODEM_DATA_STRING, 2, none, false},
        {"set 7", MODEM_OP_SET, MODEM_DATA_ACTION, 7, none, false},
        {"action 7", MODEM_OP_SET, MODEM_DATA_DWORD, 7, 1, false},
        {"delete CID_ENABLE=1", MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, 1, true},
        {"configure CID_ENABLE=1", MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, 1, false},
        {"set 8=-1", MODEM_OP_SET, MODEM_DATA_DWORD, 8, 0xFFFFFFFFu, true},
    };
    for (const Case &c : cases) {
        Scenario scenario;
        ASSERT_EQ("", Parse(std::string("expect request ") + c.pattern, &scenario));
        uint32_t value = c.value;
        EXPECT_EQ(c.matches, RequestMatches(scenario.steps[0].request, c.op, c.kind, c.item,
                                            c.value == none ? nullptr : &value))
            << c.pattern;
    }
}

/* Every kind of bad line, here the second, is refused saying where; some say exactly what. */
TEST(ScenarioParser, BadLinesAreRefusedSayingWhereAndWhat)
{
    const std::pair<const char *, const char *> said[] = {
        {"ring", "unknown step \"ring\"; expected setting, phonebook, modem, connect, idle, tone, caller, response, "
                 "state, diag, click, wait, shot, box or expect"},
        {"wait soon", "wait: expected a number of seconds (such as 5 or 0.5, at most one day), got \"soon\""},
        {"connect V92 HSF now", "connect: unexpected \"now\" at the end of the line"},
        {"setting MOH AcceptAll 1", "setting must come before the first event, click, wait, shot, box or expect "
                                    "step: it is applied before the library loads"},
    };
    for (const auto &c : said) {
        Scenario scenario;
        EXPECT_EQ(std::string("s.txt:2: ") + c.second, Parse(std::string("wait 1\n") + c.first, &scenario));
    }
    const std::string bad[] = {
        "setting", "setting MOH", "setting [MOH] AcceptAll 1", "setting MOH Accept=All 1", "phonebook",
        "phonebook 5550123", "modem", "modem colour blue", "modem port", "modem port four", "modem diag 11 12",
        "modem family XYZ", "modem handset-exclusion Sometimes", "modem modulation V34", "modem state HOLDING",
        "connect V34", "connect V92 XYZ", "idle now", "tone 2", "caller", "caller none Ann", "response",
        "response MAYBE", "response ACK NACK", "state", "state 4 5", "diag", "diag CONNECTED",
        "diag 99999999999", "diag 4294967296", "diag -2147483649", "click", "click exit", "click accept twice",
        "wait", "wait -1", "wait 1.", "wait .5", "wait 1.2345", "wait 86400.001", "wait 1 2", "wait 1e3",
        "box", "box ok", "box maybe Text", "box ok \"\"", "shot", "shot on hold", "shot ../escape", "shot a/b",
        "shot " + std::string(65, 'x'), "expect", "expect colour red", "expect request",
        "expect request fetch 2", "expect request get", "expect request get NOTHING", "expect request get 105=3",
        "expect request action 7=1", "expect request set 2=x", "expect request set 2=1 now", "expect no-request",
        "expect commands", "expect commands A", "expect commands A* I+", "expect commands X+",
        "expect commands A+ A-", "expect window open", "expect window", "expect line busy", "expect hook up",
        "expect trace", "expect trace \"\"", "expect phonebook 5550123", "expect no-phonebook",
        "expect no-phonebook 1 2", "phonebook 1 A", "setting MOH AcceptAll 1",
    };
    for (const std::string &line : bad) {
        Scenario scenario;
        std::string error = Parse("wait 1\n" + line + "\n", &scenario);
        EXPECT_EQ(0u, error.find("s.txt:2: ")) << line << " -> " << error;
        EXPECT_GT(error.size(), 20u) << line;
    }
    Scenario scenario;
    EXPECT_EQ("", Parse("modem port 4\nsetting MOH AcceptAll 1\nphonebook 1 A\nconnect\nmodem port 5\n", &scenario));
}

}  // namespace
