/* The dialog procedure body shared by the phone book and the incoming-call log. */
#include "list_dialog.h"

#include <string.h>

#include "bounded_text.h"
#include "corvanectln.h"
#include "help_about.h"
#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "status_display.h"
#include "window_placement.h"
#include "window_timers.h"

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
    dialog->modified = 0;
    UseOwnerDataList(dialog);
    if (dialog->kind->start)
        dialog->kind->start(dialog);
    Ctl_DialogInit();
    dialog->toolbar = CreateToolbarEx(window, kToolbarStyle, TOOLBAR_ID, LIST_BUTTONS_MAX, resourceModule,
                                      IDB_LIST_TOOLBAR, dialog->kind->buttons, dialog->kind->buttonCount,
                                      BUTTON_SIZE, BUTTON_SIZE, 0, 0, sizeof(TBBUTTON));
    SendMessageA(dialog->toolbar, TB_AUTOSIZE, 0, 0);
    SetListExStyles(dialog->list, live.incomingCallLog != 0);
    dialog->kind->addColumns(dialog);
    CentreWindow(window);
    LoadListFile(dialog);
    UpdateListToolbar(dialog);
    if (ListItemCount(dialog) > 0)
        ListView_SetItemState(dialog->list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (dialog->readError)
        PostMessageA(window, WM_LIST_READ_FAILED, 0, 0);
    CreateStatusBar(dialog);
    ForceRelayout(window);
    SendMessageA(window, WM_SETICON, ICON_BIG, (LPARAM)LoadIconA(resourceModule, MAKEINTRESOURCEA(IDI_MOH_NORMAL)));
    return TRUE;
}

void OnSize(ListDialog *dialog, int width, int height)
{
    int toolbar = WindowHeight(dialog->toolbar);
    int status = WindowHeight(dialog->statusBar);
    HWND list = dialog->list;
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
    if (dialog->modified) {
        int answer = Ask(dialog, IDS_SAVE_CHANGES, MB_YESNOCANCEL);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES)
            SendMessageA(dialog->window, WM_COMMAND, IDCMD_LIST_SAVE, 0);
        /* A save that failed has said why; the changes stay, and so does the dialog. */
        if (answer == IDYES && dialog->modified)
            return;
    }
    EndDialog(dialog->window, 1);
}

/* Deletes the selected entries; the entry after the last of them (or the last entry) is selected. */
void OnDelete(ListDialog *dialog)
{
    if (SendMessageA(dialog->list, LVM_GETSELECTEDCOUNT, 0, 0) <= 0 || Ask(dialog, IDS_DELETE_QUESTION, MB_YESNO) != IDYES)
        return;
    dialog->modified = 1;
    MarkListSelection(dialog);
    std::vector<ListEntry> &entries = dialog->rows.entries;
    int last = -1, selected = 0;
    for (size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].marks & ENTRY_SELECTED) {
            last = (int)index;
            ++selected;
        }
    }
    RemoveSelectedEntries(&dialog->rows);
    for (ListEntry &entry : entries)
        entry.marks &= (uint8_t)~ENTRY_FOCUSED;
    int next = last - (selected - 1);
    if (next == (int)entries.size())
        --next;
    if (next >= 0)
        entries[(size_t)next].marks |= ENTRY_SELECTED | ENTRY_FOCUSED;
    ShowListRows(dialog);
    ForceRelayout(dialog->window);
}

void OnSaveAs(ListDialog *dialog)
{
    char path[LIST_TEXT_SIZE];
    if (AskSaveFileName(dialog->window, path))
        SaveListFile(dialog, path);
}

void OnCommand(ListDialog *dialog, int id)
{
    switch (id) {
    case IDCMD_EXIT: OnClose(dialog); break;
    case IDCMD_HELP: ShowHelp(dialog->window, dialog->kind->helpContext); break;
    case IDCMD_LIST_SAVE_AS: OnSaveAs(dialog); break;
    case IDCMD_LIST_DELETE: OnDelete(dialog); break;
    case IDCMD_LIST_SAVE: SaveListFile(dialog, dialog->kind->path); break;
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
        StopWindowTimer(dialog->window, HOVER_TIMER);
        ShowStatusText(dialog, IDS_READY);
        return;
    }
    ShowStatusText(dialog, (UINT)hot->idNew);
    StartWindowTimer(dialog->window, HOVER_TIMER, HOVER_RESET_MS);
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
        StopWindowTimer(dialog->window, HOVER_TIMER);
        ShowStatusText(dialog, IDS_READY);
    }
}

void OnGetDisplayInfo(ListDialog *dialog, NMLVDISPINFOA *info)
{
    if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0)
        return;
    EntryTexts texts;
    int column = info->item.iSubItem;
    bool shown = ListItemFields(dialog, info->item.iItem, &texts) && column >= 0 && column < dialog->kind->fieldCount;
    CopyText(info->item.pszText, (size_t)info->item.cchTextMax, shown ? texts.text[column] : "");
}

/* Typing in the list: the next entry from the starting one whose name starts with the typed text. */
BOOL OnFindItem(ListDialog *dialog, const NMLVFINDITEMA *find)
{
    LRESULT found = -1;
    int count = ListItemCount(dialog);
    size_t typed = find->lvfi.psz ? strlen(find->lvfi.psz) : 0;
    for (int step = 0; (find->lvfi.flags & LVFI_STRING) && typed > 0 && step < count && found < 0; ++step) {
        int index = (find->iStart + step) % count;
        EntryTexts texts;
        ListItemFields(dialog, index, &texts);
        const char *name = texts.text[FIELD_NAME];
        bool whole = !(find->lvfi.flags & LVFI_PARTIAL);
        if (strlen(name) >= typed && (!whole || name[typed] == '\0') &&
            CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name, (int)typed, find->lvfi.psz, (int)typed) == CSTR_EQUAL)
            found = index;
    }
    SetWindowLongPtrA(dialog->window, DWLP_MSGRESULT, found);
    return TRUE;
}

void OnGetInfoTip(ListDialog *dialog, NMLVGETINFOTIPA *tip)
{
    EntryTexts texts;
    char *const *fields = ListItemFields(dialog, tip->iItem, &texts);
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
    case LVN_ODFINDITEMA: return OnFindItem(dialog, (const NMLVFINDITEMA *)header);
    case LVN_COLUMNCLICK:
        dialog->rows.sortColumn = ((const NMLISTVIEW *)header)->iSubItem;
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
    SendMessageA(dialog->list, LVM_SETITEMCOUNT, 0, 0);
    CloseListRows(&dialog->rows);
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
    case WM_LIST_READ_FAILED: ReportFileError(dialog, dialog->kind->path, dialog->readError); return TRUE;
    case WM_LIST_FILE_GREW: TakeAppendedLines(dialog); return TRUE;
    }
    return FALSE;
}
