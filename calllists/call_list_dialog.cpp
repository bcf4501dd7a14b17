#include "call_list_dialog.h"

INT_PTR CALLBACK CallListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
