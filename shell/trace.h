/* The diagnostic trace: a window channel (a running "Dbs" viewer's list box 120) and a file
   channel (MoHlog.txt in the product folder, used only when it already exists). */
#ifndef TRACE_H
#define TRACE_H

#include <windows.h>

struct TraceWindowChannel {
    HWND viewer;
    HWND list;
    TraceWindowChannel();   /* looks for the viewer once, when the library is loaded */
};

struct TraceFileChannel {
    HFILE file;             /* 0 while closed, HFILE_ERROR after a failed re-creation */
};

extern TraceWindowChannel windowTrace;
extern TraceFileChannel fileTrace;

void TraceToWindow(TraceWindowChannel *channel, const char *format, ...);
void TraceToFile(TraceFileChannel *channel, const char *format, ...);
void OpenTraceFile(TraceFileChannel *channel);
void CloseTraceFile(TraceFileChannel *channel);

/* Fills path (MAX_PATH) with "<local app data>\Corvane Software\Pellora", creating both folders. */
void GetProductFolder(char *path);

#endif
