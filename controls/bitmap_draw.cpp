/* Bitmaps are copied through a memory device context that holds them for the time. */
#include "bitmap_draw.h"

namespace {

bool BitmapSize(HBITMAP bitmap, SIZE *size)
{
    BITMAP header;
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) != sizeof(header))
        return false;
    size->cx = header.bmWidth;
    size->cy = header.bmHeight;
    return true;
}

}  // namespace

void DrawBitmapAt(HDC dc, int x, int y, HBITMAP bitmap)
{
    SIZE size;
    if (!BitmapSize(bitmap, &size))
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void StretchBitmapInto(HDC dc, const RECT *rect, HBITMAP bitmap)
{
    SIZE size;
    if (!rect || !BitmapSize(bitmap, &size))
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    StretchBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, memory, 0, 0,
               size.cx, size.cy, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
