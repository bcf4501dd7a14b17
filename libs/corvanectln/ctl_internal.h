/* State and helpers shared by the parts of corvanectln.dll. */
#ifndef CTL_INTERNAL_H
#define CTL_INTERNAL_H

#include <windows.h>

extern HINSTANCE ctlInstance;   /* corvanectln.dll itself, owner of the link class */

/* Registers the link window class under ctlInstance; true when it is registered afterwards. */
bool RegisterLinkClass();
void UnregisterLinkClass();

#endif
