/* The call engine's ports on Windows: the host's request function, the status window and its
   timers, the settings file, the local clock, the call-list files and the trace channels. */
#ifndef ENGINE_PORTS_WIN32_H
#define ENGINE_PORTS_WIN32_H

#include "engine_ports.h"

const EnginePorts &Win32EnginePorts(void);

#endif
