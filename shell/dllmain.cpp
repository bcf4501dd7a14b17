/* The library's entry point: load-time start-up and unload clean-up. */
#include <windows.h>

#include "module_state.h"
#include "on_demand_libraries.h"
#include "startup.h"
#include "trace.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        moduleHandle = instance;
        ModuleStartup();
        TraceToWindow(&windowTrace, "Version " __DATE__ " " __TIME__);
    } else if (reason == DLL_PROCESS_DETACH) {
        if (resourceModule && resourceModule != moduleHandle)
            FreeLibrary(resourceModule);
        FreeOnDemandLibraries();
    }
    return TRUE;
}
