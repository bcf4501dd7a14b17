/* The main window's timers: state poll, ring, the decision and hold countdowns with the warning
   blink, the delayed hold start and the toolbar's status-text reset. */
#include "engine_parts.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "commands_state.h"
#include "countdown_text.h"
#include "main_window.h"
#include "modem_requests.h"
#include "module_state.h"
#include "mohres.h"
#include "settings.h"
#include "status_display.h"
#include "trace.h"

int decisionLeft;
int decisionTimerOn;
int holdLeft = -1;
int holdTimerOn;
int blinkPhase;
int ringTicks;
int ringKind;

namespace {

const UINT kSecond = 1000;
const UINT kRingPeriod = 300;
const UINT kBlinkPeriod = 500;
const int kRingRestartTick = 10;
/* ShowCountdown's values that empty the field. */
const int kCountdownOff = -1;
const int kCountdownBlank = -2;

void PlaySoundSetting(SettingKey key, DWORD size)
{
    char sound[256] = "";
    ReadSettingString(key, sound, size);
    if (sound[0] != '\0')
        PlaySoundA(sound, NULL, SND_ASYNC);
}

/* The hold countdown once the server's hold time is known; no limit (-1) or none left runs none. */
void StartHoldCountdownFromServer(void)
{
    if (holdLeft != -1 && holdLeft > 0) {
        holdLeft -= ReadSettingInt(SET_HOLD_TIMER);
        StartCountdown(holdLeft, TIMER_HOLD);
    }
}

void PollTick(HWND window)
{
    KillTimer(window, TIMER_POLL);
    PollMohState(mainWindow, statusBarWindow);
    SetTimer(window, TIMER_POLL, kSecond, NULL);
}

/* The ring sound restarts every eleventh tick; the picture and tray icon animate on each. */
void RingTick(void)
{
    if (ringTicks != kRingRestartTick) {
        ++ringTicks;
    } else if (live.soundsEnable) {
        ringTicks = 0;
        PlaySoundSetting(ringKind == 0 ? SET_SOUND_RING : SET_SOUND_RING2, 256);
    }
    animationFrame = (animationFrame + 1) % 3;
    SetStatePicture(mainWindow, animationFrame);
    UpdateTrayIcon(0);
}

/* A decision that runs out ignores the call. */
void DecisionTick(void)
{
    if (callPhase == PHASE_DECISION)
        ShowCountdown(decisionLeft);
    if (--decisionLeft <= 0) {
        decisionLeft = 0;
        StopDecisionTimer();
        IgnoreCall();
    }
}

/* While the decision is open the hold countdown runs silently; at 0 the engine disconnects. */
void HoldTick(void)
{
    --holdLeft;
    if (outgoingCall || callPhase == PHASE_ON_HOLD) {
        ShowCountdown(holdLeft);
        if (holdLeft == live.timeout) {
            BringToFront(mainWindow, 1);
            blinkPhase = 0;
            SetTimer(mainWindow, TIMER_BLINK, kBlinkPeriod, NULL);
        }
        if (holdLeft <= live.timeout)
            PlaySoundSetting(SET_SOUND_TIMEOUT, 64);
    }
    if (holdLeft <= 0)
        EndHold(1);
}

void BlinkTick(void)
{
    ShowCountdown(blinkPhase ? holdLeft : kCountdownBlank);
    blinkPhase = !blinkPhase;
}

void DelayedHoldStart(HWND window)
{
    holdLeft = (int)QueryMaxHoldTime();
    StartHoldCountdownFromServer();
    KillTimer(window, TIMER_DELAYED_HOLD);
}

/* Once the cursor has left the toolbar's buttons, the status bar shows its ready text again. */
void StatusTextTick(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(toolbarWindow, &cursor);
    int button = (int)SendMessageA(toolbarWindow, TB_HITTEST, 0, (LPARAM)&cursor);
    if (button >= 0 && cursor.x >= 0 && cursor.y >= 0)
        return;
    KillTimer(window, TIMER_STATUS_TEXT);
    char text[256] = "";
    LoadStringA(resourceModule, IDS_READY, text, sizeof text);
    SendMessageA(statusBarWindow, SB_SETTEXT, SBT_NOBORDERS, (LPARAM)text);
}

}  // namespace

void OnTimer(HWND window, UINT_PTR timerId)
{
    switch (timerId) {
    case TIMER_POLL:
        PollTick(window);
        break;
    case TIMER_RING:
        RingTick();
        break;
    case TIMER_DECISION:
        DecisionTick();
        break;
    case TIMER_HOLD:
        HoldTick();
        break;
    case TIMER_STATUS_TEXT:
        StatusTextTick(window);
        break;
    case TIMER_BLINK:
        BlinkTick();
        break;
    case TIMER_DELAYED_HOLD:
        DelayedHoldStart(window);
        break;
    default:
        break;
    }
}

void StartCountdown(int seconds, UINT_PTR timerId)
{
    if (seconds != 0)
        SetTimer(mainWindow, timerId, kSecond, NULL);
    if (timerId == TIMER_DECISION) {
        TraceToWindow(&windowTrace, "Start user decision timer %d s", seconds);
        decisionTimerOn = 1;
    } else if (timerId == TIMER_HOLD) {
        TraceToWindow(&windowTrace, "Start remaining timer %d s", seconds);
        holdTimerOn = 1;
    }
}

void ShowCountdown(int seconds)
{
    if (seconds >= 0) {
        if (callPhase == PHASE_DECISION)
            --seconds;
        char text[COUNTDOWN_TEXT_SIZE];
        FormatCountdown(text, sizeof text, seconds);
        SetDlgItemTextA(mainWindow, IDC_COUNTDOWN, text);
    } else if (seconds == kCountdownOff || seconds == kCountdownBlank) {
        SetDlgItemTextA(mainWindow, IDC_COUNTDOWN, "");
    }
}

void SetUpHoldCountdown(void)
{
    int delay = ReadSettingInt(SET_DELAY_HOLD_TIMER);
    if (delay != 0) {
        SetTimer(mainWindow, TIMER_DELAYED_HOLD, (UINT)delay, NULL);
        holdLeft = -1;
        TraceToWindow(&windowTrace, "Delay On Hold Timer of %d milliseconds", delay);
    } else {
        holdLeft = (int)QueryMaxHoldTime();
        if (holdLeft == -1)
            TraceToWindow(&windowTrace, "No limit for MOH hold timeout");
        else
            TraceToWindow(&windowTrace, "Maximum on hold TimeOut : %d", holdLeft);
    }
    StartHoldCountdownFromServer();
}

void StopDecisionTimer(void)
{
    StopRing();
    animationFrame = 0;
    if (!decisionTimerOn)
        return;
    KillTimer(mainWindow, TIMER_DECISION);
    decisionTimerOn = 0;
    if (decisionLeft == 0 && !outgoingCall) {
        minimizeAfterCall = 1;
        EndHold(0);
    }
    if (!holdTimerOn)
        ShowCountdown(kCountdownOff);
    else
        callPhase = PHASE_ON_HOLD;
}

void StopHoldTimer(void)
{
    if (!holdTimerOn)
        return;
    KillTimer(mainWindow, TIMER_BLINK);
    KillTimer(mainWindow, TIMER_HOLD);
    holdTimerOn = 0;
    ShowCountdown(kCountdownOff);
}

void StopCallTimers(void)
{
    StopRing();
    animationFrame = 0;
    SetStatePicture(mainWindow, 0);
    StopDecisionTimer();
    StopHoldTimer();
}

void EndHold(int disconnect)
{
    StopHoldTimer();
    callPhase = PHASE_NONE;
    SetToolbarCommand(IDCMD_ACCEPT, 0);
    SetToolbarCommand(IDCMD_IGNORE, 0);
    SetToolbarCommand(IDCMD_RECONNECT, 0);
    SetToolbarCommand(IDCMD_DISCONNECT, 0);
    SetMenuCommand(IDCMD_ACCEPT, 0);
    SetMenuCommand(IDCMD_DISCONNECT, 0);
    SetMenuCommand(IDCMD_IGNORE, 0);
    SetMenuCommand(IDCMD_RECONNECT, 0);
    if (disconnect)
        DisconnectCall();
    UpdateTrayIcon(0);
}
