/* mohhost: the development host of moh.dll. It loads the library from its own folder, plays a
   V.92 modem behind the library's request function, and either runs a scenario file on the
   scenario clock (with mohdev.dll, the library's build that runs on a lent clock) or opens a
   control panel for a person to drive the shipped moh.dll by hand. */
#include <windows.h>
#include <stdio.h>

#include <fstream>
#include <sstream>
#include <string>

#include "control_panel.h"
#include "host_driver.h"
#include "host_log.h"
#include "host_options.h"
#include "library_link.h"
#include "product_folder.h"
#include "scenario.h"
#include "scenario_runner.h"
#include "trace_viewer.h"
#include "virtual_clock.h"

namespace {

enum { EXIT_OK = 0, EXIT_FAILED_EXPECTATION = 1, EXIT_BAD_INPUT = 2, EXIT_NO_LIBRARY = 3 };

DWORD startTick;

double RealSeconds(void)
{
    return (double)(GetTickCount() - startTick) / 1000.0;
}

bool ReadScenario(const std::string &path, Scenario *scenario, std::string *error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot read the scenario file";
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return ParseScenario(path, text.str(), scenario, error);
}

int Refuse(int code, const std::string &message)
{
    fprintf(stderr, "mohhost: %s\n", message.c_str());
    return code;
}

/* Output folders, the log and the trace file, before the library loads. */
bool PrepareOutputs(const HostOptions &options, std::string *error)
{
    if (!options.screenshotDir.empty() && !MakeFolders(options.screenshotDir)) {
        *error = "cannot create " + options.screenshotDir;
        return false;
    }
    if (!options.traceDir.empty() && !MakeFolders(options.traceDir)) {
        *error = "cannot create " + options.traceDir;
        return false;
    }
    if (!OpenHostLog(options.logFile)) {
        *error = "cannot write " + options.logFile;
        return false;
    }
    return true;
}

/* The trace viewer has to exist, and the trace file too, before the library loads. */
bool LoadLibraryWithTrace(const HostOptions &options, const char *file, const HostClock *clock, std::string *error)
{
    if (!options.traceDir.empty())
        StartTraceFile();
    CreateTraceViewer();
    return LoadMohLibrary(file, clock, error);
}

void SaveTraces(const HostOptions &options)
{
    if (!options.traceDir.empty())
        SaveTraceLines(options.traceDir + "\\window-trace.txt");
    UnloadMohLibrary();   /* closes the trace file */
    DestroyTraceViewer();
    if (!options.traceDir.empty())
        CopyTraceFile(options.traceDir + "\\MoHlog.txt");
}

int RunScenario(const HostOptions &options, const Scenario &scenario)
{
    std::string error;
    SetLogClock(ClockSeconds);
    if (!PrepareOutputs(options, &error))
        return Refuse(EXIT_BAD_INPUT, error);
    if (options.freshProductFolder && !ResetProductFolder(&error))
        return Refuse(EXIT_BAD_INPUT, error);
    RunnerOptions runnerOptions;
    runnerOptions.speed = options.speed;
    runnerOptions.screenshotDir = options.screenshotDir;
    PrepareScenario(&scenario, runnerOptions);
    if (!LoadLibraryWithTrace(options, "mohdev.dll", VirtualClock(), &error))
        return Refuse(EXIT_NO_LIBRARY, error);
    HostLog("scenario %s, %s loop, speed %g", scenario.fileName.c_str(), options.ownLoop ? "own" : "host", options.speed);
    StartHostDriver(ScenarioBeat);
    bool ran = RunLibrary(options.ownLoop, NULL);
    StopHostDriver();
    SaveTraces(options);
    CloseHostLog();
    if (!ran)
        return Refuse(EXIT_NO_LIBRARY, "CreateMOH made no status window");
    int failures = ScenarioFailures() + (ScenarioFinished() ? 0 : 1);
    if (!ScenarioFinished())
        fprintf(stderr, "%s: the status window closed before the last step\n", scenario.fileName.c_str());
    printf("mohhost: %s: %d expectations, %s\n", scenario.fileName.c_str(), ScenarioExpectations(),
           failures ? "FAILED" : "all held");
    return failures ? EXIT_FAILED_EXPECTATION : EXIT_OK;
}

void PanelBeat(void)
{
    ControlPanelBeat();
}

int RunControlPanel(const HostOptions &options)
{
    std::string error;
    startTick = GetTickCount();
    SetLogClock(RealSeconds);
    if (!PrepareOutputs(options, &error))
        return Refuse(EXIT_BAD_INPUT, error);
    if (!LoadLibraryWithTrace(options, "moh.dll", NULL, &error))
        return Refuse(EXIT_NO_LIBRARY, error);
    HWND panel = OpenControlPanel();
    StartHostDriver(PanelBeat);
    bool ran = RunLibrary(options.ownLoop, panel);
    StopHostDriver();
    CloseControlPanel();
    SaveTraces(options);
    CloseHostLog();
    return ran ? EXIT_OK : Refuse(EXIT_NO_LIBRARY, "CreateMOH made no status window");
}

}  // namespace

int main(int argc, char **argv)
{
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "mohhost: %s\n%s", error.c_str(), kHostUsage);
        return EXIT_BAD_INPUT;
    }
    if (options.help) {
        printf("%s", kHostUsage);
        return EXIT_OK;
    }
    if (options.scenarioFile.empty())
        return RunControlPanel(options);
    Scenario scenario;
    if (!ReadScenario(options.scenarioFile, &scenario, &error)) {
        fprintf(stderr, "%s\n", error.c_str());
        return EXIT_BAD_INPUT;
    }
    return RunScenario(options, scenario);
}
