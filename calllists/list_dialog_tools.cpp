/* Small routines of the list dialogs: toolbar states, columns, styles, relayout and Save As. */
#include "list_dialog.h"

#include <commdlg.h>
#include <string.h>

#include "module_state.h"
#include "on_demand_libraries.h"
#include "mohres.h"

namespace {

const int kButtonsNeedingEntries[] = {IDCMD_LIST_SAVE_AS, IDCMD_LIST_DELETE, IDCMD_LIST_EDIT};

void SetButtonState(HWND toolbar, int command, BYTE state)
{
    SendMessageA(toolbar, TB_SETSTATE, (WPARAM)command, MAKELONG(state, 0));
}

}  // namespace

void LoadListString(UINT id, char *text, int size)
{
    text[0] = '\0';
    LoadStringA(resourceModule, id, text, size);
}

/* A list without entries has nothing to save as, delete or edit; Save stays available while
   there are unsaved changes, so that an emptied list can be written. The log has no Edit
   button, for which TB_SETSTATE does nothing. */
void UpdateListToolbar(ListDialog *dialog)
{
    BYTE state = ListItemCount(dialog) > 0 ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
    for (int command : kButtonsNeedingEntries)
        SetButtonState(dialog->toolbar, command, state);
    if (state == TBSTATE_ENABLED || !dialog->modified)
        SetButtonState(dialog->toolbar, IDCMD_LIST_SAVE, state);
}

void ForceRelayout(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left + 1, rect.bottom - rect.top, TRUE);
}

void SetListExStyles(HWND list, BOOL infoTips)
{
    LPARAM styles = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    styles |= LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    if (infoTips)
        styles |= LVS_EX_INFOTIP;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles);
}

void AddListColumn(HWND list, UINT textId, int index, int width)
{
    char text[LIST_TEXT_SIZE];
    LoadListString(textId, text, sizeof text);
    LVCOLUMNA column;
    memset(&column, 0, sizeof column);
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text;
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, (WPARAM)index, (LPARAM)&column);
}

/* The filter string carries its own separator: its last character stands for every NUL. */
BOOL AskSaveFileName(HWND owner, char *path)
{
    char filter[LIST_TEXT_SIZE + 1];
    memset(filter, 0, sizeof filter);
    LoadListString(IDS_SAVE_AS_FILTER, filter, LIST_TEXT_SIZE);
    size_t length = strlen(filter);
    if (length > 0) {
        char separator = filter[length - 1];
        for (size_t i = 0; i < length; ++i)
            if (filter[i] == separator)
                filter[i] = '\0';
    }
    path[0] = '\0';
    OPENFILENAMEA file;
    memset(&file, 0, sizeof file);
    file.lStructSize = sizeof file;
    file.hwndOwner = owner;
    file.lpstrFilter = filter;
    file.nFilterIndex = 1;
    file.lpstrFile = path;
    file.nMaxFile = LIST_TEXT_SIZE;
    file.lpstrDefExt = "TXT";
    file.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetSaveFileNameOnDemand(&file);
}
