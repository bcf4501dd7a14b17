/* The host-facing entries. The window, the engine and the configuration sheet fill these in. */
#include "moh.h"

MOH_REQUEST ModemRequest;

extern "C" HWND WINAPI CreateMOH(HWND, int, MOH_REQUEST request)
{
    ModemRequest = request;
    return NULL;
}

extern "C" int WINAPI ConfigMOH(HWND)
{
    return 0;
}

extern "C" void WINAPI AlertMOH(DWORD, DWORD **data)
{
    (void)**data;
}
