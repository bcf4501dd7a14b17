/* Resizable dialogs: each registered dialog carries, as a window property, its size when it
   was registered and the starting rectangles of the controls that follow its edges. */
#include <windows.h>

#include <new>
#include <vector>

#define CORVANECTLN_BUILD
#include "corvanectln.h"

namespace {

const char resizeProperty[] = "CorvaneResizeState";
const int maxRows = 1024;

struct ResizeRow {
    SIZING share;
    RECT start;      /* in the dialog's client coordinates */
};

struct ResizeState {
    UINT options;
    SIZE startClient;
    SIZE startOuter;
    std::vector<ResizeRow> rows;
};

ResizeState *StateOf(HWND dialog)
{
    return dialog ? static_cast<ResizeState *>(GetPropA(dialog, resizeProperty)) : NULL;
}

void ForgetState(HWND dialog)
{
    delete static_cast<ResizeState *>(RemovePropA(dialog, resizeProperty));
}

RECT ClientRectOfChild(HWND dialog, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

/* Rows whose control does not exist yet have no starting place and are left out. */
void RecordRows(ResizeState *state, HWND dialog, const SIZING *rows, int rowCount)
{
    if (!rows || rowCount <= 0)
        return;
    if (rowCount > maxRows)
        rowCount = maxRows;
    state->rows.reserve(rowCount);
    for (int i = 0; i < rowCount; i++) {
        HWND control = GetDlgItem(dialog, rows[i].id);
        if (control)
            state->rows.push_back({rows[i], ClientRectOfChild(dialog, control)});
    }
}

void MoveRow(HWND dialog, const ResizeRow &row, int dx, int dy, bool repaint)
{
    HWND control = GetDlgItem(dialog, row.share.id);
    if (!control)
        return;
    int left = row.start.left + MulDiv(dx, row.share.left, 100);
    int top = row.start.top + MulDiv(dy, row.share.top, 100);
    int right = row.start.right + MulDiv(dx, row.share.right, 100);
    int bottom = row.start.bottom + MulDiv(dy, row.share.bottom, 100);
    int width = right > left ? right - left : 0;
    int height = bottom > top ? bottom - top : 0;
    SetWindowPos(control, NULL, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (repaint)
        InvalidateRect(control, NULL, TRUE);
}

}  // namespace

CTL_API bool WINAPI Resize_Init(HWND dialog, UINT options, const SIZING *rows, int rowCount)
{
    if (!dialog || !IsWindow(dialog))
        return false;
    ForgetState(dialog);
    ResizeState *state = new (std::nothrow) ResizeState();
    if (!state)
        return false;
    state->options = options;
    RECT client, outer;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    state->startClient = {client.right - client.left, client.bottom - client.top};
    state->startOuter = {outer.right - outer.left, outer.bottom - outer.top};
    RecordRows(state, dialog, rows, rowCount);
    if (!SetPropA(dialog, resizeProperty, state)) {
        delete state;
        return false;
    }
    return true;
}

CTL_API void WINAPI Resize_OnSize(HWND dialog, UINT sizeType, int clientWidth, int clientHeight)
{
    ResizeState *state = StateOf(dialog);
    if (!state || sizeType == SIZE_MINIMIZED)
        return;
    int dx = clientWidth - state->startClient.cx;
    int dy = clientHeight - state->startClient.cy;
    bool repaint = (state->options & RESIZE_REPAINT) != 0;
    for (const ResizeRow &row : state->rows)
        MoveRow(dialog, row, dx, dy, repaint);
}

CTL_API void WINAPI Resize_OnGetMinMaxInfo(HWND dialog, MINMAXINFO *info)
{
    ResizeState *state = StateOf(dialog);
    if (!state || !info)
        return;
    if (state->options & RESIZE_MIN_WIDTH)
        info->ptMinTrackSize.x = state->startOuter.cx;
    if (state->options & RESIZE_MIN_HEIGHT)
        info->ptMinTrackSize.y = state->startOuter.cy;
}

CTL_API void WINAPI Resize_Exit(HWND dialog)
{
    if (dialog)
        ForgetState(dialog);
}
