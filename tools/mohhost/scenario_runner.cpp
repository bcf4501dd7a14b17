#include "scenario_runner.h"

#include <windows.h>
#include <stdio.h>

#include "host_driver.h"
#include "host_log.h"
#include "library_link.h"
#include "mohres.h"
#include "product_folder.h"
#include "status_window.h"
#include "trace_viewer.h"
#include "virtual_clock.h"

namespace {

/* Timers fired in one heartbeat at most, so that a fast run still lets the window paint. */
const int kMaxFiresPerBeat = 100;
/* Request groups listed when a request expectation fails. */
const size_t kShownRequestGroups = 12;

const Scenario *scenario;
RunnerOptions options;
size_t nextStep;
bool finished;
bool windowSeen;
int expectations;
int failures;
size_t requestCursor;   /* requests before it are used up by earlier request expectations */
size_t logLinesSeen;    /* incoming-call log lines matched by earlier log expectations */

bool waiting;
int64_t waitEnd;
int64_t waitClockStart;
DWORD waitRealStart;
int firesThisBeat;

void Fail(const ScenarioStep &step, const std::string &what)
{
    char where[32];
    snprintf(where, sizeof where, ":%d: ", step.line);
    std::string message = scenario->fileName + where + what;
    fprintf(stderr, "%s\n", message.c_str());
    fflush(stderr);
    HostLog("FAILED %s", message.c_str());
    ++failures;
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

/* The requests from index on, runs of the same request counted: "get 105 (3 times), set 2=1". */
std::string RequestsSince(size_t index)
{
    std::vector<std::string> groups;
    for (size_t i = index; i < requests.size();) {
        size_t run = i;
        while (run < requests.size() && requests[run].text == requests[i].text)
            ++run;
        groups.push_back(requests[i].text + (run - i > 1 ? " (" + std::to_string(run - i) + " times)" : ""));
        i = run;
    }
    if (groups.empty())
        return "none";
    std::string text = groups.size() > kShownRequestGroups ? "..., " : "";
    for (size_t i = groups.size() > kShownRequestGroups ? groups.size() - kShownRequestGroups : 0; i < groups.size(); ++i)
        text += groups[i] + (i + 1 < groups.size() ? ", " : "");
    return text;
}

void CheckRequest(const ScenarioStep &step)
{
    size_t found = FindRequest(step.request, requests, requestCursor);
    bool made = found < requests.size();
    if (step.expect == EXPECT_REQUEST && made)
        requestCursor = found + 1;
    else if (step.expect == EXPECT_REQUEST)
        Fail(step, step.source + ": not made since the last matched request; made since: " + RequestsSince(requestCursor));
    else if (made)
        Fail(step, step.source + ": made; requests since the last matched one: " + RequestsSince(requestCursor));
}

void CheckPhoneBook(const ScenarioStep &step)
{
    std::vector<std::string> lines = ListFileLines("callerid.fic");
    if (PhoneBookShows(step, lines))
        return;
    std::string all;
    for (const std::string &line : lines)
        all += (all.empty() ? "" : " | ") + line;
    Fail(step, step.source + ": the phone book holds " + (all.empty() ? "nothing" : Quoted(all)));
}

void CheckLog(const ScenarioStep &step)
{
    std::vector<std::string> lines = ListFileLines("incoming.log");
    std::string next = logLinesSeen < lines.size() ? lines[logLinesSeen] : "";
    if (step.expect == EXPECT_LOG && logLinesSeen < lines.size() && LogLineMatches(step, next))
        ++logLinesSeen;
    else if (step.expect == EXPECT_LOG || logLinesSeen < lines.size())
        Fail(step, step.source + ": the log's next line is " + (next.empty() ? "missing" : Quoted(next)));
}

/* What the status window or the modem shows for a text-like expectation. */
std::string Seen(const ScenarioStep &step, HWND window)
{
    static const char *const kWindow[] = {"hidden", "shown"};
    switch (step.expect) {
    case EXPECT_STATUS: return ControlText(window, IDC_STATUS_LINE);
    case EXPECT_NAME: return ControlText(window, IDC_CALLER_NAME);
    case EXPECT_NUMBER: return ControlText(window, IDC_CALLER_NUMBER);
    case EXPECT_COUNTDOWN: return ControlText(window, IDC_COUNTDOWN);
    case EXPECT_WINDOW: return kWindow[IsShown(window) ? 1 : 0];
    default: return "";
    }
}

void CheckExpectation(const ScenarioStep &step)
{
    ++expectations;
    HWND window = StatusWindow();
    switch (step.expect) {
    case EXPECT_REQUEST:
    case EXPECT_NO_REQUEST:
        CheckRequest(step);
        return;
    case EXPECT_LINE:
        if (modem.line != (LineState)step.value)
            Fail(step, step.source + ": the modem's line is " + LineStateName(modem.line));
        return;
    case EXPECT_HOOK:
        if (modem.hook != (HookState)step.value)
            Fail(step, step.source + ": the modem's hook is " + HookStateName(modem.hook));
        return;
    case EXPECT_TRACE:
        if (!TraceHas(step.text))
            Fail(step, step.source + ": no window trace line holds it");
        return;
    case EXPECT_PHONE_BOOK:
    case EXPECT_NO_PHONE_BOOK:
        CheckPhoneBook(step);
        return;
    case EXPECT_LOG:
    case EXPECT_NO_LOG:
        CheckLog(step);
        return;
    default:
        break;
    }
    if (!window) {
        Fail(step, step.source + ": there is no status window");
    } else if (step.expect == EXPECT_COMMANDS) {
        std::string states = CommandStates(window);
        if (!CommandsMatch(step.text, states))
            Fail(step, step.source + ": the commands are " + CommandStatesText(states));
    } else {
        std::string seen = Seen(step, window);
        std::string wanted = step.expect == EXPECT_WINDOW ? (step.value ? "shown" : "hidden") : step.text;
        if (seen != wanted)
            Fail(step, step.source + ": found " + Quoted(seen));
    }
}

void TakeShot(const ScenarioStep &step)
{
    if (options.screenshotDir.empty())
        return;
    std::string path = options.screenshotDir + "\\" + step.text + ".png";
    std::string problem;
    HWND window = StatusWindow();
    if (!window)
        Fail(step, step.source + ": there is no status window");
    else if (!SaveWindowPicture(window, path, &problem))
        Fail(step, step.source + ": " + problem);
    else
        HostLog("picture %s", path.c_str());
}

void Click(const ScenarioStep &step)
{
    std::string problem;
    HWND window = StatusWindow();
    if (!window)
        Fail(step, step.source + ": there is no status window");
    else if (!ClickCommand(window, (int)step.value, &problem))
        Fail(step, step.source + ": a person cannot click it: " + problem);
}

/* A person reads the open message box and presses one of its buttons. */
void AnswerBox(const ScenarioStep &step)
{
    ++expectations;
    HWND box = FindMessageBox();
    if (!box) {
        Fail(step, step.source + ": no message box is open");
        return;
    }
    std::string text = MessageBoxText(box);
    if (text != step.text)
        Fail(step, step.source + ": the message box says " + Quoted(text));
    if (!PressBoxButton(box, (int)step.value)) {
        Fail(step, step.source + ": the message box has no such button");
        PressBoxButton(box, IDOK);
    }
}

void StartWait(int64_t milliseconds)
{
    waiting = true;
    waitClockStart = ClockNow();
    waitEnd = waitClockStart + milliseconds;
    waitRealStart = GetTickCount();
}

bool KeepFiring(void)
{
    if (!modem.reports.empty() || (HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE))
        return false;
    return firesThisBeat++ < kMaxFiresPerBeat;
}

void ContinueWait(void)
{
    int64_t target = waitEnd;
    if (options.speed > 0) {
        int64_t elapsed = (int64_t)((double)(GetTickCount() - waitRealStart) * options.speed);
        target = waitClockStart + elapsed < waitEnd ? waitClockStart + elapsed : waitEnd;
    }
    firesThisBeat = 0;
    if (AdvanceClock(target, KeepFiring) && ClockNow() >= waitEnd)
        waiting = false;
}

/* Steps that prepare the run before the library loads; "modem" steps may also come later. */
void PrepareStep(const ScenarioStep &step)
{
    if (step.kind == STEP_SETTING)
        WriteUserSetting(step.section, step.key, step.text);
    else if (step.kind == STEP_PHONE_BOOK)
        AddPhoneBookEntry(step.text, step.text2);
    else
        SetModemField(&modem, step.key, step.value, step.text);
}

void RunStep(const ScenarioStep &step)
{
    HostLog("step %d: %s", step.line, step.source.c_str());
    if (ModemReportStep(&modem, step))
        return;
    switch (step.kind) {
    case STEP_CLICK: Click(step); break;
    case STEP_WAIT: StartWait(step.value); break;
    case STEP_SHOT: TakeShot(step); break;
    case STEP_BOX: AnswerBox(step); break;
    case STEP_EXPECT: CheckExpectation(step); break;
    default: PrepareStep(step); break;
    }
}

void Finish(void)
{
    /* The library waits inside a message box: close it first, or the window would go from under
       the code that opened it. */
    if (HWND box = FindMessageBox()) {
        fprintf(stderr, "%s: a message box is still open at the end: \"%s\"\n", scenario->fileName.c_str(),
                MessageBoxText(box).c_str());
        HostLog("FAILED a message box is still open at the end");
        ++failures;
        if (!PressBoxButton(box, IDOK))
            PressBoxButton(box, IDNO);
        return;
    }
    finished = true;
    HostLog("end of %s: %d expectations, %d failures", scenario->fileName.c_str(), expectations, failures);
    EndRun();
}

}  // namespace

void PrepareScenario(const Scenario *toRun, const RunnerOptions &runOptions)
{
    scenario = toRun;
    options = runOptions;
    nextStep = 0;
    while (nextStep < scenario->steps.size()) {
        const ScenarioStep &step = scenario->steps[nextStep];
        if (!PreparesRun(step))
            break;
        HostLog("step %d: %s", step.line, step.source.c_str());
        PrepareStep(step);
        ++nextStep;
    }
}

void ScenarioBeat(void)
{
    if (finished || !scenario)
        return;
    if (!StatusWindow()) {
        /* Before CreateMOH has made it there is nothing to do; after, the run cannot go on. */
        if (windowSeen) {
            HostLog("the status window is gone");
            fprintf(stderr, "%s: the status window closed before the last step\n", scenario->fileName.c_str());
            ++failures;
            Finish();
        }
        return;
    }
    windowSeen = true;
    if (waiting)
        ContinueWait();
    else if (nextStep < scenario->steps.size())
        RunStep(scenario->steps[nextStep++]);
    else
        Finish();
}

bool ScenarioFinished(void)
{
    return finished;
}

int ScenarioExpectations(void)
{
    return expectations;
}

int ScenarioFailures(void)
{
    return failures;
}
