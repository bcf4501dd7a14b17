/* The start-up picture: shown only when the library runs its own loop, alone or in its dialog,
   with its link, for the configured time, and the dialog's switch that turns it off. CreateMOH
   runs its loop on a thread of its own; the test acts on the windows from outside. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "fake_modem.h"
#include "library_under_test.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"

namespace {

enum { SPLASH_TIMER = 1, LINK_ID = 500 };

const char kUrl[] = "https://www.corvane.example/pellora";
const char kUrlName[] = "www.corvane.example";

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT WindowRect(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect;
}

/* A child's rectangle in its parent's client coordinates. */
RECT ChildRect(HWND child)
{
    RECT rect = WindowRect(child);
    MapWindowPoints(NULL, GetParent(child), (POINT *)&rect, 2);
    return rect;
}

SIZE PictureSize(const std::string &file)
{
    SIZE size = {0, 0};
    HBITMAP bitmap = (HBITMAP)LoadImageA(NULL, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    BITMAP shape = {};
    if (bitmap && GetObjectA(bitmap, sizeof shape, &shape))
        size = {shape.bmWidth, shape.bmHeight};
    if (bitmap)
        DeleteObject(bitmap);
    return size;
}

/* Whether the window draws any pixel in colour, drawn into a white bitmap of its size. */
bool DrawsColour(HWND window, COLORREF colour)
{
    RECT client;
    GetClientRect(window, &client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    FillRect(dc, &client, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    GdiFlush();
    DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    bool found = false;
    const DWORD *pixel = (const DWORD *)bits;
    for (LONG i = 0; i < client.right * client.bottom && !found; ++i)
        found = (pixel[i] & 0xFFFFFF) == wanted;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return found;
}

struct ThreadWindows {
    std::vector<HWND> all;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    ((ThreadWindows *)param)->all.push_back(window);
    return TRUE;
}

class Splash : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetModuleFolder();
        StartFromDefaultSettings();
        modem.values[MOH_ITEM_DIAG_STATE] = DIAG_IDLE;
    }
    void TearDown() override
    {
        if (thread) {
            /* Ends the loop; the thread's other windows go with the thread. */
            if (IsWindow(mainWindow))
                PostMessageA(mainWindow, WM_DESTROY, 0, 0);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        }
        if (hostWindow)
            DestroyWindow(hostWindow);
        library.Unload();
        ResetModuleFolder();
        ResetProductFolder();
    }
    /* Into the default file too: start-up refreshes most of the picture's keys from it. */
    void Set(const char *key, const char *value)
    {
        IniWrite(ModulePath("pellora.ini"), "Reserved", key, value);
        IniWrite(SettingsFile(), "Reserved", key, value);
    }
    std::string Saved(const char *key) { return IniRead(SettingsFile(), "Reserved", key); }

    static DWORD WINAPI RunLibrary(void *param)
    {
        Splash *test = (Splash *)param;
        test->library.Create(NULL, 1, FakeModem::Request);
        return 0;
    }
    /* CreateMOH with its own loop; the splash is set up before the status window is made, so
       once that window is up the splash is there or will not come. */
    bool Start()
    {
        if (!library.Load())
            return false;
        thread = CreateThread(NULL, 0, RunLibrary, this, 0, &threadId);
        for (int i = 0; i < 2000 && !mainWindow; ++i, Sleep(5))
            mainWindow = FindOnThread([](HWND w) { return GetDlgItem(w, IDC_STATUS_LINE) != NULL; });
        if (mainWindow)
            SendMessageA(mainWindow, WM_NULL, 0, 0);
        return mainWindow != NULL;
    }
    template <typename Match> HWND FindOnThread(Match match)
    {
        ThreadWindows windows;
        EnumThreadWindows(threadId, CollectWindow, (LPARAM)&windows);
        for (HWND window : windows.all)
            if (match(window))
                return window;
        return NULL;
    }
    HWND Picture()
    {
        return FindOnThread([](HWND w) { return ClassOf(w) == "Logon"; });
    }
    HWND SplashDialog()
    {
        return FindOnThread([](HWND w) { return GetDlgItem(w, IDC_SPLASH_HIDE) != NULL; });
    }
    /* The loop takes one posted message per turn: a bounded wait until the window is gone. */
    static bool Gone(HWND window)
    {
        for (int i = 0; i < 2000 && IsWindow(window); ++i)
            Sleep(5);
        return !IsWindow(window);
    }

    FakeModem modem;
    LibraryUnderTest library;
    HANDLE thread = NULL;
    DWORD threadId = 0;
    HWND mainWindow = NULL;
    HWND hostWindow = NULL;
};

TEST_F(Splash, TheOwnLoopShowsThePictureInItsDialogWithTheStripBelow)
{
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    HWND picture = Picture();
    ASSERT_NE(nullptr, dialog);
    ASSERT_NE(nullptr, picture);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowVisible(picture));
    EXPECT_EQ(dialog, GetWindow(picture, GW_OWNER));
    EXPECT_TRUE(GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    /* The picture window is the bitmap's size and a pixel more on each side; the dialog shares
       its place, taller by the strip. */
    SIZE bitmap = PictureSize(ModulePath("logon.bmp"));
    ASSERT_GT(bitmap.cx, 0);
    RECT pictureRect = WindowRect(picture), dialogRect = WindowRect(dialog);
    EXPECT_EQ(bitmap.cx + 2, pictureRect.right - pictureRect.left);
    EXPECT_EQ(bitmap.cy + 2, pictureRect.bottom - pictureRect.top);
    HWND ok = GetDlgItem(dialog, IDOK), hide = GetDlgItem(dialog, IDC_SPLASH_HIDE);
    RECT okRect = ChildRect(ok), hideRect = ChildRect(hide);
    int okHeight = okRect.bottom - okRect.top;
    int width = dialogRect.right - dialogRect.left, height = dialogRect.bottom - dialogRect.top;
    EXPECT_EQ(pictureRect.left, dialogRect.left);
    EXPECT_EQ(pictureRect.top, dialogRect.top);
    EXPECT_EQ(pictureRect.right - pictureRect.left, width);
    EXPECT_EQ(pictureRect.bottom - pictureRect.top + okHeight + 10, height);

    /* OK right, the check box left of it, both 7 pixels above the dialog's bottom. */
    EXPECT_EQ(width - 25, okRect.right);
    EXPECT_EQ(height - 7, okRect.bottom);
    EXPECT_EQ(5, hideRect.left);
    EXPECT_EQ(okRect.left - 2, hideRect.right);
    EXPECT_EQ(height - 7, hideRect.bottom);
    EXPECT_EQ(BST_UNCHECKED, (int)SendMessageA(hide, BM_GETCHECK, 0, 0));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_SPLASH_SPARE)));
}

TEST_F(Splash, TheLinkLiesAtItsPlaceWithItsTextAndTarget)
{
    Set("URLx", "30");
    Set("URLy", "40");
    Set("Red", "456");  /* only the low 8 bits count: 200 */
    Set("Green", "10");
    Set("Blue", "30");
    ASSERT_TRUE(Start());
    HWND picture = Picture();
    ASSERT_NE(nullptr, picture);
    HWND link = GetDlgItem(picture, LINK_ID);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("CorvaneLink", ClassOf(link));
    EXPECT_EQ(kUrl, TextOf(link));
    EXPECT_TRUE(IsWindowVisible(link));

    SIZE extent = {0, 0};
    HDC dc = GetDC(picture);
    GetTextExtentPoint32A(dc, kUrlName, (int)strlen(kUrlName), &extent);
    ReleaseDC(picture, dc);
    RECT place = ChildRect(link);
    EXPECT_EQ(30, place.left);
    EXPECT_EQ(40, place.top);
    EXPECT_EQ(extent.cx, place.right - place.left);
    EXPECT_EQ(extent.cy, place.bottom - place.top);
    EXPECT_TRUE(DrawsColour(link, RGB(200, 10, 30)));
}

TEST_F(Splash, TheHostsLoopShowsNoPicture)
{
    ASSERT_TRUE(library.Load());
    hostWindow = library.Create(NULL, 0, FakeModem::Request);
    ASSERT_NE(nullptr, hostWindow);
    threadId = GetCurrentThreadId();
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ(nullptr, SplashDialog());
}

TEST_F(Splash, OkSavesTheCheckBoxAndClosesDialogAndPicture)
{
    Set("LogonDisplay", "2");
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    ASSERT_NE(nullptr, dialog);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ("1", Saved("LogonDisplay"));
}

TEST_F(Splash, TheCheckBoxSavesAtOnceAndTheTimerKeepsIt)
{
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    ASSERT_NE(nullptr, dialog);
    SendMessageA(GetDlgItem(dialog, IDC_SPLASH_HIDE), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ("0", Saved("LogonDisplay"));

    SendMessageA(dialog, WM_TIMER, SPLASH_TIMER, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ("0", Saved("LogonDisplay"));
}

TEST_F(Splash, TheTimerClosesTheDialogWithoutSaving)
{
    Set("LogonDisplay", "2");
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    ASSERT_NE(nullptr, dialog);
    SendMessageA(dialog, WM_TIMER, SPLASH_TIMER, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ("2", Saved("LogonDisplay"));
}

TEST_F(Splash, AClickOnThePictureCountsAsOk)
{
    Set("LogonDisplay", "2");
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    ASSERT_NE(nullptr, Picture());
    PostMessageA(Picture(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ("1", Saved("LogonDisplay"));
}

TEST_F(Splash, ThePictureGoesByItselfAfterTheConfiguredTime)
{
    Set("LogonTime", "1");
    DWORD started = GetTickCount();
    ASSERT_TRUE(Start());
    HWND dialog = SplashDialog();
    ASSERT_NE(nullptr, dialog);
    for (int i = 0; i < 2000 && IsWindow(dialog); ++i)
        Sleep(5);
    DWORD elapsed = GetTickCount() - started;
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_GE(elapsed, 1000u - 20u);  /* the tick count's granularity */
}

TEST_F(Splash, ShowButtonZeroShowsThePictureAloneOnTopCentredOnTheScreen)
{
    Set("ShowButton", "0");
    Set("LogonDisplay", "2");
    ASSERT_TRUE(Start());
    HWND picture = Picture();
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(nullptr, SplashDialog());
    EXPECT_EQ(nullptr, GetWindow(picture, GW_OWNER));
    LONG exStyle = GetWindowLongA(picture, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_NE(nullptr, GetDlgItem(picture, LINK_ID));
    RECT rect = WindowRect(picture);
    SIZE bitmap = PictureSize(ModulePath("logon.bmp"));
    EXPECT_EQ(bitmap.cx + 2, rect.right - rect.left);
    EXPECT_EQ(bitmap.cy + 2, rect.bottom - rect.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, rect.top);

    PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(Gone(picture));
    EXPECT_EQ("2", Saved("LogonDisplay"));
}

TEST_F(Splash, ShowButtonZeroPictureGoesWithItsTimer)
{
    Set("ShowButton", "0");
    ASSERT_TRUE(Start());
    HWND picture = Picture();
    ASSERT_NE(nullptr, picture);
    SendMessageA(picture, WM_TIMER, SPLASH_TIMER, 0);
    EXPECT_FALSE(IsWindow(picture));
}

struct Case {
    const char *showButton, *key, *value;
};

class SplashOff : public Splash, public ::testing::WithParamInterface<Case> {
};

TEST_P(SplashOff, ShowsNothing)
{
    Set("ShowButton", GetParam().showButton);
    Set(GetParam().key, GetParam().value);
    ASSERT_TRUE(Start());
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ(nullptr, SplashDialog());
}

INSTANTIATE_TEST_SUITE_P(TimeOrSwitchOrFile, SplashOff,
                         ::testing::Values(Case{"1", "LogonTime", "0"}, Case{"0", "LogonTime", "0"},
                                           Case{"1", "LogonDisplay", "0"}, Case{"0", "LogonDisplay", "0"},
                                           Case{"1", "LogonFile", "missing.bmp"}, Case{"0", "LogonFile", "missing.bmp"},
                                           Case{"1", "LogonFile", "pellora.ini"}));

TEST_F(Splash, APictureFileWithAFolderIsTakenAsItStands)
{
    std::string file = ProductPath("start.bmp");
    CopyFileOver(ModulePath("logon.bmp"), file);
    Set("LogonFile", file.c_str());
    Set("ShowButton", "0");
    ASSERT_TRUE(Start());
    EXPECT_NE(nullptr, Picture());
}

}  // namespace
