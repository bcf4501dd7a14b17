/* Owner-drawn push buttons that show a bitmap, with tooltips, on the configuration pages. */
#ifndef BITMAP_BUTTONS_H
#define BITMAP_BUTTONS_H

#include <windows.h>

/* Loads the bitmaps of the table's buttons that page holds, fits the buttons to them and gives
   each a tooltip with its window text. Returns the tooltip window. */
HWND SetupPageButtons(HWND page);
/* Deletes the bitmaps of the table's buttons that page holds. */
void FreePageButtons(HWND page);
/* Owner-draw request of a page: draws the table's buttons, enabled or greyed. */
void DrawTableButton(HWND page, const DRAWITEMSTRUCT *item);
/* Draws a push button showing bitmap, pressed, greyed and focused as item says. */
void DrawBitmapButton(const DRAWITEMSTRUCT *item, HBITMAP bitmap);

#endif
