/* Runs a parsed scenario against the library: the steps before the first event prepare the
   product folder and the modem before the library loads; the rest run one per heartbeat of the
   host driver, on the scenario clock. */
#ifndef SCENARIO_RUNNER_H
#define SCENARIO_RUNNER_H

#include <string>

#include "scenario.h"

struct RunnerOptions {
    double speed = 1.0;
    std::string screenshotDir;
};

/* Applies the leading setting, phonebook and modem steps; call before the library loads. */
void PrepareScenario(const Scenario *scenario, const RunnerOptions &options);
/* One heartbeat: the next step, or a slice of a wait. Ends the run after the last step. */
void ScenarioBeat(void);

bool ScenarioFinished(void);
int ScenarioExpectations(void);
int ScenarioFailures(void);

#endif
