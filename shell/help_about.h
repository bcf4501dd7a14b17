/* HTML Help in the user's language, and the about box of the about library. */
#ifndef HELP_ABOUT_H
#define HELP_ABOUT_H

#include <windows.h>

enum { HELP_DEFAULT_TOPIC = -1, HELP_PHONE_BOOK = 2, HELP_CONFIGURATION = 3, HELP_CALL_LOG = 4 };

void ShowHelp(HWND owner, int context);
void CloseHelp(void);
INT_PTR CallHtmlHelp(HWND window, const char *file, UINT command, DWORD_PTR data);
int FindHtmlHelpControl(char *buffer);
void ShowAbout(HWND owner);

#endif
