/* Copying a bitmap onto a device context, at its own size or stretched. */
#ifndef BITMAP_DRAW_H
#define BITMAP_DRAW_H

#include <windows.h>

/* The whole bitmap, unscaled, with its top-left corner at (x, y). */
void DrawBitmapAt(HDC dc, int x, int y, HBITMAP bitmap);
/* The whole bitmap stretched to fill rect. */
void StretchBitmapInto(HDC dc, const RECT *rect, HBITMAP bitmap);

#endif
