#include "help_about.h"

#include <stdio.h>

#include "bounded_text.h"
#include "host_link.h"
#include "module_state.h"
#include "settings.h"

namespace {

enum { HH_DISPLAY_TOPIC_COMMAND = 0, HH_HELP_CONTEXT_COMMAND = 15, HTML_HELP_ORDINAL = 14, ABOUT_BOX_ORDINAL = 1,
       HELP_NAME_SIZE = 64, ABOUT_TEXT_SIZE = 256 };

typedef HWND(WINAPI *HtmlHelpEntry)(HWND, LPCSTR, UINT, DWORD_PTR);
typedef void(WINAPI *AboutBoxEntry)(HWND, const char *, const char *, const char *);

const char *const kFamilyTexts[] = {"Family Type HSF", "Family Type HCF", "Family Type ACF"};

HMODULE htmlHelpLibrary;
HtmlHelpEntry htmlHelp;
int htmlHelpFailed;
int aboutBusy;

void BuildHelpPath(char *path, size_t size)
{
    char name[HELP_NAME_SIZE] = "";
    ReadSettingString(SET_HELP_NAME, name, sizeof name);
    if (name[0] == '\0')
        ReadSettingString(SET_TITLE_TXT, name, sizeof name);
    path[0] = '\0';
    GetModuleFileNameA(moduleHandle, path, (DWORD)size);
    char tail[HELP_NAME_SIZE + 8] = "\\";
    AppendText(tail, sizeof tail, name);
    AppendText(tail, sizeof tail, ".CHM");
    ReplaceFileName(path, size, tail);
}

bool LoadHtmlHelp(void)
{
    if (!htmlHelpLibrary) {
        char control[MAX_PATH] = "";
        if (FindHtmlHelpControl(control))
            htmlHelpLibrary = LoadLibraryA(control);
        if (!htmlHelpLibrary)
            htmlHelpLibrary = LoadLibraryA("hhctrl.ocx");
        if (!htmlHelpLibrary) {
            htmlHelpFailed = 1;
            return false;
        }
    }
    if (!htmlHelp) {
        htmlHelp = (HtmlHelpEntry)(void *)GetProcAddress(htmlHelpLibrary, MAKEINTRESOURCEA(HTML_HELP_ORDINAL));
        if (!htmlHelp) {
            htmlHelpFailed = 1;
            return false;
        }
    }
    return true;
}

}  // namespace

int FindHtmlHelpControl(char *buffer)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return 0;
    DWORD size = MAX_PATH - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, NULL, NULL, &type, (BYTE *)buffer, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return 0;
    buffer[size < MAX_PATH ? size : MAX_PATH - 1] = '\0';
    return 1;
}

INT_PTR CallHtmlHelp(HWND window, const char *file, UINT command, DWORD_PTR data)
{
    if (htmlHelpFailed || !LoadHtmlHelp())
        return 0;
    return (INT_PTR)htmlHelp(window, file, command, data);
}

void ShowHelp(HWND owner, int context)
{
    char path[MAX_PATH];
    BuildHelpPath(path, sizeof path);
    if (context == HELP_DEFAULT_TOPIC)
        CallHtmlHelp(owner, path, HH_DISPLAY_TOPIC_COMMAND, 0);
    else
        CallHtmlHelp(owner, path, HH_HELP_CONTEXT_COMMAND, (DWORD_PTR)context);
}

void CloseHelp(void)
{
    HWND help = FindWindowA("HH Parent", NULL);
    if (help)
        PostMessageA(help, WM_CLOSE, 0, 0);
}

void ShowAbout(HWND owner)
{
    if (aboutBusy)
        return;
    aboutBusy = 1;
    char name[ABOUT_TEXT_SIZE] = "", port[ABOUT_TEXT_SIZE] = "", family[ABOUT_TEXT_SIZE] = "";
    HMODULE library = LoadLibraryA("INFOPANE.DLL");
    AboutBoxEntry aboutBox = library ? (AboutBoxEntry)(void *)GetProcAddress(library, MAKEINTRESOURCEA(ABOUT_BOX_ORDINAL)) : NULL;
    if (aboutBox) {
        DWORD value = 0;
        if (ModemRequest(MOH_OP_GET, MOH_DATA_DWORD, MOH_ITEM_COM_PORT, NULL, 0, &value))
            snprintf(port, sizeof port, "COM%d", (int)value);
        value = 0;
        if (ModemRequest(MOH_OP_GET, MOH_DATA_DWORD, MOH_ITEM_FAMILY, NULL, 0, &value) && value <= FAMILY_TYPE_ACF)
            CopyText(family, sizeof family, kFamilyTexts[value]);
        if (ModemRequest(MOH_OP_GET, MOH_DATA_STRING, MOH_ITEM_MODEM_NAME, name, sizeof name, NULL)) {
            name[sizeof name - 1] = '\0';
            aboutBox(owner, name, port, family);
        } else {
            aboutBox(owner, NULL, NULL, NULL);
        }
    }
    if (library)
        FreeLibrary(library);
    aboutBusy = 0;
}
