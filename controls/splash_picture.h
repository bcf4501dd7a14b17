/* The picture window (class "Logon"): the start-up bitmap with its link, destroyed after the
   configured time or by a click. */
#ifndef SPLASH_PICTURE_H
#define SPLASH_PICTURE_H

#include <windows.h>

extern const char kLogonClass[];

/* 0: the picture is shown alone; otherwise inside its dialog. Read by ShowSplash. */
extern int splashShowButton;

void RegisterLogonClass(void);
/* Creates the picture window and paints it at once; null when the picture is not wanted or
   its file cannot be loaded. */
HWND CreateLogonWindow(DWORD exStyle, HWND owner);

#endif
