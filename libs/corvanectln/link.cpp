/* The hyperlink control: underlined text in the link colours and a hand cursor; a click, or
   Space or Enter while it has the focus, opens its window text (the target) with the shell. */
#include <windows.h>
#include <windowsx.h>
#include <shellapi.h>

#include <new>

#define CORVANECTLN_BUILD
#include "corvanectln.h"
#include "ctl_internal.h"

namespace {

const char linkClass[] = "CorvaneLink";
const int maxLinkText = 256;
const int maxTarget = 2048;

struct Link {
    char text[maxLinkText];   /* what it shows; the window text is the target */
    COLORREF normal;
    COLORREF visited;
    bool opened;
    bool pressed;
    HFONT font;               /* underlined copy of the font it was given, owned */
};

Link *LinkOf(HWND window)
{
    char name[sizeof(linkClass) + 1];
    if (!window || !GetClassNameA(window, name, sizeof(name)) || lstrcmpiA(name, linkClass) != 0)
        return NULL;
    return reinterpret_cast<Link *>(GetWindowLongPtrA(window, 0));
}

HFONT UnderlinedCopy(HFONT font)
{
    LOGFONTA shape;
    HGDIOBJ base = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    if (GetObjectA(base, sizeof(shape), &shape) != sizeof(shape))
        return NULL;
    shape.lfUnderline = TRUE;
    return CreateFontIndirectA(&shape);
}

/* The link is drawn without a background of its own, so a change shows cleanly only when the
   parent repaints what lies beneath it. */
void Redraw(HWND window)
{
    RECT area;
    HWND parent = GetParent(window);
    GetWindowRect(window, &area);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT *>(&area), 2);
    RedrawWindow(parent, &area, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Open(HWND window, Link *link)
{
    char target[maxTarget];
    if (GetWindowTextA(window, target, sizeof(target)) <= 0)
        return;
    INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(GetParent(window), "open", target, NULL, NULL, SW_SHOWNORMAL));
    if (result > 32 && !link->opened) {
        link->opened = true;
        Redraw(window);
    }
}

void Paint(HWND window, Link *link, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    COLORREF colour = link->opened ? link->visited : link->normal;
    if (!IsWindowEnabled(window))
        colour = GetSysColor(COLOR_GRAYTEXT);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, colour);
    HGDIOBJ oldFont = link->font ? SelectObject(dc, link->font) : NULL;
    DrawTextA(dc, link->text, -1, &client, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (GetFocus() == window)
        DrawFocusRect(dc, &client);
    if (oldFont)
        SelectObject(dc, oldFont);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void OnPaint(HWND window, Link *link)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    Paint(window, link, dc);
    EndPaint(window, &paint);
}

/* Transparent over its parent, unless the parent clips its children and so never paints
   beneath the link: then the link fills in the parent's static-control background. */
LRESULT OnEraseBackground(HWND window, HDC dc)
{
    HWND parent = GetParent(window);
    if (!(GetWindowLongA(parent, GWL_STYLE) & WS_CLIPCHILDREN))
        return 1;
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)window));
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
    return 1;
}

LRESULT OnNcCreate(HWND window, const CREATESTRUCTA *create)
{
    Link *link = new (std::nothrow) Link();
    if (!link)
        return FALSE;
    const char *text = static_cast<const char *>(create->lpCreateParams);
    lstrcpynA(link->text, text ? text : "", sizeof(link->text));
    link->normal = RGB(0, 0, 255);
    link->visited = RGB(128, 0, 128);
    link->font = UnderlinedCopy(NULL);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(link));
    return TRUE;
}

void OnNcDestroy(HWND window, Link *link)
{
    SetWindowLongPtrA(window, 0, 0);
    if (link->font)
        DeleteObject(link->font);
    delete link;
}

void OnSetFont(HWND window, Link *link, HFONT font, BOOL redraw)
{
    HFONT underlined = UnderlinedCopy(font);
    if (!underlined)
        return;
    if (link->font)
        DeleteObject(link->font);
    link->font = underlined;
    if (redraw)
        Redraw(window);
}

void OnButtonDown(HWND window, Link *link)
{
    if (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP)
        SetFocus(window);
    SetCapture(window);
    link->pressed = true;
}

void OnButtonUp(HWND window, Link *link, POINT at)
{
    if (!link->pressed)
        return;
    link->pressed = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(window, &client);
    if (PtInRect(&client, at))
        Open(window, link);
}

LRESULT OnGetDialogCode(const MSG *message)
{
    /* Enter opens the link rather than pressing the dialog's default button. */
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
        return DLGC_WANTMESSAGE;
    return 0;
}

LRESULT CALLBACK LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE && !OnNcCreate(window, reinterpret_cast<CREATESTRUCTA *>(lParam)))
        return FALSE;
    Link *link = reinterpret_cast<Link *>(GetWindowLongPtrA(window, 0));
    if (!link)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY:
        OnNcDestroy(window, link);
        break;
    case WM_SETFONT:
        OnSetFont(window, link, reinterpret_cast<HFONT>(wParam), LOWORD(lParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(link->font);
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        OnPaint(window, link);
        return 0;
    case WM_PRINTCLIENT:
        Paint(window, link, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown(window, link);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(window, link, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        link->pressed = false;
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN)
            Open(window, link);
        return 0;
    case WM_GETDLGCODE:
        return OnGetDialogCode(reinterpret_cast<const MSG *>(lParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Redraw(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

RECT ClientRectOfChild(HWND parent, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

}  // namespace

bool RegisterLinkClass()
{
    WNDCLASSA existing;
    if (GetClassInfoA(ctlInstance, linkClass, &existing))
        return true;
    WNDCLASSA link = {};
    link.lpfnWndProc = LinkProc;
    link.cbWndExtra = sizeof(LONG_PTR);
    link.hInstance = ctlInstance;
    link.hCursor = LoadCursorA(NULL, IDC_HAND);
    link.lpszClassName = linkClass;
    return RegisterClassA(&link) != 0;
}

void UnregisterLinkClass()
{
    UnregisterClassA(linkClass, ctlInstance);
}

CTL_API HWND WINAPI Link_Create(HWND parent, int controlId)
{
    HWND placeholder = parent ? GetDlgItem(parent, controlId) : NULL;
    if (!placeholder || !RegisterLinkClass())
        return NULL;
    char text[maxLinkText];
    GetWindowTextA(placeholder, text, sizeof(text));
    RECT place = ClientRectOfChild(parent, placeholder);
    HWND link = CreateWindowExA(0, linkClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), ctlInstance, text);
    if (!link)
        return NULL;
    SendMessageA(link, WM_SETFONT, SendMessageA(placeholder, WM_GETFONT, 0, 0), FALSE);
    /* The link takes the placeholder's place in the tab and drawing order, then its id. */
    SetWindowPos(link, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    return link;
}

CTL_API void WINAPI Link_SetColors(HWND link, COLORREF normal, COLORREF visited)
{
    Link *state = LinkOf(link);
    if (!state)
        return;
    state->normal = normal;
    state->visited = visited;
    Redraw(link);
}
