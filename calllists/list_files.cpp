#include "list_files.h"

#include <stdlib.h>
#include <string.h>

#include "bounded_text.h"
#include "list_text.h"
#include "module_state.h"

namespace {

/* Larger files are not taken into memory: no list of that size is a call list. */
const LONGLONG kLargestListFile = 256LL * 1024 * 1024;
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

ListFileWatcher fileWatcher;

/* The phone book as it was when a lookup last missed, so that the addition that follows at once
   need not read and search it again. */
struct PhoneBookMiss {
    char number[LIST_LINE_SIZE];
    LARGE_INTEGER size;
    FILETIME written;
    bool valid;
} lastMiss;

/* The number comparison of the phone book, as the platform compares texts. */
int PlatformCompare(const char *left, const char *right)
{
    return lstrcmpiA(left, right);
}

HANDLE OpenListFile(const char *path, DWORD access, DWORD disposition)
{
    return CreateFileA(path, access, kShareAll, NULL, disposition, FILE_ATTRIBUTE_NORMAL, NULL);
}

int ReadOpenFile(HANDLE file, char **block, size_t *length)
{
    *block = NULL;
    *length = 0;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return 0;
    if (size.QuadPart == 0)
        return 1;
    if (size.QuadPart > kLargestListFile) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    char *data = (char *)malloc((size_t)size.QuadPart);
    if (!data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    DWORD read = 0;
    if (!ReadFile(file, data, (DWORD)size.QuadPart, &read, NULL)) {
        DWORD error = GetLastError();
        free(data);
        SetLastError(error);
        return 0;
    }
    *block = data;
    *length = read;
    return 1;
}

/* Writes line at the end of the file whole or not at all: a short write is cut off again. */
int AppendWholeLine(HANDLE file, const char *line, size_t length)
{
    LARGE_INTEGER zero = {}, end = {};
    if (!SetFilePointerEx(file, zero, &end, FILE_END))
        return 0;
    DWORD written = 0;
    if (WriteFile(file, line, (DWORD)length, &written, NULL) && written == length)
        return 1;
    SetFilePointerEx(file, end, NULL, FILE_BEGIN);
    SetEndOfFile(file);
    return 0;
}

void TellWatcher(const char *path)
{
    if (fileWatcher)
        fileWatcher(path);
}

bool SameAsLastMiss(HANDLE file, const char *number)
{
    LARGE_INTEGER size;
    FILETIME written;
    return lastMiss.valid && strcmp(lastMiss.number, number) == 0 && GetFileSizeEx(file, &size) &&
           GetFileTime(file, NULL, NULL, &written) && size.QuadPart == lastMiss.size.QuadPart &&
           CompareFileTime(&written, &lastMiss.written) == 0;
}

void RememberMiss(HANDLE file, const char *number)
{
    lastMiss.valid = strlen(number) < sizeof lastMiss.number && GetFileSizeEx(file, &lastMiss.size) &&
                     GetFileTime(file, NULL, NULL, &lastMiss.written);
    if (lastMiss.valid)
        CopyText(lastMiss.number, sizeof lastMiss.number, number);
}

/* The folder part of path, with its last backslash, or "." when it has none. */
void FolderOf(const char *path, char *folder)
{
    CopyText(folder, MAX_PATH, path);
    char *slash = strrchr(folder, '\\');
    if (slash)
        slash[1] = '\0';
    else
        CopyText(folder, MAX_PATH, ".");
}

int WriteFlushed(const char *path, const char *text, size_t length)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    DWORD written = 0;
    int ok = (length == 0 || WriteFile(file, text, (DWORD)length, &written, NULL)) && written == length &&
             FlushFileBuffers(file);
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return ok;
}

}  // namespace

int LookupCallerName(char *name, char *number)
{
    TrimTrailingControls(number);
    lastMiss.valid = false;
    HANDLE file = OpenListFile(phoneBookPath, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    char *block;
    size_t length;
    int found = ReadOpenFile(file, &block, &length) &&
                FindPhoneBookName(block, length, number, name, LIST_LINE_SIZE, PlatformCompare);
    if (!found && block)
        RememberMiss(file, number);
    CloseHandle(file);
    free(block);
    return found;
}

void AddCallerIfNew(const char *name, const char *number)
{
    HANDLE file = OpenListFile(phoneBookPath, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return;
    int found = 0;
    if (!SameAsLastMiss(file, number)) {
        char *block;
        size_t length;
        found = !ReadOpenFile(file, &block, &length) ||
                FindPhoneBookName(block, length, number, NULL, 0, PlatformCompare);
        free(block);
    }
    lastMiss.valid = false;
    int added = 0;
    if (!found) {
        char line[LIST_LINE_SIZE];
        size_t lineLength = FormatPhoneBookLine(line, sizeof line, name, number);
        added = AppendWholeLine(file, line, lineLength);
    }
    CloseHandle(file);
    if (added)
        TellWatcher(phoneBookPath);
}

void AppendCallLogLine(char *record)
{
    HANDLE file = OpenListFile(callLogPath, GENERIC_WRITE, OPEN_ALWAYS);
    if (file != INVALID_HANDLE_VALUE) {
        int added = AppendWholeLine(file, record, strlen(record));
        CloseHandle(file);
        if (added)
            TellWatcher(callLogPath);
    }
    record[0] = '\0';
}

void WatchListFiles(ListFileWatcher watcher)
{
    fileWatcher = watcher;
}

int ReadListFile(const char *path, char **block, size_t *length)
{
    *block = NULL;
    *length = 0;
    HANDLE file = OpenListFile(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    int ok = ReadOpenFile(file, block, length);
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return ok;
}

int ReplaceListFile(const char *path, const char *text, size_t length)
{
    /* A read-only file is one the user keeps from changes, whatever the platform's rename allows. */
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return 0;
    }
    char folder[MAX_PATH], temporary[MAX_PATH];
    FolderOf(path, folder);
    if (!GetTempFileNameA(folder, "moh", 0, temporary))
        return 0;
    int ok = WriteFlushed(temporary, text, length) &&
             MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DWORD error = GetLastError();
        DeleteFileA(temporary);
        SetLastError(error);
    }
    return ok;
}
