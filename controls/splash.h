/* The start-up picture shown while the library's own loop starts: a bitmap file with a link,
   alone or inside a small dialog whose check box turns the picture off for the future. */
#ifndef SPLASH_H
#define SPLASH_H

#include <windows.h>

/* Registers the picture's window class and shows the picture or the dialog, as the settings
   say; returns at once. parent owns the dialog. */
void ShowSplash(HWND parent);

#endif
