/* The owner-drawn rows of the list dialogs. */
#include "list_dialog.h"

#include <string.h>

#include "bounded_text.h"

namespace {

const char kDots[] = "...";

int TextWidth(HDC dc, const char *text, size_t length)
{
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, (int)length, &size);
    return size.cx;
}

int ColumnWidth(HWND list, int column)
{
    return (int)SendMessageA(list, LVM_GETCOLUMNWIDTH, (WPARAM)column, 0);
}

void FocusFrame(const ListDialog *dialog, const DRAWITEMSTRUCT *item)
{
    RECT frame = item->rcItem;
    frame.right -= 1;
    frame.bottom -= 1;
    int top = (int)SendMessageA(dialog->list, LVM_GETTOPINDEX, 0, 0);
    if (ListItemCount(dialog) > top)
        frame.bottom -= 1;
    DrawFocusRect(item->hDC, &frame);
}

}  // namespace

void MeasureListRow(HWND window, MEASUREITEMSTRUCT *measure)
{
    HWND list = GetDlgItem(window, (int)measure->CtlID);
    HDC dc = GetDC(list);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, "W", 1, &size);
    ReleaseDC(list, dc);
    measure->itemHeight = (UINT)size.cy + 1;
}

void FitTextWithEllipsis(HDC dc, char *text, int width)
{
    size_t length = strlen(text);
    int dots = TextWidth(dc, kDots, 3);
    if (TextWidth(dc, text, length) < width || TextWidth(dc, text, length) + dots <= width)
        return;
    size_t kept = length;
    while (kept > 0 && TextWidth(dc, text, kept) + dots > width)
        --kept;
    if (kept < length)
        CopyText(text + kept, LIST_TEXT_SIZE - kept, kDots);
}

void DrawListRow(ListDialog *dialog, const DRAWITEMSTRUCT *item)
{
    HWND list = dialog->list;
    int scroll = GetScrollPos(list, SB_HORZ);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    HDC dc = item->hDC;
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HBRUSH background = CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    FillRect(dc, &item->rcItem, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    EntryTexts texts;
    char *const *fields = ListItemFields(dialog, (int)item->itemID, &texts);
    int left = 0;
    for (int column = 0; fields && column < dialog->kind->textColumns; ++column) {
        int width = ColumnWidth(list, column);
        if (fields[column]) {
            char text[LIST_TEXT_SIZE];
            CopyText(text, LIST_TEXT_SIZE - 3, fields[column]);
            FitTextWithEllipsis(dc, text, width - 5);
            TextOutA(dc, left - scroll + dialog->kind->textIndent, item->rcItem.top + 1, text, (int)strlen(text));
        }
        left += width;
    }
    if (fields && dialog->kind->drawExtras)
        dialog->kind->drawExtras(dialog, item, fields, scroll);
    if (item->itemState & ODS_FOCUS)
        FocusFrame(dialog, item);
}
