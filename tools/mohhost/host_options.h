/* The development host's command line. Free of any platform header, so it is tested natively. */
#ifndef HOST_OPTIONS_H
#define HOST_OPTIONS_H

#include <string>

struct HostOptions {
    std::string scenarioFile;    /* empty: open the control panel */
    double speed = 1.0;          /* scenario time per real second; 0 runs as fast as possible */
    std::string screenshotDir;   /* PNG of the status window at each "shot" */
    std::string logFile;         /* every event and request, one per line */
    std::string traceDir;        /* the library's window and file trace, copied out at the end */
    bool ownLoop = true;         /* CreateMOH runs the message loop itself */
    bool freshProductFolder = true;  /* only with a scenario */
    bool help = false;
};

/* Parses argv[1..argc-1]. On a bad option returns false and sets error to what was expected. */
bool ParseHostOptions(int argc, const char *const *argv, HostOptions *options, std::string *error);

extern const char kHostUsage[];

#endif
