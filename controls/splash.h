/* The start-up picture shown while the library's own loop starts. */
#ifndef SPLASH_H
#define SPLASH_H

#include <windows.h>

void ShowSplash(HWND parent);

#endif
