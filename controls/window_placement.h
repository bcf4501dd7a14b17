/* Placing dialogs and windows. */
#ifndef WINDOW_PLACEMENT_H
#define WINDOW_PLACEMENT_H

#include <windows.h>

/* Centres a child in its parent's client area; any other window on its owner, when the owner
   is visible and not minimised, else on the screen, but never beyond the screen's edges. */
void CentreWindow(HWND window);

#endif
