/* Status line, state picture, tray icon, and bringing the main window to the front. */
#ifndef STATUS_DISPLAY_H
#define STATUS_DISPLAY_H

#include <windows.h>

/* WM_TRAY_SHOW: the main window hands the icon to the notification area (see AddTrayIcon). */
enum { WM_TRAY_ICON = WM_USER + 500, WM_TRAY_SHOW = WM_APP + 10 };

extern HBITMAP stateBitmaps[3];  /* bitmaps 127..129, loaded by the main window */

int SetStatusText(HWND statusBar, DWORD state);
void ShowMohState(HWND window, HWND statusBar, DWORD state, int resetBlink);
/* The icon counts as present from here on; the notification area receives it when the window
   handles the WM_TRAY_SHOW this posts, so that start-up does not wait for the shell. */
void AddTrayIcon(HWND window);
void ShowTrayIconInShell(void);
void UpdateTrayIcon(int flag);
void RemoveTrayIcon(void);
/* The resource number of the icon shown in the notification area, 0 when there is none. */
int TrayIconResource(void);
/* The icon for a call phase, call direction, ring frame (0..2) and blink half. */
int TrayIconFor(int phase, int outgoing, int frame, int flag);
void ShowIdle(HWND window, HWND statusBar);
void SetStatePicture(HWND window, int index);
void BringToFront(HWND window, int minimiseOthers);
void RestoreForeground(HWND window);
/* WM_USER + 500 and WM_NOTIFY of the main window. */
LRESULT OnTrayMessage(HWND window, LPARAM mouseMessage);
BOOL OnToolbarNotify(HWND window, NMHDR *header);
/* The status-text timer of the toolbar's hover help. */
void OnStatusTextTimer(HWND window);
/* A toolbar tooltip asks for its text: the resource string numbered like the command. */
BOOL FillCommandTooltip(NMHDR *header);

#endif
