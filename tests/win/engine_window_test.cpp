/* The engine behind the real window and the three exports: what only they show (the toolbar and
   the menu together, the values preset in requests, the files written, the window's own timers
   and closing). The engine's logic is played natively against scenario files. */
#include "engine_fixture.h"

#include <commctrl.h>

#include <regex>

#include "message_box_answerer.h"
#include "module_folder.h"

namespace {

class Engine : public EngineTest {};

TEST_F(Engine, ACallThroughTheExportsWithItsRequestsCommandsFilesAndTrace)
{
    WriteFileBytes(ProductPath("MoHlog.txt"), "");
    ASSERT_TRUE(Start());
    ClearLog();
    ConnectV92();
    EXPECT_EQ("set 0=1, set 22=1, get 120, get 105, get 89, get 65, get 121", Requests());
    /* Only the state and the handset-exclusion queries are preset. */
    EXPECT_EQ((DWORD)MOH_STATE_LAST, modem.calls[3].valueIn);
    EXPECT_EQ(0u, modem.calls[6].valueIn);
    EXPECT_EQ("A- I- D- C+ R-", Commands());
    ClearLog();
    CallWaits();
    EXPECT_EQ("get 104, get 108, get 102", Requests());
    EXPECT_EQ("A+ I+ D+ C- R-", Commands());
    EXPECT_EQ("Ann\t0123456\r\n", PhoneBook());
    Click(IDCMD_ACCEPT);
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ("A- I- D+ C- R+", Commands());
    Click(IDCMD_RECONNECT);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_TRUE(std::regex_match(CallLog(), std::regex("Ann\t0123456\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\t2\r\n")))
        << CallLog();

    /* The file trace's first lines, without their time of day. */
    std::string lines = std::regex_replace(ReadFileBytes(ProductPath("MoHlog.txt")), std::regex("(^|\n).{12}"), "$1");
    EXPECT_EQ(0u, lines.find("Waiting for Connection\r\nModem Connected\r\nWaiting for inbound call\r\nIncoming Call "
                             "Reported\r\nCaller ID:\r\nName: Ann\r\nNMBR: 0123456\r\nV92 server response\r\nAccept\r\n"))
        << lines;
}

TEST_F(Engine, SaveCallerIdWritesTheModemsWholeBufferAndTheFieldIsCut)
{
    Set("MOH", "SaveCallerId", "1");
    modem.texts[MOH_ITEM_CALLER_ID] = "NAME = " + std::string(400, 'n') + "NMBR = " + std::string(2000, '7');
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ(std::string(63, '7'), Text(IDC_CALLER_NUMBER));
    std::string dump = ReadFileBytes("c:\\callerid.fic");
    ASSERT_EQ(1024u, dump.size());
    EXPECT_EQ(modem.texts[MOH_ITEM_CALLER_ID].substr(0, 1024), dump);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_GE(255u, CallLog().size());
}

TEST_F(Engine, EventsBeforeTheWindowNullDataAndOtherKindsAreIgnored)
{
    ASSERT_TRUE(library.Load());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    EXPECT_EQ("", Requests());

    ASSERT_TRUE(Start());
    ConnectV92();
    auto alert = (LibraryUnderTest::AlertFn)(void *)GetProcAddress(GetModuleHandleA("moh.dll"), "AlertMOH");
    ClearLog();
    trace.Clear();
    alert(MOH_EVENT_DIAG_STATE, NULL);
    DWORD *nothing = NULL;
    alert(MOH_EVENT_DIAG_STATE, &nothing);
    for (DWORD kind : {0ul, 40ul, 42ul, 104ul, 106ul, 0xFFFFFFFFul})
        Alert(kind, DIAG_IDLE);
    EXPECT_EQ("", Requests());
    EXPECT_TRUE(trace.Messages().empty());
    EXPECT_EQ("A- I- D- C+ R-", Commands());
}

/* Moves a file's last-write time that many seconds into the past. */
void AgeFile(const std::string &path, int seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= (ULONGLONG)seconds * 10000000;
    FILETIME past = {time.LowPart, time.HighPart};
    SetFileTime(file, NULL, NULL, &past);
    CloseHandle(file);
}

/* Settings are read when an event needs them: another program's change between two events is seen
   by the second, also when the file had long settled and the new value has the old one's length. */
TEST_F(Engine, ASettingAnotherProgramChangesBetweenTwoEventsIsSeenByTheSecond)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    std::string changed = ProductPath("changed.ini");
    CopyFileOver(SettingsFile(), changed);
    IniWrite(changed, "CallerId", "WaitForRemoteResponse", "0");
    AgeFile(SettingsFile(), 120);
    AgeFile(changed, 60);
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    EXPECT_EQ(0, Count("get 104"));

    CopyFileOver(changed, SettingsFile());   /* past the profile API, as another program writes */
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    EXPECT_EQ(1, Count("get 104"));
}

/* However the call ends, its delayed hold start goes with it: no hold countdown drops the
   connection the user kept. */
class EndedCall : public Engine, public ::testing::WithParamInterface<std::vector<int>> {};

enum { END_BY_IDLE = -1, END_BY_CONNECT = -2 };

TEST_P(EndedCall, StartsNoDelayedHoldCountdown)
{
    Set("MOH", "DelayHoldTimer", "500");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    for (int ending : GetParam()) {
        if (ending == END_BY_IDLE)
            Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
        else if (ending == END_BY_CONNECT)
            ConnectV92();
        else
            Click(ending);
    }
    EXPECT_FALSE(TimerWasRunning(DELAYED_HOLD_TIMER));
    Tick(DELAYED_HOLD_TIMER);
    EXPECT_FALSE(trace.HasPrefix("Start remaining timer"));
    EXPECT_FALSE(TimerWasRunning(HOLD_TIMER));
    EXPECT_EQ(0, Count("set 2=2") - (GetParam()[0] == IDCMD_DISCONNECT));
}

INSTANTIATE_TEST_SUITE_P(Endings, EndedCall,
                         ::testing::Values(std::vector<int>{IDCMD_IGNORE, END_BY_IDLE, END_BY_CONNECT},
                                           std::vector<int>{IDCMD_IGNORE}, std::vector<int>{END_BY_IDLE},
                                           std::vector<int>{END_BY_CONNECT}, std::vector<int>{IDCMD_DISCONNECT}));

/* A call ended while the decision and the hold countdowns both ran leaves no hold behind. */
class EndedWithBothCountdowns : public Engine, public ::testing::WithParamInterface<bool> {};

TEST_P(EndedWithBothCountdowns, LetsTheWindowCloseWithoutTheOnHoldMessage)
{
    MessageBoxAnswerer answerer(IDOK);
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ASSERT_TRUE(trace.Has("Start remaining timer 60 s"));
    if (GetParam())
        Click(IDCMD_IGNORE);
    else
        Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    Click(IDCMD_EXIT);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(answerer.Seen().empty());
}

INSTANTIATE_TEST_SUITE_P(IgnoreOrIdle, EndedWithBothCountdowns, ::testing::Bool());

/* The warning's blink and the disconnect at zero are the hold-timeout scenario's. */
TEST_F(Engine, TheHoldWarningBringsBackAMinimisedWindowAndItsBlinkStopsAtTheEnd)
{
    modem.values[MOH_ITEM_MAX_HOLD_TIME] = 12;
    Set("Sounds", "Timeout", "c:\\no such warning.wav");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    Click(IDCMD_ACCEPT);
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    Tick(HOLD_TIMER);
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window));
    Tick(HOLD_TIMER);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    Tick(HOLD_TIMER, 10);
    EXPECT_FALSE(TimerWasRunning(BLINK_TIMER));
}

TEST_F(Engine, UnknownTimersDoNothingAndTheStatusBarGetsItsTextBack)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    std::string before = Commands();
    for (UINT_PTR unknown : {7, 9, 1000})
        Tick(unknown);
    EXPECT_EQ("", Requests());
    EXPECT_EQ(before, Commands());

    HWND statusBar = FindWindowExA(window, NULL, STATUSCLASSNAMEA, NULL);
    SendMessageA(statusBar, SB_SETTEXTA, SBT_NOBORDERS, (LPARAM) "hover text");
    SetCursorPos(0, 0);
    SetTimer(window, STATUS_TEXT_TIMER, 300, NULL);
    Tick(STATUS_TEXT_TIMER);
    char text[256] = "";
    SendMessageA(statusBar, SB_GETTEXTA, 0, (LPARAM)text);
    EXPECT_EQ(String(IDS_READY), text);
    EXPECT_FALSE(TimerWasRunning(STATUS_TEXT_TIMER));
}

}  // namespace
