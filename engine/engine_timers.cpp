/* The engine's timers: state poll, ring, the decision and hold countdowns with the warning
   blink, and the delayed hold start. */
#include "call_engine.h"

#include "countdown_text.h"
#include "engine_requests.h"
#include "mohres.h"

namespace {

const unsigned kSecond = 1000;
const unsigned kBlinkPeriod = 500;
const int kRingRestartTick = 10;
/* ShowCountdown's values that empty the field. */
const int kCountdownOff = -1;
const int kCountdownBlank = -2;

}  // namespace

/* The hold countdown once the server's hold time is known; no limit (-1) or none left runs none. */
void CallEngine::StartHoldCountdownFromServer()
{
    if (holdLeft != -1 && holdLeft > 0) {
        holdLeft -= io.settings->ReadInt(SET_HOLD_TIMER);
        StartCountdown(holdLeft, TIMER_HOLD);
    }
}

void CallEngine::PollTick()
{
    io.timers->StopTimer(TIMER_POLL);
    PollMohState();
    io.timers->StartTimer(TIMER_POLL, kSecond);
}

/* The ring sound restarts every eleventh tick; the picture and tray icon animate on each. */
void CallEngine::RingTick()
{
    if (ringTicks != kRingRestartTick) {
        ++ringTicks;
    } else if (io.live->soundsEnable) {
        ringTicks = 0;
        PlaySoundSetting(ringKind == 0 ? SET_SOUND_RING : SET_SOUND_RING2, 256);
    }
    animationFrame = (animationFrame + 1) % 3;
    io.window->SetStatePicture(animationFrame);
    io.window->UpdateTrayIcon(0);
}

/* A decision that runs out ignores the call. */
void CallEngine::DecisionTick()
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
void CallEngine::HoldTick()
{
    --holdLeft;
    if (outgoingCall || callPhase == PHASE_ON_HOLD) {
        ShowCountdown(holdLeft);
        if (holdLeft == io.live->timeout) {
            io.window->BringToFront(1);
            blinkPhase = 0;
            io.timers->StartTimer(TIMER_BLINK, kBlinkPeriod);
        }
        if (holdLeft <= io.live->timeout)
            PlaySoundSetting(SET_SOUND_TIMEOUT, 64);
    }
    if (holdLeft <= 0)
        EndHold(1);
}

void CallEngine::BlinkTick()
{
    ShowCountdown(blinkPhase ? holdLeft : kCountdownBlank);
    blinkPhase = !blinkPhase;
}

void CallEngine::DelayedHoldStart()
{
    if (!delayedHoldPending)
        return;
    delayedHoldPending = 0;
    holdLeft = (int)QueryMaxHoldTime(*io.modem);
    StartHoldCountdownFromServer();
    io.timers->StopTimer(TIMER_DELAYED_HOLD);
}

void CallEngine::OnTimer(int timerId)
{
    switch (timerId) {
    case TIMER_POLL: PollTick(); break;
    case TIMER_RING: RingTick(); break;
    case TIMER_DECISION: DecisionTick(); break;
    case TIMER_HOLD: HoldTick(); break;
    case TIMER_BLINK: BlinkTick(); break;
    case TIMER_DELAYED_HOLD: DelayedHoldStart(); break;
    default: break;
    }
}

void CallEngine::StartCountdown(int seconds, int timerId)
{
    if (seconds != 0)
        io.timers->StartTimer(timerId, kSecond);
    if (timerId == TIMER_DECISION) {
        TraceWindow("Start user decision timer %d s", seconds);
        decisionTimerOn = 1;
    } else if (timerId == TIMER_HOLD) {
        TraceWindow("Start remaining timer %d s", seconds);
        holdTimerOn = 1;
    }
}

void CallEngine::ShowCountdown(int seconds)
{
    if (seconds >= 0) {
        if (callPhase == PHASE_DECISION)
            --seconds;
        char text[COUNTDOWN_TEXT_SIZE];
        FormatCountdown(text, sizeof text, seconds);
        io.window->SetFieldText(IDC_COUNTDOWN, text);
    } else if (seconds == kCountdownOff || seconds == kCountdownBlank) {
        io.window->SetFieldText(IDC_COUNTDOWN, "");
    }
}

void CallEngine::SetUpHoldCountdown()
{
    int delay = io.settings->ReadInt(SET_DELAY_HOLD_TIMER);
    if (delay != 0) {
        io.timers->StartTimer(TIMER_DELAYED_HOLD, (unsigned)delay);
        delayedHoldPending = 1;
        holdLeft = -1;
        TraceWindow("Delay On Hold Timer of %d milliseconds", delay);
    } else {
        holdLeft = (int)QueryMaxHoldTime(*io.modem);
        if (holdLeft == -1)
            TraceWindow("No limit for MOH hold timeout");
        else
            TraceWindow("Maximum on hold TimeOut : %d", holdLeft);
    }
    StartHoldCountdownFromServer();
}

/* A call that ends takes its delayed hold start with it: a hold countdown starting later would
   drop a connection the user chose to keep. */
void CallEngine::CancelDelayedHold()
{
    if (!delayedHoldPending)
        return;
    io.timers->StopTimer(TIMER_DELAYED_HOLD);
    delayedHoldPending = 0;
}

void CallEngine::StopDecisionTimer()
{
    StopRing();
    animationFrame = 0;
    if (!decisionTimerOn)
        return;
    io.timers->StopTimer(TIMER_DECISION);
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

void CallEngine::StopHoldTimer()
{
    if (!holdTimerOn)
        return;
    io.timers->StopTimer(TIMER_BLINK);
    io.timers->StopTimer(TIMER_HOLD);
    holdTimerOn = 0;
    ShowCountdown(kCountdownOff);
}

void CallEngine::StopCallTimers()
{
    int onHold = callPhase == PHASE_ON_HOLD;
    StopRing();
    animationFrame = 0;
    io.window->SetStatePicture(0);
    StopDecisionTimer();
    StopHoldTimer();
    CancelDelayedHold();
    /* Stopping the decision while the hold countdown runs counts the call as on hold; a call
       that ends here was not. */
    if (!onHold && callPhase == PHASE_ON_HOLD)
        callPhase = PHASE_NONE;
}

void CallEngine::EndHold(int disconnect)
{
    StopHoldTimer();
    callPhase = PHASE_NONE;
    SetCallCommands(0, 0, 0, 0);
    if (disconnect)
        DisconnectCall();
    io.window->UpdateTrayIcon(0);
}
