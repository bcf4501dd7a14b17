/* The controls: centring on the parent, the owner or the screen; bitmap buttons as a page draws
   them; and corvanectln.dll through its exports as the library's windows use it: resizable
   windows, a link made from a hidden static, bitmap loading and disabled images. */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bitmap_buttons.h"
#include "bitmap_draw.h"
#include "canvas.h"
#include "corvanectln.h"
#include "module_folder.h"
#include "module_state.h"
#include "window_placement.h"
#include "windows_seen.h"

namespace {

const char hostClass[] = "ControlsTestHost";
const char dollarClass[] = "$ControlsTestButton";
const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);

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

HWND CreateHost(int x, int y, int width, int height, DWORD style = WS_POPUP, HWND owner = NULL)
{
    WNDCLASSA host = {};
    host.lpfnWndProc = HostProc;
    host.hInstance = GetModuleHandleA(NULL);
    host.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    host.lpszClassName = hostClass;
    RegisterClassA(&host);
    host.lpszClassName = dollarClass;
    RegisterClassA(&host);
    return CreateWindowExA(0, hostClass, "", style, x, y, width, height, owner, NULL, GetModuleHandleA(NULL), NULL);
}

HWND CreateChild(HWND parent, const char *className, int id, const char *text, DWORD style, RECT place)
{
    return CreateWindowExA(0, className, text, WS_CHILD | style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
}

POINT Position(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
        rect = RectInParent(window);
    return {rect.left, rect.top};
}

std::vector<LONG> Edges(RECT rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
std::vector<LONG> EdgesOf(HWND parent, int id) { return Edges(RectInParent(GetDlgItem(parent, id))); }

/* Grows (or shrinks) the window's client area by dx, dy. */
void ResizeClientBy(HWND window, int dx, int dy)
{
    SIZE outer = SizeOf(window);
    SetWindowPos(window, NULL, 0, 0, outer.cx + dx, outer.cy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* The bounding box of the pixels in which two equal-sized canvases differ. */
RECT Difference(const Canvas &a, const Canvas &b)
{
    RECT box = {a.width(), a.height(), -1, -1};
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++)
            if (a.At(x, y) != b.At(x, y))
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
    return box;
}

bool Same(const Canvas &a, const Canvas &b) { return Difference(a, b).right < 0; }

/* Whether the button shows image one pixel in from its frame; deletes image. */
bool ShowsImage(const Canvas &button, HBITMAP image)
{
    Canvas expected(24, 22);
    expected.CopyFrom(image);
    DeleteObject(image);
    for (int y = 0; y < 22; y++)
        for (int x = 0; x < 24; x++)
            if (expected.At(x, y) != button.At(x + 1, y + 1))
                return false;
    return true;
}

class Windows : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
    }
    HWND Keep(HWND window)
    {
        windows.push_back(window);
        return window;
    }
    /* Where CentreWindow puts the window, after it was at (0, 0). */
    POINT Centred(HWND window)
    {
        SetWindowPos(window, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CentreWindow(window);
        return Position(window);
    }

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<HWND> windows;
};

/* On the screen, or on a shown owner, but never beyond the screen's edges. */
TEST_F(Windows, TopLevelWindowsCentreOnAShownOwnerOrTheScreen)
{
    HWND small = Keep(CreateHost(0, 0, 301, 200));
    EXPECT_EQ((screenWidth - 301) / 2, Centred(small).x);
    EXPECT_EQ((screenHeight - 200) / 2, Centred(small).y);
    HWND large = Keep(CreateHost(40, 40, screenWidth + 200, screenHeight + 100));
    EXPECT_EQ(0, Centred(large).x);
    EXPECT_EQ(0, Centred(large).y);

    HWND owner = Keep(CreateHost(100, 100, 400, 300));
    HWND dialog = Keep(CreateHost(0, 0, 200, 100, WS_POPUP, owner));
    EXPECT_EQ((screenWidth - 200) / 2, Centred(dialog).x) << "the owner is hidden";
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    EXPECT_EQ(200, Centred(dialog).x);
    EXPECT_EQ(200, Centred(dialog).y);
    MoveWindow(owner, screenWidth - 100, screenHeight - 50, 400, 300, FALSE);
    EXPECT_EQ(screenWidth - 200, Centred(dialog).x);
    EXPECT_EQ(screenHeight - 100, Centred(dialog).y);
    ShowWindow(owner, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(owner));
    EXPECT_EQ((screenHeight - 100) / 2, Centred(dialog).y) << "the owner is minimised";
}

TEST_F(Windows, ChildCentresInItsParentsClientAreaEvenWhenLarger)
{
    HWND parent = Keep(CreateHost(50, 50, 300, 200));
    RECT client;
    GetClientRect(parent, &client);
    HWND child = CreateChild(parent, hostClass, 7, "", 0, {0, 0, 101, 51});
    EXPECT_EQ((client.right - 101) / 2, Centred(child).x);
    EXPECT_EQ((client.bottom - 51) / 2, Centred(child).y);
    MoveWindow(child, 0, 0, client.right + 101, client.bottom + 51, FALSE);
    EXPECT_EQ(-50, Centred(child).x);  /* -101 / 2, toward zero */
    EXPECT_EQ(-25, Centred(child).y);
}

/* Each edge moves by its share of the size change, back again without drift; minimising moves
   nothing, controls not in the table or not there are skipped; the minimum size is the start's. */
TEST_F(Windows, ResizingMovesEachEdgeByItsShare)
{
    HWND host = Keep(CreateHost(50, 50, 400, 300, WS_OVERLAPPEDWINDOW));
    const RECT start[] = {{10, 10, 110, 30}, {120, 40, 160, 60}, {200, 100, 240, 130}, {10, 50, 60, 80}, {5, 5, 9, 9}};
    for (int i = 0; i < 5; i++)
        CreateChild(host, "STATIC", 201 + i, "", WS_VISIBLE, start[i]);
    const SIZING rows[] = {{201, 0, 0, 100, 0}, {202, 50, 50, 50, 50}, {203, 100, 100, 100, 100},
                           {204, 0, 0, 50, 100}, {999, 0, 0, 100, 100}};
    SIZE outer = SizeOf(host);
    ASSERT_TRUE(Resize_Init(host, 13, rows, 5));
    ResizeClientBy(host, 100, 60);
    EXPECT_EQ(Edges({10, 10, 210, 30}), EdgesOf(host, 201));
    EXPECT_EQ(Edges({170, 70, 210, 90}), EdgesOf(host, 202));
    EXPECT_EQ(Edges({300, 160, 340, 190}), EdgesOf(host, 203));
    EXPECT_EQ(Edges({10, 50, 110, 140}), EdgesOf(host, 204));
    EXPECT_EQ(Edges(start[4]), EdgesOf(host, 205));
    Resize_OnSize(host, SIZE_MINIMIZED, 0, 0);
    EXPECT_EQ(Edges({300, 160, 340, 190}), EdgesOf(host, 203));
    MINMAXINFO limits = {};
    SendMessageA(host, WM_GETMINMAXINFO, 0, (LPARAM)&limits);
    EXPECT_EQ(outer.cx, limits.ptMinTrackSize.x);
    EXPECT_EQ(outer.cy, limits.ptMinTrackSize.y);
    ResizeClientBy(host, -100, -60);
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Edges(start[i]), EdgesOf(host, 201 + i));
}

/* Each window keeps its own table; after Resize_Exit, and for bad arguments, nothing moves. */
TEST_F(Windows, ResizingKeepsWindowsApartAndForgetsThemOnExit)
{
    HWND host = Keep(CreateHost(50, 50, 400, 300, WS_OVERLAPPEDWINDOW));
    HWND other = Keep(CreateHost(50, 50, 300, 200, WS_OVERLAPPEDWINDOW));
    CreateChild(host, "STATIC", 201, "", WS_VISIBLE, {10, 10, 110, 30});
    CreateChild(other, "STATIC", 201, "", WS_VISIBLE, {5, 5, 50, 25});
    const SIZING rows[] = {{201, 100, 0, 100, 0}};
    EXPECT_FALSE(Resize_Init(NULL, 13, rows, 1));
    EXPECT_TRUE(Resize_Init(host, 13, NULL, 4));
    EXPECT_TRUE(Resize_Init(host, 13, rows, -1));
    Resize_OnSize(NULL, SIZE_RESTORED, 10, 10);
    Resize_OnGetMinMaxInfo(host, NULL);
    Resize_Exit(NULL);
    ASSERT_TRUE(Resize_Init(host, 13, rows, 1));
    ASSERT_TRUE(Resize_Init(other, 13, rows, 1));
    ResizeClientBy(other, 30, 0);
    EXPECT_EQ(Edges({35, 5, 80, 25}), EdgesOf(other, 201));
    EXPECT_EQ(Edges({10, 10, 110, 30}), EdgesOf(host, 201));
    Resize_Exit(host);
    ResizeClientBy(host, 40, 40);
    EXPECT_EQ(Edges({10, 10, 110, 30}), EdgesOf(host, 201));
    MINMAXINFO limits = {};
    limits.ptMinTrackSize = {7, 7};
    Resize_OnGetMinMaxInfo(host, &limits);
    EXPECT_EQ(7, limits.ptMinTrackSize.x);
    Resize_Exit(other);
}

class Button : public Windows {
protected:
    void SetUp() override
    {
        page = Keep(CreateHost(0, 0, 300, 200));
        button = CreateChild(page, "BUTTON", 4711, "Ring", WS_VISIBLE | BS_OWNERDRAW, {10, 10, 37, 35});
        /* Blue with a red top-left pixel, so its position shows where it was drawn. */
        Canvas canvas(24, 22);
        canvas.Fill({0, 0, 24, 22}, blue);
        canvas.Fill({0, 0, 1, 1}, red);
        image = canvas.Snapshot();
    }
    void TearDown() override
    {
        DeleteObject(image);
        Windows::TearDown();
    }
    void Draw(const Canvas &canvas, UINT action, UINT state, HWND control = NULL)
    {
        DRAWITEMSTRUCT item = {ODT_BUTTON, 4711, 0, action, state, control ? control : button, canvas.dc(),
                               {0, 0, 27, 25}, 0};
        DrawBitmapButton(&item, image);
    }

    HWND page = NULL;
    HWND button = NULL;
    HBITMAP image = NULL;
};

/* Pressing moves image and focus frame a pixel right and down; a focus change toggles the frame
   and keeps the text colour. */
TEST_F(Button, PressingMovesImageAndFocusOnePixelRightAndDown)
{
    Canvas up(27, 25), down(27, 25), released(27, 25), upFocused(27, 25), downFocused(27, 25);
    Draw(up, ODA_DRAWENTIRE, 0);
    Draw(down, ODA_SELECT, ODS_SELECTED);
    Draw(released, ODA_SELECT, 0);
    EXPECT_EQ(red, up.At(1, 1));
    EXPECT_EQ(blue, up.At(2, 2));
    EXPECT_EQ(red, down.At(2, 2));
    EXPECT_NE(red, down.At(1, 1));
    EXPECT_TRUE(Same(up, released));
    Draw(upFocused, ODA_DRAWENTIRE, ODS_FOCUS);
    Draw(downFocused, ODA_SELECT, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(Edges({2, 2, 24, 22}), Edges(Difference(up, upFocused)));
    EXPECT_EQ(Edges({3, 3, 25, 23}), Edges(Difference(down, downFocused)));

    SetTextColor(up.dc(), RGB(1, 2, 3));
    Draw(up, ODA_FOCUS, ODS_FOCUS);
    EXPECT_TRUE(Same(up, upFocused));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(up.dc()));
    Draw(up, ODA_FOCUS, 0);
    EXPECT_TRUE(Same(up, released));
}

TEST_F(Button, DisabledDollarClassControlDrawsGreyedWithoutFocus)
{
    HWND dollar = CreateChild(page, dollarClass, 4712, "", WS_VISIBLE | WS_DISABLED, {50, 10, 77, 35});
    Canvas greyed(27, 25), plainDisabled(27, 25), focusOnly(27, 25), untouched(27, 25);
    Draw(greyed, ODA_DRAWENTIRE, ODS_FOCUS, dollar);
    Draw(plainDisabled, ODA_DRAWENTIRE, ODS_DISABLED);
    EXPECT_TRUE(Same(greyed, plainDisabled));
    EXPECT_TRUE(ShowsImage(greyed, Bitmap_MakeDisabled(image, 0, 0, 0, 0)));
    Draw(focusOnly, ODA_FOCUS, ODS_FOCUS, dollar);
    EXPECT_TRUE(Same(focusOnly, untouched));
}

/* A page's bitmap buttons, fitted to their bitmaps, with their text as tip; a disabled one is
   greyed even when the draw request does not say so; other controls are not the table's. */
TEST_F(Windows, PageButtonsShowTheirResourceBitmapUntilFreed)
{
    HINSTANCE saved = resourceModule;
    resourceModule = LoadLibraryExA(ModulePath("mohrc.dll").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(resourceModule != NULL);
    InitCommonControls();
    HWND page = Keep(CreateHost(0, 0, 300, 200));
    HWND phoneBook = CreateChild(page, "BUTTON", 10010, "Phone book", WS_VISIBLE | BS_OWNERDRAW, {10, 10, 60, 50});
    HWND ring = CreateChild(page, "BUTTON", 1069, "Ring sound", WS_VISIBLE | BS_OWNERDRAW, {70, 10, 80, 20});
    HWND tooltip = SetupPageButtons(page);
    EXPECT_EQ(TOOLTIPS_CLASSA, ClassOf(tooltip));
    EXPECT_EQ(page, GetWindow(tooltip, GW_OWNER));
    EXPECT_EQ(2, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (HWND control : {phoneBook, ring}) {
        char text[128] = "";
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = page;
        tool.uId = (UINT_PTR)control;
        tool.lpszText = text;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, (LPARAM)&tool);
        EXPECT_EQ(TextOf(control), text);
        EXPECT_EQ(27, SizeOf(control).cx);
        EXPECT_EQ(25, SizeOf(control).cy);
    }
    EXPECT_EQ(70, Position(ring).x);

    Canvas drawn(27, 25), greyed(27, 25), empty(27, 25), frameOnly(27, 25), untouched(27, 25);
    DRAWITEMSTRUCT item = {ODT_BUTTON, 10010, 0, ODA_DRAWENTIRE, 0, phoneBook, drawn.dc(), {0, 0, 27, 25}, 0};
    DrawTableButton(page, &item);
    EXPECT_TRUE(ShowsImage(drawn, Bitmap_Load(resourceModule, 126)));
    EnableWindow(phoneBook, FALSE);
    item.hDC = greyed.dc();
    DrawTableButton(page, &item);
    HBITMAP loaded = Bitmap_Load(resourceModule, 126);
    EXPECT_TRUE(ShowsImage(greyed, Bitmap_MakeDisabled(loaded, 0, 0, 0, 0)));
    DeleteObject(loaded);

    FreePageButtons(page);
    RECT frame = {0, 0, 27, 25};
    DrawFrameControl(frameOnly.dc(), &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
    item.hDC = empty.dc();
    DrawTableButton(page, &item);
    EXPECT_TRUE(Same(empty, frameOnly));
    item.hDC = untouched.dc();
    item.CtlType = ODT_STATIC;
    DrawTableButton(page, &item);
    item.CtlType = ODT_BUTTON;
    item.CtlID = 4711;
    DrawTableButton(page, &item);
    DrawTableButton(page, NULL);
    EXPECT_TRUE(Same(untouched, Canvas(27, 25)));
    FreeLibrary(resourceModule);
    resourceModule = saved;
}

TEST(BitmapDraw, CopiesAtAPointOrStretchedIntoARectangle)
{
    Canvas source(2, 2), canvas(12, 12), stretched(12, 12);
    source.Fill({0, 0, 1, 1}, red);
    source.Fill({1, 1, 2, 2}, blue);
    HBITMAP bitmap = source.Snapshot();
    DrawBitmapAt(canvas.dc(), 3, 4, bitmap);
    RECT into = {1, 1, 11, 11};
    StretchBitmapInto(stretched.dc(), &into, bitmap);
    DeleteObject(bitmap);
    EXPECT_EQ((std::vector<COLORREF>{red, blue, white}), (std::vector<COLORREF>{canvas.At(3, 4), canvas.At(4, 5), canvas.At(5, 5)}));
    EXPECT_EQ((std::vector<COLORREF>{red, blue, white, white}),
              (std::vector<COLORREF>{stretched.At(5, 5), stretched.At(10, 10), stretched.At(10, 1), stretched.At(11, 11)}));
}

class Link : public Windows {
protected:
    void SetUp() override
    {
        Ctl_Startup();
        parent = Keep(CreateHost(50, 50, 400, 200, WS_OVERLAPPEDWINDOW));
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        HDC dc = GetDC(parent);
        SIZE extent;
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
        ReleaseDC(parent, dc);
        place = {30, 40, 30 + extent.cx, 40 + extent.cy};
        placeholder = CreateChild(parent, "STATIC", 500, text, 0, place);
    }
    /* Waits for the shell to run the target; the started program is outside our control. */
    static bool AppearsWithin(const std::string &path)
    {
        for (int i = 0; i < 300 && !FileExists(path); i++) {
            MSG message;
            while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            Sleep(100);
        }
        return FileExists(path);
    }
    int Count(HWND link, COLORREF colour, int row = -1)
    {
        Canvas canvas(place.right - place.left, place.bottom - place.top);
        SendMessageA(link, WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
        return canvas.Count(colour, row);
    }

    const char *text = "Corvane on the web";
    HWND parent = NULL;
    HWND placeholder = NULL;
    RECT place = {};
};

TEST_F(Link, TakesThePlaceholdersPlaceAndIdAndShowsTheHandAndAnUnderline)
{
    EXPECT_TRUE(Link_Create(parent, 501) == NULL) << "no placeholder";
    EXPECT_TRUE(Link_Create(NULL, 500) == NULL);
    Link_SetColors(parent, RGB(1, 2, 3), RGB(1, 2, 3));  /* not a link: ignored */
    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    EXPECT_TRUE(IsWindowVisible(link));
    EXPECT_EQ(link, GetDlgItem(parent, 500));
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(Edges(place), EdgesOf(parent, 500));
    EXPECT_EQ((ULONG_PTR)LoadCursorA(NULL, IDC_HAND), GetClassLongPtrA(link, GCLP_HCURSOR));
    EXPECT_EQ(0, GetWindowTextLengthA(link)) << "the caller sets the target";
    Link_SetColors(link, red, red);
    int longestRow = 0;
    for (int y = 0; y < place.bottom - place.top; y++)
        longestRow = std::max(longestRow, Count(link, red, y));
    EXPECT_GT(longestRow, (place.right - place.left) * 8 / 10) << "no underline across the text";
}

/* Each way of opening gets a target of its own, so that a late run of the first cannot stand in
   for the second. */
TEST_F(Link, OpensItsTargetWhenClickedOrOnSpaceAndThenShowsVisited)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    HWND link = Link_Create(parent, 500);
    ASSERT_TRUE(link != NULL);
    const COLORREF visited = RGB(0, 150, 0);
    Link_SetColors(link, red, visited);
    for (const char *way : {"click", "space"}) {
        std::string marker = std::string(temp) + "ctl_link_" + way + ".txt";
        std::string target = std::string(temp) + "ctl_link_" + way + ".bat";
        RemoveFile(marker);
        WriteFileBytes(target, "@echo opened> \"" + marker + "\"\r\n");
        SetWindowTextA(link, target.c_str());
        if (way[0] == 'c') {
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        } else {
            SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0);
        }
        EXPECT_TRUE(AppearsWithin(marker)) << way << " did not run " << target;
        EXPECT_GT(Count(link, visited), 0);
        EXPECT_EQ(0, Count(link, red));
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

TEST(Bitmap, LoadsAResourceBitmapAsASection)
{
    const UINT closeBox = 32754;  /* the system's own frame bitmaps are resources of user32 */
    HMODULE user = GetModuleHandleA("user32.dll");
    ASSERT_TRUE(FindResourceA(user, MAKEINTRESOURCEA(closeBox), MAKEINTRESOURCEA(2)));
    HBITMAP bitmap = Bitmap_Load(user, closeBox);
    DIBSECTION section = {};
    EXPECT_EQ((int)sizeof section, GetObjectA(bitmap, sizeof section, &section));
    EXPECT_TRUE(section.dsBm.bmBits != NULL);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(Bitmap_Load(user, 4) == NULL);
    EXPECT_TRUE(Bitmap_Load(user, 0x10000 + closeBox) == NULL);
}

}  // namespace
