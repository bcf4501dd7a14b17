/* The main window's toolbar of call commands. */
#ifndef MAIN_TOOLBAR_H
#define MAIN_TOOLBAR_H

#include <windows.h>
#include <commctrl.h>

/* An enabled plain toolbar button showing image for command. */
TBBUTTON Button(int image, int command);

/* Builds the toolbar from the button table as CallButtonStatus and IncomingCallLog ask, and
   removes or greys the outgoing-call menu item to match. */
void CreateMainToolbar(HWND window);
/* Keeps the toolbar's place, makes it as wide as the window and 10 pixels taller. */
void FitToolbar(HWND window);

#endif
