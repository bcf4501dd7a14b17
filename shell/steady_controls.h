/* Controls of the main window that the engine sets again and again to what they already show. */
#ifndef STEADY_CONTROLS_H
#define STEADY_CONTROLS_H

#include <windows.h>

/* From now on, setting one of these child controls to the text or image it already shows changes
   nothing and repaints nothing; any other change goes through as before. */
void KeepSteadyControls(HWND dialog, const int *ids, int count);

/* The control of that id, remembered for the dialog given last to KeepSteadyControls: looking a
   control up asks the window server each time. */
HWND SteadyControl(HWND dialog, int id);

#endif
