#include <gtest/gtest.h>

#include <string>

#include "modem_model.h"
#include "scenario.h"

namespace {

Scenario Parse(const std::string &text)
{
    Scenario scenario;
    std::string error;
    EXPECT_TRUE(ParseScenario("s.txt", text, &scenario, &error)) << error;
    return scenario;
}

ScenarioStep One(const std::string &line)
{
    Scenario scenario = Parse(line + "\n");
    EXPECT_EQ(1u, scenario.steps.size());
    return scenario.steps.empty() ? ScenarioStep() : scenario.steps[0];
}

/* The error of a scenario that must not parse. */
std::string Error(const std::string &text)
{
    Scenario scenario;
    std::string error;
    EXPECT_FALSE(ParseScenario("s.txt", text, &scenario, &error)) << text;
    return error;
}

bool Matches(const std::string &pattern, uint32_t op, uint32_t kind, uint32_t item, const uint32_t *value)
{
    return RequestMatches(One("expect request " + pattern).request, op, kind, item, value);
}

TEST(ScenarioParser, SkipsCommentsAndBlankLinesAndKeepsLineNumbers)
{
    Scenario scenario = Parse("# a comment\r\n\r\n   \nconnect\r\n  # indented comment\n  tone  \nwait 1");
    ASSERT_EQ(3u, scenario.steps.size());
    EXPECT_EQ(4, scenario.steps[0].line);
    EXPECT_EQ(STEP_TONE, scenario.steps[1].kind);
    EXPECT_EQ(6, scenario.steps[1].line);
    EXPECT_EQ("tone", scenario.steps[1].source);
    EXPECT_EQ(7, scenario.steps[2].line);
    EXPECT_TRUE(Parse("").steps.empty());
}

TEST(ScenarioParser, ModemEventsTakeNamesOrNumbers)
{
    ScenarioStep connect = One("connect");
    EXPECT_EQ(STEP_CONNECT, connect.kind);
    EXPECT_EQ(15, connect.value);
    EXPECT_EQ(0, connect.value2);
    connect = One("connect V90 acf");
    EXPECT_EQ(MODULATION_V90, connect.value);
    EXPECT_EQ(2, connect.value2);
    EXPECT_EQ(9, One("connect 9 1").value);
    EXPECT_EQ(11, One("diag PROT_LAYER_CONNECT").value);
    EXPECT_EQ(11, One("diag DIAG_PROT_LAYER_CONNECT").value);
    EXPECT_EQ(30, One("diag 30").value);
    EXPECT_EQ(4, One("state wait_for_call_resume").value);
    EXPECT_EQ(13, One("state MOH_STATE_LAST").value);
    EXPECT_EQ(501, One("response NACK").value);
    EXPECT_EQ(505, One("response MOH_REMOTE_RESPONSE_NONE").value);
    EXPECT_EQ(510, One("response 510").value);
}

TEST(ScenarioParser, CallerTakesNumberAndTheRestAsName)
{
    ScenarioStep caller = One("caller 5550123 Ann  Smith ");
    EXPECT_EQ(STEP_CALLER, caller.kind);
    EXPECT_EQ("5550123", caller.text);
    EXPECT_EQ("Ann  Smith", caller.text2);
    EXPECT_EQ("-", One("caller 5550123").text2);
    EXPECT_EQ("-", One("caller - Ann").text);
    caller = One("caller none");
    EXPECT_EQ("", caller.text);
    EXPECT_EQ("", caller.text2);
}

TEST(ScenarioParser, SettingsPhoneBookAndModemFields)
{
    ScenarioStep setting = One("setting MOH TitleTxt My modem  on hold");
    EXPECT_EQ("MOH", setting.section);
    EXPECT_EQ("TitleTxt", setting.key);
    EXPECT_EQ("My modem  on hold", setting.text);
    EXPECT_EQ("", One("setting Sounds Ring").text);
    EXPECT_EQ(" padded ", One("setting MOH TitleTxt \" padded \"").text);
    ScenarioStep entry = One("phonebook 555-0199 Grandma Smith");
    EXPECT_EQ("555-0199", entry.text);
    EXPECT_EQ("Grandma Smith", entry.text2);
    EXPECT_EQ(-1, One("modem hold-time -1").value);
    EXPECT_EQ(1, One("modem handset-exclusion Automatic").value);
    EXPECT_EQ(2, One("modem family ACF").value);
    EXPECT_EQ(8, One("modem state NOT_SUPPORTED").value);
    EXPECT_EQ("Bench modem 56K", One("modem name Bench modem 56K").text);
}

TEST(ScenarioParser, ClicksWaitsAndShots)
{
    EXPECT_EQ(10001, One("click accept").value);
    EXPECT_EQ(10002, One("click Ignore").value);
    EXPECT_EQ(10003, One("click disconnect").value);
    EXPECT_EQ(10004, One("click call").value);
    EXPECT_EQ(10006, One("click reconnect").value);
    EXPECT_EQ(5000, One("wait 5").value);
    EXPECT_EQ(500, One("wait 0.5").value);
    EXPECT_EQ(2250, One("wait 2.25").value);
    EXPECT_EQ(0, One("wait 0").value);
    EXPECT_EQ(86400000, One("wait 86400").value);
    EXPECT_EQ("on-hold_2", One("shot on-hold_2").text);
    ScenarioStep box = One("box OK Please pick up the handset.");
    EXPECT_EQ(STEP_BOX, box.kind);
    EXPECT_EQ(1, box.value);
    EXPECT_EQ("Please pick up the handset.", box.text);
    EXPECT_EQ(7, One("box no Really?").value);
}

TEST(ScenarioParser, Expectations)
{
    ScenarioStep status = One("expect status A call is waiting.");
    EXPECT_EQ(EXPECT_STATUS, status.expect);
    EXPECT_EQ("A call is waiting.", status.text);
    EXPECT_EQ("", One("expect countdown \"\"").text);
    EXPECT_EQ("", One("expect name").text);
    EXPECT_EQ("+-..+", One("expect commands A+ i- R+").text);
    EXPECT_EQ(1, One("expect window shown").value);
    EXPECT_EQ(LINE_ON_HOLD, One("expect line on-hold").value);
    EXPECT_EQ(HOOK_OFF, One("expect hook off").value);
    EXPECT_EQ("Moh Method : None", One("expect trace Moh Method : None").text);
    ScenarioStep entry = One("expect phonebook 5550123 Ann Smith");
    EXPECT_EQ(EXPECT_PHONE_BOOK, entry.expect);
    EXPECT_EQ("Ann Smith", entry.text2);
    EXPECT_EQ("P", One("expect no-phonebook P").text);
}

TEST(ScenarioParser, RequestPatternsMatchOpItemAndValue)
{
    uint32_t one = 1, four = 4;
    EXPECT_TRUE(Matches("set CALL_ACTION=1", MODEM_OP_SET, MODEM_DATA_DWORD, 2, &one));
    EXPECT_FALSE(Matches("set CALL_ACTION=1", MODEM_OP_SET, MODEM_DATA_DWORD, 2, &four));
    EXPECT_TRUE(Matches("set MOH_ITEM_CALL_ACTION", MODEM_OP_SET, MODEM_DATA_DWORD, 2, &four));
    EXPECT_FALSE(Matches("set 2", MODEM_OP_GET, MODEM_DATA_STRING, 2, nullptr));
    EXPECT_TRUE(Matches("get 2", MODEM_OP_GET, MODEM_DATA_STRING, 2, nullptr));
    EXPECT_TRUE(Matches("get MOH_STATE", MODEM_OP_GET, MODEM_DATA_DWORD, 105, &four));
    EXPECT_TRUE(Matches("action OUTGOING_CALL", MODEM_OP_SET, MODEM_DATA_ACTION, 7, nullptr));
    EXPECT_TRUE(Matches("action MOH_ACTION_ON_HOOK", MODEM_OP_SET, MODEM_DATA_ACTION, 10014, nullptr));
    EXPECT_FALSE(Matches("set 7", MODEM_OP_SET, MODEM_DATA_ACTION, 7, nullptr));
    EXPECT_FALSE(Matches("action 7", MODEM_OP_SET, MODEM_DATA_DWORD, 7, &one));
    EXPECT_TRUE(Matches("delete CID_ENABLE=1", MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, &one));
    EXPECT_FALSE(Matches("configure CID_ENABLE=1", MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, &one));
    uint32_t minusOne = 0xFFFFFFFFu;
    EXPECT_TRUE(Matches("set 8=-1", MODEM_OP_SET, MODEM_DATA_DWORD, 8, &minusOne));
    EXPECT_EQ(EXPECT_NO_REQUEST, One("expect no-request get 104").expect);
}

TEST(ScenarioParser, BadLinesSayWhereAndWhatWasExpected)
{
    EXPECT_EQ("s.txt:3: unknown step \"ring\"; expected setting, phonebook, modem, connect, idle, tone, caller, "
              "response, state, diag, click, wait, shot, box or expect",
              Error("# first\n\nring\n"));
    EXPECT_EQ("s.txt:1: wait: expected a number of seconds (such as 5 or 0.5, at most one day), got \"soon\"",
              Error("wait soon"));
    EXPECT_EQ("s.txt:1: connect: unexpected \"now\" at the end of the line", Error("connect V92 HSF now"));
    EXPECT_EQ("s.txt:3: setting must come before the first event, click, wait, shot, box or expect step: it is "
              "applied before the library loads",
              Error("modem port 4\nconnect\nsetting MOH AcceptAll 1"));
}

TEST(ScenarioParser, EveryKindOfBadLineIsRefused)
{
    const std::string bad[] = {
        "setting", "setting MOH", "setting [MOH] AcceptAll 1", "setting MOH Accept=All 1",
        "phonebook", "phonebook 5550123",
        "modem", "modem colour blue", "modem port", "modem port four", "modem diag 11 12", "modem family XYZ",
        "modem handset-exclusion Sometimes", "modem modulation V34", "modem state HOLDING",
        "connect V34", "connect V92 XYZ",
        "idle now", "tone 2",
        "caller", "caller none Ann",
        "response", "response MAYBE", "response ACK NACK", "state", "state 4 5", "diag", "diag CONNECTED",
        "diag 99999999999", "diag 4294967296", "diag -2147483649",
        "click", "click exit", "click accept twice",
        "wait", "wait -1", "wait 1.", "wait .5", "wait 1.2345", "wait 86400.001", "wait 1 2", "wait 1e3",
        "box", "box ok", "box maybe Text", "box ok \"\"",
        "shot", "shot on hold", "shot ../escape", "shot a/b", "shot " + std::string(65, 'x'),
        "expect", "expect colour red", "expect request", "expect request fetch 2", "expect request get",
        "expect request get NOTHING", "expect request get 105=3", "expect request action 7=1",
        "expect request set 2=x", "expect request set 2=1 now", "expect no-request",
        "expect commands", "expect commands A", "expect commands A* I+", "expect commands X+",
        "expect commands A+ A-", "expect window open", "expect window", "expect line busy",
        "expect hook up", "expect trace", "expect trace \"\"", "expect phonebook 5550123", "expect no-phonebook",
        "expect no-phonebook 1 2",
    };
    for (const std::string &line : bad) {
        std::string error = Error("wait 1\n" + line + "\n");
        EXPECT_EQ(0u, error.find("s.txt:2: ")) << line << " -> " << error;
        EXPECT_GT(error.size(), 20u) << line;
    }
}

TEST(ScenarioParser, SettingAndPhoneBookMayFollowModemLines)
{
    Scenario scenario = Parse("modem port 4\nsetting MOH AcceptAll 1\nphonebook 1 A\nconnect\nmodem port 5\n");
    EXPECT_EQ(5u, scenario.steps.size());
    Error("expect status x\nphonebook 1 A\n");
    Error("shot idle\nsetting MOH AcceptAll 1\n");
}

}  // namespace
