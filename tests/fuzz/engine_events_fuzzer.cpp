/* Event sequences for the call engine: the input decodes into settings, then a run of host
   events, modem changes, user clicks and passing time against the engine on its bench. The
   bench checks the engine's invariants after every step; a broken one aborts with its name. */
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "engine_rig.h"
#include "host_codes.h"
#include "mohres.h"

namespace {

const int kCommands[] = {IDCMD_ACCEPT, IDCMD_IGNORE, IDCMD_DISCONNECT, IDCMD_CALL, IDCMD_RECONNECT};
const std::string kNumbers[] = {"5550", "5551", "5552", "5553", "5554", "5555", "5556"};
const std::string kNames[] = {"Caller 0", "Caller 1", "Caller 2"};

class Run {
public:
    Run(const uint8_t *data, size_t size) : data(data), size(size) {}

    void Play()
    {
        rig.keepTrace = false;
        Configure();
        rig.Load();
        AbortIfBroken();
        for (int steps = 0; at < size && steps < 64; ++steps) {
            Step();
            rig.Deliver();
            AbortIfBroken();
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
            rig.SetSetting(kNumbers[i], kValues[i][Byte() % 4]);
        rig.modem.decisionTime = Byte() % 8 * 5;
        rig.modem.maxHoldTime = (int)(Byte() % 10) * 8 - 8;
        rig.modem.handsetExclusion = Byte() % 3;
        if (Byte() % 4 == 0)
            ModemConnect(&rig.modem, MODULATION_V92, 0);
    }

    void Step()
    {
        uint8_t op = Byte();
        uint8_t value = Byte();
        switch (op % 9) {
        case 0: ModemConnect(&rig.modem, value % 3 ? MODULATION_V92 : MODULATION_V90, value % 4 == 3 ? 2 : 0); break;
        case 1: ModemGoIdle(&rig.modem); break;
        case 2: ModemCallWaitingTone(&rig.modem); break;
        case 3: ModemCallerId(&rig.modem, value % 5 ? kNumbers[value % 7] : "P", kNames[value % 3]); break;
        case 4: ModemRemoteResponse(&rig.modem, 500 + value % 7); break;
        case 5: ModemReportState(&rig.modem, value % 14); break;
        case 6: ModemReportDiag(&rig.modem, value % 26); break;
        case 7: rig.Click(kCommands[value % 5]); break;
        default: rig.Advance(250 * (value % 16 + 1)); break;
        }
    }

    uint8_t Byte() { return at < size ? data[at++] : 0; }

    void AbortIfBroken()
    {
        if (!rig.invariants.broken.empty()) {
            fprintf(stderr, "invariant broken: %s\n", rig.invariants.broken.c_str());
            abort();
        }
    }

    const uint8_t *data;
    size_t size;
    size_t at = 0;
    EngineRig rig;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Run(data, size).Play();
    return 0;
}
