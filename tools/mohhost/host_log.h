/* The host's log: every event, request and scenario step, one line each, stamped with the host's
   clock, written to the --log file and shown by the control panel. */
#ifndef HOST_LOG_H
#define HOST_LOG_H

#include <string>

/* An empty path logs to no file. */
bool OpenHostLog(const std::string &path);
void CloseHostLog(void);
void HostLog(const char *format, ...) __attribute__((format(printf, 1, 2)));

/* Seconds shown at the start of each line. */
typedef double (*LogClock)(void);
void SetLogClock(LogClock clock);

/* Also receives each line, without its time stamp. */
typedef void (*LogListener)(const char *line);
void SetLogListener(LogListener listener);

#endif
