/* The library's status window seen from outside, as a person sees it: its texts, which call
   commands are enabled, a click on a toolbar button, and a picture of it. */
#ifndef STATUS_WINDOW_H
#define STATUS_WINDOW_H

#include <windows.h>

#include <string>

/* The status window among the calling thread's windows, or NULL. */
HWND FindStatusWindow(void);

std::string ControlText(HWND window, int control);
/* "+" enabled, "-" grey, "?" toolbar and menu disagree, "x" no such button; one character each
   for Accept, Ignore, Disconnect, Call and Reconnect. */
std::string CommandStates(HWND window);
/* The same as "A+ I- D- C+ R-". */
std::string CommandStatesText(const std::string &states);
bool IsShown(HWND window);

/* Posts the toolbar button's click. False, with the reason, when a person could not click it. */
bool ClickCommand(HWND window, int command, std::string *problem);

/* A message box the library shows on the calling thread, or NULL; and its text. */
HWND FindMessageBox(void);
std::string MessageBoxText(HWND box);
/* Presses one of the box's buttons (IDOK, IDYES, ...). False when it has no such button. */
bool PressBoxButton(HWND box, int button);

/* Writes a PNG of the whole window (frame included) to path. */
bool SaveWindowPicture(HWND window, const std::string &path, std::string *problem);

#endif
