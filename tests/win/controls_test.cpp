/* Centring on the parent, the owner or the screen; and corvanectln.dll through its exports as the
   library's windows use it: resizable windows, a link made from a hidden static, disabled images. */
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "canvas.h"
#include "corvanectln.h"
#include "module_folder.h"
#include "window_placement.h"
#include "windows_seen.h"

namespace {

const char hostClass[] = "ControlsTestHost";
const COLORREF red = RGB(255, 0, 0), white = RGB(255, 255, 255);

/* A window that hands sizing to the library, the way the main window does. */
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE)
        Resize_OnSize(window, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
    LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_GETMINMAXINFO)
        Resize_OnGetMinMaxInfo(window, (MINMAXINFO *)lParam);
    return result;
}

HWND CreateChild(HWND parent, const char *className, int id, const char *text, DWORD style, RECT place)
{
    return CreateWindowExA(0, className, text, WS_CHILD | style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
}

std::vector<LONG> Point(LONG x, LONG y) { return {x, y}; }
std::vector<LONG> Edges(RECT rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
std::vector<LONG> EdgesOf(HWND parent, int id) { return Edges(RectInParent(GetDlgItem(parent, id))); }

class Windows : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
    }
    HWND Host(int x, int y, int width, int height, DWORD style = WS_POPUP, HWND owner = NULL)
    {
        WNDCLASSA host = {};
        host.lpfnWndProc = HostProc;
        host.hInstance = GetModuleHandleA(NULL);
        host.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        host.lpszClassName = hostClass;
        RegisterClassA(&host);
        windows.push_back(CreateWindowExA(0, hostClass, "", style, x, y, width, height, owner, NULL, NULL, NULL));
        return windows.back();
    }
    /* Where CentreWindow puts the window, after it was at (0, 0). */
    std::vector<LONG> Centred(HWND window)
    {
        SetWindowPos(window, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CentreWindow(window);
        RECT rect;
        GetWindowRect(window, &rect);
        if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
            rect = RectInParent(window);
        return Point(rect.left, rect.top);
    }

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<HWND> windows;
};

/* On the screen, or on a shown owner, but never beyond the screen's edges; a child in its
   parent's client area, even when larger (rounded toward zero). */
TEST_F(Windows, CentresOnAShownOwnerTheScreenOrTheParent)
{
    EXPECT_EQ(Point((screenWidth - 301) / 2, (screenHeight - 200) / 2), Centred(Host(0, 0, 301, 200)));
    EXPECT_EQ(Point(0, 0), Centred(Host(40, 40, screenWidth + 200, screenHeight + 100)));
    HWND owner = Host(100, 100, 400, 300);
    HWND dialog = Host(0, 0, 200, 100, WS_POPUP, owner);
    EXPECT_EQ(Point((screenWidth - 200) / 2, (screenHeight - 100) / 2), Centred(dialog)) << "the owner is hidden";
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    EXPECT_EQ(Point(200, 200), Centred(dialog));
    MoveWindow(owner, screenWidth - 100, screenHeight - 50, 400, 300, FALSE);
    EXPECT_EQ(Point(screenWidth - 200, screenHeight - 100), Centred(dialog));
    ShowWindow(owner, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(owner));
    EXPECT_EQ(Point((screenWidth - 200) / 2, (screenHeight - 100) / 2), Centred(dialog)) << "the owner is minimised";

    RECT client;
    GetClientRect(owner = Host(50, 50, 300, 200), &client);
    HWND child = CreateChild(owner, hostClass, 7, "", 0, {0, 0, 101, 51});
    EXPECT_EQ(Point((client.right - 101) / 2, (client.bottom - 51) / 2), Centred(child));
    MoveWindow(child, 0, 0, client.right + 101, client.bottom + 51, FALSE);
    EXPECT_EQ(Point(-50, -25), Centred(child));
}

/* Each edge moves by its share of the size change, back again without drift; minimising moves
   nothing, controls not in the table or not there are skipped; the minimum size is the start's;
   after Resize_Exit, and for bad arguments, nothing moves. */
TEST_F(Windows, ResizingMovesEachEdgeByItsShare)
{
    HWND host = Host(50, 50, 400, 300, WS_OVERLAPPEDWINDOW);
    const RECT start[] = {{10, 10, 110, 30}, {120, 40, 160, 60}, {200, 100, 240, 130}, {10, 50, 60, 80}, {5, 5, 9, 9}};
    for (int i = 0; i < 5; i++)
        CreateChild(host, "STATIC", 201 + i, "", WS_VISIBLE, start[i]);
    const SIZING rows[] = {{201, 0, 0, 100, 0}, {202, 50, 50, 50, 50}, {203, 100, 100, 100, 100},
                           {204, 0, 0, 50, 100}, {999, 0, 0, 100, 100}};
    SIZE outer = SizeOf(host);
    EXPECT_FALSE(Resize_Init(NULL, 13, rows, 1));
    Resize_OnSize(NULL, SIZE_RESTORED, 10, 10);
    Resize_OnGetMinMaxInfo(host, NULL);
    ASSERT_TRUE(Resize_Init(host, 13, rows, 5));
    auto resizeBy = [&](int dx, int dy) {
        SIZE now = SizeOf(host);
        SetWindowPos(host, NULL, 0, 0, now.cx + dx, now.cy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    resizeBy(100, 60);
    const RECT grown[] = {{10, 10, 210, 30}, {170, 70, 210, 90}, {300, 160, 340, 190}, {10, 50, 110, 140}, start[4]};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Edges(grown[i]), EdgesOf(host, 201 + i)) << 201 + i;
    Resize_OnSize(host, SIZE_MINIMIZED, 0, 0);
    EXPECT_EQ(Edges(grown[2]), EdgesOf(host, 203));
    MINMAXINFO limits = {};
    SendMessageA(host, WM_GETMINMAXINFO, 0, (LPARAM)&limits);
    EXPECT_EQ(Point(outer.cx, outer.cy), Point(limits.ptMinTrackSize.x, limits.ptMinTrackSize.y));
    resizeBy(-100, -60);
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Edges(start[i]), EdgesOf(host, 201 + i)) << 201 + i;
    Resize_Exit(host);
    resizeBy(40, 40);
    EXPECT_EQ(Edges(start[0]), EdgesOf(host, 201));
}

/* The link takes the placeholder's place and id, shows the hand and an underline, and opens its
   target when clicked or on Space, then shows the visited colour. Each way of opening gets a
   target of its own, so that a late run of the first cannot stand in for the second. */
TEST_F(Windows, LinkReplacesItsPlaceholderAndOpensItsTarget)
{
    Ctl_Startup();
    HWND parent = Host(50, 50, 400, 200, WS_OVERLAPPEDWINDOW);
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    const char text[] = "Corvane on the web";
    SIZE extent;
    HDC dc = GetDC(parent);
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    ReleaseDC(parent, dc);
    RECT place = {30, 40, 30 + extent.cx, 40 + extent.cy};
    HWND placeholder = CreateChild(parent, "STATIC", 500, text, 0, place);
    EXPECT_TRUE(Link_Create(parent, 501) == NULL) << "no placeholder";
    EXPECT_TRUE(Link_Create(NULL, 500) == NULL);
    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    EXPECT_TRUE(IsWindowVisible(link) && !IsWindow(placeholder));
    EXPECT_EQ(link, GetDlgItem(parent, 500));
    EXPECT_EQ(Edges(place), EdgesOf(parent, 500));
    EXPECT_EQ((ULONG_PTR)LoadCursorA(NULL, IDC_HAND), GetClassLongPtrA(link, GCLP_HCURSOR));
    const COLORREF visited = RGB(0, 150, 0);
    Link_SetColors(link, red, visited);
    Canvas before(extent.cx, extent.cy);
    SendMessageA(link, WM_PRINTCLIENT, (WPARAM)before.dc(), PRF_CLIENT);
    int longestRow = 0;
    for (int y = 0; y < extent.cy; y++)
        longestRow = std::max(longestRow, before.Count(red, y));
    EXPECT_GT(longestRow, extent.cx * 8 / 10) << "no underline across the text";

    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    for (UINT way : {WM_LBUTTONUP, WM_KEYDOWN}) {  /* a click, and Space */
        std::string name = temp + ("ctl_link_" + std::to_string(way)), marker = name + ".txt", target = name + ".bat";
        RemoveFile(marker);
        WriteFileBytes(target, "@echo opened> \"" + marker + "\"\r\n");
        SetWindowTextA(link, target.c_str());
        if (way == WM_LBUTTONUP)
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(link, way, way == WM_KEYDOWN ? VK_SPACE : 0, MAKELPARAM(3, 3));
        /* The shell runs the target outside our control: wait for it, serving this thread's windows. */
        for (int i = 0; i < 300 && !FileExists(marker); i++, Sleep(100))
            for (MSG message; PeekMessageA(&message, NULL, 0, 0, PM_REMOVE);)
                DispatchMessageA(&message);
        EXPECT_TRUE(FileExists(marker)) << target << " did not run";
        Canvas after(extent.cx, extent.cy);
        SendMessageA(link, WM_PRINTCLIENT, (WPARAM)after.dc(), PRF_CLIENT);
        EXPECT_TRUE(after.Count(visited) > 0 && after.Count(red) == 0) << "the visited colour";
        RemoveFile(marker);
        RemoveFile(target);
    }
}

/* The engraved look: ink (neither the corner's background nor nearly white) in the shadow colour
   with a highlight below and right of it, on the button face. */
TEST(Bitmap, DisabledImageIsAnEngravedCopyInTheButtonColours)
{
    EXPECT_TRUE(Bitmap_MakeDisabled(NULL, 0, 0, 0, 0) == NULL);
    EXPECT_TRUE(Bitmap_MakeDisabled((HBITMAP)(INT_PTR)0x1234, 0, 0, 0, 0) == NULL);
    Canvas sample(24, 22);
    sample.Fill({0, 0, 24, 22}, RGB(192, 192, 192));
    sample.Fill({3, 3, 11, 11}, RGB(0, 0, 0));
    sample.Fill({14, 5, 20, 16}, red);
    sample.Fill({4, 15, 9, 19}, white);
    HBITMAP source = sample.Snapshot();
    HBITMAP disabled = Bitmap_MakeDisabled(source, 0, 0, 0, 0);
    DeleteObject(source);
    ASSERT_TRUE(disabled != NULL);
    Canvas after(24, 22);
    after.CopyFrom(disabled);
    DeleteObject(disabled);
    const COLORREF face = GetSysColor(COLOR_3DFACE), light = GetSysColor(COLOR_3DHILIGHT),
                   shadow = GetSysColor(COLOR_3DSHADOW);
    EXPECT_EQ(24 * 22, after.Count(face) + after.Count(light) + after.Count(shadow));
    EXPECT_EQ((std::vector<COLORREF>{face, shadow, shadow, light, face}),
              (std::vector<COLORREF>{after.At(0, 0), after.At(5, 5), after.At(16, 10), after.At(11, 11), after.At(6, 17)}));
}

}  // namespace
