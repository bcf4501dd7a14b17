/* Start-up picture set-up, and dialog 148: the picture with a strip below it holding the OK
   button and the check box that turns the picture off. */
#include "splash.h"

#include "module_state.h"
#include "mohres.h"
#include "settings.h"
#include "splash_picture.h"
#include "window_timers.h"

namespace {

enum { SPLASH_TIMER = 1, STRIP_MARGIN = 10 };

/* The check box's state is the user's answer: checked means "do not show it again". */
void SaveLogonDisplay(HWND dialog)
{
    WriteSettingBool(SET_LOGON_DISPLAY, IsDlgButtonChecked(dialog, IDC_SPLASH_HIDE) == BST_CHECKED ? 0 : 1);
}

RECT ScreenRect(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect;
}

void PlaceControl(HWND control, int left, int top, int width, int height)
{
    MoveWindow(control, left, top, width, height, TRUE);
}

/* Dialog and picture share the picture's place; the strip below holds the two controls, the
   OK button left of the check box when the template has it so, else right of it. */
void LayOut(HWND dialog, HWND picture)
{
    HWND ok = GetDlgItem(dialog, IDOK);
    HWND hide = GetDlgItem(dialog, IDC_SPLASH_HIDE);
    RECT okRect = ScreenRect(ok);
    int stripHeight = okRect.bottom - okRect.top;
    bool wide = ScreenRect(hide).right > okRect.right;

    RECT place = ScreenRect(picture);
    place.bottom += stripHeight + STRIP_MARGIN;
    MoveWindow(dialog, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    int width = place.right - place.left, height = place.bottom - place.top;

    RECT client;
    GetClientRect(ok, &client);
    int okWidth = client.right, okHeight = client.bottom;
    int okLeft = wide ? 5 : width - 25 - okWidth;
    PlaceControl(ok, okLeft, height - 7 - okHeight, okWidth, okHeight);
    GetClientRect(hide, &client);
    int hideHeight = client.bottom;
    if (wide)
        PlaceControl(hide, okLeft + okWidth + 2, height - 7 - hideHeight, width - 25 - (okLeft + okWidth + 2), hideHeight);
    else
        PlaceControl(hide, 5, height - 7 - hideHeight, okLeft - 2 - 5, hideHeight);
}

BOOL OnInitDialog(HWND dialog)
{
    HWND picture = CreateLogonWindow(WS_EX_DLGMODALFRAME, dialog);
    if (!picture) {
        /* Without its picture the dialog has nothing to show. */
        DestroyWindow(dialog);
        return FALSE;
    }
    LayOut(dialog, picture);
    ShowWindow(GetDlgItem(dialog, IDC_SPLASH_SPARE), SW_HIDE);
    StartWindowTimer(dialog, SPLASH_TIMER, (UINT)ReadSettingInt(SET_LOGON_TIME) * 1000);
    return TRUE;
}

void OnCommand(HWND dialog, int command)
{
    if (command == IDOK) {
        SaveLogonDisplay(dialog);
        DestroyWindow(dialog);
    } else if (command == IDC_SPLASH_HIDE) {
        SaveLogonDisplay(dialog);
    }
}

/* Time is up: the picture goes with the dialog; the check box is not saved. */
void OnTimer(HWND dialog)
{
    StopWindowTimer(dialog, SPLASH_TIMER);
    DestroyWindow(dialog);
}

INT_PTR CALLBACK SplashDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_TIMER: OnTimer(dialog); return TRUE;
    }
    return FALSE;
}

}  // namespace

void ShowSplash(HWND parent)
{
    RegisterLogonClass();
    splashShowButton = ReadSettingInt(SET_SHOW_BUTTON);
    if (splashShowButton == 0) {
        CreateLogonWindow(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, NULL);
        return;
    }
    if (ReadSettingInt(SET_LOGON_TIME) == 0 || ReadSettingInt(SET_LOGON_DISPLAY) == 0)
        return;
    HWND dialog = CreateDialogParamA(resourceModule, MAKEINTRESOURCEA(IDD_SPLASH), parent, SplashDlgProc, 0);
    if (!dialog || !IsWindow(dialog))
        return;
    ShowWindow(dialog, SW_SHOWNORMAL);
}
