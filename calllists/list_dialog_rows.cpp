/* The list control of a list dialog as a window onto its rows: an owner-data list view that
   holds only the count and the selection, which is kept with its entries when they move. */
#include "list_dialog.h"

#include <string.h>

#include "mohres.h"

namespace {

const UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

void SetItemState(HWND list, int index, UINT state)
{
    ListView_SetItemState(list, index, state, kSelectedAndFocused);
}

}  // namespace

int ListItemCount(const ListDialog *dialog)
{
    return (int)dialog->rows.entries.size();
}

char *const *ListItemFields(const ListDialog *dialog, int index, EntryTexts *texts)
{
    if (index < 0 || !GetEntryTexts(&dialog->rows, (size_t)index, texts))
        return NULL;
    return texts->fields;
}

void MarkListSelection(ListDialog *dialog)
{
    for (ListEntry &entry : dialog->rows.entries)
        entry.marks &= (uint8_t)~(ENTRY_SELECTED | ENTRY_FOCUSED);
    int count = ListItemCount(dialog);
    int focused = ListView_GetNextItem(dialog->list, -1, LVNI_FOCUSED);
    /* Item by item: stopping at the last selected one spares a walk through the rest of a long
       list, which clearing all at once would take. */
    for (int left = (int)SendMessageA(dialog->list, LVM_GETSELECTEDCOUNT, 0, 0); left > 0; --left) {
        int index = ListView_GetNextItem(dialog->list, -1, LVNI_SELECTED);
        if (index < 0 || index >= count)
            break;
        dialog->rows.entries[(size_t)index].marks |= ENTRY_SELECTED;
        SetItemState(dialog->list, index, 0);
    }
    if (focused >= 0 && focused < count) {
        dialog->rows.entries[(size_t)focused].marks |= ENTRY_FOCUSED;
        SetItemState(dialog->list, focused, 0);
    }
}

/* The entries keep their marks; the list control has none selected when this starts. */
void ShowListRows(ListDialog *dialog)
{
    HWND list = dialog->list;
    SendMessageA(list, LVM_SETITEMCOUNT, (WPARAM)ListItemCount(dialog), 0);
    int index = 0;
    for (const ListEntry &entry : dialog->rows.entries) {
        UINT state = (entry.marks & ENTRY_SELECTED ? LVIS_SELECTED : 0) | (entry.marks & ENTRY_FOCUSED ? LVIS_FOCUSED : 0);
        if (state)
            SetItemState(list, index, state);
        ++index;
    }
    InvalidateRect(list, NULL, TRUE);
    UpdateListToolbar(dialog);
}

void SortList(ListDialog *dialog)
{
    MarkListSelection(dialog);
    SortListRows(&dialog->rows);
    ShowListRows(dialog);
}

void UseOwnerDataList(ListDialog *dialog)
{
    HWND old = GetDlgItem(dialog->window, IDC_CALL_LIST);
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(NULL, dialog->window, (POINT *)&place, 2);
    DWORD style = (DWORD)GetWindowLongPtrA(old, GWL_STYLE) | LVS_OWNERDATA;
    DWORD exStyle = (DWORD)GetWindowLongPtrA(old, GWL_EXSTYLE);
    HWND list = CreateWindowExA(exStyle, WC_LISTVIEWA, "", style, place.left, place.top, place.right - place.left,
                                place.bottom - place.top, dialog->window, (HMENU)(INT_PTR)IDC_CALL_LIST,
                                (HINSTANCE)GetWindowLongPtrA(dialog->window, GWLP_HINSTANCE), NULL);
    if (!list) {
        dialog->list = old;
        return;
    }
    SendMessageA(list, WM_SETFONT, (WPARAM)SendMessageA(old, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(list, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(old);
    dialog->list = list;
}
