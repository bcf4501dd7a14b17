/* Process-wide state of the library shell, set at load and read by every subsystem. */
#ifndef MODULE_STATE_H
#define MODULE_STATE_H

#include <windows.h>

extern HINSTANCE moduleHandle;      /* moh.dll itself */
extern HINSTANCE resourceModule;    /* mohrc.dll, or moduleHandle when it could not be loaded */
extern char settingsPath[MAX_PATH];
extern char phoneBookPath[MAX_PATH];
extern char callLogPath[MAX_PATH];

#endif
