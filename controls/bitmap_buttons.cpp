/* Bitmap push buttons: a module-wide table of the buttons and their bitmaps, loaded from the
   language resource module while a page that holds them exists. */
#include "bitmap_buttons.h"

#include <commctrl.h>

#include "bitmap_draw.h"
#include "corvanectln.h"
#include "module_state.h"
#include "mohres.h"

namespace {

struct BitmapButton {
    int control;
    int bitmap;     /* resource number in the language resource module */
    int width;
    int height;
    HBITMAP image;  /* null while none is loaded */
};

BitmapButton buttonTable[] = {
    {IDCMD_PHONEBOOK, IDB_BUTTON_PHONEBOOK, 24, 22, NULL},
    {1069, IDB_BUTTON_BROWSE, 24, 22, NULL},
    {10040, IDB_BUTTON_PLAY, 24, 22, NULL},
};

const COLORREF focusColour = RGB(0, 0, 128);

BitmapButton *FindButton(int control)
{
    for (BitmapButton &button : buttonTable)
        if (button.control == control)
            return &button;
    return NULL;
}

void AddTooltip(HWND tooltip, HWND page, HWND control)
{
    char tip[128];
    if (GetWindowTextA(control, tip, sizeof(tip)) <= 0)
        tip[0] = '\0';
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.hinst = resourceModule;
    tool.lpszText = tip;
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetupButton(BitmapButton *button, HWND tooltip, HWND page, HWND control)
{
    if (button->image)
        DeleteObject(button->image);
    button->image = Bitmap_Load(resourceModule, button->bitmap);
    SetWindowPos(control, NULL, 0, 0, button->width + 3, button->height + 3,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddTooltip(tooltip, page, control);
}

/* An inverting dotted frame inside the button, so drawing it again takes it away. */
void DrawFocus(const DRAWITEMSTRUCT *item, bool pressed)
{
    RECT frame = item->rcItem;
    InflateRect(&frame, -2, -2);
    if (pressed)
        OffsetRect(&frame, 1, 1);
    COLORREF previous = SetTextColor(item->hDC, focusColour);
    DrawFocusRect(item->hDC, &frame);
    SetTextColor(item->hDC, previous);
}

/* A disabled look when one can be made, else the bitmap itself. */
void DrawImage(HDC dc, int x, int y, HBITMAP bitmap, bool disabled)
{
    HBITMAP greyed = disabled ? Bitmap_MakeDisabled(bitmap, 0, 0, 0, 0) : NULL;
    DrawBitmapAt(dc, x, y, greyed ? greyed : bitmap);
    if (greyed)
        DeleteObject(greyed);
}

void DrawFace(const DRAWITEMSTRUCT *item, UINT state, HBITMAP bitmap)
{
    bool pressed = (item->itemAction & ODA_SELECT) && (state & ODS_SELECTED);
    RECT frame = item->rcItem;
    DrawFrameControl(item->hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    int offset = pressed ? 1 : 0;
    DrawImage(item->hDC, item->rcItem.left + 1 + offset, item->rcItem.top + 1 + offset, bitmap,
              (state & ODS_DISABLED) != 0);
    if (state & ODS_FOCUS)
        DrawFocus(item, pressed);
}

}  // namespace

HWND SetupPageButtons(HWND page)
{
    HWND tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, 0, 0, 0, 0, 0, page, NULL, resourceModule, NULL);
    for (BitmapButton &button : buttonTable) {
        HWND control = GetDlgItem(page, button.control);
        if (control)
            SetupButton(&button, tooltip, page, control);
    }
    return tooltip;
}

void FreePageButtons(HWND page)
{
    for (BitmapButton &button : buttonTable) {
        if (button.image && GetDlgItem(page, button.control)) {
            DeleteObject(button.image);
            button.image = NULL;
        }
    }
}

void DrawTableButton(HWND, const DRAWITEMSTRUCT *item)
{
    if (!item || item->CtlType != ODT_BUTTON)
        return;
    BitmapButton *button = FindButton(item->CtlID);
    if (!button)
        return;
    if (IsWindowEnabled(item->hwndItem)) {
        DrawBitmapButton(item, button->image);
        return;
    }
    HBITMAP greyed = Bitmap_MakeDisabled(button->image, 0, 0, 0, 0);
    DrawBitmapButton(item, greyed ? greyed : button->image);
    if (greyed)
        DeleteObject(greyed);
}

void DrawBitmapButton(const DRAWITEMSTRUCT *item, HBITMAP bitmap)
{
    if (!item)
        return;
    /* Controls of a "$" class report their disabled state only through the window. */
    char className[2];
    bool dollarClass = GetClassNameA(item->hwndItem, className, sizeof(className)) > 0 && className[0] == '$';
    bool enabled = !dollarClass || IsWindowEnabled(item->hwndItem);
    UINT state = item->itemState;
    if (dollarClass && item->itemAction == ODA_DRAWENTIRE && !enabled)
        state = ODS_DISABLED;
    if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        DrawFace(item, state, bitmap);
    else if ((item->itemAction & ODA_FOCUS) && enabled)
        DrawFocus(item, false);
}
