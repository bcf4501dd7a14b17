/* What must hold of the call engine after every step the rig gives it (a command, a host event
   or a timer tick), whatever came before: checked in every scenario and every fuzzed run. */
#ifndef ENGINE_INVARIANTS_H
#define ENGINE_INVARIANTS_H

#include <stddef.h>

#include <set>
#include <string>

#include "modem_model.h"

class EngineRig;

class EngineInvariants {
public:
    explicit EngineInvariants(const EngineRig &rig) : rig(rig) {}
    /* The engine has started. */
    void Start();
    void BeforeStep();
    /* command is 0 and event null for a timer tick. */
    void AfterStep(int command, const ModemEvent *event);

    /* The first invariant broken, empty while all hold. */
    std::string broken;

private:
    void Require(bool holds, const char *invariant);
    void AfterEvent(const ModemEvent &event);
    void CheckCallEnded(bool lineBack);
    void CheckDecidedCallLogged();
    void CheckAfterStep();

    const EngineRig &rig;
    bool held = false;   /* the host last said the line is held */
    std::string pendingBefore;
    size_t logBefore = 0;
    int phaseBefore = 0;
    std::set<std::string> calls;   /* the calls of the log lines checked so far */
    size_t linesChecked = 0;
    size_t requestsChecked = 0;
};

#endif
