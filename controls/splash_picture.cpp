/* The "Logon" picture window: loads the start-up bitmap with a palette fit for it, puts the
   link on it, and goes away after LogonTime seconds or when clicked. */
#include "splash_picture.h"

#include <string.h>

#include "bitmap_draw.h"
#include "bounded_text.h"
#include "corvanectln.h"
#include "module_state.h"
#include "settings.h"
#include "window_placement.h"
#include "window_timers.h"

const char kLogonClass[] = "Logon";
int splashShowButton = 1;

namespace {

enum { LOGON_TIMER = 1, LINK_ID = 500, SPLASH_OK = 1, URL_SIZE = 256, PALETTE_SIZE = 256 };

/* One picture exists at a time. */
HBITMAP pictureBitmap;
HPALETTE picturePalette;
char picturePath[MAX_PATH];

/* A logical palette from the colour table of a bitmap of 8 bits or fewer; the entries the
   table does not define stay black, as the bitmap's pixels never refer to them. */
HPALETTE PaletteFromColourTable(HBITMAP bitmap)
{
    RGBQUAD colours[PALETTE_SIZE] = {};
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    UINT count = GetDIBColorTable(memory, 0, PALETTE_SIZE, colours);
    SelectObject(memory, previous);
    DeleteDC(memory);
    if (count > PALETTE_SIZE)
        count = PALETTE_SIZE;

    struct {
        WORD version;
        WORD entries;
        PALETTEENTRY entry[PALETTE_SIZE];
    } palette = {0x300, PALETTE_SIZE, {}};
    for (UINT i = 0; i < count; ++i) {
        palette.entry[i].peRed = colours[i].rgbRed;
        palette.entry[i].peGreen = colours[i].rgbGreen;
        palette.entry[i].peBlue = colours[i].rgbBlue;
        palette.entry[i].peFlags = 0;
    }
    return CreatePalette((LOGPALETTE *)&palette);
}

/* Loads picturePath as a DIB section with its palette; false only when it is no bitmap. */
bool LoadPicture(void)
{
    pictureBitmap = (HBITMAP)LoadImageA(NULL, picturePath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!pictureBitmap)
        return false;
    BITMAP shape = {};
    GetObjectA(pictureBitmap, sizeof shape, &shape);
    if (shape.bmPlanes * shape.bmBitsPixel > 8) {
        HDC screen = GetDC(NULL);
        picturePalette = CreateHalftonePalette(screen);
        ReleaseDC(NULL, screen);
    } else {
        picturePalette = PaletteFromColourTable(pictureBitmap);
    }
    return true;
}

/* LogonFile; a bare name lies in the library's own folder. */
void BuildPicturePath(void)
{
    char file[MAX_PATH] = "";
    ReadSettingString(SET_LOGON_FILE, file, sizeof file);
    if (strchr(file, '\\')) {
        CopyText(picturePath, sizeof picturePath, file);
        return;
    }
    char tail[MAX_PATH + 1] = "\\";
    AppendText(tail, sizeof tail, file);
    picturePath[0] = '\0';
    GetModuleFileNameA(moduleHandle, picturePath, sizeof picturePath);
    ReplaceFileName(picturePath, sizeof picturePath, tail);
}

/* A hidden static of the text's size at (URLx, URLy), turned into the link. */
void AddLink(HWND window)
{
    char url[URL_SIZE] = "", urlName[URL_SIZE] = "";
    ReadSettingString(SET_URL, url, sizeof url);
    ReadSettingString(SET_URL_NAME, urlName, sizeof urlName);
    int x = ReadSettingInt(SET_URL_X), y = ReadSettingInt(SET_URL_Y);
    COLORREF colour = RGB(ReadSettingInt(SET_RED) & 0xFF, ReadSettingInt(SET_GREEN) & 0xFF, ReadSettingInt(SET_BLUE) & 0xFF);

    SIZE extent = {0, 0};
    HDC dc = GetDC(window);
    GetTextExtentPoint32A(dc, urlName, (int)strlen(urlName), &extent);
    ReleaseDC(window, dc);
    CreateWindowExA(WS_EX_TRANSPARENT, "static", urlName, WS_CHILD, x, y, extent.cx, extent.cy, window,
                    (HMENU)(INT_PTR)LINK_ID, resourceModule, NULL);
    HWND link = Link_Create(window, LINK_ID);
    if (!link)
        return;
    SetWindowTextA(link, url);
    Link_SetColors(link, colour, colour);
}

LRESULT OnCreate(HWND window)
{
    int seconds = ReadSettingInt(SET_LOGON_TIME);
    if (seconds == 0 || ReadSettingInt(SET_LOGON_DISPLAY) == 0)
        return -1;
    if (pictureBitmap)
        return -1;  /* one picture at a time: its handles are module-wide */
    BuildPicturePath();
    if (!LoadPicture())
        return -1;
    BITMAP shape = {};
    GetObjectA(pictureBitmap, sizeof shape, &shape);
    SetWindowPos(window, NULL, 0, 0, shape.bmWidth + 2, shape.bmHeight + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddLink(window);
    StartWindowTimer(window, LOGON_TIMER, (UINT)seconds * 1000);
    CentreWindow(window);
    return 0;
}

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HPALETTE previous = SelectPalette(dc, picturePalette, FALSE);
    RealizePalette(dc);
    DrawBitmapAt(dc, 0, 0, pictureBitmap);
    SelectPalette(dc, previous, FALSE);
    EndPaint(window, &paint);
}

void OnTimer(HWND window)
{
    StopWindowTimer(window, LOGON_TIMER);
    DestroyWindow(window);
}

/* Alone, a click closes the picture; in the dialog it counts as the OK button. */
void OnLeftButtonDown(HWND window)
{
    if (splashShowButton == 0) {
        StopWindowTimer(window, LOGON_TIMER);
        DestroyWindow(window);
    } else {
        PostMessageA(GetWindow(window, GW_OWNER), WM_COMMAND, SPLASH_OK, 0);
    }
}

void OnDestroy(void)
{
    if (pictureBitmap)
        DeleteObject(pictureBitmap);
    if (picturePalette)
        DeleteObject(picturePalette);
    pictureBitmap = NULL;
    picturePalette = NULL;
}

LRESULT CALLBACK LogonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_PAINT: OnPaint(window); return 0;
    case WM_TIMER: OnTimer(window); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(window); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterLogonClass(void)
{
    WNDCLASSA logon = {};
    logon.lpfnWndProc = LogonProc;
    logon.hInstance = resourceModule;
    logon.hCursor = LoadCursorA(NULL, IDC_ARROW);
    logon.lpszClassName = kLogonClass;
    RegisterClassA(&logon);
}

HWND CreateLogonWindow(DWORD exStyle, HWND owner)
{
    HWND window = CreateWindowExA(exStyle, kLogonClass, "", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 10, 10, owner,
                                  NULL, resourceModule, NULL);
    if (window)
        UpdateWindow(window);
    return window;
}
