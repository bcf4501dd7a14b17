/* The decision on a waiting call: the server's answer, the five call commands, standing rules
   and the handset prompts of the manual method. */
#include "call_engine.h"

#include "engine_requests.h"
#include "host_codes.h"
#include "mohres.h"

void CallEngine::AskForHandsetDown()
{
    if (io.settings->ReadInt(SET_ASK_FOR_ON_HOOK)) {
        TraceWindow("Ask for on hook");
        io.window->ShowHandsetPrompt(IDS_HANG_UP_HANDSET);
    }
}

void CallEngine::AskForHandsetUp()
{
    TraceWindow("Pick up handset");
    io.window->ShowHandsetPrompt(IDS_PICK_UP_HANDSET);
    ForceOnHook();
}

/* The answer does not allow a hold: only Ignore and Disconnect are left to the user. */
void CallEngine::OfferNoHold()
{
    TraceFile("V90 server response");
    GreyCommand(IDCMD_ACCEPT);
    if (outgoingCall) {
        GreyCommand(IDCMD_IGNORE);
        EnableCommand(IDCMD_RECONNECT);
        return;
    }
    EnableCommand(IDCMD_DISCONNECT);
    EnableCommand(IDCMD_IGNORE);
    /* A standing rule acts as the user's click would, once the message loop gets to it. */
    if (io.live->ignoreAll)
        io.window->PostCommand(IDCMD_IGNORE);
}

/* Returns 0 when the answer gives no decision. */
int CallEngine::ClassifyResponse(uint32_t response, int acceptV90)
{
    if (response == MOH_REMOTE_RESPONSE_ACK) {
        TraceFile("V92 server response");
    } else if (response == MOH_REMOTE_RESPONSE_NACK && acceptV90) {
        TraceFile("V92 negative server response");
    } else if (response == MOH_REMOTE_RESPONSE_V90 && acceptV90) {
        TraceFile("V90 server response");
    } else {
        OfferNoHold();
        return 0;
    }
    return 1;
}

/* The decision countdown: the modem's decision time, shortened by AutoRejectTimer. */
void CallEngine::OpenDecision(uint32_t response)
{
    decisionLeft = (int)QueryDecisionTime(*io.modem);
    TraceWindow("Maximum TimeOut for user decision: %d", decisionLeft);
    int limit = io.settings->ReadIntOr(SET_AUTO_REJECT_TIMER, decisionLeft);
    if (decisionLeft >= limit)
        decisionLeft = limit;
    if (decisionLeft > 0) {
        StartCountdown(decisionLeft, TIMER_DECISION);
        decisionTimerOn = 1;
    }
    if (response == MOH_REMOTE_RESPONSE_ACK)
        EnableCommand(IDCMD_ACCEPT);
}

void CallEngine::MarkIfIncoming(int outcome)
{
    if (!outgoingCall)
        MarkCallRecord(outcome);
}

void CallEngine::OnRemoteResponse(uint32_t response)
{
    if (!outgoingCall)
        GetCallerId();
    responseSeen = 1;
    callPhase = PHASE_DECISION;
    int acceptV90 = io.settings->ReadInt(SET_ACCEPT_V90);
    if (!ClassifyResponse(response, acceptV90))
        return;
    if (!outgoingCall)
        OpenDecision(response);
    EnableCommand(IDCMD_DISCONNECT);
    if (!mohUnavailable)
        SetUpHoldCountdown();
    else
        TraceWindow("No On Hold Timer in V90 mode");
    int ruledIgnore = 0;
    if (!outgoingCall) {
        EnableCommand(IDCMD_IGNORE);
        if (io.live->ignoreAll) {
            io.window->PostCommand(IDCMD_IGNORE);
            ruledIgnore = 1;
        }
    }
    if (!ruledIgnore)
        ShowIncomingCall();
    if (!outgoingCall && io.live->acceptAll)
        io.window->PostCommand(IDCMD_ACCEPT);
}

void CallEngine::OnCallResumeWait()
{
    if (responseSeen || outgoingCall)
        ShowOnHold();
}

void CallEngine::ShowOnHold()
{
    SetCallCommands(0, 0, 1, 1);
    StopDecisionTimer();
    callPhase = PHASE_ON_HOLD;
}

void CallEngine::AcceptCall()
{
    StopRing();
    MarkIfIncoming(OUTCOME_ACCEPTED);
    if (io.live->acceptAll) {
        int delay = io.settings->ReadInt(SET_SLEEP_BEFORE_ACCEPT_ALL);
        TraceWindow("Sleep %d ms before accept incoming call", delay);
        io.clock->Sleep(delay > 0 ? (unsigned)delay : 0);
        TraceFile("Automatic accept");
    } else {
        TraceFile("Accept");
    }
    if (mohMethod != MOH_METHOD_MANUAL) {
        TraceWindow("Accept");
        SetCallAction(CALL_ACTION_ACCEPT);
        return;
    }
    AskForHandsetDown();
    TraceWindow("Accept");
    SetCallAction(CALL_ACTION_ACCEPT);
    AskForHandsetUp();
}

void CallEngine::IgnoreCall()
{
    MarkIfIncoming(OUTCOME_IGNORED);
    if (io.live->minimize)
        minimizeAfterCall = 1;
    if (io.live->ignoreAll) {
        TraceFile("Automatic ignore");
        TraceWindow("Automatic Ignore incoming call");
    } else {
        TraceFile("Ignore");
        TraceWindow("Ignore incoming call");
    }
    SetCallAction(CALL_ACTION_IGNORE);
    StopCallTimers();
    if (!mohUnavailable)
        GreyCommand(IDCMD_DISCONNECT);
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_IGNORE);
}

void CallEngine::DisconnectCall()
{
    TraceWindow("Disconnect");
    int outcome = CallRecordOutcome();
    if (outcome != OUTCOME_ACCEPTED && outcome != OUTCOME_IGNORED)
        MarkIfIncoming(OUTCOME_DISCONNECTED);
    SetCallAction(CALL_ACTION_DISCONNECT);
    OnModemIdle();
    if (io.live->minimize)
        io.window->RestoreForeground();
}

int CallEngine::RequestOutgoingCall()
{
    callPhase = PHASE_ON_HOLD;
    outgoingCall = 1;
    GreyCallCommandIfOurs();
    if (mohMethod != MOH_METHOD_MANUAL) {
        TraceWindow("OutGoingCall Request");
        return RequestModemAction(*io.modem, MOH_ACTION_OUTGOING_CALL);
    }
    AskForHandsetDown();
    TraceWindow("OutGoingCall Request");
    int result = RequestModemAction(*io.modem, MOH_ACTION_OUTGOING_CALL);
    AskForHandsetUp();
    return result;
}

void CallEngine::ReconnectCall()
{
    if (io.live->minimize)
        minimizeAfterCall = 1;
    TraceFile("Reconnect");
    if (mohMethod == MOH_METHOD_MANUAL) {
        ForceOffHook();
        TraceWindow("Hang up handset");
        io.window->ShowHandsetPrompt(IDS_HANG_UP_HANDSET);
    }
    TraceWindow("Resume");
    SetCallAction(CALL_ACTION_RESUME);
    GreyCommand(IDCMD_RECONNECT);
    GreyCommand(IDCMD_DISCONNECT);
    StopHoldTimer();
}

void CallEngine::SetCallAction(uint32_t action)
{
    SendCallAction(*io.modem, action);
}

void CallEngine::ForceOnHook()
{
    TraceWindow("Force modem On Hook");
    RequestModemAction(*io.modem, MOH_ACTION_ON_HOOK);
}

void CallEngine::ForceOffHook()
{
    TraceWindow("Force Modem Off Hook");
    RequestModemAction(*io.modem, MOH_ACTION_OFF_HOOK);
}
