#include "status_window.h"

#include <commctrl.h>
#include <stdio.h>

#include <vector>

#include "mohres.h"
#include "png_writer.h"

namespace {

const int kCallCommands[] = {IDCMD_ACCEPT, IDCMD_IGNORE, IDCMD_DISCONNECT, IDCMD_CALL, IDCMD_RECONNECT};
const char kCommandLetters[] = "AIDCR";

BOOL CALLBACK CheckStatusWindow(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, IDC_COUNTDOWN) && GetDlgItem(window, IDC_STATUS_LINE)) {
        *(HWND *)found = window;
        return FALSE;
    }
    return TRUE;
}

/* The text control of a message box: 0xFFFF on Windows, 100 in Wine's template. */
HWND MessageText(HWND box)
{
    for (int id : {0xFFFF, 100})
        if (HWND text = GetDlgItem(box, id))
            return text;
    return NULL;
}

BOOL CALLBACK CheckMessageBox(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && MessageText(window) &&
        !GetDlgItem(window, IDC_COUNTDOWN)) {
        *(HWND *)found = window;
        return FALSE;
    }
    return TRUE;
}

HWND Toolbar(HWND window)
{
    return FindWindowExA(window, NULL, TOOLBARCLASSNAMEA, NULL);
}

/* The state of one command: the toolbar button, and the menu item when the menu bar is shown. */
char CommandState(HWND window, int command)
{
    LRESULT button = SendMessageA(Toolbar(window), TB_GETSTATE, (WPARAM)command, 0);
    if (button == -1)
        return 'x';
    bool buttonOn = (button & TBSTATE_ENABLED) && !(button & TBSTATE_INDETERMINATE);
    HMENU menu = GetMenu(window);
    if (menu) {
        UINT item = GetMenuState(menu, (UINT)command, MF_BYCOMMAND);
        bool itemOn = item != (UINT)-1 && !(item & (MF_GRAYED | MF_DISABLED));
        if (item != (UINT)-1 && itemOn != buttonOn)
            return '?';
    }
    return buttonOn ? '+' : '-';
}

}  // namespace

HWND FindStatusWindow(void)
{
    HWND found = NULL;
    EnumThreadWindows(GetCurrentThreadId(), CheckStatusWindow, (LPARAM)&found);
    return found;
}

HWND FindMessageBox(void)
{
    HWND found = NULL;
    EnumThreadWindows(GetCurrentThreadId(), CheckMessageBox, (LPARAM)&found);
    return found;
}

std::string MessageBoxText(HWND box)
{
    char text[1024] = "";
    GetWindowTextA(MessageText(box), text, sizeof text);
    return text;
}

bool PressBoxButton(HWND box, int button)
{
    HWND control = GetDlgItem(box, button);
    if (!control)
        return false;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)control);
    return true;
}

std::string ControlText(HWND window, int control)
{
    char text[1024] = "";
    GetDlgItemTextA(window, control, text, sizeof text);
    return text;
}

std::string CommandStates(HWND window)
{
    std::string states;
    for (int command : kCallCommands)
        states += CommandState(window, command);
    return states;
}

std::string CommandStatesText(const std::string &states)
{
    std::string text;
    for (size_t i = 0; i < states.size() && i < 5; ++i) {
        if (states[i] == '.')
            continue;
        text += (text.empty() ? "" : " ") + std::string(1, kCommandLetters[i]) + states[i];
    }
    return text;
}

bool IsShown(HWND window)
{
    return IsWindowVisible(window) && !IsIconic(window);
}

bool ClickCommand(HWND window, int command, std::string *problem)
{
    if (!IsShown(window)) {
        *problem = "the status window is not shown";
        return false;
    }
    if (!IsWindowEnabled(window)) {
        *problem = "the status window is disabled by a message box";
        return false;
    }
    char state = CommandState(window, command);
    if (state != '+') {
        *problem = state == 'x' ? "the toolbar has no such button" : "the button is grey";
        return false;
    }
    HWND toolbar = Toolbar(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), (LPARAM)toolbar);
    return true;
}

bool SaveWindowPicture(HWND window, const std::string &path, std::string *problem)
{
    if (!IsShown(window)) {
        *problem = "the status window is not shown";
        return false;
    }
    /* Without a window manager Wine can leave the frame of the foreground window drawn inactive:
       draw it in the state the window has. */
    if (GetForegroundWindow() == window)
        SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    /* The window's own device context reads its surface, whatever lies above it on the screen. */
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BYTE *bits = NULL;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, (void **)&bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = bitmap && BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint8_t> rgb;
    if (copied) {
        size_t stride = ((size_t)width * 3 + 3) & ~(size_t)3;
        rgb.reserve((size_t)width * height * 3);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const BYTE *pixel = bits + y * stride + x * 3;
                rgb.insert(rgb.end(), {pixel[2], pixel[1], pixel[0]});
            }
    }
    SelectObject(memory, old);
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    std::string png = copied ? EncodePng(rgb.data(), (uint32_t)width, (uint32_t)height) : "";
    if (png.empty()) {
        *problem = "the window could not be copied";
        return false;
    }
    FILE *file = fopen(path.c_str(), "wb");
    bool written = file && fwrite(png.data(), 1, png.size(), file) == png.size();
    if (file)
        fclose(file);
    if (!written)
        *problem = "cannot write " + path;
    return written;
}
