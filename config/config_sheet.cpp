/* ConfigMOH: the configuration sheet of General, Sounds and, when a language is chosen, Language
   pages. Only one sheet at a time. */
#include "config_sheet.h"

#include "config_pages.h"
#include "help_about.h"
#include "module_state.h"
#include "moh.h"
#include "mohres.h"
#include "settings.h"

namespace {

enum { CONTEXT_HELP_STYLE = 0x2000, EXTENDED_STYLE_OFFSET = 12, MAX_PAGES = 3 };

int sheetOpen;

/* The sheet offers no "?" caption button: the pages have Help buttons instead. */
int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message != PSCB_PRECREATE || !lParam)
        return 0;
    WORD *words = (WORD *)lParam;
    BYTE *styleAt = (BYTE *)lParam + (words[1] == 0xFFFF ? EXTENDED_STYLE_OFFSET : 0);
    DWORD style;
    CopyMemory(&style, styleAt, sizeof style);
    style &= ~(DWORD)CONTEXT_HELP_STYLE;
    CopyMemory(styleAt, &style, sizeof style);
    return 0;
}

}  // namespace

PROPSHEETPAGEA MakeConfigPage(int templateId, int titleId, DLGPROC procedure)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | PSP_HASHELP;
    page.hInstance = resourceModule;
    page.pszTemplate = MAKEINTRESOURCEA(templateId);
    page.pszTitle = MAKEINTRESOURCEA(titleId);
    page.pfnDlgProc = procedure;
    return page;
}

int RunConfigSheet(HWND parent, PROPSHEETPAGEA *pages, int count, PFNPROPSHEETCALLBACK callback)
{
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | (callback ? PSH_USECALLBACK : 0);
    sheet.hwndParent = parent;
    sheet.hInstance = resourceModule;
    sheet.pszCaption = MAKEINTRESOURCEA(IDS_CONFIG_CAPTION);
    sheet.nPages = (UINT)count;
    sheet.nStartPage = 0;
    sheet.ppsp = pages;
    sheet.pfnCallback = callback;
    return (int)PropertySheetA(&sheet);
}

BOOL HandlePageHelp(HWND page, UINT message, const NMHDR *notice)
{
    if (message == WM_HELP || (message == WM_NOTIFY && notice && notice->code == (UINT)PSN_HELP)) {
        ShowHelp(page, HELP_CONFIGURATION);
        return TRUE;
    }
    return FALSE;
}

extern "C" int WINAPI ConfigMOH(HWND parent)
{
    if (sheetOpen)
        return 0;
    PROPSHEETPAGEA pages[MAX_PAGES] = {
        MakeConfigPage(IDD_CONFIG_GENERAL, IDS_CONFIG_GENERAL, GeneralPageProc),
        MakeConfigPage(IDD_CONFIG_SOUNDS, IDS_CONFIG_SOUNDS, SoundsPageProc),
        MakeConfigPage(IDD_CONFIG_LANGUAGE, IDS_CONFIG_LANGUAGE, LanguagePageProc),
    };
    int count = ReadSettingInt(SET_LANGUAGE) != -1 ? 3 : 2;
    sheetOpen = 1;
    int result = RunConfigSheet(parent, pages, count, SheetCallback);
    sheetOpen = 0;
    return result;
}
