/* The host's side of the library's contract: loading the library from the host's own folder, the
   request function handed to CreateMOH (answered by the modem model), and the delivery of the
   modem's reports through AlertMOH on the status window's thread. */
#ifndef LIBRARY_LINK_H
#define LIBRARY_LINK_H

#include <windows.h>

#include <string>
#include <vector>

#include "host_clock.h"
#include "modem_model.h"

struct RecordedRequest {
    DWORD op;
    DWORD dataKind;
    DWORD item;
    bool hasValue;
    DWORD value;        /* what the library passed in */
    std::string text;   /* FormatRequest's text */
};

extern ModemModel modem;
/* Every request the library made, in order. */
extern std::vector<RecordedRequest> requests;

/* Loads file (moh.dll, or mohdev.dll to lend it clock). */
bool LoadMohLibrary(const char *file, const HostClock *clock, std::string *error);
void UnloadMohLibrary(void);

/* CreateMOH(NULL, loopFlag, the host's request function). With a non-zero loopFlag it returns
   when the status window is gone. The calling thread becomes the only one events go out on. */
HWND CreateMoh(int loopFlag);
int ConfigMoh(HWND parent);

/* Hands the modem's oldest report to AlertMOH. False when none waits. */
bool DeliverNextReport(void);

#endif
