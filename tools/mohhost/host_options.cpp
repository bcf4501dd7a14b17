#include "host_options.h"

#include <stdlib.h>
#include <string.h>

const char kHostUsage[] =
    "usage: mohhost [--scenario FILE] [--speed N] [--screenshots DIR] [--log FILE] [--trace DIR]\n"
    "               [--own-loop | --host-loop] [--keep-settings]\n"
    "  --scenario FILE     run a scenario file instead of opening the control panel\n"
    "  --speed N           scenario seconds per real second (default 1; 0: as fast as possible)\n"
    "  --screenshots DIR   write a PNG of the status window at each \"shot\" step\n"
    "  --log FILE          write every event and request, one per line\n"
    "  --trace DIR         write the library's window trace (window-trace.txt) and file trace (MoHlog.txt)\n"
    "  --own-loop          CreateMOH runs the message loop (default)\n"
    "  --host-loop         CreateMOH returns and the host's loop serves the window\n"
    "  --keep-settings     run a scenario on the user's product folder as it is (by default a scenario\n"
    "                      empties it first and starts from the default settings)\n";

namespace {

const double kMaxSpeed = 1000.0;

bool ParseSpeed(const char *text, double *speed)
{
    char *end = nullptr;
    double value = strtod(text, &end);
    if (end == text || *end != '\0' || !(value >= 0.0 && value <= kMaxSpeed))
        return false;
    *speed = value;
    return true;
}

/* The option's value, the next argument; false when there is none. */
bool TakeValue(int argc, const char *const *argv, int *index, std::string *value, std::string *error)
{
    if (*index + 1 >= argc || argv[*index + 1][0] == '\0') {
        *error = std::string(argv[*index]) + " needs a value";
        return false;
    }
    *value = argv[++*index];
    return true;
}

}  // namespace

bool ParseHostOptions(int argc, const char *const *argv, HostOptions *options, std::string *error)
{
    bool loopChosen = false;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        std::string value;
        if (strcmp(arg, "--scenario") == 0) {
            if (!TakeValue(argc, argv, &i, &options->scenarioFile, error))
                return false;
        } else if (strcmp(arg, "--speed") == 0) {
            if (!TakeValue(argc, argv, &i, &value, error))
                return false;
            if (!ParseSpeed(value.c_str(), &options->speed)) {
                *error = "--speed expects a number from 0 to 1000, got \"" + value + "\"";
                return false;
            }
        } else if (strcmp(arg, "--screenshots") == 0) {
            if (!TakeValue(argc, argv, &i, &options->screenshotDir, error))
                return false;
        } else if (strcmp(arg, "--log") == 0) {
            if (!TakeValue(argc, argv, &i, &options->logFile, error))
                return false;
        } else if (strcmp(arg, "--trace") == 0) {
            if (!TakeValue(argc, argv, &i, &options->traceDir, error))
                return false;
        } else if (strcmp(arg, "--own-loop") == 0 || strcmp(arg, "--host-loop") == 0) {
            bool own = strcmp(arg, "--own-loop") == 0;
            if (loopChosen && own != options->ownLoop) {
                *error = "choose one of --own-loop and --host-loop";
                return false;
            }
            loopChosen = true;
            options->ownLoop = own;
        } else if (strcmp(arg, "--keep-settings") == 0) {
            options->freshProductFolder = false;
        } else if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0) {
            options->help = true;
        } else {
            *error = std::string("unknown option \"") + arg + "\"";
            return false;
        }
    }
    if (options->scenarioFile.empty())
        options->freshProductFolder = false;
    return true;
}
