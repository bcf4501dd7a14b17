/* The status line and state picture of the main window, and the state poll that feeds them. */
#include "status_display.h"

#include "host_link.h"
#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "steady_controls.h"

namespace {

enum { STATE_COUNT = 13, TEXT_SIZE = 256, IDLE_TEXT_SIZE = 64 };

/* One status text per modem-on-hold state; the two carrier states share theirs. */
const UINT kStateTexts[STATE_COUNT] = {
    10020, 10021, 10022, 10023, 10024, 10025, 10026, 10026, 10028, 10029, 10030, 10031, 10032,
};

int trayBlinkPhase;

}  // namespace

int SetStatusText(HWND, DWORD state)
{
    if (state >= STATE_COUNT)
        return 0;
    char text[TEXT_SIZE] = "";
    LoadStringA(resourceModule, kStateTexts[state], text, sizeof text);
    SetWindowTextA(SteadyControl(mainWindow, IDC_STATUS_LINE), text);
    return 1;
}

void ShowMohState(HWND window, HWND statusBar, DWORD state, int resetBlink)
{
    if (resetBlink) {
        trayBlinkPhase = 0;
        return;
    }
    if (state >= STATE_COUNT)
        return;
    if (!TrayIconResource()) {
        AddTrayIcon(window);
        trayBlinkPhase = 0;
    } else if (Engine().Phase() == PHASE_DECISION || Engine().Phase() == PHASE_ON_HOLD) {
        UpdateTrayIcon(trayBlinkPhase);
        trayBlinkPhase = !trayBlinkPhase;
    } else if (trayBlinkPhase) {
        UpdateTrayIcon(1);
        trayBlinkPhase = 0;
    }
    SetStatusText(statusBar, state);
}

void ShowIdle(HWND window, HWND statusBar)
{
    char text[IDLE_TEXT_SIZE] = "";
    LoadStringA(resourceModule, IDS_IDLE, text, sizeof text);
    SetWindowTextA(SteadyControl(window, IDC_STATUS_LINE), text);
    if (TrayIconResource() && !live.showOnSystray) {
        RemoveTrayIcon();
        ShowWindow(window, SW_HIDE);
    } else if (!TrayIconResource() && live.showOnSystray) {
        AddTrayIcon(window);
        ShowMohState(window, statusBar, MOH_STATE_NONE, 1);
    }
}

void SetStatePicture(HWND window, int index)
{
    if (index < 0 || index > 2)
        return;
    SendMessageA(SteadyControl(window, IDC_STATE_PICTURE), STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)stateBitmaps[index]);
}
