/* The decision on a waiting call: the server's answer, the five call commands, standing rules
   and the handset prompts of the manual method. */
#include "engine_parts.h"

#include "call_log_record.h"
#include "commands_state.h"
#include "main_window.h"
#include "modem_requests.h"
#include "module_state.h"
#include "mohres.h"
#include "settings.h"
#include "status_display.h"
#include "trace.h"

namespace {

/* A standing rule acts as the user's click would, once the message loop gets to it. */
void PostCommand(int command)
{
    PostMessageA(mainWindow, WM_COMMAND, (WPARAM)command, 0);
}

void ShowHandsetPrompt(UINT stringId)
{
    char caption[64] = "";
    char text[256] = "";
    GetWindowTextA(mainWindow, caption, sizeof caption);
    LoadStringA(resourceModule, stringId, text, sizeof text);
    MessageBoxA(mainWindow, text, caption, MB_ICONINFORMATION | MB_OK);
}

void AskForHandsetDown(void)
{
    if (ReadSettingInt(SET_ASK_FOR_ON_HOOK)) {
        TraceToWindow(&windowTrace, "Ask for on hook");
        ShowHandsetPrompt(IDS_HANG_UP_HANDSET);
    }
}

void AskForHandsetUp(void)
{
    TraceToWindow(&windowTrace, "Pick up handset");
    ShowHandsetPrompt(IDS_PICK_UP_HANDSET);
    ForceOnHook();
}

/* The answer does not allow a hold: only Ignore and Disconnect are left to the user. */
void OfferNoHold(void)
{
    TraceToFile(&fileTrace, "V90 server response");
    GreyCommand(IDCMD_ACCEPT);
    if (outgoingCall) {
        GreyCommand(IDCMD_IGNORE);
        EnableCommand(IDCMD_RECONNECT);
        return;
    }
    EnableCommand(IDCMD_DISCONNECT);
    EnableCommand(IDCMD_IGNORE);
    if (live.ignoreAll)
        PostCommand(IDCMD_IGNORE);
}

/* Returns 0 when the answer gives no decision. */
int ClassifyResponse(DWORD response, int acceptV90)
{
    if (response == MOH_REMOTE_RESPONSE_ACK) {
        TraceToFile(&fileTrace, "V92 server response");
    } else if (response == MOH_REMOTE_RESPONSE_NACK && acceptV90) {
        TraceToFile(&fileTrace, "V92 negative server response");
    } else if (response == MOH_REMOTE_RESPONSE_V90 && acceptV90) {
        TraceToFile(&fileTrace, "V90 server response");
    } else {
        OfferNoHold();
        return 0;
    }
    return 1;
}

/* The decision countdown: the modem's decision time, shortened by AutoRejectTimer. */
void OpenDecision(DWORD response)
{
    decisionLeft = (int)QueryDecisionTime();
    TraceToWindow(&windowTrace, "Maximum TimeOut for user decision: %d", decisionLeft);
    int limit = ReadSettingIntOr(SET_AUTO_REJECT_TIMER, decisionLeft);
    if (decisionLeft >= limit)
        decisionLeft = limit;
    if (decisionLeft > 0) {
        StartCountdown(decisionLeft, TIMER_DECISION);
        decisionTimerOn = 1;
    }
    if (response == MOH_REMOTE_RESPONSE_ACK)
        EnableCommand(IDCMD_ACCEPT);
}

void MarkIfIncoming(int outcome)
{
    if (!outgoingCall)
        MarkCallRecord(outcome);
}

}  // namespace

void OnRemoteResponse(DWORD response)
{
    if (!outgoingCall)
        GetCallerId();
    responseSeen = 1;
    callPhase = PHASE_DECISION;
    int acceptV90 = ReadSettingInt(SET_ACCEPT_V90);
    if (!ClassifyResponse(response, acceptV90))
        return;
    if (!outgoingCall)
        OpenDecision(response);
    EnableCommand(IDCMD_DISCONNECT);
    if (!mohUnavailable)
        SetUpHoldCountdown();
    else
        TraceToWindow(&windowTrace, "No On Hold Timer in V90 mode");
    int ruledIgnore = 0;
    if (!outgoingCall) {
        EnableCommand(IDCMD_IGNORE);
        if (live.ignoreAll) {
            PostCommand(IDCMD_IGNORE);
            ruledIgnore = 1;
        }
    }
    if (!ruledIgnore)
        ShowIncomingCall();
    if (!outgoingCall && live.acceptAll)
        PostCommand(IDCMD_ACCEPT);
}

void OnCallResumeWait(void)
{
    if (responseSeen || outgoingCall)
        ShowOnHold();
}

void ShowOnHold(void)
{
    SetToolbarCommand(IDCMD_ACCEPT, 0);
    SetToolbarCommand(IDCMD_IGNORE, 0);
    SetToolbarCommand(IDCMD_RECONNECT, 1);
    SetToolbarCommand(IDCMD_DISCONNECT, 1);
    SetMenuCommand(IDCMD_ACCEPT, 0);
    SetMenuCommand(IDCMD_DISCONNECT, 1);
    SetMenuCommand(IDCMD_IGNORE, 0);
    SetMenuCommand(IDCMD_RECONNECT, 1);
    StopDecisionTimer();
    callPhase = PHASE_ON_HOLD;
}

void AcceptCall(void)
{
    StopRing();
    MarkIfIncoming(OUTCOME_ACCEPTED);
    if (live.acceptAll) {
        int delay = ReadSettingInt(SET_SLEEP_BEFORE_ACCEPT_ALL);
        TraceToWindow(&windowTrace, "Sleep %d ms before accept incoming call", delay);
        Sleep(delay > 0 ? (DWORD)delay : 0);
        TraceToFile(&fileTrace, "Automatic accept");
    } else {
        TraceToFile(&fileTrace, "Accept");
    }
    if (mohMethod != MOH_METHOD_MANUAL) {
        TraceToWindow(&windowTrace, "Accept");
        SetCallAction(CALL_ACTION_ACCEPT);
        return;
    }
    AskForHandsetDown();
    TraceToWindow(&windowTrace, "Accept");
    SetCallAction(CALL_ACTION_ACCEPT);
    AskForHandsetUp();
}

void IgnoreCall(void)
{
    MarkIfIncoming(OUTCOME_IGNORED);
    if (live.minimize)
        minimizeAfterCall = 1;
    if (live.ignoreAll) {
        TraceToFile(&fileTrace, "Automatic ignore");
        TraceToWindow(&windowTrace, "Automatic Ignore incoming call");
    } else {
        TraceToFile(&fileTrace, "Ignore");
        TraceToWindow(&windowTrace, "Ignore incoming call");
    }
    SetCallAction(CALL_ACTION_IGNORE);
    StopCallTimers();
    if (!mohUnavailable)
        GreyCommand(IDCMD_DISCONNECT);
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_IGNORE);
}

void DisconnectCall(void)
{
    TraceToWindow(&windowTrace, "Disconnect");
    int outcome = CallRecordOutcome();
    if (outcome != OUTCOME_ACCEPTED && outcome != OUTCOME_IGNORED)
        MarkIfIncoming(OUTCOME_DISCONNECTED);
    SetCallAction(CALL_ACTION_DISCONNECT);
    OnModemIdle();
    if (live.minimize)
        RestoreForeground(mainWindow);
}

int RequestOutgoingCall(void)
{
    callPhase = PHASE_ON_HOLD;
    outgoingCall = 1;
    if (live.callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
    if (mohMethod != MOH_METHOD_MANUAL) {
        TraceToWindow(&windowTrace, "OutGoingCall Request");
        return RequestModemAction(MOH_ACTION_OUTGOING_CALL);
    }
    AskForHandsetDown();
    TraceToWindow(&windowTrace, "OutGoingCall Request");
    int result = RequestModemAction(MOH_ACTION_OUTGOING_CALL);
    AskForHandsetUp();
    return result;
}

void ReconnectCall(void)
{
    if (live.minimize)
        minimizeAfterCall = 1;
    TraceToFile(&fileTrace, "Reconnect");
    if (mohMethod == MOH_METHOD_MANUAL) {
        ForceOffHook();
        TraceToWindow(&windowTrace, "Hang up handset");
        ShowHandsetPrompt(IDS_HANG_UP_HANDSET);
    }
    TraceToWindow(&windowTrace, "Resume");
    SetCallAction(CALL_ACTION_RESUME);
    GreyCommand(IDCMD_RECONNECT);
    GreyCommand(IDCMD_DISCONNECT);
    StopHoldTimer();
}

void SetCallAction(DWORD action)
{
    SendCallAction(action);
}

void ForceOnHook(void)
{
    TraceToWindow(&windowTrace, "Force modem On Hook");
    RequestModemAction(MOH_ACTION_ON_HOOK);
}

void ForceOffHook(void)
{
    TraceToWindow(&windowTrace, "Force Modem Off Hook");
    RequestModemAction(MOH_ACTION_OFF_HOOK);
}
