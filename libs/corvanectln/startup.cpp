/* Library entry point and start-up entries. */
#include <windows.h>
#include <commctrl.h>

#define CORVANECTLN_BUILD
#include "corvanectln.h"
#include "ctl_internal.h"

HINSTANCE ctlInstance;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        ctlInstance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        /* The class's window procedure goes away with this module. */
        UnregisterLinkClass();
    }
    return TRUE;
}

CTL_API BOOL WINAPI Ctl_Startup(void)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    return RegisterLinkClass() ? TRUE : FALSE;
}

CTL_API DWORD WINAPI Ctl_DialogInit(void)
{
    /* A dialog may make links; make sure their class exists even without Ctl_Startup. */
    RegisterLinkClass();
    return 1;
}
