/* The dialog procedure body shared by the phone book and the incoming-call log. */
#include "list_dialog.h"

#include <string.h>

#include "bounded_text.h"
#include "corvanectln.h"
#include "help_about.h"
#include "list_entry.h"
#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "status_display.h"
#include "window_placement.h"

namespace {

enum { TOOLBAR_ID = 1, STATUS_BAR_ID = 1, BUTTON_SIZE = 32, HOVER_TIMER = 5, HOVER_RESET_MS = 300,
       STATUS_TEXT_SIZE = 64, LIST_MARGIN = 10, LIST_GAP = 5, COLUMN_SLACK = 24 };
const DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP;

void ShowStatusText(ListDialog *dialog, UINT id)
{
    char text[STATUS_TEXT_SIZE];
    LoadListString(id, text, sizeof text);
    SendMessageA(dialog->statusBar, SB_SETTEXTA, 0, (LPARAM)text);
}

int WindowHeight(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

void CreateStatusBar(ListDialog *dialog)
{
    dialog->statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER, "", dialog->window, STATUS_BAR_ID);
    int edge = -1;
    SendMessageA(dialog->statusBar, SB_SETPARTS, 1, (LPARAM)&edge);
    ShowStatusText(dialog, IDS_READY);
}

BOOL OnInitDialog(ListDialog *dialog, HWND window)
{
    dialog->window = window;
    dialog->list.control = GetDlgItem(window, IDC_CALL_LIST);
    dialog->list.fieldCount = dialog->kind->fieldCount;
    dialog->list.modified = 0;
    if (dialog->kind->start)
        dialog->kind->start(dialog);
    Ctl_DialogInit();
    dialog->toolbar = CreateToolbarEx(window, kToolbarStyle, TOOLBAR_ID, LIST_BUTTONS_MAX, resourceModule,
                                      IDB_LIST_TOOLBAR, dialog->kind->buttons, dialog->kind->buttonCount,
                                      BUTTON_SIZE, BUTTON_SIZE, 0, 0, sizeof(TBBUTTON));
    SendMessageA(dialog->toolbar, TB_AUTOSIZE, 0, 0);
    SetListExStyles(dialog->list.control, live.incomingCallLog != 0);
    dialog->kind->addColumns(dialog);
    CentreWindow(window);
    LoadListFile(&dialog->list, dialog->kind->path);
    UpdateListToolbar(dialog);
    if (ListItemCount(dialog) > 0)
        ListView_SetItemState(dialog->list.control, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    dialog->list.modified = 0;
    CreateStatusBar(dialog);
    ForceRelayout(window);
    SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)LoadIconA(resourceModule, MAKEINTRESOURCEA(IDI_MOH_NORMAL)));
    return TRUE;
}

void OnSize(ListDialog *dialog, int width, int height)
{
    int toolbar = WindowHeight(dialog->toolbar);
    int status = WindowHeight(dialog->statusBar);
    HWND list = dialog->list.control;
    MoveWindow(list, LIST_MARGIN, toolbar + LIST_GAP, width - 2 * LIST_MARGIN,
               height - status - (toolbar + LIST_GAP) - LIST_MARGIN, TRUE);
    MoveWindow(dialog->statusBar, 0, height - status, width, status, TRUE);
    int columns = dialog->kind->textColumns;
    UINT column = ((UINT)width - (UINT)dialog->outcomeColumnWidth - COLUMN_SLACK) / (UINT)columns;
    for (int i = 0; i < columns; ++i)
        SendMessageA(list, LVM_SETCOLUMNWIDTH, (WPARAM)i, (LPARAM)(int)column);
    if (dialog->outcomeColumnWidth > 0)
        SendMessageA(list, LVM_SETCOLUMNWIDTH, (WPARAM)columns, dialog->outcomeColumnWidth);
    /* A scroll bar appears with entries; the number column makes room for it. */
    if (SendMessageA(list, LVM_GETTOPINDEX, 0, 0) < ListItemCount(dialog))
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, (LPARAM)(int)(column - (UINT)GetSystemMetrics(SM_CXVSCROLL)));
    SendMessageA(dialog->toolbar, TB_AUTOSIZE, 0, 0);
}

void SaveToListFile(ListDialog *dialog)
{
    HFILE file = _lcreat(dialog->kind->path, 0);
    if (file != HFILE_ERROR)
        _lclose(file);
    SaveListFile(dialog->kind->path, &dialog->list);
}

int Ask(ListDialog *dialog, UINT textId, UINT buttons)
{
    char text[LIST_TEXT_SIZE];
    char caption[LIST_TEXT_SIZE] = "";
    LoadListString(textId, text, sizeof text);
    GetWindowTextA(dialog->window, caption, sizeof caption);
    return MessageBoxA(dialog->window, text, caption, buttons);
}

void OnClose(ListDialog *dialog)
{
    if (dialog->list.modified) {
        int answer = Ask(dialog, IDS_SAVE_CHANGES, MB_YESNOCANCEL);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES)
            SendMessageA(dialog->window, WM_COMMAND, IDCMD_LIST_SAVE, 0);
    }
    EndDialog(dialog->window, 1);
}

void ReleaseItemEntry(ListDialog *dialog, int index)
{
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(dialog->list.control, LVM_GETITEMA, 0, (LPARAM)&item))
        return;
    if (dialog->list.fieldCount == CALL_LOG_FIELDS)
        FreeListEntry((CallLogEntry *)item.lParam);
    else
        FreeListEntry((PhoneBookEntry *)item.lParam);
}

void OnDelete(ListDialog *dialog)
{
    HWND list = dialog->list.control;
    if (SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) <= 0 || Ask(dialog, IDS_DELETE_QUESTION, MB_YESNO) != IDYES)
        return;
    dialog->list.modified = 1;
    int deleted = -1;
    for (int index; (index = ListView_GetNextItem(list, -1, LVNI_SELECTED)) >= 0; deleted = index) {
        ReleaseItemEntry(dialog, index);
        SendMessageA(list, LVM_DELETEITEM, (WPARAM)index, 0);
    }
    if (deleted == ListItemCount(dialog))
        --deleted;
    if (deleted >= 0)
        ListView_SetItemState(list, deleted, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    UpdateListToolbar(dialog);
    ForceRelayout(dialog->window);
}

void OnSaveAs(ListDialog *dialog)
{
    char path[LIST_TEXT_SIZE];
    if (AskSaveFileName(dialog->window, path))
        SaveListFile(path, &dialog->list);
}

void OnCommand(ListDialog *dialog, int id)
{
    switch (id) {
    case IDCMD_EXIT: OnClose(dialog); break;
    case IDCMD_HELP: ShowHelp(dialog->window, dialog->kind->helpContext); break;
    case IDCMD_LIST_SAVE_AS: OnSaveAs(dialog); break;
    case IDCMD_LIST_DELETE: OnDelete(dialog); break;
    case IDCMD_LIST_SAVE: SaveToListFile(dialog); break;
    default:
        if (dialog->kind->command)
            dialog->kind->command(dialog, id);
        break;
    }
}

void OnHotItemChange(ListDialog *dialog, const NMTBHOTITEM *hot)
{
    if (!(hot->dwFlags & HICF_MOUSE))
        return;
    if (hot->dwFlags & HICF_LEAVING) {
        KillTimer(dialog->window, HOVER_TIMER);
        ShowStatusText(dialog, IDS_READY);
        return;
    }
    ShowStatusText(dialog, (UINT)hot->idNew);
    SetTimer(dialog->window, HOVER_TIMER, HOVER_RESET_MS, NULL);
}

/* The hover text stays while the cursor rests on a button. */
void OnTimer(ListDialog *dialog, UINT_PTR timer)
{
    if (timer != HOVER_TIMER)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(dialog->toolbar, &cursor);
    if (cursor.x < 0 || cursor.y < 0 || SendMessageA(dialog->toolbar, TB_HITTEST, 0, (LPARAM)&cursor) < 0) {
        KillTimer(dialog->window, HOVER_TIMER);
        ShowStatusText(dialog, IDS_READY);
    }
}

void OnGetDisplayInfo(ListDialog *dialog, NMLVDISPINFOA *info)
{
    if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0)
        return;
    char *const *fields = ListItemFields(dialog, info->item.iItem);
    int column = info->item.iSubItem;
    const char *text = fields && column >= 0 && column < dialog->list.fieldCount ? FieldText(fields[column]) : "";
    CopyText(info->item.pszText, (size_t)info->item.cchTextMax, text);
}

void OnGetInfoTip(ListDialog *dialog, NMLVGETINFOTIPA *tip)
{
    char *const *fields = ListItemFields(dialog, tip->iItem);
    if (fields && tip->pszText && tip->cchTextMax > 0)
        dialog->kind->fillInfoTip(dialog, tip, fields);
}

BOOL OnNotify(ListDialog *dialog, NMHDR *header)
{
    switch (header->code) {
    case TBN_HOTITEMCHANGE: OnHotItemChange(dialog, (const NMTBHOTITEM *)header); return TRUE;
    case TTN_NEEDTEXTA:
    case TTN_NEEDTEXTW: return FillCommandTooltip(header);
    case LVN_GETDISPINFOA: OnGetDisplayInfo(dialog, (NMLVDISPINFOA *)header); return TRUE;
    case LVN_GETINFOTIPA: OnGetInfoTip(dialog, (NMLVGETINFOTIPA *)header); return TRUE;
    case LVN_COLUMNCLICK:
        dialog->list.sortColumn = ((const NMLISTVIEW *)header)->iSubItem;
        SortList(dialog);
        return TRUE;
    case LVN_ITEMCHANGED: UpdateListToolbar(dialog); return TRUE;
    case NM_DBLCLK:
        if (!dialog->kind->doubleClick)
            return FALSE;
        dialog->kind->doubleClick(dialog);
        return TRUE;
    }
    return FALSE;
}

void OnDestroy(ListDialog *dialog)
{
    if (dialog->kind->destroy)
        dialog->kind->destroy(dialog);
    ReleaseListEntries(&dialog->list);
    SendMessageA(dialog->list.control, LVM_DELETEALLITEMS, 0, 0);
    CloseHelp();
    if (acceleratorTarget == dialog->window)
        acceleratorTarget = NULL;
    dialog->window = NULL;
}

void OnGetMinMaxInfo(ListDialog *dialog, MINMAXINFO *info)
{
    info->ptMinTrackSize.x = dialog->kind->minWidth;
    info->ptMinTrackSize.y = dialog->kind->minHeight;
}

void OnActivate(HWND window, WPARAM state)
{
    int active = LOWORD(state) == WA_ACTIVE || LOWORD(state) == WA_CLICKACTIVE;
    acceleratorTarget = active ? window : NULL;
}

}  // namespace

INT_PTR ListDialogMessage(ListDialog *dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog(dialog, window);
    if (message == WM_MEASUREITEM) {
        MeasureListRow(window, (MEASUREITEMSTRUCT *)lParam);
        return TRUE;
    }
    if (dialog->window != window)
        return FALSE;
    switch (message) {
    case WM_SIZE: OnSize(dialog, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(dialog, (MINMAXINFO *)lParam); return TRUE;
    case WM_DRAWITEM:
        if (((const DRAWITEMSTRUCT *)lParam)->CtlType != ODT_LISTVIEW)
            return FALSE;
        DrawListRow(dialog, (const DRAWITEMSTRUCT *)lParam);
        return TRUE;
    case WM_NOTIFY: return OnNotify(dialog, (NMHDR *)lParam);
    case WM_TIMER: OnTimer(dialog, (UINT_PTR)wParam); return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_HELP: PostMessageA(window, WM_COMMAND, IDCMD_HELP, 0); return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CLOSE)
            return FALSE;
        PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0);
        return TRUE;
    case WM_CLOSE: EndDialog(window, 0); return TRUE;
    case WM_ACTIVATE: OnActivate(window, wParam); return TRUE;
    case WM_DESTROY: OnDestroy(dialog); return TRUE;
    }
    return FALSE;
}
