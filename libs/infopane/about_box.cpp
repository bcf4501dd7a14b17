/* The about box: product, version, copyright and a short text from the infopane.ini beside
   this library, and the modem the caller names. Modal: the entry returns once it is closed. */
#include <windows.h>

#include "infopane_res.h"

namespace {

enum { TEXT_SIZE = 256 };

struct AboutTexts {
    const char *modem;
    const char *port;
    const char *family;
};

HINSTANCE infopaneInstance;

/* infopane.ini in this library's own folder. */
void IniPath(char *path, DWORD size)
{
    path[0] = '\0';
    DWORD length = GetModuleFileNameA(infopaneInstance, path, size);
    if (length == 0 || length >= size) {
        path[0] = '\0';
        return;
    }
    char *slash = path + length;
    while (slash > path && *slash != '\\')
        --slash;
    const char name[] = "\\infopane.ini";
    if ((DWORD)(slash - path) + sizeof name > size) {
        path[0] = '\0';
        return;
    }
    lstrcpyA(slash, name);
}

void SetFromIni(HWND dialog, int control, const char *ini, const char *key, const char *fallback)
{
    char text[TEXT_SIZE];
    GetPrivateProfileStringA("About", key, fallback, text, sizeof text, ini);
    SetDlgItemTextA(dialog, control, text);
}

/* A missing or empty modem text shows the "not available" text. */
void SetModemText(HWND dialog, int control, const char *value, const char *notAvailable)
{
    SetDlgItemTextA(dialog, control, value && value[0] ? value : notAvailable);
}

BOOL OnInitDialog(HWND dialog, const AboutTexts *texts)
{
    char ini[MAX_PATH];
    IniPath(ini, sizeof ini);
    char title[TEXT_SIZE];
    GetPrivateProfileStringA("About", "Title", "About", title, sizeof title, ini);
    SetWindowTextA(dialog, title);
    SetFromIni(dialog, IDC_ABOUT_PRODUCT, ini, "Product", "");
    SetFromIni(dialog, IDC_ABOUT_VERSION, ini, "Version", "");
    SetFromIni(dialog, IDC_ABOUT_COPYRIGHT, ini, "Copyright", "");
    SetFromIni(dialog, IDC_ABOUT_TEXT, ini, "Text", "");
    SetFromIni(dialog, IDC_ABOUT_MODEM_LABEL, ini, "ModemLabel", "Modem:");
    SetFromIni(dialog, IDC_ABOUT_PORT_LABEL, ini, "PortLabel", "Port:");
    SetFromIni(dialog, IDC_ABOUT_FAMILY_LABEL, ini, "FamilyLabel", "Family:");
    char notAvailable[TEXT_SIZE];
    GetPrivateProfileStringA("About", "NotAvailable", "not available", notAvailable, sizeof notAvailable, ini);
    SetModemText(dialog, IDC_ABOUT_MODEM, texts->modem, notAvailable);
    SetModemText(dialog, IDC_ABOUT_PORT, texts->port, notAvailable);
    SetModemText(dialog, IDC_ABOUT_FAMILY, texts->family, notAvailable);
    return TRUE;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, (const AboutTexts *)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

extern "C" __declspec(dllexport) void WINAPI AboutBox(HWND owner, const char *modem, const char *port, const char *family)
{
    AboutTexts texts = {modem, port, family};
    DialogBoxParamA(infopaneInstance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDlgProc, (LPARAM)&texts);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        infopaneInstance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
