/* Status line, state picture, tray icon, and bringing the main window to the front. */
#ifndef STATUS_DISPLAY_H
#define STATUS_DISPLAY_H

#include <windows.h>

enum { WM_TRAY_ICON = WM_USER + 500 };

extern HBITMAP stateBitmaps[3];  /* bitmaps 127..129, loaded by the main window */

int SetStatusText(HWND statusBar, DWORD state);
void ShowMohState(HWND window, HWND statusBar, DWORD state, int resetBlink);
void AddTrayIcon(HWND window);
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
