#include "host_driver.h"

#include "library_link.h"
#include "status_window.h"

namespace {

const char kDriverClass[] = "MohHostDriver";
const UINT_PTR kBeatTimer = 1;
const UINT kBeatMs = 10;

HWND driverWindow;
BeatHandler beatHandler;
HWND statusWindow;
bool hostLoopRunning;
bool inBeat;

void OnBeat(void)
{
    /* A modal box of the library runs its own loop, which dispatches beats too: never nest. */
    if (inBeat)
        return;
    inBeat = true;
    if (statusWindow && !IsWindow(statusWindow))
        statusWindow = NULL;
    if (!statusWindow)
        statusWindow = FindStatusWindow();
    if (!(statusWindow && DeliverNextReport()) && beatHandler)
        beatHandler();
    inBeat = false;
}

LRESULT CALLBACK DriverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kBeatTimer) {
        OnBeat();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void StartHostDriver(BeatHandler onBeat)
{
    beatHandler = onBeat;
    WNDCLASSA driverClass = {};
    driverClass.lpfnWndProc = DriverProc;
    driverClass.hInstance = GetModuleHandleA(NULL);
    driverClass.lpszClassName = kDriverClass;
    RegisterClassA(&driverClass);
    driverWindow = CreateWindowA(kDriverClass, "", WS_POPUP, 0, 0, 0, 0, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetTimer(driverWindow, kBeatTimer, kBeatMs, NULL);
}

void StopHostDriver(void)
{
    if (driverWindow)
        DestroyWindow(driverWindow);
    driverWindow = NULL;
}

HWND StatusWindow(void)
{
    return statusWindow && IsWindow(statusWindow) ? statusWindow : NULL;
}

bool RunLibrary(bool ownLoop, HWND extraDialog)
{
    if (ownLoop)
        return CreateMoh(1) != NULL;
    statusWindow = CreateMoh(0);
    if (!statusWindow)
        return false;
    hostLoopRunning = true;
    MSG message;
    while (hostLoopRunning && GetMessageA(&message, NULL, 0, 0) > 0) {
        HWND status = StatusWindow();
        if (status && IsDialogMessageA(status, &message))
            continue;
        if (extraDialog && IsWindow(extraDialog) && IsDialogMessageA(extraDialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void EndRun(void)
{
    if (StatusWindow())
        DestroyWindow(statusWindow);
    statusWindow = NULL;
    hostLoopRunning = false;
    PostMessageA(driverWindow, WM_NULL, 0, 0);
}
