/* The countdowns and the other timers of the main window, driven tick by tick. */
#include "engine_fixture.h"

#include <commctrl.h>

#include "message_box_answerer.h"

namespace {

class Timers : public EngineTest {
protected:
    /* A call accepted and reported on hold. */
    void OnHold()
    {
        ConnectV92();
        CallWaits();
        Click(IDCMD_ACCEPT);
        Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    }
    HANDLE StatePicture() { return (HANDLE)SendDlgItemMessageA(window, IDC_STATE_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0); }
};

struct DecisionCase {
    const char *autoRejectTimer;
    const char *started;
};

class DecisionTime : public Timers, public ::testing::WithParamInterface<DecisionCase> {};

TEST_P(DecisionTime, IsTheSmallerOfTheModemsTimeAndAutoRejectTimer)
{
    Set("MOH", "AutoRejectTimer", GetParam().autoRejectTimer);
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_TRUE(trace.Has(GetParam().started));
}

INSTANTIATE_TEST_SUITE_P(Limits, DecisionTime,
                         ::testing::Values(DecisionCase{"20", "Start user decision timer 20 s"},
                                           DecisionCase{"60", "Start user decision timer 30 s"}));

TEST_F(Timers, TheDecisionShowsTheSecondsLeftAndIgnoresTheCallWhenItRunsOut)
{
    modem.values[MOH_ITEM_DECISION_TIME] = 3;
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_EQ("", Text(IDC_COUNTDOWN));
    Tick(DECISION_TIMER);
    EXPECT_EQ("00:02", Text(IDC_COUNTDOWN));
    Tick(DECISION_TIMER);
    EXPECT_EQ("00:01", Text(IDC_COUNTDOWN));
    ClearLog();
    Tick(DECISION_TIMER);
    EXPECT_EQ("set 2=3", Requests());
    EXPECT_EQ("", Text(IDC_COUNTDOWN));
    EXPECT_EQ("A- I- D- C- R-", Commands());
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    EXPECT_FALSE(TimerWasRunning(HOLD_TIMER));
}

TEST_F(Timers, ADecisionTimeOfZeroStartsNoCountdown)
{
    modem.values[MOH_ITEM_DECISION_TIME] = 0;
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_FALSE(trace.HasPrefix("Start user decision timer"));
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
    EXPECT_EQ("A+ I+ D+ C- R-", Commands());
}

struct HoldCase {
    const char *holdTimer;
    const char *started;
    bool runs;
};

class HoldTime : public Timers, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(HoldTime, IsTheServersTimeLessHoldTimer)
{
    Set("MOH", "HoldTimer", GetParam().holdTimer);
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_TRUE(trace.Has(GetParam().started));
    EXPECT_EQ(GetParam().runs, TimerWasRunning(HOLD_TIMER));
}

INSTANTIATE_TEST_SUITE_P(Reductions, HoldTime,
                         ::testing::Values(HoldCase{"10", "Start remaining timer 50 s", true},
                                           HoldCase{"60", "Start remaining timer 0 s", false},
                                           HoldCase{"70", "Start remaining timer -10 s", true}));

TEST_F(Timers, AHoldTimeAlreadyUsedUpDisconnectsAtTheFirstTick)
{
    Set("MOH", "HoldTimer", "70");
    ASSERT_TRUE(Start());
    OnHold();
    ClearLog();
    Tick(HOLD_TIMER);
    EXPECT_EQ("set 2=2", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
}

TEST_F(Timers, WithoutAServerLimitNoHoldCountdownRuns)
{
    modem.values[MOH_ITEM_MAX_HOLD_TIME] = 0xFFFFFFFF;
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    EXPECT_TRUE(trace.Has("No limit for MOH hold timeout"));
    EXPECT_FALSE(TimerWasRunning(HOLD_TIMER));
}

TEST_F(Timers, DelayHoldTimerAsksForTheHoldTimeOnlyWhenTheDelayIsOver)
{
    Set("MOH", "DelayHoldTimer", "500");
    Set("MOH", "HoldTimer", "10");
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    CallWaits();
    EXPECT_EQ(0, Count("get 102"));
    EXPECT_TRUE(trace.Has("Delay On Hold Timer of 500 milliseconds"));
    Tick(DELAYED_HOLD_TIMER);
    EXPECT_EQ(1, Count("get 102"));
    EXPECT_TRUE(trace.Has("Start remaining timer 50 s"));
    EXPECT_FALSE(TimerWasRunning(DELAYED_HOLD_TIMER));
    EXPECT_TRUE(TimerWasRunning(HOLD_TIMER));
}

/* However the call ends, its delayed hold start goes with it: no hold countdown drops the
   connection the user kept. */
class EndedCall : public Timers, public ::testing::WithParamInterface<std::vector<int>> {};

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
class EndedWithBothCountdowns : public Timers, public ::testing::WithParamInterface<bool> {};

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

TEST_F(Timers, TheHoldWarnsAtTheTimeoutBlinksAndDisconnectsAtZero)
{
    modem.values[MOH_ITEM_MAX_HOLD_TIME] = 12;
    Set("Sounds", "Timeout", "c:\\no such warning.wav");
    ASSERT_TRUE(Start());
    OnHold();
    Tick(HOLD_TIMER);
    EXPECT_EQ("00:11", Text(IDC_COUNTDOWN));
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window));
    Tick(HOLD_TIMER);
    EXPECT_EQ("00:10", Text(IDC_COUNTDOWN));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    Tick(BLINK_TIMER);
    EXPECT_EQ("", Text(IDC_COUNTDOWN));
    Tick(BLINK_TIMER);
    EXPECT_EQ("00:10", Text(IDC_COUNTDOWN));
    ClearLog();
    Tick(HOLD_TIMER, 9);
    EXPECT_EQ("00:01", Text(IDC_COUNTDOWN));
    EXPECT_EQ("", Requests());
    Tick(HOLD_TIMER);
    EXPECT_EQ("set 2=2", Requests());
    EXPECT_EQ("", Text(IDC_COUNTDOWN));
    EXPECT_EQ("A- I- D- C- R-", Commands());
    EXPECT_FALSE(TimerWasRunning(BLINK_TIMER));
}

TEST_F(Timers, WhileTheDecisionIsOpenTheHoldCountsDownSilently)
{
    modem.values[MOH_ITEM_MAX_HOLD_TIME] = 2;
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    Tick(DECISION_TIMER);
    EXPECT_EQ("00:29", Text(IDC_COUNTDOWN));
    ClearLog();
    Tick(HOLD_TIMER);
    EXPECT_EQ("00:29", Text(IDC_COUNTDOWN));
    EXPECT_EQ("", Requests());
    Tick(HOLD_TIMER);
    EXPECT_EQ("set 2=2", Requests());
    EXPECT_EQ("A- I- D- C- R-", Commands());
}

class Ring : public Timers, public ::testing::WithParamInterface<const char *> {};

TEST_P(Ring, AnimatesTheStatePictureWithOrWithoutSound)
{
    Set("Sounds", "Enable", GetParam());
    Set("Sounds", "Ring", "c:\\no such ring.wav");
    ASSERT_TRUE(Start());
    ConnectV92();
    HANDLE still = StatePicture();
    CallWaits();
    Tick(RING_TIMER);
    HANDLE first = StatePicture();
    Tick(RING_TIMER);
    HANDLE second = StatePicture();
    Tick(RING_TIMER);
    EXPECT_NE(still, first);
    EXPECT_NE(first, second);
    EXPECT_EQ(still, StatePicture());
    Tick(RING_TIMER, 20);
    Click(IDCMD_IGNORE);
    EXPECT_EQ(still, StatePicture());
    EXPECT_FALSE(TimerWasRunning(RING_TIMER));
}

INSTANTIATE_TEST_SUITE_P(Sounds, Ring, ::testing::Values("1", "0"));

TEST_F(Timers, ThePollAsksForTheStateAndRunsOn)
{
    ASSERT_TRUE(Start());
    ClearLog();
    Tick(POLL_TIMER);
    EXPECT_EQ("get 105", Requests());
    EXPECT_TRUE(TimerWasRunning(POLL_TIMER));
}

TEST_F(Timers, TheStatusBarGetsItsReadyTextBackOnceTheCursorLeftTheButtons)
{
    ASSERT_TRUE(Start());
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

TEST_F(Timers, UnknownTimersDoNothing)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    ClearLog();
    std::string before = Commands();
    Tick(7);
    Tick(9);
    Tick(1000);
    EXPECT_EQ("", Requests());
    EXPECT_EQ(before, Commands());
}

}  // namespace
