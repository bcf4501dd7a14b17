#include "host_log.h"

#include <stdarg.h>
#include <stdio.h>

namespace {

FILE *logFile;
LogClock logClock;
LogListener logListener;

}  // namespace

bool OpenHostLog(const std::string &path)
{
    if (path.empty())
        return true;
    logFile = fopen(path.c_str(), "w");
    return logFile != nullptr;
}

void CloseHostLog(void)
{
    if (logFile)
        fclose(logFile);
    logFile = nullptr;
}

void SetLogClock(LogClock clock)
{
    logClock = clock;
}

void SetLogListener(LogListener listener)
{
    logListener = listener;
}

void HostLog(const char *format, ...)
{
    char line[1200];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (logFile) {
        fprintf(logFile, "%9.3f %s\n", logClock ? logClock() : 0.0, line);
        fflush(logFile);
    }
    if (logListener)
        logListener(line);
}
