/* What the status window costs under Wine, each figure against an anchor measured in the same run
   and printed with its goal and MET or MISSED:
   - start-up: LoadLibrary of moh.dll and CreateMOH (host's loop) to a painted window, against
     LoadLibrary of a trivial library and its trivial dialog (medians of repeated loads); then the
     same with the libraries moh.dll imports held loaded, as a host using them has them;
   - AlertMOH per call for a protocol connect and for a call-waiting tone, the library's own time
     (the modem's answers taken out), against SendMessage(WM_NULL) to the same window;
   - idle CPU over a stretch of time with the host's loop and with the library's own loop, against
     the trivial dialog in a host's loop.
   Usage: window_bench [idle seconds (20)] [start-ups (15)] [calls (400)]. Not a test: it fails
   only when a window cannot be created. It starts from a fresh product folder with the default
   settings. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "moh.h"
#include "module_folder.h"

namespace {

typedef HWND(WINAPI *CreateMohFunction)(HWND, int, MOH_REQUEST);
typedef void(WINAPI *AlertMohFunction)(DWORD, DWORD **);
typedef HWND (*CreateAnchorFunction)(HWND);

const double kStartupGoal = 1.5;        /* times the trivial library */
const double kConnectGoalMs = 0.25;
const double kToneGoalMs = 0.05;
const double kIdleGoalPercent = 0.1;    /* of one core, with the library's own loop */
const UINT kSettleMs = 4000;            /* the start-up picture closes after 3 s */

double Now(void)
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return (double)counter.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

/* "2.50x", or the difference when the anchor measured nothing at all. */
std::string Ratio(double value, double anchor)
{
    char text[64];
    if (anchor > 0)
        snprintf(text, sizeof text, "%.2fx", value / anchor);
    else
        snprintf(text, sizeof text, "+%.3f points (anchor 0)", value - anchor);
    return text;
}

const char *Verdict(bool met)
{
    return met ? "MET" : "MISSED";
}

/* ---- The modem: a V.92 link on a soft modem; the time spent answering is not the library's. */

double modemMs;

int __cdecl ModemRequest(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD length, DWORD *value)
{
    double start = Now();
    if (op == MOH_OP_GET && dataKind == MOH_DATA_DWORD && value)
        *value = item == MOH_ITEM_MODULATION ? MOH_MODULATION_V92 : 0;
    else if (op == MOH_OP_GET && dataKind == MOH_DATA_STRING && buffer && length)
        buffer[0] = '\0';
    modemMs += Now() - start;
    return 1;
}

/* ---- The two libraries */

const char kLibrary[] = "moh.dll";
const char kAnchor[] = "bench_anchor.dll";

template <typename Function> Function Entry(HMODULE module, const char *name)
{
    return module ? (Function)(void *)GetProcAddress(module, name) : NULL;
}

/* The library's window with the loop flag given, or the trivial dialog. */
HWND CreateWindowOf(HMODULE module, bool moh, int loopFlag)
{
    if (moh) {
        CreateMohFunction create = Entry<CreateMohFunction>(module, "CreateMOH");
        return create ? create(NULL, loopFlag, ModemRequest) : NULL;
    }
    CreateAnchorFunction create = Entry<CreateAnchorFunction>(module, "CreateAnchor");
    return create ? create(NULL) : NULL;
}

/* ---- Start-up */

void Pump(void)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

/* One load of a library and creation of its window to the first paint, in milliseconds; the
   window is destroyed and the library unloaded afterwards, outside the time. */
double TimeOneStart(bool moh)
{
    double start = Now();
    HMODULE module = LoadLibraryA(moh ? kLibrary : kAnchor);
    HWND window = CreateWindowOf(module, moh, 0);
    if (window)
        UpdateWindow(window);
    double elapsed = Now() - start;
    if (window)
        DestroyWindow(window);
    Pump();
    if (module)
        FreeLibrary(module);
    return window ? elapsed : -1;
}

/* The trivial library and moh.dll started alternately, after one uncounted start of each. */
bool TimeStarts(int runs, std::vector<double> *anchor, std::vector<double> *library)
{
    TimeOneStart(false);
    TimeOneStart(true);
    for (int i = 0; i < runs; ++i) {
        anchor->push_back(TimeOneStart(false));
        library->push_back(TimeOneStart(true));
        if (anchor->back() < 0 || library->back() < 0) {
            fprintf(stderr, "start-up: a window could not be created\n");
            return false;
        }
    }
    return true;
}

/* Unloading moh.dll unloads the system libraries it brought in, so each start loads them again.
   A host that uses them itself has them loaded already: the second figure shows the library's
   own share. */
const char *const kImportedLibraries[] = {"comctl32.dll", "shell32.dll", "shfolder.dll", "corvanectln.dll"};

bool BenchStartup(int runs)
{
    std::vector<double> anchor, library, warmAnchor, warmLibrary;
    if (!TimeStarts(runs, &anchor, &library))
        return false;
    std::vector<HMODULE> imported;
    for (const char *name : kImportedLibraries)
        imported.push_back(LoadLibraryA(name));
    bool timed = TimeStarts(runs, &warmAnchor, &warmLibrary);
    for (HMODULE module : imported)
        if (module)
            FreeLibrary(module);
    if (!timed)
        return false;
    double ratio = Median(library) / Median(anchor);
    printf("start-up, LoadLibrary + CreateMOH to a painted window: median %.1f ms (min %.1f), trivial library "
           "%.1f ms (min %.1f): %.2fx, goal <= %.2fx: %s\n",
           Median(library), *std::min_element(library.begin(), library.end()), Median(anchor),
           *std::min_element(anchor.begin(), anchor.end()), ratio, kStartupGoal, Verdict(ratio <= kStartupGoal));
    printf("start-up with the libraries moh.dll imports already loaded: median %.1f ms (min %.1f), trivial "
           "library %.1f ms: %.2fx, no goal (the library's own share)\n",
           Median(warmLibrary), *std::min_element(warmLibrary.begin(), warmLibrary.end()), Median(warmAnchor),
           Median(warmLibrary) / Median(warmAnchor));
    return true;
}

/* ---- AlertMOH per call */

double TimeAlerts(AlertMohFunction alert, DWORD kind, DWORD value, int calls, std::vector<double> *perCall)
{
    DWORD event = value;
    DWORD *data = &event;
    for (int i = 0; i < calls; ++i) {
        event = value;
        modemMs = 0;
        double start = Now();
        alert(kind, &data);
        perCall->push_back(Now() - start - modemMs);
    }
    return Median(*perCall);
}

double TimeNullMessages(HWND window, int calls)
{
    std::vector<double> perCall;
    for (int i = 0; i < calls; ++i) {
        double start = Now();
        SendMessageA(window, WM_NULL, 0, 0);
        perCall.push_back(Now() - start);
    }
    return Median(perCall);
}

void ReportAlert(const char *event, AlertMohFunction alert, DWORD value, double anchorMs, double goalMs, int calls)
{
    std::vector<double> warmUp, perCall;
    TimeAlerts(alert, MOH_EVENT_DIAG_STATE, value, calls / 10, &warmUp);
    double median = TimeAlerts(alert, MOH_EVENT_DIAG_STATE, value, calls, &perCall);
    std::sort(perCall.begin(), perCall.end());
    printf("AlertMOH %s: median %.3f ms of the library's own time per call (min %.3f, p99 %.3f), "
           "SendMessage(WM_NULL) %.4f ms: %.0fx, goal <= %.2f ms: %s\n",
           event, median, perCall.front(), perCall[perCall.size() * 99 / 100], anchorMs, median / anchorMs, goalMs,
           Verdict(median <= goalMs));
}

void BenchAlerts(HMODULE library, HWND window, int calls)
{
    AlertMohFunction alert = Entry<AlertMohFunction>(library, "AlertMOH");
    double anchorMs = TimeNullMessages(window, calls);
    ReportAlert("protocol connect", alert, DIAG_PROT_LAYER_CONNECT, anchorMs, kConnectGoalMs, calls);
    ReportAlert("call-waiting tone", alert, DIAG_CALL_WAITING_TONE_DETECTED, anchorMs, kToneGoalMs, calls);
}

/* ---- Idle CPU: a thread timer lets the window settle, then measures the process's CPU time over
   the stretch and destroys the thread's windows, which ends either loop. */

struct IdleRun {
    UINT settleMs;
    UINT measureMs;
    double startCpuMs;
    double startMs;
    double percent;
    bool measuring;
    bool done;
    bool keepWindows;   /* the host's window stays for the AlertMOH figures */
};

IdleRun idle;

double ProcessCpuMs(void)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULONGLONG ticks = ((ULONGLONG)kernel.dwHighDateTime << 32 | kernel.dwLowDateTime) +
                      ((ULONGLONG)user.dwHighDateTime << 32 | user.dwLowDateTime);
    return (double)ticks / 10000.0;
}

BOOL CALLBACK DestroyThreadWindow(HWND window, LPARAM)
{
    DestroyWindow(window);
    return TRUE;
}

void CALLBACK IdleTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(NULL, timer);
    if (!idle.measuring) {
        idle.measuring = true;
        idle.startCpuMs = ProcessCpuMs();
        idle.startMs = Now();
        SetTimer(NULL, 0, idle.measureMs, IdleTick);
        return;
    }
    idle.percent = (ProcessCpuMs() - idle.startCpuMs) * 100.0 / (Now() - idle.startMs);
    idle.done = true;
    if (!idle.keepWindows)
        EnumThreadWindows(GetCurrentThreadId(), DestroyThreadWindow, 0);
}

void StartIdleRun(UINT seconds, bool keepWindows)
{
    idle = IdleRun();
    idle.settleMs = kSettleMs;
    idle.measureMs = seconds * 1000;
    idle.keepWindows = keepWindows;
    SetTimer(NULL, 0, idle.settleMs, IdleTick);
}

/* A host's loop, as a dialer has it, until the idle stretch is measured. */
void HostLoop(HWND window)
{
    MSG message;
    while (IsWindow(window) && !idle.done && GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

/* Idle CPU of one window: the trivial dialog or the library's window in a host's loop, or the
   library's window in its own loop. In the host's loop the library's window then gives the
   AlertMOH figures, long after start-up, as a dialer's events come. */
bool Idle(bool moh, int loopFlag, UINT seconds, int calls, double *percent)
{
    HMODULE module = LoadLibraryA(moh ? kLibrary : kAnchor);
    bool keepWindow = moh && !loopFlag;
    StartIdleRun(seconds, keepWindow);
    HWND window = CreateWindowOf(module, moh, loopFlag);  /* the own loop returns once measured */
    if (window && !loopFlag)
        HostLoop(window);
    *percent = idle.percent;
    if (window && keepWindow) {
        BenchAlerts(module, window, calls);
        DestroyWindow(window);
        Pump();
    }
    if (module)
        FreeLibrary(module);
    return window != NULL;
}

}  // namespace

int main(int argc, char **argv)
{
    UINT seconds = argc > 1 ? (UINT)atoi(argv[1]) : 20;
    int startups = argc > 2 ? atoi(argv[2]) : 15;
    int calls = argc > 3 ? atoi(argv[3]) : 400;
    if (seconds < 1 || startups < 1 || calls < 10) {
        fprintf(stderr, "usage: %s [idle seconds >= 1] [start-ups >= 1] [calls >= 10]\n", argv[0]);
        return 2;
    }
    setvbuf(stdout, NULL, _IONBF, 0);
    /* The shipped defaults and English, whatever the tests run before left in the prefix. */
    ResetModuleFolder();
    StartFromDefaultSettings();
    if (!BenchStartup(startups))
        return 1;
    double anchor = 0, host = 0, own = 0;
    if (!Idle(false, 0, seconds, calls, &anchor) || !Idle(true, 0, seconds, calls, &host) ||
        !Idle(true, 1, seconds, calls, &own)) {
        fprintf(stderr, "idle: a window could not be created\n");
        return 1;
    }
    printf("idle CPU over %u s, host's loop: %.3f %% of a core, trivial dialog %.3f %%: %s, no goal (the host's)\n",
           seconds, host, anchor, Ratio(host, anchor).c_str());
    printf("idle CPU over %u s, library's own loop: %.3f %% of a core, trivial dialog %.3f %%: %s, goal <= %.2f %%: "
           "%s\n", seconds, own, anchor, Ratio(own, anchor).c_str(), kIdleGoalPercent, Verdict(own <= kIdleGoalPercent));
    return 0;
}
