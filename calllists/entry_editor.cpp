#include "entry_editor.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "bounded_text.h"
#include "list_dialog.h"
#include "module_state.h"
#include "mohres.h"
#include "window_placement.h"

namespace {

enum { ENTRY_TEXT_SIZE = 64, EDIT_LIMIT = 100 };

/* The one entry that travels into the editor and back out, kept for the life of the module. */
char entryName[ENTRY_TEXT_SIZE];
char entryNumber[ENTRY_TEXT_SIZE];

void UpdateOkButton(HWND dialog)
{
    char name[ENTRY_TEXT_SIZE] = "";
    char number[ENTRY_TEXT_SIZE] = "";
    GetDlgItemTextA(dialog, IDC_ENTRY_NAME, name, sizeof name);
    GetDlgItemTextA(dialog, IDC_ENTRY_NUMBER, number, sizeof number);
    EnableWindow(GetDlgItem(dialog, IDOK), name[0] != '\0' && number[0] != '\0');
}

void OnInitDialog(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_ENTRY_NAME, entryName);
    SetDlgItemTextA(dialog, IDC_ENTRY_NUMBER, entryNumber);
    SendDlgItemMessageA(dialog, IDC_ENTRY_NAME, EM_LIMITTEXT, EDIT_LIMIT, 0);
    SendDlgItemMessageA(dialog, IDC_ENTRY_NUMBER, EM_LIMITTEXT, EDIT_LIMIT, 0);
    UpdateOkButton(dialog);
    CentreWindow(dialog);
}

void OnCommand(HWND dialog, int id, int notification)
{
    switch (id) {
    case IDOK:
        GetDlgItemTextA(dialog, IDC_ENTRY_NAME, entryName, sizeof entryName);
        GetDlgItemTextA(dialog, IDC_ENTRY_NUMBER, entryNumber, sizeof entryNumber);
        EndDialog(dialog, 1);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_ENTRY_NAME:
    case IDC_ENTRY_NUMBER:
        if (notification == EN_UPDATE)
            UpdateOkButton(dialog);
        break;
    }
}

}  // namespace

INT_PTR CALLBACK EntryEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void EditPhoneBookEntry(ListDialog *phoneBook, int isNew)
{
    int index = -1;
    if (isNew) {
        entryName[0] = '\0';
        entryNumber[0] = '\0';
    } else {
        index = ListView_GetNextItem(phoneBook->list, -1, LVNI_SELECTED);
        EntryTexts texts;
        if (!ListItemFields(phoneBook, index, &texts))
            return;
        CopyText(entryName, sizeof entryName, texts.text[FIELD_NAME]);
        CopyText(entryNumber, sizeof entryNumber, texts.text[FIELD_NUMBER]);
    }
    if (DialogBoxParamA(resourceModule, MAKEINTRESOURCEA(IDD_ENTRY_EDITOR), phoneBook->window, EntryEditorProc, 0) != 1)
        return;
    /* The entry becomes the line "name TAB number", cut into fields as a line of the file is. */
    char line[LIST_TEXT_SIZE];
    snprintf(line, sizeof line, "%s\t%s", entryName, entryNumber);
    MarkListSelection(phoneBook);
    if (isNew)
        AddListLine(&phoneBook->rows, line, strlen(line));
    else
        ReplaceListLine(&phoneBook->rows, (size_t)index, line, strlen(line));
    phoneBook->modified = 1;
    SortListRows(&phoneBook->rows);
    ShowListRows(phoneBook);
}
