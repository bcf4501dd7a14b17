#include "engine_invariants.h"

#include "call_log_record.h"
#include "engine_rig.h"
#include "host_codes.h"
#include "mohres.h"

namespace {

const int kCallTimers[] = {TIMER_RING, TIMER_DECISION, TIMER_HOLD, TIMER_BLINK, TIMER_DELAYED_HOLD};

bool RequestInTable(const RigRequest &r)
{
    if (r.op > MOH_OP_DELETE_CONFIGURATION || r.dataKind > MOH_DATA_ACTION)
        return false;
    if (r.dataKind == MOH_DATA_ACTION)
        return r.op == MOH_OP_SET && (r.item == MOH_ACTION_OUTGOING_CALL || r.item == MOH_ACTION_OFF_HOOK ||
                                      r.item == MOH_ACTION_ON_HOOK);
    if (r.op == MOH_OP_GET)
        return true;
    switch (r.item) {
    case MOH_ITEM_CALL_ACTION: return r.value >= CALL_ACTION_ACCEPT && r.value <= CALL_ACTION_RESUME;
    case MOH_ITEM_ENABLE_MOH: return r.value <= 1;
    case MOH_ITEM_CID_ENABLE: return r.value <= MOH_METHOD_NONE;
    default: return false;
    }
}

}  // namespace

void EngineInvariants::Require(bool holds, const char *invariant)
{
    if (!holds && broken.empty())
        broken = invariant;
}

void EngineInvariants::Start()
{
    held = rig.modem.diag == DIAG_MOH;
    CheckAfterStep();
}

void EngineInvariants::BeforeStep()
{
    pendingBefore = rig.engine->PendingCallRecord();
    logBefore = rig.callLog.size();
    phaseBefore = rig.engine->Phase();
}

void EngineInvariants::AfterStep(int command, const ModemEvent *event)
{
    if (command == IDCMD_DISCONNECT || command == IDCMD_IGNORE) {
        held = false;
        CheckCallEnded(command == IDCMD_DISCONNECT);
    }
    if (event && !rig.live.disableMoh)
        AfterEvent(*event);
    CheckAfterStep();
}

void EngineInvariants::AfterEvent(const ModemEvent &event)
{
    bool lineBack = event.kind == MOH_EVENT_DIAG_STATE && (event.value == DIAG_IDLE || event.value == DIAG_PROT_LAYER_CONNECT);
    held = held || (event.kind == MOH_EVENT_MOH_STATE && event.value == MOH_STATE_WAIT_FOR_CALL_RESUME) ||
           (event.kind == MOH_EVENT_DIAG_STATE && event.value == DIAG_MOH && rig.modem.mohState == MOH_STATE_WAIT_FOR_CALL_RESUME);
    if (lineBack) {
        held = false;
        CheckCallEnded(true);
        CheckDecidedCallLogged();
    }
}

/* After connect, idle or Disconnect (phase 0) and Ignore (no phase left behind). */
void EngineInvariants::CheckCallEnded(bool lineBack)
{
    for (int timer : kCallTimers)
        Require(!rig.TimerRunning(timer), "an ended call leaves no call timer");
    Require(!rig.engine->DecisionTimerOn() && !rig.engine->HoldTimerOn(), "an ended call runs no countdown");
    if (lineBack)
        Require(rig.engine->Phase() == PHASE_NONE, "connect, idle and Disconnect leave phase 0");
    else
        Require(rig.engine->Phase() != PHASE_ON_HOLD || phaseBefore == PHASE_ON_HOLD, "Ignore leaves no hold behind");
}

/* The line is back: the decided call of the pending record is logged, once. */
void EngineInvariants::CheckDecidedCallLogged()
{
    if (rig.live.incomingCallLog && CallLogOutcome(pendingBefore.c_str()) > OUTCOME_NONE)
        Require(rig.callLog.size() == logBefore + 1 && rig.callLog.back() == pendingBefore,
                "a decided call is logged when the line comes back");
}

void EngineInvariants::CheckAfterStep()
{
    Require(rig.engine->Phase() != PHASE_ON_HOLD || rig.engine->OutgoingCall() || held,
            "Exit is refused only on hold or during an outgoing call");
    /* A log line without its outcome is its call. */
    for (; linesChecked < rig.callLog.size(); ++linesChecked)
        Require(calls.insert(rig.callLog[linesChecked].substr(0, rig.callLog[linesChecked].size() - 3)).second,
                "a call is logged at most once");
    Require(rig.addsOfKnownCallers == 0, "the phone book gains at most one line per caller");
    for (; requestsChecked < rig.requests.size(); ++requestsChecked)
        Require(RequestInTable(rig.requests[requestsChecked]), "every request is one of the contract");
}
