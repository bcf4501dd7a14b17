/* The General page: what the module does with a waiting call, and how it starts and shows. */
#include "config_pages.h"
#include "config_sheet.h"

#include "bitmap_buttons.h"
#include "help_about.h"
#include "host_link.h"
#include "main_window.h"
#include "mohres.h"
#include "run_at_logon.h"
#include "settings.h"
#include "window_placement.h"

namespace {

enum { TITLE_SIZE = 64 };

/* The three standing rules for a waiting call; at most one holds. */
const int kCallRules[] = {IDC_ACCEPT_ALL, IDC_IGNORE_ALL, IDC_SCREEN_ALL};

int Checked(HWND page, int control)
{
    return IsDlgButtonChecked(page, control) == BST_CHECKED ? 1 : 0;
}

void Check(HWND page, int control, int on)
{
    CheckDlgButton(page, control, on ? BST_CHECKED : BST_UNCHECKED);
}

/* Reads a setting into its live value and its box. */
void LoadBox(HWND page, int control, SettingKey key, int *liveValue)
{
    *liveValue = ReadSettingInt(key);
    Check(page, control, *liveValue);
}

/* Sets the live value and the stored key from the box. */
void SaveBox(HWND page, int control, SettingKey key, int *liveValue)
{
    *liveValue = Checked(page, control);
    WriteSettingBool(key, *liveValue);
}

void EnableCallRules(HWND page, BOOL enable)
{
    for (int control : kCallRules) {
        if (!enable)
            Check(page, control, 0);
        EnableWindow(GetDlgItem(page, control), enable);
    }
}

void LoadCallRules(HWND page)
{
    LoadBox(page, IDC_DISABLE_MOH, SET_DISABLE_MOH, &live.disableMoh);
    if (ReadSettingInt(SET_HIDE_ACCEPT_ALL))
        ShowWindow(GetDlgItem(page, IDC_ACCEPT_ALL), SW_HIDE);
    if (ReadSettingInt(SET_HIDE_DISABLE_MOH))
        ShowWindow(GetDlgItem(page, IDC_DISABLE_MOH), SW_HIDE);
    if (live.disableMoh) {
        live.acceptAll = 0;
        live.ignoreAll = 0;
        EnableCallRules(page, FALSE);
        return;
    }
    LoadBox(page, IDC_ACCEPT_ALL, SET_ACCEPT_ALL, &live.acceptAll);
    LoadBox(page, IDC_IGNORE_ALL, SET_IGNORE_ALL, &live.ignoreAll);
    LoadBox(page, IDC_SCREEN_ALL, SET_SCREEN_ALL, &live.screenAll);
}

BOOL OnInitDialog(HWND page)
{
    SetupPageButtons(page);
    char title[TITLE_SIZE] = "";
    ReadSettingString(SET_TITLE_TXT, title, sizeof title);
    SetDlgItemTextA(page, IDC_TITLE_TEXT, title);
    LoadCallRules(page);
    LoadBox(page, IDC_LOAD_AT_STARTUP, SET_LOAD_AT_STARTUP, &live.loadAtStartup);
    LoadBox(page, IDC_SHOW_ON_SYSTRAY, SET_SHOW_ON_SYSTRAY, &live.showOnSystray);
    LoadBox(page, IDC_MINIMIZE, SET_MINIMIZE, &live.minimize);
    if (ReadSettingInt(SET_DISPLAY_QUICK_CONNECT)) {
        ShowWindow(GetDlgItem(page, IDC_QUICK_CONNECT), SW_SHOW);
        Check(page, IDC_QUICK_CONNECT, ReadSettingInt(SET_ENABLE_QUICK_CONNECT));
    }
    CentreWindow(GetParent(page));
    return TRUE;
}

void OnCommand(HWND page, int control, int notification)
{
    if (notification != BN_CLICKED)
        return;
    if (control == IDC_DISABLE_MOH) {
        EnableCallRules(page, !Checked(page, IDC_DISABLE_MOH));
        return;
    }
    for (int rule : kCallRules) {
        if (rule != control || !Checked(page, control))
            continue;
        for (int other : kCallRules)
            if (other != control)
                Check(page, other, 0);
    }
}

/* The modem takes the opposite of the box: 0 switches quick connect on. */
void ApplyQuickConnect(HWND page)
{
    DWORD value = Checked(page, IDC_QUICK_CONNECT) ? 0 : 1;
    if (ModemRequest)
        ModemRequest(MOH_OP_SET, MOH_DATA_DWORD, MOH_ITEM_QUICK_CONNECT, NULL, 0, &value);
    WriteSettingBool(SET_ENABLE_QUICK_CONNECT, value == 0);
}

void OnApply(HWND page)
{
    SaveBox(page, IDC_DISABLE_MOH, SET_DISABLE_MOH, &live.disableMoh);
    SaveBox(page, IDC_ACCEPT_ALL, SET_ACCEPT_ALL, &live.acceptAll);
    SaveBox(page, IDC_IGNORE_ALL, SET_IGNORE_ALL, &live.ignoreAll);
    SaveBox(page, IDC_SCREEN_ALL, SET_SCREEN_ALL, &live.screenAll);
    SaveBox(page, IDC_LOAD_AT_STARTUP, SET_LOAD_AT_STARTUP, &live.loadAtStartup);
    RegisterRunAtLogon(RUN_AT_LOGON_VALUE, live.loadAtStartup);
    SaveBox(page, IDC_SHOW_ON_SYSTRAY, SET_SHOW_ON_SYSTRAY, &live.showOnSystray);
    SaveBox(page, IDC_MINIMIZE, SET_MINIMIZE, &live.minimize);
    if (ReadSettingInt(SET_DISPLAY_QUICK_CONNECT))
        ApplyQuickConnect(page);
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
}

BOOL OnNotify(HWND page, const NMHDR *notice)
{
    if (notice->code == (UINT)PSN_APPLY) {
        OnApply(page);
        return TRUE;
    }
    return HandlePageHelp(page, WM_NOTIFY, notice);
}

void OnDestroy(HWND page)
{
    FreePageButtons(page);
    CloseHelp();
}

}  // namespace

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: OnCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnNotify(page, (const NMHDR *)lParam);
    case WM_HELP: return HandlePageHelp(page, message, NULL);
    case WM_DRAWITEM: DrawTableButton(page, (const DRAWITEMSTRUCT *)lParam); return TRUE;
    case WM_DESTROY: OnDestroy(page); return FALSE;
    }
    return FALSE;
}
