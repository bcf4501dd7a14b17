/* System libraries that only an occasional action needs, loaded at that action's first use: the
   sound player and the file dialogs. Loading them with the library would add their load time to
   every start-up (tens of milliseconds under Wine). Each call behaves as the function it names;
   when the library cannot be loaded it does nothing and returns FALSE. */
#ifndef ON_DEMAND_LIBRARIES_H
#define ON_DEMAND_LIBRARIES_H

#include <windows.h>
#include <commdlg.h>

/* A null sound stops the one playing. */
BOOL PlaySoundOnDemand(const char *sound, DWORD flags);
BOOL GetOpenFileNameOnDemand(OPENFILENAMEA *dialog);
BOOL GetSaveFileNameOnDemand(OPENFILENAMEA *dialog);

/* At unload: gives back the libraries loaded so far. */
void FreeOnDemandLibraries(void);

#endif
