/* The numbers of the host contract (operations, items, events, states) without the platform
   types of the exports, for the call engine. */
#ifndef HOST_CODES_H
#define HOST_CODES_H

#define MOH_CONSTANTS_ONLY
#include "moh.h"
#undef MOH_CONSTANTS_ONLY

#endif
