/* The Sounds page: the ring sound of a waiting call, sounds on or off, the start-up picture, and
   the Advanced sheet. */
#include "config_pages.h"
#include "config_sheet.h"

#include <commdlg.h>

#include "bitmap_buttons.h"
#include "main_window.h"
#include "module_state.h"
#include "on_demand_libraries.h"
#include "mohres.h"
#include "settings.h"

namespace {

enum { PATH_SIZE = 260, FILTER_SIZE = 64 };

const int kFileControls[] = {IDC_BROWSE_SOUND, IDC_RING_FILE, IDC_PLAY_SOUND};
const int kUnusedControls[] = {IDCMD_PHONEBOOK, IDC_SOUNDS_SPARE_TEXT, IDC_SOUNDS_SPARE_BUTTON};

int Checked(HWND page, int control)
{
    return IsDlgButtonChecked(page, control) == BST_CHECKED ? 1 : 0;
}

void EnableFileControls(HWND page)
{
    BOOL enable = Checked(page, IDC_SOUNDS_ENABLE);
    for (int control : kFileControls)
        EnableWindow(GetDlgItem(page, control), enable);
}

BOOL OnInitDialog(HWND page)
{
    SetupPageButtons(page);
    char path[PATH_SIZE] = "";
    ReadSettingString(SET_SOUND_RING, path, sizeof path);
    SendDlgItemMessageA(page, IDC_RING_FILE, EM_LIMITTEXT, PATH_SIZE - 1, 0);
    SetDlgItemTextA(page, IDC_RING_FILE, path);
    live.soundsEnable = ReadSettingInt(SET_SOUNDS_ENABLE);
    CheckDlgButton(page, IDC_SOUNDS_ENABLE, live.soundsEnable ? BST_CHECKED : BST_UNCHECKED);
    EnableFileControls(page);
    CheckDlgButton(page, IDC_LOGON_DISPLAY, ReadSettingInt(SET_LOGON_DISPLAY) ? BST_CHECKED : BST_UNCHECKED);
    if (ReadSettingInt(SET_SHOW_ADVANCED) == 0)
        ShowWindow(GetDlgItem(page, IDC_ADVANCED), SW_HIDE);
    for (int control : kUnusedControls)
        ShowWindow(GetDlgItem(page, control), SW_HIDE);
    return TRUE;
}

/* The filter string names its own separator: its last character, which becomes NUL everywhere. */
void BrowseForSound(HWND page)
{
    char filter[FILTER_SIZE + 1] = "";
    int length = LoadStringA(resourceModule, IDS_SOUND_FILTER, filter, FILTER_SIZE);
    if (length > 0) {
        char separator = filter[length - 1];
        for (int i = 0; i < length; ++i)
            if (filter[i] == separator)
                filter[i] = '\0';
    }
    char path[PATH_SIZE] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = page;
    dialog.lpstrFilter = length > 0 ? filter : NULL;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (GetOpenFileNameOnDemand(&dialog))
        SetDlgItemTextA(page, IDC_RING_FILE, path);
}

/* Synchronous and without flags, so the text may name a sound alias as well as a file. */
void PlayRing(HWND page)
{
    char path[PATH_SIZE] = "";
    GetDlgItemTextA(page, IDC_RING_FILE, path, sizeof path);
    PlaySoundOnDemand(path, 0);
}

void OnCommand(HWND page, int control, int notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (control) {
    case IDC_SOUNDS_ENABLE: EnableFileControls(page); break;
    case IDC_BROWSE_SOUND: BrowseForSound(page); break;
    case IDC_PLAY_SOUND: PlayRing(page); break;
    case IDC_ADVANCED: RunKeypadSheet(page); break;
    }
}

void OnApply(HWND page)
{
    char path[PATH_SIZE] = "";
    GetDlgItemTextA(page, IDC_RING_FILE, path, sizeof path);
    WriteSettingString(SET_SOUND_RING, path);
    live.soundsEnable = Checked(page, IDC_SOUNDS_ENABLE);
    WriteSettingBool(SET_SOUNDS_ENABLE, live.soundsEnable);
    WriteSettingBool(SET_LOGON_DISPLAY, Checked(page, IDC_LOGON_DISPLAY));
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
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

INT_PTR CALLBACK SoundsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: OnCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnNotify(page, (const NMHDR *)lParam);
    case WM_HELP: return HandlePageHelp(page, message, NULL);
    case WM_DRAWITEM: DrawTableButton(page, (const DRAWITEMSTRUCT *)lParam); return TRUE;
    case WM_DESTROY: FreePageButtons(page); return FALSE;
    }
    return FALSE;
}
