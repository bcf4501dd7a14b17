/* The link to the host: its request function and the event entry. */
#ifndef HOST_LINK_H
#define HOST_LINK_H

#include "moh.h"

extern MOH_REQUEST ModemRequest;

/* Traces name when the value has one, else the value as a number. */
void TraceNameOrNumber(const char *format, const char *name, DWORD value);

#endif
