/* corvanectln.dll through its exports, as the library and its dialogs use it: resizable
   windows, a link made from a hidden static, bitmap loading and disabled images. */
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "canvas.h"
#include "corvanectln.h"
#include "module_folder.h"

namespace {

const char hostClass[] = "CorvanectlnTestHost";

/* A window that hands sizing to the library, the way the main window does. */
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Resize_OnSize(window, static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        DefWindowProcA(window, message, wParam, lParam);
        Resize_OnGetMinMaxInfo(window, reinterpret_cast<MINMAXINFO *>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHost(int width, int height)
{
    WNDCLASSA host = {};
    host.lpfnWndProc = HostProc;
    host.hInstance = GetModuleHandleA(NULL);
    host.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    host.lpszClassName = hostClass;
    RegisterClassA(&host);
    return CreateWindowExA(0, hostClass, "host", WS_OVERLAPPEDWINDOW, 50, 50, width, height, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

HWND AddStatic(HWND parent, int id, const char *text, RECT place, DWORD style = WS_VISIBLE)
{
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(NULL), NULL);
}

RECT ChildRect(HWND parent, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(parent, id), &rect);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

/* Grows (or shrinks) the window's client area by dx, dy. */
void ResizeClientBy(HWND window, int dx, int dy)
{
    RECT outer;
    GetWindowRect(window, &outer);
    SetWindowPos(window, NULL, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

#define EXPECT_RECT(expected, actual)                       \
    do {                                                    \
        RECT e = expected, a = actual;                      \
        EXPECT_EQ(e.left, a.left);                          \
        EXPECT_EQ(e.top, a.top);                            \
        EXPECT_EQ(e.right, a.right);                        \
        EXPECT_EQ(e.bottom, a.bottom);                      \
    } while (0)

class Resize : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = CreateHost(400, 300);
        ASSERT_TRUE(host != NULL);
        AddStatic(host, 201, "label", {10, 10, 110, 30});
        AddStatic(host, 202, "middle", {120, 40, 160, 60});
        AddStatic(host, 203, "corner", {200, 100, 240, 130});
        AddStatic(host, 204, "half", {10, 50, 60, 80});
    }
    void TearDown() override
    {
        Resize_Exit(host);
        DestroyWindow(host);
    }

    HWND host = NULL;
    const SIZING rows[4] = {
        {201, 0, 0, 100, 0},
        {202, 50, 50, 50, 50},
        {203, 100, 100, 100, 100},
        {204, 0, 0, 50, 100},
    };
};

TEST_F(Resize, EachEdgeMovesByItsShareOfTheSizeChange)
{
    ASSERT_TRUE(Resize_Init(host, 13, rows, 4));
    SIZE start = ClientSize(host);
    ResizeClientBy(host, 100, 60);
    SIZE grown = ClientSize(host);
    ASSERT_EQ(start.cx + 100, grown.cx);
    ASSERT_EQ(start.cy + 60, grown.cy);

    EXPECT_RECT((RECT{10, 10, 210, 30}), ChildRect(host, 201));
    EXPECT_RECT((RECT{170, 70, 210, 90}), ChildRect(host, 202));
    EXPECT_RECT((RECT{300, 160, 340, 190}), ChildRect(host, 203));
    EXPECT_RECT((RECT{10, 50, 110, 140}), ChildRect(host, 204));

    /* Shrinking back restores the starting layout without drift. */
    ResizeClientBy(host, -100, -60);
    EXPECT_RECT((RECT{10, 10, 110, 30}), ChildRect(host, 201));
    EXPECT_RECT((RECT{120, 40, 160, 60}), ChildRect(host, 202));
    EXPECT_RECT((RECT{200, 100, 240, 130}), ChildRect(host, 203));
    EXPECT_RECT((RECT{10, 50, 60, 80}), ChildRect(host, 204));
}

TEST_F(Resize, MinimisingMovesNothingAndUnknownControlsAreSkipped)
{
    const SIZING withMissing[2] = {{999, 0, 0, 100, 100}, {203, 100, 100, 100, 100}};
    ASSERT_TRUE(Resize_Init(host, 13, withMissing, 2));
    Resize_OnSize(host, SIZE_MINIMIZED, 0, 0);
    EXPECT_RECT((RECT{200, 100, 240, 130}), ChildRect(host, 203));

    ResizeClientBy(host, 20, 10);
    EXPECT_RECT((RECT{220, 110, 260, 140}), ChildRect(host, 203));
    EXPECT_RECT((RECT{120, 40, 160, 60}), ChildRect(host, 202));  /* not in the table */
}

TEST_F(Resize, MinimumTrackingSizeIsTheStartingOuterSize)
{
    RECT outer;
    GetWindowRect(host, &outer);
    ASSERT_TRUE(Resize_Init(host, 13, rows, 4));
    ResizeClientBy(host, 150, 80);  /* as when the window is moved to its saved size */

    MINMAXINFO limits = {};
    SendMessageA(host, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(outer.right - outer.left, limits.ptMinTrackSize.x);
    EXPECT_EQ(outer.bottom - outer.top, limits.ptMinTrackSize.y);
}

TEST_F(Resize, DialogsAreKeptApartAndForgottenOnExit)
{
    HWND other = CreateHost(300, 200);
    AddStatic(other, 201, "other", {5, 5, 50, 25});
    const SIZING otherRows[1] = {{201, 100, 0, 100, 0}};
    ASSERT_TRUE(Resize_Init(host, 13, rows, 4));
    ASSERT_TRUE(Resize_Init(other, 13, otherRows, 1));

    ResizeClientBy(other, 30, 0);
    EXPECT_RECT((RECT{35, 5, 80, 25}), ChildRect(other, 201));
    EXPECT_RECT((RECT{10, 10, 110, 30}), ChildRect(host, 201));

    Resize_Exit(host);
    ResizeClientBy(host, 40, 40);
    EXPECT_RECT((RECT{10, 10, 110, 30}), ChildRect(host, 201));
    MINMAXINFO limits = {};
    limits.ptMinTrackSize = {7, 7};
    Resize_OnGetMinMaxInfo(host, &limits);
    EXPECT_EQ(7, limits.ptMinTrackSize.x);

    ResizeClientBy(other, -30, 0);
    EXPECT_RECT((RECT{5, 5, 50, 25}), ChildRect(other, 201));
    Resize_Exit(other);
    DestroyWindow(other);
}

TEST_F(Resize, BadArgumentsAreRefusedOrIgnored)
{
    EXPECT_FALSE(Resize_Init(NULL, 13, rows, 4));
    EXPECT_TRUE(Resize_Init(host, 13, NULL, 4));
    EXPECT_TRUE(Resize_Init(host, 13, rows, -1));
    Resize_OnSize(NULL, SIZE_RESTORED, 10, 10);
    Resize_OnGetMinMaxInfo(host, NULL);
    Resize_Exit(NULL);
    ResizeClientBy(host, 10, 10);
    EXPECT_RECT((RECT{10, 10, 110, 30}), ChildRect(host, 201));
}

class Link : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ctl_Startup();
        parent = CreateHost(400, 200);
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        HDC dc = GetDC(parent);
        SIZE extent;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        ReleaseDC(parent, dc);
        place = {30, 40, 30 + extent.cx, 40 + extent.cy};
        placeholder = AddStatic(parent, 500, text, place, 0);
    }
    void TearDown() override { DestroyWindow(parent); }

    /* Waits for the shell to run the target; the started program is outside our control. */
    static bool AppearsWithin(const std::string &path, int seconds)
    {
        for (int i = 0; i < seconds * 10 && !FileExists(path); i++) {
            MSG message;
            while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            Sleep(100);
        }
        return FileExists(path);
    }

    const char *text = "Corvane on the web";
    HWND parent = NULL;
    HWND placeholder = NULL;
    RECT place = {};
};

TEST_F(Link, TakesThePlaceholdersPlaceAndIdAndShowsTheHand)
{
    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    EXPECT_TRUE(IsWindowVisible(link));
    EXPECT_EQ(link, GetDlgItem(parent, 500));
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_RECT(place, ChildRect(parent, 500));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(LoadCursorA(NULL, IDC_HAND)), GetClassLongPtrA(link, GCLP_HCURSOR));
    char target[64] = "x";
    GetWindowTextA(link, target, sizeof(target));
    EXPECT_STREQ("", target);  /* the caller sets the target */
}

TEST_F(Link, WithoutAPlaceholderNoLinkIsMade)
{
    EXPECT_TRUE(Link_Create(parent, 501) == NULL);
    EXPECT_TRUE(Link_Create(NULL, 500) == NULL);
    Link_SetColors(parent, RGB(1, 2, 3), RGB(1, 2, 3));  /* not a link: ignored */
}

TEST_F(Link, DrawsItsTextUnderlinedInItsColour)
{
    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    const COLORREF colour = RGB(200, 0, 0);
    Link_SetColors(link, colour, colour);
    int width = place.right - place.left;
    Canvas canvas(width, place.bottom - place.top);
    SendMessageA(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    int longestRow = 0;
    for (int y = 0; y < canvas.height(); y++)
        longestRow = std::max(longestRow, canvas.Count(colour, y));
    EXPECT_GT(longestRow, width * 8 / 10) << "no underline across the text";
}

TEST_F(Link, OpensItsTargetWhenClickedOrOnSpaceAndThenShowsVisited)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string marker = std::string(temp) + "ctl_link_opened.txt";
    std::string target = std::string(temp) + "ctl_link_target.bat";
    RemoveFile(marker);
    WriteFileBytes(target, "@echo opened> \"" + marker + "\"\r\n");

    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    const COLORREF normal = RGB(200, 0, 0), visited = RGB(0, 150, 0);
    Link_SetColors(link, normal, visited);
    SetWindowTextA(link, target.c_str());

    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(AppearsWithin(marker, 30)) << "click did not run " << target;

    Canvas canvas(place.right - place.left, place.bottom - place.top);
    SendMessageA(link, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_GT(canvas.Count(visited), 0);
    EXPECT_EQ(0, canvas.Count(normal));

    RemoveFile(marker);
    SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(AppearsWithin(marker, 30)) << "Space did not run " << target;
    RemoveFile(marker);
    RemoveFile(target);
}

/* 24 by 22: grey background, a black square, a red bar and a white spot. */
HBITMAP MakeSample()
{
    Canvas canvas(24, 22);
    canvas.Fill({0, 0, 24, 22}, RGB(192, 192, 192));
    canvas.Fill({3, 3, 11, 11}, RGB(0, 0, 0));
    canvas.Fill({14, 5, 20, 16}, RGB(255, 0, 0));
    canvas.Fill({4, 15, 9, 19}, RGB(255, 255, 255));
    return canvas.Snapshot();
}

std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height)
{
    Canvas canvas(width, height);
    canvas.CopyFrom(bitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

TEST(Bitmap, DisabledImageIsAnEngravedCopyInTheButtonColours)
{
    HBITMAP source = MakeSample();
    HBITMAP disabled = Bitmap_MakeDisabled(source, 0, 0, 0, 0);
    ASSERT_TRUE(disabled != NULL);
    BITMAP header = {};
    GetObjectA(disabled, sizeof(header), &header);
    EXPECT_EQ(24, header.bmWidth);
    EXPECT_EQ(22, header.bmHeight);

    std::vector<COLORREF> before = PixelsOf(source, 24, 22), after = PixelsOf(disabled, 24, 22);
    EXPECT_NE(before, after);
    const COLORREF face = GetSysColor(COLOR_3DFACE), light = GetSysColor(COLOR_3DHILIGHT),
                   shadow = GetSysColor(COLOR_3DSHADOW);
    for (COLORREF pixel : after)
        EXPECT_TRUE(pixel == face || pixel == light || pixel == shadow) << std::hex << pixel;
    auto at = [&](int x, int y) { return after[y * 24 + x]; };
    EXPECT_EQ(face, at(0, 0));       /* background */
    EXPECT_EQ(shadow, at(5, 5));     /* black square */
    EXPECT_EQ(shadow, at(16, 10));   /* red bar */
    EXPECT_EQ(light, at(11, 11));    /* below and right of the square's corner */
    EXPECT_EQ(face, at(6, 17));      /* white spot disappears */
    DeleteObject(disabled);
    DeleteObject(source);
}

TEST(Bitmap, NoDisabledImageWithoutASource)
{
    EXPECT_TRUE(Bitmap_MakeDisabled(NULL, 0, 0, 0, 0) == NULL);
    EXPECT_TRUE(Bitmap_MakeDisabled(reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x1234)), 0, 0, 0, 0) == NULL);
}

TEST(Bitmap, LoadsAResourceBitmapAsASection)
{
    /* The system's own frame bitmaps are resources of user32. */
    const UINT closeBox = 32754;
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!FindResourceA(user, MAKEINTRESOURCEA(closeBox), MAKEINTRESOURCEA(2)))
        GTEST_SKIP() << "user32 holds no bitmap " << closeBox;
    HBITMAP bitmap = Bitmap_Load(user, closeBox);
    ASSERT_TRUE(bitmap != NULL);
    DIBSECTION section = {};
    EXPECT_EQ(static_cast<int>(sizeof(section)), GetObjectA(bitmap, sizeof(section), &section));
    EXPECT_TRUE(section.dsBm.bmBits != NULL);
    EXPECT_TRUE(DeleteObject(bitmap));

    EXPECT_TRUE(Bitmap_Load(user, 4) == NULL);
    EXPECT_TRUE(Bitmap_Load(user, 0x10000 + closeBox) == NULL);
}

}  // namespace
