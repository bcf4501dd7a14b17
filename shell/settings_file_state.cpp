#include "settings_file_state.h"

#include <windows.h>
#include <string.h>

namespace {

/* File systems keep write times in steps (a clock tick here, 2 s on FAT): two writes within one
   step can leave the same size and time behind. A file younger than this is therefore reread. */
const ULONGLONG kTimeStampStep = 2 * 10000000ULL;  /* 2 s in 100 ns units */

struct FileStamp {
    BOOL found;
    DWORD sizeHigh;
    DWORD sizeLow;
    FILETIME written;
};

FileStamp lastStamp;
char lastPath[MAX_PATH];
unsigned generation = 1;

ULONGLONG Ticks(const FILETIME &time)
{
    return ((ULONGLONG)time.dwHighDateTime << 32) | time.dwLowDateTime;
}

FileStamp StampOf(const char *path)
{
    FileStamp stamp = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        stamp.found = TRUE;
        stamp.sizeHigh = data.nFileSizeHigh;
        stamp.sizeLow = data.nFileSizeLow;
        stamp.written = data.ftLastWriteTime;
    }
    return stamp;
}

bool SameStamp(const FileStamp &a, const FileStamp &b)
{
    return a.found == b.found && a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow &&
           Ticks(a.written) == Ticks(b.written);
}

/* A write time in the future (another machine's clock) counts as recent as well. */
bool WrittenRecently(const FileStamp &stamp)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return stamp.found && Ticks(stamp.written) + kTimeStampStep > Ticks(now);
}

}  // namespace

void ForgetSettingsFileState(void)
{
    if (++generation == 0)
        generation = 1;
}

unsigned SettingsFileGeneration(const char *path)
{
    FileStamp stamp = StampOf(path);
    if (!SameStamp(stamp, lastStamp) || strcmp(path, lastPath) != 0) {
        lastStamp = stamp;
        lstrcpynA(lastPath, path, sizeof lastPath);
        ForgetSettingsFileState();
    }
    return WrittenRecently(stamp) ? 0 : generation;
}
