#include "host_link.h"

#include "engine_ports_win32.h"
#include "main_window.h"

MOH_REQUEST ModemRequest;

CallEngine &Engine(void)
{
    static CallEngine engine(Win32EnginePorts());
    return engine;
}

extern "C" void WINAPI AlertMOH(DWORD kind, DWORD **data)
{
    if (!data || !*data)
        return;
    DWORD value = **data;
    if (!ModemRequest || !mainWindow || live.disableMoh)
        return;
    Engine().OnHostEvent(kind, value);
}
