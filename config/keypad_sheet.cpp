/* The Advanced sheet: six keypad pages on which a short code is typed with twelve keys. The
   codes are not kept anywhere. */
#include "config_pages.h"
#include "config_sheet.h"

#include "mohres.h"
#include "window_placement.h"

namespace {

enum { CODE_LENGTH = 4, KEY_COUNT = 12, PAGE_COUNT = 6 };

const char kKeyCharacters[] = "123456789*0#";

const int kPageTitles[PAGE_COUNT] = {IDS_KEYPAD_PAGE1, IDS_KEYPAD_PAGE2, IDS_KEYPAD_PAGE3,
                                     IDS_KEYPAD_PAGE4, IDS_KEYPAD_PAGE5, IDS_KEYPAD_PAGE6};

BOOL OnInitDialog(HWND page)
{
    CentreWindow(page);
    SendDlgItemMessageA(page, IDC_KEYPAD_CODE, EM_LIMITTEXT, CODE_LENGTH, 0);
    SetDlgItemTextA(page, IDC_KEYPAD_CODE, "");
    return TRUE;
}

void AppendKey(HWND page, int key)
{
    char code[CODE_LENGTH + 2] = "";
    int length = GetDlgItemTextA(page, IDC_KEYPAD_CODE, code, sizeof code);
    if (length >= CODE_LENGTH)
        return;
    code[length] = kKeyCharacters[key - IDC_KEYPAD_FIRST];
    code[length + 1] = '\0';
    SetDlgItemTextA(page, IDC_KEYPAD_CODE, code);
}

/* Keys only while the code has room; the page's OK button, if any, only once there is a code. */
void OnCodeUpdate(HWND page)
{
    int length = GetWindowTextLengthA(GetDlgItem(page, IDC_KEYPAD_CODE));
    for (int key = IDC_KEYPAD_FIRST; key <= IDC_KEYPAD_LAST; ++key)
        EnableWindow(GetDlgItem(page, key), length < CODE_LENGTH);
    if (HWND ok = GetDlgItem(page, IDOK))
        EnableWindow(ok, length > 0);
}

void OnCommand(HWND page, int control, int notification)
{
    if (control == IDC_KEYPAD_CODE && notification == EN_UPDATE)
        OnCodeUpdate(page);
    else if (control >= IDC_KEYPAD_FIRST && control <= IDC_KEYPAD_LAST && notification == BN_CLICKED)
        AppendKey(page, control);
}

BOOL OnNotify(HWND page, const NMHDR *notice)
{
    if (notice->code == (UINT)PSN_APPLY) {
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    }
    return HandlePageHelp(page, WM_NOTIFY, notice);
}

}  // namespace

INT_PTR CALLBACK KeypadPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND: OnCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnNotify(page, (const NMHDR *)lParam);
    case WM_HELP: return HandlePageHelp(page, message, NULL);
    }
    return FALSE;
}

void RunKeypadSheet(HWND owner)
{
    PROPSHEETPAGEA pages[PAGE_COUNT];
    for (int i = 0; i < PAGE_COUNT; ++i)
        pages[i] = MakeConfigPage(IDD_KEYPAD, kPageTitles[i], KeypadPageProc);
    RunConfigSheet(owner, pages, PAGE_COUNT, NULL);
}
