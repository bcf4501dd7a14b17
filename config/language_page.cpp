/* The Language page: the user-interface languages whose locales are installed, in an owner-drawn
   list; choosing another one rebuilds the main window in it. */
#include "config_pages.h"
#include "config_sheet.h"

#include <stdio.h>
#include <string.h>

#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "settings.h"

namespace {

enum { NAME_SIZE = 256, LOCALE_KEY_SIZE = 16, TEXT_INDENT = 4 };

struct LanguageEntry {
    DWORD id;  /* locale identifier; 0 is the system's default language */
    char name[NAME_SIZE];
};

/* Offered in this order; 0 first. */
const DWORD kCandidates[] = {0,    1033, 1036, 1040, 1034, 1041, 1031, 12289, 2052, 1028,
                             1029, 1043, 1035, 1032, 1042, 1044, 1045, 2070,  1046, 1049,
                             1037, 1038, 1051, 1060, 1053, 1054, 1055, 1030};
const int kCandidateCount = sizeof kCandidates / sizeof kCandidates[0];

/* Refilled from the start each time the page initialises; one slot per candidate. */
LanguageEntry languageEntries[kCandidateCount];
int languageCount;

/* The locale sought by the enumeration callback, and whether it was found. */
char wantedLocale[LOCALE_KEY_SIZE];
int localeFound;

BOOL CALLBACK MatchLocale(LPSTR locale)
{
    if (lstrcmpiA(locale, wantedLocale) != 0)
        return TRUE;
    localeFound = 1;
    return FALSE;
}

bool LocaleInstalled(DWORD id)
{
    snprintf(wantedLocale, sizeof wantedLocale, "%8.8lx", (unsigned long)id);
    localeFound = 0;
    EnumSystemLocalesA(MatchLocale, LCID_INSTALLED);
    return localeFound != 0;
}

/* Fills entry for the candidate; false when its locale is not installed. */
bool FillEntry(LanguageEntry *entry, DWORD id)
{
    entry->id = id;
    entry->name[0] = '\0';
    if (id == 0) {
        LoadStringA(resourceModule, IDS_DEFAULT_LANGUAGE, entry->name, NAME_SIZE);
        return true;
    }
    if (!LocaleInstalled(id))
        return false;
    GetLocaleInfoA(LOWORD(id), LOCALE_SLANGUAGE, entry->name, NAME_SIZE);
    return true;
}

BOOL OnInitDialog(HWND page)
{
    int stored = ReadSettingInt(SET_LANGUAGE);
    languageCount = 0;
    HWND list = GetDlgItem(page, IDC_LANGUAGE_LIST);
    for (DWORD id : kCandidates) {
        LanguageEntry *entry = &languageEntries[languageCount];
        if (!FillEntry(entry, id))
            continue;
        LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)entry);
        if (id == LOWORD(stored))
            SendMessageA(list, CB_SETCURSEL, (WPARAM)index, 0);
        ++languageCount;
    }
    return TRUE;
}

/* The default entry first, then the names byte by byte. */
int CompareEntries(const LanguageEntry *first, const LanguageEntry *second)
{
    if (!first || !second)
        return 0;
    if (first->id == 0 || second->id == 0)
        return first->id == second->id ? 0 : (first->id == 0 ? -1 : 1);
    int order = strcmp(first->name, second->name);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

/* The list's sort order; the dialog manager hands the result back as it stands. */
INT_PTR OnCompareItem(const COMPAREITEMSTRUCT *compare)
{
    return CompareEntries((const LanguageEntry *)compare->itemData1, (const LanguageEntry *)compare->itemData2);
}

void DrawEntry(const DRAWITEMSTRUCT *item)
{
    const LanguageEntry *entry = (const LanguageEntry *)item->itemData;
    HDC dc = item->hDC;
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    int previousMode = SetBkMode(dc, TRANSPARENT);
    COLORREF previousBackground = GetBkColor(dc);
    FillRect(dc, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (entry) {
        SIZE extent = {};
        int length = lstrlenA(entry->name);
        GetTextExtentPoint32A(dc, entry->name, length, &extent);
        int top = item->rcItem.top + (item->rcItem.bottom - item->rcItem.top - extent.cy) / 2;
        TextOutA(dc, TEXT_INDENT, top, entry->name, length);
    }
    SetBkMode(dc, previousMode);
    SetBkColor(dc, previousBackground);
}

BOOL OnDrawItem(const DRAWITEMSTRUCT *item)
{
    if (item->itemID == (UINT)-1)
        return TRUE;
    if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        DrawEntry(item);
    else if (item->itemAction & ODA_FOCUS)
        DrawFocusRect(item->hDC, &item->rcItem);
    return TRUE;
}

/* A new language takes effect by rebuilding the main window from the new resource module. */
void OnApply(HWND page)
{
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
    LRESULT index = SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    const LanguageEntry *entry =
        (const LanguageEntry *)SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETITEMDATA, (WPARAM)index, 0);
    if (!entry || entry == (const LanguageEntry *)CB_ERR)
        return;
    int previous = ReadSettingInt(SET_LANGUAGE);
    WriteSettingInt(SET_LANGUAGE, (int)entry->id);
    if ((int)entry->id == previous)
        return;
    restartFlag = 1;
    if (IsWindow(mainWindow))
        PostMessageA(mainWindow, WM_COMMAND, IDCMD_EXIT, 0);
}

BOOL OnNotify(HWND page, const NMHDR *notice)
{
    if (notice->code == (UINT)PSN_APPLY) {
        OnApply(page);
        return TRUE;
    }
    return HandlePageHelp(page, WM_NOTIFY, notice);
}

}  // namespace

INT_PTR CALLBACK LanguagePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_NOTIFY: return OnNotify(page, (const NMHDR *)lParam);
    case WM_HELP: return HandlePageHelp(page, message, NULL);
    case WM_DRAWITEM: return OnDrawItem((const DRAWITEMSTRUCT *)lParam);
    case WM_COMPAREITEM: return OnCompareItem((const COMPAREITEMSTRUCT *)lParam);
    }
    return FALSE;
}
