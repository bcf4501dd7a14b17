/* The pages of the configuration sheet and of the Sounds page's Advanced sheet. */
#ifndef CONFIG_PAGES_H
#define CONFIG_PAGES_H

#include <windows.h>

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SoundsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LanguagePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK KeypadPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

/* Shows the Advanced sheet of six keypad pages, modal to owner. */
void RunKeypadSheet(HWND owner);

#endif
