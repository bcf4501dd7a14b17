/* The link to the host and the call engine's place in the library: the host's request
   function and the engine the window and the event entry drive. */
#ifndef HOST_LINK_H
#define HOST_LINK_H

#include "call_engine.h"
#include "moh.h"

extern MOH_REQUEST ModemRequest;

/* The library's one call engine, wired to the status window, its timers and files. */
CallEngine &Engine(void);

#endif
