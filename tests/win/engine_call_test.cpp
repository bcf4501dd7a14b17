/* A waiting call from the tone to the end: caller identity and phone book, the decision, the
   five commands with their requests, standing rules, the manual handset method and the log. */
#include "engine_fixture.h"

#include "message_box_answerer.h"
#include "module_folder.h"

namespace {

class Call : public EngineTest {
protected:
    /* The log line of the last call, with its time stamp replaced by "<time>". */
    std::string LoggedCall()
    {
        std::string log = CallLog();
        size_t tab = log.find('\t', log.find('\t') + 1);
        if (tab == std::string::npos || log.size() < tab + 21)
            return log;
        std::string stamp = log.substr(tab + 1, 19);
        bool shaped = stamp[4] == '-' && stamp[7] == '-' && stamp[10] == ' ' && stamp[13] == ':' && stamp[16] == ':';
        return log.substr(0, tab + 1) + (shaped ? "<time>" : stamp) + log.substr(tab + 20);
    }
};

TEST_F(Call, AnAcknowledgedCallIsShownRungAndOffered)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    EXPECT_EQ("", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    EXPECT_EQ("get 104, get 108, get 102", Requests());
    EXPECT_EQ("A+ I+ D+ C- R-", Commands());
    EXPECT_EQ("Ann", Text(IDC_CALLER_NAME));
    EXPECT_EQ("0123456", Text(IDC_CALLER_NUMBER));
    EXPECT_EQ("Ann\t0123456\r\n", PhoneBook());
    EXPECT_TRUE(TimerWasRunning(RING_TIMER));
    EXPECT_TRUE(TimerWasRunning(DECISION_TIMER));
    EXPECT_TRUE(TimerWasRunning(HOLD_TIMER));
}

TEST_F(Call, AcceptHoldReconnectAndTheLoggedOutcome)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    Click(IDCMD_ACCEPT);
    EXPECT_EQ("set 2=1", Requests());
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ("A- I- D+ C- R+", Commands());
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    Tick(HOLD_TIMER);
    EXPECT_EQ("00:59", Text(IDC_COUNTDOWN));
    ClearLog();
    Click(IDCMD_RECONNECT);
    EXPECT_EQ("set 2=4", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    EXPECT_EQ("", Text(IDC_COUNTDOWN));
    EXPECT_EQ("", CallLog());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ("Ann\t0123456\t<time>\t2\r\n", LoggedCall());
    EXPECT_EQ("", Text(IDC_CALLER_NAME));
    EXPECT_EQ("A- I- D- C+ R-", Commands());
}

struct OutcomeCase {
    int command;          /* 0: the call ends without a choice */
    const char *digit;
};

class Outcome : public Call, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(Outcome, IsLoggedWhenTheConnectionIsBack)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    if (GetParam().command)
        Click(GetParam().command);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_EQ(std::string("Ann\t0123456\t<time>\t") + GetParam().digit + "\r\n", LoggedCall());
}

INSTANTIATE_TEST_SUITE_P(Choices, Outcome,
                         ::testing::Values(OutcomeCase{0, "0"}, OutcomeCase{IDCMD_DISCONNECT, "1"},
                                           OutcomeCase{IDCMD_ACCEPT, "2"}, OutcomeCase{IDCMD_IGNORE, "3"}));

TEST_F(Call, DisconnectKeepsAnEarlierChoiceAndNothingIsLoggedWhenTheLogIsOff)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    Click(IDCMD_IGNORE);
    ClearLog();
    Click(IDCMD_DISCONNECT);
    EXPECT_EQ("set 2=2", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    EXPECT_EQ("Ann\t0123456\t<time>\t3\r\n", LoggedCall());

    Set("MOH", "IncomingCallLog", "0");
    Stop();
    RemoveFile(ProductPath("incoming.log"));
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    Click(IDCMD_ACCEPT);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_FALSE(FileExists(ProductPath("incoming.log")));
}

TEST_F(Call, IgnoreLeavesTheConnectionAsItWas)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    Click(IDCMD_IGNORE);
    EXPECT_EQ("set 2=3", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    EXPECT_FALSE(TimerWasRunning(RING_TIMER));
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    EXPECT_FALSE(TimerWasRunning(HOLD_TIMER));
}

TEST_F(Call, ANegativeAnswerOffersIgnoreAndDisconnectOnly)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    ClearLog();
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_NACK);
    EXPECT_EQ("get 104", Requests());
    EXPECT_EQ("A- I+ D+ C- R-", Commands());
    EXPECT_EQ("", Text(IDC_CALLER_NAME));
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    EXPECT_FALSE(TimerWasRunning(RING_TIMER));
}

TEST_F(Call, IgnoreAllIgnoresWithoutRingingOrShowingTheCaller)
{
    Set("MOH", "IgnoreAll", "1");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ("", Text(IDC_CALLER_NAME));
    EXPECT_EQ(0, Count("set 2=3"));
    ClearLog();
    RunPostedCommands();
    EXPECT_EQ("set 2=3", Requests());
    EXPECT_TRUE(trace.Has("Automatic Ignore incoming call"));
}

TEST_F(Call, WithBothRulesIgnoreRunsFirstThenAccept)
{
    Set("MOH", "IgnoreAll", "1");
    Set("MOH", "AcceptAll", "1");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    RunPostedCommands();
    EXPECT_EQ("set 2=3, set 2=1", Requests());
}

TEST_F(Call, AcceptAllAcceptsANegativeAnswerThroughAcceptV90)
{
    Set("MOH", "AcceptAll", "1");
    Set("MOH", "AcceptV90", "1");
    Set("MOH", "SleepBeforeAcceptAll", "-5");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits(MOH_REMOTE_RESPONSE_NACK);
    EXPECT_EQ("A- I+ D+ C- R-", Commands());
    EXPECT_EQ("Ann", Text(IDC_CALLER_NAME));
    ClearLog();
    RunPostedCommands();
    EXPECT_EQ("set 2=1", Requests());
    EXPECT_TRUE(trace.Has("Sleep -5 ms before accept incoming call"));
}

TEST_F(Call, AV90LinkWithAcceptV90DecidesWithoutAServerAnswer)
{
    Set("MOH", "AcceptV90", "1");
    Set("CallerId", "WaitForRemoteResponse", "0");
    ASSERT_TRUE(Start());
    modem.values[MOH_ITEM_MODULATION] = 12;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    EXPECT_EQ("get 104, get 104", Requests());
    ClearLog();
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_AS_DETECTED);
    EXPECT_EQ("get 104, get 108", Requests());
    EXPECT_TRUE(trace.Has("No On Hold Timer in V90 mode"));
    EXPECT_EQ("A- I+ D+ C- R-", Commands());
    EXPECT_EQ("Ann", Text(IDC_CALLER_NAME));
    EXPECT_FALSE(TimerWasRunning(HOLD_TIMER));
}

TEST_F(Call, EarlyIdentityIsFetchedThreeTimesButAddedToThePhoneBookOnce)
{
    Set("CallerId", "WaitForRemoteResponse", "0");
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    EXPECT_EQ(3, Count("get 104"));
    EXPECT_EQ("Ann\t0123456\r\n", PhoneBook());
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_CALLER_ID_PROCESSING);
    EXPECT_EQ(4, Count("get 104"));
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_EQ("Ann\t0123456\t<time>\t0\r\n", LoggedCall());
}

TEST_F(Call, ThePhoneBookNameReplacesTheNetworksName)
{
    WriteFileBytes(ProductPath("callerid.fic"), "Bob\t555\r\nAnn Smith\t012 34 56\r\n");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ("Ann Smith", Text(IDC_CALLER_NAME));
    EXPECT_EQ("Bob\t555\r\nAnn Smith\t012 34 56\r\n", PhoneBook());
}

TEST_F(Call, MarkersAndMissingIdentitiesShowTheResourceTexts)
{
    SetCaller("p", "O");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ(String(IDS_CALLER_WITHHELD), Text(IDC_CALLER_NUMBER));
    EXPECT_EQ(String(IDS_CALLER_UNAVAILABLE), Text(IDC_CALLER_NAME));
    EXPECT_FALSE(FileExists(ProductPath("callerid.fic")));

    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    modem.texts[MOH_ITEM_CALLER_ID] = "RING\r\nDATE = 0101\r\n";
    CallWaits();
    EXPECT_EQ(String(IDS_CALLER_UNKNOWN), Text(IDC_CALLER_NAME));
    EXPECT_EQ("", Text(IDC_CALLER_NUMBER));
    EXPECT_FALSE(FileExists(ProductPath("callerid.fic")));
}

TEST_F(Call, AFullCallerIdBufferIsCutToTheFields)
{
    Set("MOH", "SaveCallerId", "1");
    modem.texts[MOH_ITEM_CALLER_ID] = "NAME = " + std::string(400, 'n') + "NMBR = " + std::string(2000, '7');
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ(std::string(255, 'n'), Text(IDC_CALLER_NAME));
    EXPECT_EQ(std::string(63, '7'), Text(IDC_CALLER_NUMBER));
    std::string dump = ReadFileBytes("c:\\callerid.fic");
    ASSERT_EQ(1024u, dump.size());
    EXPECT_EQ(modem.texts[MOH_ITEM_CALLER_ID].substr(0, 1024), dump);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_GE(255u, CallLog().size());
}

TEST_F(Call, ACallOfTheUsersOwnIsNotAnIncomingCall)
{
    Set("MOH", "AcceptAll", "1");
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    Click(IDCMD_CALL);
    EXPECT_EQ("set 7", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    ClearLog();
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    EXPECT_EQ("get 102", Requests());
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    RunPostedCommands();
    EXPECT_EQ("get 102", Requests());
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ("A- I- D+ C- R+", Commands());
    Tick(HOLD_TIMER);
    EXPECT_EQ("00:59", Text(IDC_COUNTDOWN));
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ("", CallLog());
}

class ManualHandset : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Set("MOH", "HandsetExclusion", "0");
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const SeenMessageBox &box : answerer.Seen()) {
            EXPECT_EQ("Pellora Modem on Hold", box.caption);
            texts.push_back(box.text);
        }
        return texts;
    }
    std::vector<std::string> Lines(std::initializer_list<const char *> wanted)
    {
        std::vector<std::string> lines;
        for (const std::string &message : trace.Messages())
            for (const char *line : wanted)
                if (message == line)
                    lines.push_back(message);
        return lines;
    }
    MessageBoxAnswerer answerer;
};

TEST_F(ManualHandset, AcceptAsksForTheHandsetThenForcesTheModemOnHook)
{
    Set("MOH", "AskForOnHook", "1");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    trace.Clear();
    Click(IDCMD_ACCEPT);
    EXPECT_EQ("set 2=1, set 10014", Requests());
    std::vector<std::string> boxes = {String(IDS_HANG_UP_HANDSET), String(IDS_PICK_UP_HANDSET)};
    EXPECT_EQ(boxes, BoxTexts());
    std::vector<std::string> order = {"Ask for on hook", "Accept", "Pick up handset", "Force modem On Hook"};
    EXPECT_EQ(order, Lines({"Ask for on hook", "Accept", "Pick up handset", "Force modem On Hook"}));
}

TEST_F(ManualHandset, ACallOfTheUsersOwnAndTheReconnect)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    Click(IDCMD_CALL);
    EXPECT_EQ("set 7, set 10014", Requests());
    std::vector<std::string> boxes = {String(IDS_PICK_UP_HANDSET)};
    EXPECT_EQ(boxes, BoxTexts());
    ClearLog();
    trace.Clear();
    Click(IDCMD_RECONNECT);
    EXPECT_EQ("set 10013, set 2=4", Requests());
    boxes.push_back(String(IDS_HANG_UP_HANDSET));
    EXPECT_EQ(boxes, BoxTexts());
    std::vector<std::string> order = {"Force Modem Off Hook", "Hang up handset", "Resume"};
    EXPECT_EQ(order, Lines({"Force Modem Off Hook", "Hang up handset", "Resume"}));
}

TEST_F(Call, AHostThatFailsEverythingLeavesACallWithoutIdentityOrCountdowns)
{
    Set("MOH", "HandsetExclusion", "1");
    modem.failAll = true;
    ASSERT_TRUE(Start());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ("A- I- D+ C- R-", Commands());
    CallWaits();
    EXPECT_EQ(String(IDS_CALLER_UNKNOWN), Text(IDC_CALLER_NAME));
    EXPECT_EQ("A+ I+ D+ C- R-", Commands());
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    Click(IDCMD_ACCEPT);
    Click(IDCMD_DISCONNECT);
    EXPECT_EQ("A- I- D- C- R-", Commands());
}

}  // namespace
