/* The main window (dialog 122): its handles, flags and the live settings it reads at start. */
#ifndef MAIN_WINDOW_H
#define MAIN_WINDOW_H

#include <windows.h>

#include "live_settings.h"

extern LiveSettings live;
extern HWND mainWindow;       /* 0 while no main window exists */
extern HWND toolbarWindow;
extern HWND statusBarWindow;
extern HMENU mainMenu;        /* menu 146, attached only while the menu bar is shown */
extern HWND acceleratorTarget; /* the active window whose commands the accelerators send, or 0 */
extern int loopFlag;          /* the library runs the message loop and asks before exiting */
extern int restartFlag;       /* set by the Language page before it closes the window */

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ShowMenuBar(HWND window, bool show);

#endif
