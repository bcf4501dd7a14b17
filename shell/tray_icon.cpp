/* The notification-area icon: added with the first state shown, blinking and animating with the
   call, and its menu. */
#include <windows.h>
#include <shellapi.h>

#include "host_link.h"
#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "status_display.h"

namespace {

enum { TRAY_ICON_ID = 1, TRAY_TIP_LENGTH = 64, MENU_TEXT_SIZE = 64, DEFAULT_TEXT_SIZE = 256 };

NOTIFYICONDATAA trayIcon;  /* hWnd non-zero marks the icon present */
int trayIconResource;
bool inShell;              /* the notification area has been given the icon */

void SetIcon(int resource)
{
    trayIconResource = resource;
    trayIcon.hIcon = LoadIconA(resourceModule, MAKEINTRESOURCE(resource));
}

int ChooseIcon(int flag)
{
    const CallEngine &engine = Engine();
    return TrayIconFor(engine.Phase(), engine.OutgoingCall(), engine.AnimationFrame(), flag);
}

void AppendMenuText(HMENU menu, UINT position, UINT command)
{
    char text[MENU_TEXT_SIZE] = "";
    LoadStringA(resourceModule, command, text, sizeof text);
    InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, command, text);
}

HMENU BuildTrayMenu(void)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return NULL;
    char text[DEFAULT_TEXT_SIZE] = "";
    LoadStringA(resourceModule, IDCMD_TRAY_OPEN, text, sizeof text);
    MENUITEMINFOA open = {};
    open.cbSize = sizeof open;
    open.fMask = MIIM_ID | MIIM_STATE | MIIM_TYPE;
    open.fType = MFT_STRING;
    open.fState = MFS_DEFAULT;
    open.wID = IDCMD_TRAY_OPEN;
    open.dwTypeData = text;
    InsertMenuItemA(menu, 0, TRUE, &open);
    UINT position = 1;
    AppendMenuText(menu, position++, IDCMD_CONFIG);
    AppendMenuText(menu, position++, IDCMD_PHONEBOOK);
    if (live.incomingCallLog)
        AppendMenuText(menu, position++, IDCMD_CALL_LOG);
    AppendMenuText(menu, position++, IDCMD_ABOUT);
    AppendMenuText(menu, position++, IDCMD_TRAY_EXIT);
    return menu;
}

void RunTrayMenu(HWND window)
{
    HMENU menu = BuildTrayMenu();
    if (!menu)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    UINT command = (UINT)TrackPopupMenu(menu, TPM_RETURNCMD, cursor.x, cursor.y, 0, window, NULL);
    DestroyMenu(menu);
    switch (command) {
    case IDCMD_TRAY_OPEN: BringToFront(mainWindow, 0); break;
    case IDCMD_TRAY_EXIT: PostMessageA(mainWindow, WM_COMMAND, IDCMD_EXIT, 0); break;
    case IDCMD_CONFIG:
    case IDCMD_PHONEBOOK:
    case IDCMD_ABOUT:
    case IDCMD_CALL_LOG: PostMessageA(mainWindow, WM_COMMAND, command, 0); break;
    }
}

}  // namespace

/* Ringing while a waiting call rings, the alert icon for the other half of a blink. */
int TrayIconFor(int phase, int outgoing, int frame, int flag)
{
    if (phase == PHASE_DECISION && !outgoing)
        return IDI_MOH_RING1 + frame;
    if (phase == PHASE_DECISION || phase == PHASE_ON_HOLD)
        return flag ? IDI_MOH_NORMAL : IDI_MOH_ALERT;
    return IDI_MOH_NORMAL;
}

int TrayIconResource(void)
{
    return trayIcon.hWnd ? trayIconResource : 0;
}

void AddTrayIcon(HWND window)
{
    if (!window || trayIcon.hWnd)
        return;
    HICON normal = LoadIconA(resourceModule, MAKEINTRESOURCE(IDI_MOH_NORMAL));
    SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)normal);
    trayIcon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    trayIcon.hWnd = window;
    trayIcon.uID = TRAY_ICON_ID;
    trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon.uCallbackMessage = WM_TRAY_ICON;
    SetIcon(IDI_MOH_NORMAL);
    /* The record handed over is the 88-byte layout, whose tip holds 64 characters with its zero. */
    GetWindowTextA(window, trayIcon.szTip, TRAY_TIP_LENGTH);
    /* Handing an icon to the shell waits for the notification area, longer than everything else
       the window does at start-up: it is done once the window has shown. */
    PostMessageA(window, WM_TRAY_SHOW, 0, 0);
}

void ShowTrayIconInShell(void)
{
    if (!trayIcon.hWnd || inShell)
        return;
    Shell_NotifyIconA(NIM_ADD, &trayIcon);
    inShell = true;
}

void UpdateTrayIcon(int flag)
{
    int resource = ChooseIcon(flag);
    /* Each change is a round trip to the notification area; the same icon again changes nothing. */
    if (!trayIcon.hWnd || resource == trayIconResource)
        return;
    SetIcon(resource);
    if (!inShell)
        return;  /* the icon still on its way goes with the current picture */
    trayIcon.uFlags = NIF_ICON;
    Shell_NotifyIconA(NIM_MODIFY, &trayIcon);
}

void RemoveTrayIcon(void)
{
    if (!trayIcon.hWnd)
        return;
    if (inShell)
        Shell_NotifyIconA(NIM_DELETE, &trayIcon);
    inShell = false;
    ZeroMemory(&trayIcon, sizeof trayIcon);
    trayIconResource = 0;
}

LRESULT OnTrayMessage(HWND window, LPARAM mouseMessage)
{
    if (mouseMessage == WM_LBUTTONDBLCLK)
        BringToFront(mainWindow, 0);
    else if (mouseMessage == WM_RBUTTONDOWN)
        RunTrayMenu(window);
    return TRUE;
}
