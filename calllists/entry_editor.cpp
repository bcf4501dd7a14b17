#include "entry_editor.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bounded_text.h"
#include "list_dialog.h"
#include "list_entry.h"
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

/* The new entry is cut from "name TAB number" exactly as a line of the file would be. */
void InsertNewEntry(ListDialog *phoneBook)
{
    char line[LIST_TEXT_SIZE];
    snprintf(line, sizeof line, "%s\t%s", entryName, entryNumber);
    PhoneBookEntry *entry = NewPhoneBookEntry();
    if (!entry)
        return;
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = (LPARAM)entry;
    if (!SplitListLine(line, entry) || SendMessageA(phoneBook->list.control, LVM_INSERTITEMA, 0, (LPARAM)&item) < 0)
        FreeListEntry(entry);
}

/* A field the entry lacked gets its block now. */
void StoreField(char **field, const char *text)
{
    if (!*field)
        *field = (char *)calloc(1, LIST_FIELD_SIZE);
    if (*field)
        CopyText(*field, LIST_FIELD_SIZE, text);
}

void UpdateEntry(ListDialog *phoneBook, int index, PhoneBookEntry *entry)
{
    StoreField(&entry->fields[FIELD_NAME], entryName);
    StoreField(&entry->fields[FIELD_NUMBER], entryNumber);
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = (LPARAM)entry;
    SendMessageA(phoneBook->list.control, LVM_SETITEMA, 0, (LPARAM)&item);
    SendMessageA(phoneBook->list.control, LVM_REDRAWITEMS, (WPARAM)index, (LPARAM)index);
}

PhoneBookEntry *SelectedEntry(ListDialog *phoneBook, int *index)
{
    *index = (int)SendMessageA(phoneBook->list.control, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (*index < 0)
        return NULL;
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = *index;
    if (!SendMessageA(phoneBook->list.control, LVM_GETITEMA, 0, (LPARAM)&item))
        return NULL;
    return (PhoneBookEntry *)item.lParam;
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
    PhoneBookEntry *entry = NULL;
    if (isNew) {
        entryName[0] = '\0';
        entryNumber[0] = '\0';
    } else {
        entry = SelectedEntry(phoneBook, &index);
        if (!entry)
            return;
        CopyText(entryName, sizeof entryName, FieldText(entry->fields[FIELD_NAME]));
        CopyText(entryNumber, sizeof entryNumber, FieldText(entry->fields[FIELD_NUMBER]));
    }
    if (DialogBoxParamA(resourceModule, MAKEINTRESOURCEA(IDD_ENTRY_EDITOR), phoneBook->window, EntryEditorProc, 0) != 1)
        return;
    if (isNew)
        InsertNewEntry(phoneBook);
    else
        UpdateEntry(phoneBook, index, entry);
    phoneBook->list.modified = 1;
    SortList(phoneBook);
    UpdateListToolbar(phoneBook);
}
