/* Event sequences for the call engine: the input decodes into settings, then a run of host
   events, modem changes, user clicks and passing time against the engine on its bench. After
   every step the engine's invariants must hold; a broken one aborts with its name. */
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <set>
#include <string>

#include "engine_rig.h"
#include "host_codes.h"
#include "mohres.h"

namespace {

#define INVARIANT(condition, name)                                   \
    do {                                                             \
        if (!(condition)) {                                          \
            fprintf(stderr, "invariant broken: %s (%s)\n", name, #condition); \
            abort();                                                 \
        }                                                            \
    } while (0)

class Input {
public:
    Input(const uint8_t *data, size_t size) : data(data), size(size) {}
    bool More() const { return at < size; }
    uint8_t Byte() { return at < size ? data[at++] : 0; }
private:
    const uint8_t *data;
    size_t size;
    size_t at = 0;
};

const int kCallTimers[] = {TIMER_RING, TIMER_DECISION, TIMER_HOLD, TIMER_BLINK, TIMER_DELAYED_HOLD};
const int kCommands[] = {IDCMD_ACCEPT, IDCMD_IGNORE, IDCMD_DISCONNECT, IDCMD_CALL, IDCMD_RECONNECT};
const std::string kNumbers[] = {"5550", "5551", "5552", "5553", "5554", "5555", "5556"};
const std::string kPrivate = "P";
const std::string kNames[] = {"Caller 0", "Caller 1", "Caller 2"};

class Run : public StepWatch {
public:
    explicit Run(Input &input) : in(input) {}

    void Play()
    {
        rig.keepTrace = false;
        Configure();
        rig.Load();
        held = rig.modem.diag == DIAG_MOH;
        CheckAfterStep();
        rig.watch = this;
        for (int steps = 0; in.More() && steps < 64; ++steps) {
            Step();
            rig.Deliver();
        }
    }

private:
    void Configure()
    {
        static const SettingKey kNumbers[] = {
            SET_DELAY_HOLD_TIMER, SET_AUTO_REJECT_TIMER, SET_HOLD_TIMER, SET_ACCEPT_ALL, SET_IGNORE_ALL,
            SET_INCOMING_CALL_LOG, SET_HANDSET_EXCLUSION, SET_WAIT_FOR_REMOTE_RESPONSE, SET_ACCEPT_V90,
            SET_CALL_BUTTON_STATUS, SET_MINIMIZE, SET_TIMEOUT,
        };
        static const int kValues[][4] = {
            {0, 0, 500, 2500}, {60, 0, 3, 20}, {0, 0, 5, 70}, {0, 0, 0, 1}, {0, 0, 0, 1}, {1, 1, 0, 1},
            {2, 0, 1, 2}, {1, 0, 1, 1}, {0, 1, 0, 1}, {0, 0, 1, 2}, {0, 1, 0, 1}, {10, 5, 0, 65},
        };
        for (size_t i = 0; i < sizeof kNumbers / sizeof kNumbers[0]; ++i)
            rig.SetSetting(kNumbers[i], kValues[i][in.Byte() % 4]);
        rig.modem.decisionTime = in.Byte() % 8 * 5;
        rig.modem.maxHoldTime = (int)(in.Byte() % 10) * 8 - 8;
        rig.modem.handsetExclusion = in.Byte() % 3;
        if (in.Byte() % 4 == 0)
            ModemConnect(&rig.modem, MODULATION_V92, 0);
    }

    void Step()
    {
        uint8_t op = in.Byte();
        uint8_t value = in.Byte();
        switch (op % 9) {
        case 0: ModemConnect(&rig.modem, value % 3 ? MODULATION_V92 : MODULATION_V90, value % 4 == 3 ? 2 : 0); break;
        case 1: ModemGoIdle(&rig.modem); break;
        case 2: ModemCallWaitingTone(&rig.modem); break;
        case 3: ModemCallerId(&rig.modem, value % 5 ? kNumbers[value % 7] : kPrivate, kNames[value % 3]); break;
        case 4: ModemRemoteResponse(&rig.modem, 500 + value % 7); break;
        case 5: ModemReportState(&rig.modem, value % 14); break;
        case 6: ModemReportDiag(&rig.modem, value % 26); break;
        case 7: rig.Click(kCommands[value % 5]); break;
        default: rig.Advance(250 * (value % 16 + 1)); break;
        }
    }

    void BeforeStep() override
    {
        pendingBefore = rig.engine->PendingCallRecord();
        logBefore = rig.callLog.size();
        phaseBefore = rig.engine->Phase();
    }

    void AfterStep(int command, const ModemEvent *event) override
    {
        if (command == IDCMD_DISCONNECT || command == IDCMD_IGNORE) {
            held = false;
            CheckCallEnded(command == IDCMD_DISCONNECT);
        }
        if (event && !rig.live.disableMoh)
            AfterEvent(*event);
        CheckAfterStep();
    }

    void AfterEvent(const ModemEvent &event)
    {
        bool lineBack = event.kind == MOH_EVENT_DIAG_STATE && (event.value == DIAG_IDLE || event.value == DIAG_PROT_LAYER_CONNECT);
        if (event.kind == MOH_EVENT_MOH_STATE && event.value == MOH_STATE_WAIT_FOR_CALL_RESUME)
            held = true;
        if (event.kind == MOH_EVENT_DIAG_STATE && event.value == DIAG_MOH && rig.modem.mohState == MOH_STATE_WAIT_FOR_CALL_RESUME)
            held = true;
        if (lineBack) {
            held = false;
            CheckCallEnded(true);
            CheckDecidedCallLogged();
        }
    }

    /* After connect, idle or Disconnect (phase 0) and Ignore (no phase left behind). */
    void CheckCallEnded(bool lineBack)
    {
        for (int timer : kCallTimers)
            INVARIANT(!rig.TimerRunning(timer), "an ended call leaves no call timer");
        INVARIANT(!rig.engine->DecisionTimerOn() && !rig.engine->HoldTimerOn(), "an ended call runs no countdown");
        if (lineBack)
            INVARIANT(rig.engine->Phase() == PHASE_NONE, "connect, idle and Disconnect leave phase 0");
        else
            INVARIANT(rig.engine->Phase() != PHASE_ON_HOLD || phaseBefore == PHASE_ON_HOLD,
                      "Ignore leaves no hold behind");
    }

    /* The line is back: the decided call of the pending record is logged, once. */
    void CheckDecidedCallLogged()
    {
        int outcome = CallLogOutcome(pendingBefore.c_str());
        if (!rig.live.incomingCallLog || outcome <= OUTCOME_NONE)
            return;
        INVARIANT(rig.callLog.size() == logBefore + 1 && rig.callLog.back() == pendingBefore,
                  "a decided call is logged when the line comes back");
    }

    void CheckAfterStep()
    {
        INVARIANT(rig.engine->Phase() != PHASE_ON_HOLD || rig.engine->OutgoingCall() || held,
                  "Exit is refused only on hold or during an outgoing call");
        for (; linesChecked < rig.callLog.size(); ++linesChecked)
            INVARIANT(calls.insert(CallOf(rig.callLog[linesChecked])).second, "a call is logged at most once");
        INVARIANT(rig.addsOfKnownCallers == 0, "the phone book gains at most one line per caller");
        for (const RigRequest &request : rig.requests)
            INVARIANT(RequestInTable(request), "every request is one of the contract");
        rig.requests.clear();   /* checked; nothing else reads them */
    }

    /* A log line without its outcome. */
    static std::string CallOf(const std::string &line) { return line.substr(0, line.size() - 3); }

    static bool RequestInTable(const RigRequest &r)
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

    Input &in;
    EngineRig rig;
    bool held = false;   /* the host last said the line is held */
    std::string pendingBefore;
    size_t logBefore = 0;
    int phaseBefore = PHASE_NONE;
    std::set<std::string> calls;   /* the calls of the log lines checked so far */
    size_t linesChecked = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input input(data, size);
    Run(input).Play();
    return 0;
}
