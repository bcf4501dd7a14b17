/* The configuration sheet's entry. */
#include "moh.h"

extern "C" int WINAPI ConfigMOH(HWND)
{
    return 0;
}
