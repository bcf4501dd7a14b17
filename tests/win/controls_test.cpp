/* The shared drawing and placement routines: bitmap buttons as a page draws them, bitmaps at a
   point or stretched, and centring on the parent, the owner or the screen. */
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

namespace {

const char plainClass[] = "ControlsTestWindow";
const char dollarClass[] = "$ControlsTestButton";
const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);

void RegisterTestClasses()
{
    WNDCLASSA window = {};
    window.lpfnWndProc = DefWindowProcA;
    window.hInstance = GetModuleHandleA(NULL);
    window.lpszClassName = plainClass;
    RegisterClassA(&window);
    window.lpszClassName = dollarClass;
    RegisterClassA(&window);
}

HWND CreateTopLevel(int x, int y, int width, int height, HWND owner = NULL)
{
    RegisterTestClasses();
    return CreateWindowExA(0, plainClass, "", WS_POPUP, x, y, width, height, owner, NULL, GetModuleHandleA(NULL),
                           NULL);
}

HWND CreateChild(HWND parent, const char *className, int id, const char *text, DWORD style, RECT place)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
}

POINT Position(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(NULL, GetParent(window), reinterpret_cast<POINT *>(&rect), 2);
    return {rect.left, rect.top};
}

/* 24 by 22, blue with a red top-left pixel, so its position shows where it was drawn. */
HBITMAP MakeButtonImage()
{
    Canvas canvas(24, 22);
    canvas.Fill({0, 0, 24, 22}, blue);
    canvas.Fill({0, 0, 1, 1}, red);
    return canvas.Snapshot();
}

/* The bounding box of the pixels in which two equal-sized canvases differ. */
RECT Difference(const Canvas &a, const Canvas &b)
{
    RECT box = {a.width(), a.height(), -1, -1};
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++)
            if (a.At(x, y) != b.At(x, y)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return box;
}

bool Same(const Canvas &a, const Canvas &b)
{
    return Difference(a, b).right < 0;
}

class Centre : public ::testing::Test {
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

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<HWND> windows;
};

TEST_F(Centre, TopLevelWindowsCentreOnTheScreenAndNeverBeyondIt)
{
    HWND small = Keep(CreateTopLevel(0, 0, 301, 200));
    CentreWindow(small);
    EXPECT_EQ((screenWidth - 301) / 2, Position(small).x);
    EXPECT_EQ((screenHeight - 200) / 2, Position(small).y);

    HWND large = Keep(CreateTopLevel(40, 40, screenWidth + 200, screenHeight + 100));
    CentreWindow(large);
    EXPECT_EQ(0, Position(large).x);
    EXPECT_EQ(0, Position(large).y);
}

TEST_F(Centre, OwnedWindowsCentreOnAVisibleOwnerWithinTheScreen)
{
    HWND owner = Keep(CreateTopLevel(100, 100, 400, 300));
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    HWND dialog = Keep(CreateTopLevel(0, 0, 200, 100, owner));
    CentreWindow(dialog);
    EXPECT_EQ(200, Position(dialog).x);
    EXPECT_EQ(200, Position(dialog).y);

    MoveWindow(owner, screenWidth - 100, screenHeight - 50, 400, 300, FALSE);
    CentreWindow(dialog);
    EXPECT_EQ(screenWidth - 200, Position(dialog).x);
    EXPECT_EQ(screenHeight - 100, Position(dialog).y);
}

TEST_F(Centre, AMinimisedOrHiddenOwnerIsPassedOverForTheScreen)
{
    HWND owner = Keep(CreateTopLevel(10, 10, 400, 300));
    HWND dialog = Keep(CreateTopLevel(0, 0, 200, 100, owner));
    CentreWindow(dialog);  /* hidden */
    EXPECT_EQ((screenWidth - 200) / 2, Position(dialog).x);
    EXPECT_EQ((screenHeight - 100) / 2, Position(dialog).y);

    ShowWindow(owner, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(owner));
    MoveWindow(dialog, 0, 0, 200, 100, FALSE);
    CentreWindow(dialog);
    EXPECT_EQ((screenWidth - 200) / 2, Position(dialog).x);
    EXPECT_EQ((screenHeight - 100) / 2, Position(dialog).y);
}

TEST_F(Centre, ChildCentresInItsParentsClientAreaEvenWhenLarger)
{
    HWND parent = Keep(CreateTopLevel(50, 50, 300, 200));
    RECT client;
    GetClientRect(parent, &client);
    HWND child = CreateChild(parent, plainClass, 7, "", 0, {0, 0, 101, 51});
    CentreWindow(child);
    EXPECT_EQ((client.right - 101) / 2, Position(child).x);
    EXPECT_EQ((client.bottom - 51) / 2, Position(child).y);

    MoveWindow(child, 0, 0, client.right + 101, client.bottom + 51, FALSE);
    CentreWindow(child);
    EXPECT_EQ(-50, Position(child).x);  /* -101 / 2, toward zero */
    EXPECT_EQ(-25, Position(child).y);
}

class Button : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = CreateTopLevel(0, 0, 300, 200);
        button = CreateChild(page, "BUTTON", 4711, "Ring", BS_OWNERDRAW, {10, 10, 37, 35});
        image = MakeButtonImage();
    }
    void TearDown() override
    {
        DeleteObject(image);
        DestroyWindow(page);
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

TEST_F(Button, PressingMovesImageAndFocusOnePixelRightAndDown)
{
    Canvas up(27, 25), down(27, 25);
    Draw(up, ODA_DRAWENTIRE, 0);
    Draw(down, ODA_SELECT, ODS_SELECTED);
    EXPECT_EQ(red, up.At(1, 1));
    EXPECT_EQ(blue, up.At(2, 2));
    EXPECT_EQ(red, down.At(2, 2));
    EXPECT_NE(red, down.At(1, 1));

    /* A selection change to unselected is drawn up. */
    Canvas released(27, 25);
    Draw(released, ODA_SELECT, 0);
    EXPECT_TRUE(Same(up, released));

    Canvas upFocused(27, 25), downFocused(27, 25);
    Draw(upFocused, ODA_DRAWENTIRE, ODS_FOCUS);
    Draw(downFocused, ODA_SELECT, ODS_SELECTED | ODS_FOCUS);
    RECT frame = Difference(up, upFocused), pressedFrame = Difference(down, downFocused);
    EXPECT_EQ(2, frame.left);
    EXPECT_EQ(2, frame.top);
    EXPECT_EQ(24, frame.right);
    EXPECT_EQ(22, frame.bottom);
    EXPECT_EQ(3, pressedFrame.left);
    EXPECT_EQ(3, pressedFrame.top);
    EXPECT_EQ(25, pressedFrame.right);
    EXPECT_EQ(23, pressedFrame.bottom);
}

TEST_F(Button, FocusChangeTogglesTheFocusFrameAndKeepsTheTextColour)
{
    Canvas canvas(27, 25), reference(27, 25);
    Draw(canvas, ODA_DRAWENTIRE, 0);
    Draw(reference, ODA_DRAWENTIRE, 0);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    Draw(canvas, ODA_FOCUS, ODS_FOCUS);
    EXPECT_FALSE(Same(canvas, reference));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc()));
    Draw(canvas, ODA_FOCUS, 0);
    EXPECT_TRUE(Same(canvas, reference));
}

TEST_F(Button, DisabledButtonShowsTheDisabledImage)
{
    Canvas normal(27, 25), greyed(27, 25);
    Draw(normal, ODA_DRAWENTIRE, 0);
    Draw(greyed, ODA_DRAWENTIRE, ODS_DISABLED);
    HBITMAP disabled = Bitmap_MakeDisabled(image, 0, 0, 0, 0);
    ASSERT_TRUE(disabled != NULL);
    Canvas expected(24, 22);
    expected.CopyFrom(disabled);
    DeleteObject(disabled);
    for (int y = 0; y < 22; y++)
        for (int x = 0; x < 24; x++)
            ASSERT_EQ(expected.At(x, y), greyed.At(x + 1, y + 1)) << x << "," << y;
    EXPECT_FALSE(Same(normal, greyed));
}

TEST_F(Button, DisabledDollarClassControlDrawsGreyedWithoutFocus)
{
    HWND dollar = CreateChild(page, dollarClass, 4712, "", WS_DISABLED, {50, 10, 77, 35});
    Canvas greyed(27, 25), plainDisabled(27, 25), focusOnly(27, 25), untouched(27, 25);
    Draw(greyed, ODA_DRAWENTIRE, ODS_FOCUS, dollar);
    Draw(plainDisabled, ODA_DRAWENTIRE, ODS_DISABLED);
    EXPECT_TRUE(Same(greyed, plainDisabled));
    Draw(focusOnly, ODA_FOCUS, ODS_FOCUS, dollar);
    EXPECT_TRUE(Same(focusOnly, untouched));
}

TEST_F(Button, TableDrawsOnlyItsOwnButtons)
{
    Canvas canvas(27, 25), untouched(27, 25);
    DRAWITEMSTRUCT item = {ODT_STATIC, 10010, 0, ODA_DRAWENTIRE, 0, button, canvas.dc(), {0, 0, 27, 25}, 0};
    DrawTableButton(page, &item);
    item.CtlType = ODT_BUTTON;
    item.CtlID = 4711;
    DrawTableButton(page, &item);
    DrawTableButton(page, NULL);
    EXPECT_TRUE(Same(canvas, untouched));
}

class PageButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedResourceModule = resourceModule;
        resourceModule = LoadLibraryExA(ModulePath("mohrc.dll").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        InitCommonControls();
        page = CreateTopLevel(0, 0, 300, 200);
        phoneBook = CreateChild(page, "BUTTON", 10010, "Phone book", BS_OWNERDRAW, {10, 10, 60, 50});
        ring = CreateChild(page, "BUTTON", 1069, "Ring sound", BS_OWNERDRAW, {70, 10, 80, 20});
    }
    void TearDown() override
    {
        FreePageButtons(page);
        DestroyWindow(page);
        if (resourceModule)
            FreeLibrary(resourceModule);
        resourceModule = savedResourceModule;
    }
    std::string TipOf(HWND tooltip, HWND control)
    {
        char text[128] = "";
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = page;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
        return text;
    }

    HINSTANCE savedResourceModule = NULL;
    HWND page = NULL, phoneBook = NULL, ring = NULL;
};

TEST_F(PageButtons, ButtonsOnThePageAreFittedAndGetTheirTextAsTip)
{
    HWND tooltip = SetupPageButtons(page);
    ASSERT_TRUE(tooltip != NULL);
    char className[32] = "";
    GetClassNameA(tooltip, className, sizeof(className));
    EXPECT_STREQ(TOOLTIPS_CLASSA, className);
    EXPECT_EQ(page, GetWindow(tooltip, GW_OWNER));
    EXPECT_EQ(2, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ("Phone book", TipOf(tooltip, phoneBook));
    EXPECT_EQ("Ring sound", TipOf(tooltip, ring));

    for (HWND control : {phoneBook, ring}) {
        RECT rect;
        GetWindowRect(control, &rect);
        EXPECT_EQ(27, rect.right - rect.left);
        EXPECT_EQ(25, rect.bottom - rect.top);
    }
    EXPECT_EQ(70, Position(ring).x);
    EXPECT_EQ(10, Position(ring).y);
}

TEST_F(PageButtons, ButtonsShowTheirResourceBitmapUntilFreed)
{
    if (!resourceModule || !FindResourceA(resourceModule, MAKEINTRESOURCEA(126), MAKEINTRESOURCEA(2)))
        GTEST_SKIP() << "the resource module has no bitmap 126 yet";
    HBITMAP expectedImage = Bitmap_Load(resourceModule, 126);
    Canvas expected(24, 22);
    expected.CopyFrom(expectedImage);
    DeleteObject(expectedImage);

    SetupPageButtons(page);
    Canvas drawn(27, 25);
    DRAWITEMSTRUCT item = {ODT_BUTTON, 10010, 0, ODA_DRAWENTIRE, 0, phoneBook, drawn.dc(), {0, 0, 27, 25}, 0};
    DrawTableButton(page, &item);
    for (int y = 0; y < 22; y++)
        for (int x = 0; x < 24; x++)
            ASSERT_EQ(expected.At(x, y), drawn.At(x + 1, y + 1)) << x << "," << y;

    /* A disabled button is greyed by the table even when the draw request does not say so. */
    EnableWindow(phoneBook, FALSE);
    HBITMAP loaded = Bitmap_Load(resourceModule, 126);
    HBITMAP disabledImage = Bitmap_MakeDisabled(loaded, 0, 0, 0, 0);
    Canvas disabled(24, 22), greyed(27, 25);
    disabled.CopyFrom(disabledImage);
    DeleteObject(disabledImage);
    DeleteObject(loaded);
    item.hDC = greyed.dc();
    DrawTableButton(page, &item);
    for (int y = 0; y < 22; y++)
        for (int x = 0; x < 24; x++)
            ASSERT_EQ(disabled.At(x, y), greyed.At(x + 1, y + 1)) << x << "," << y;

    FreePageButtons(page);
    Canvas empty(27, 25), frameOnly(27, 25);
    RECT frame = {0, 0, 27, 25};
    DrawFrameControl(frameOnly.dc(), &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
    item.hDC = empty.dc();
    DrawTableButton(page, &item);
    EXPECT_TRUE(Same(empty, frameOnly));
}

TEST(BitmapDraw, CopiesAtAPointOrStretchedIntoARectangle)
{
    Canvas source(2, 2);
    source.Fill({0, 0, 1, 1}, red);
    source.Fill({1, 1, 2, 2}, blue);
    HBITMAP bitmap = source.Snapshot();

    Canvas canvas(12, 12);
    DrawBitmapAt(canvas.dc(), 3, 4, bitmap);
    EXPECT_EQ(red, canvas.At(3, 4));
    EXPECT_EQ(blue, canvas.At(4, 5));
    EXPECT_EQ(white, canvas.At(5, 5));

    Canvas stretched(12, 12);
    RECT into = {1, 1, 11, 11};
    StretchBitmapInto(stretched.dc(), &into, bitmap);
    EXPECT_EQ(red, stretched.At(5, 5));
    EXPECT_EQ(blue, stretched.At(10, 10));
    EXPECT_EQ(white, stretched.At(10, 1));
    EXPECT_EQ(white, stretched.At(11, 11));
    DeleteObject(bitmap);
}

}  // namespace
