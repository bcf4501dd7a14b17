#include "run_at_logon.h"

#include <windows.h>
#include <string.h>

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

/* The path without a leading quote and without trailing blanks and quotes. */
const char *CleanPath(char *path)
{
    size_t length = strlen(path);
    if (length < 3)
        return path;
    const char *start = path[0] == '"' ? path + 1 : path;
    while (length > 0 && (path[length - 1] == ' ' || path[length - 1] == '"'))
        path[--length] = '\0';
    return start;
}

}  // namespace

void RegisterRunAtLogon(const char *valueName, int enabled)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, &key) != ERROR_SUCCESS)
        return;
    if (enabled) {
        char path[MAX_PATH + 1] = "";
        GetModuleFileNameA(NULL, path, MAX_PATH);
        const char *program = CleanPath(path);
        RegSetValueExA(key, valueName, 0, REG_SZ, (const BYTE *)program, (DWORD)strlen(program) + 1);
    } else {
        RegDeleteValueA(key, valueName);
    }
    RegCloseKey(key);
}
