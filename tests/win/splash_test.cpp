/* The start-up picture: shown only when the library runs its own loop, alone or in its dialog,
   with its link, for the configured time, and the dialog's switch that turns it off. */
#include <gtest/gtest.h>

#include <string.h>

#include "canvas.h"
#include "fake_modem.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"
#include "windows_seen.h"

namespace {

enum { SPLASH_TIMER = 1, LINK_ID = 500 };

SIZE PictureSize()
{
    BITMAP shape = {};
    HBITMAP bitmap = (HBITMAP)LoadImageA(NULL, ModulePath("logon.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    GetObjectA(bitmap, sizeof shape, &shape);
    DeleteObject(bitmap);
    return {shape.bmWidth, shape.bmHeight};
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
        loop.Stop();
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
    std::string Saved() { return IniRead(SettingsFile(), "Reserved", "LogonDisplay"); }
    HWND Picture() const { return loop.Find([](HWND w) { return ClassOf(w) == "Logon"; }); }
    HWND Dialog() const { return loop.Find([](HWND w) { return GetDlgItem(w, IDC_SPLASH_HIDE) != NULL; }); }

    FakeModem modem;
    LibraryUnderTest library;
    OwnLoop loop{&library};
};

TEST_F(Splash, TheDialogHoldsThePictureWithItsLinkAndTheStripBelow)
{
    Set("URLx", "30");
    Set("URLy", "40");
    Set("Red", "456");  /* only the low 8 bits count: 200 */
    Set("Green", "10");
    Set("Blue", "30");
    ASSERT_TRUE(loop.Start());
    HWND dialog = Dialog(), picture = Picture();
    ASSERT_TRUE(dialog && picture);
    EXPECT_TRUE(IsWindowVisible(dialog) && IsWindowVisible(picture));
    EXPECT_EQ(dialog, GetWindow(picture, GW_OWNER));
    EXPECT_TRUE(GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    /* The picture window is the bitmap's size and a pixel more on each side; the dialog shares its
       place, taller by the strip, whose OK button is right and check box left, 7 pixels up. */
    SIZE bitmap = PictureSize(), outer = SizeOf(picture), dialogSize = SizeOf(dialog);
    RECT pictureRect, dialogRect;
    GetWindowRect(picture, &pictureRect);
    GetWindowRect(dialog, &dialogRect);
    RECT ok = RectInParent(GetDlgItem(dialog, IDOK)), hide = RectInParent(GetDlgItem(dialog, IDC_SPLASH_HIDE));
    EXPECT_EQ(bitmap.cx + 2, outer.cx);
    EXPECT_EQ(bitmap.cy + 2, outer.cy);
    EXPECT_EQ(pictureRect.left, dialogRect.left);
    EXPECT_EQ(pictureRect.top, dialogRect.top);
    EXPECT_EQ(outer.cx, dialogSize.cx);
    EXPECT_EQ(outer.cy + ok.bottom - ok.top + 10, dialogSize.cy);
    EXPECT_EQ(dialogSize.cx - 25, ok.right);
    EXPECT_EQ(dialogSize.cy - 7, ok.bottom);
    EXPECT_EQ(5, hide.left);
    EXPECT_EQ(ok.left - 2, hide.right);
    EXPECT_EQ(dialogSize.cy - 7, hide.bottom);
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_SPLASH_HIDE));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_SPLASH_SPARE)));

    HWND link = GetDlgItem(picture, LINK_ID);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("CorvaneLink", ClassOf(link));
    EXPECT_EQ("https://www.corvane.example/pellora", TextOf(link));
    const char name[] = "www.corvane.example";
    SIZE extent = {0, 0};
    HDC dc = GetDC(picture);
    GetTextExtentPoint32A(dc, name, (int)strlen(name), &extent);
    ReleaseDC(picture, dc);
    RECT place = RectInParent(link);
    EXPECT_EQ(30, place.left);
    EXPECT_EQ(40, place.top);
    EXPECT_EQ(30 + extent.cx, place.right);
    EXPECT_EQ(40 + extent.cy, place.bottom);
    Canvas canvas(extent.cx, extent.cy);
    SendMessageA(link, WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
    EXPECT_GT(canvas.Count(RGB(200, 10, 30)), 0);
}

/* How the dialog goes, and what it leaves in LogonDisplay (2 before: neither answer). */
struct Ending {
    const char *name;
    bool checkFirst;
    UINT message;
    const char *saved;
};

void PrintTo(const Ending &ending, std::ostream *out) { *out << ending.name; }

class SplashEnding : public Splash, public ::testing::WithParamInterface<Ending> {};

TEST_P(SplashEnding, ClosesDialogAndPicture)
{
    Set("LogonDisplay", "2");
    ASSERT_TRUE(loop.Start());
    HWND dialog = Dialog();
    ASSERT_TRUE(dialog && Picture());
    if (GetParam().checkFirst) {
        SendDlgItemMessageA(dialog, IDC_SPLASH_HIDE, BM_CLICK, 0, 0);
        EXPECT_EQ("0", Saved()) << "the check box is saved at once";
    }
    if (GetParam().message == WM_LBUTTONDOWN)
        PostMessageA(Picture(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    else
        PostMessageA(dialog, GetParam().message, GetParam().message == WM_TIMER ? SPLASH_TIMER : IDOK, 0);
    EXPECT_TRUE(WaitUntilGone(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ(GetParam().saved, Saved());
}

INSTANTIATE_TEST_SUITE_P(Endings, SplashEnding,
                         ::testing::Values(Ending{"Ok", false, WM_COMMAND, "1"},
                                           Ending{"PictureClick", false, WM_LBUTTONDOWN, "1"},
                                           Ending{"Timer", false, WM_TIMER, "2"},
                                           Ending{"CheckedThenTimer", true, WM_TIMER, "0"}));

TEST_F(Splash, ThePictureGoesByItselfAfterTheConfiguredTime)
{
    Set("LogonTime", "2");
    ASSERT_TRUE(loop.Start());
    HWND dialog = Dialog();
    ASSERT_NE(nullptr, dialog);
    Sleep(1000);
    EXPECT_TRUE(IsWindow(dialog)) << "gone before its two seconds";
    EXPECT_TRUE(WaitUntilGone(dialog));
}

/* ShowButton 0: the picture alone, on top, centred; a file with a folder is taken as it stands. */
TEST_F(Splash, ThePictureAloneIsOnTopCentredAndGoesWhenClicked)
{
    std::string file = ProductPath("start.bmp");
    CopyFileOver(ModulePath("logon.bmp"), file);
    Set("LogonFile", file.c_str());
    Set("ShowButton", "0");
    Set("LogonDisplay", "2");
    ASSERT_TRUE(loop.Start());
    HWND picture = Picture();
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(nullptr, GetWindow(picture, GW_OWNER));
    EXPECT_EQ(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, GetWindowLongA(picture, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_NE(nullptr, GetDlgItem(picture, LINK_ID));
    RECT rect;
    GetWindowRect(picture, &rect);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, rect.top);

    PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitUntilGone(picture));
    EXPECT_EQ("2", Saved());
}

TEST_F(Splash, TheHostsLoopShowsNoPicture)
{
    ASSERT_TRUE(library.Load());
    HWND window = library.Create(NULL, 0, FakeModem::Request);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(nullptr, FindShown([](HWND w) { return ClassOf(w) == "Logon" || GetDlgItem(w, IDC_SPLASH_HIDE); }));
    DestroyWindow(window);
}

struct Off {
    const char *showButton, *key, *value;
};

class SplashOff : public Splash, public ::testing::WithParamInterface<Off> {};

TEST_P(SplashOff, ShowsNothing)
{
    Set("ShowButton", GetParam().showButton);
    Set(GetParam().key, GetParam().value);
    ASSERT_TRUE(loop.Start());
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ(nullptr, Dialog());
}

INSTANTIATE_TEST_SUITE_P(TimeOrSwitchOrFile, SplashOff,
                         ::testing::Values(Off{"1", "LogonTime", "0"}, Off{"0", "LogonTime", "0"},
                                           Off{"1", "LogonDisplay", "0"}, Off{"0", "LogonDisplay", "0"},
                                           Off{"1", "LogonFile", "missing.bmp"}, Off{"0", "LogonFile", "missing.bmp"},
                                           Off{"1", "LogonFile", "pellora.ini"}));

}  // namespace
