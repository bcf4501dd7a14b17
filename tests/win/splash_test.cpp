/* The start-up picture: shown only when the library runs its own loop, alone or in its dialog,
   with its link, for the configured time, and the dialog's switch that turns it off. */
#include <vector>

#include "canvas.h"
#include "library_test.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"

namespace {

enum { SPLASH_TIMER = 1, LINK_ID = 500 };

using Numbers = std::vector<LONG>;

class Splash : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        Reserved("LogonDisplay", "1");
    }
    /* Into the default file too: start-up refreshes most of the picture's keys from it. */
    static void Reserved(const char *key, const char *value)
    {
        IniWrite(ModulePath("pellora.ini"), "Reserved", key, value);
        Set("Reserved", key, value);
    }
    static std::string Shown() { return Saved("LogonDisplay", "Reserved"); }
    HWND Picture() const { return loop.Find([](HWND w) { return ClassOf(w) == "Logon"; }); }
    HWND Dialog() const { return loop.Find([](HWND w) { return GetDlgItem(w, IDC_SPLASH_HIDE) != NULL; }); }
};

TEST_F(Splash, TheDialogHoldsThePictureWithItsLinkAndTheStripBelow)
{
    Reserved("URLx", "30");
    Reserved("URLy", "40");
    Reserved("Red", "456");  /* only the low 8 bits count: 200 */
    Reserved("Green", "10");
    Reserved("Blue", "30");
    ASSERT_TRUE(loop.Start());
    HWND dialog = Dialog(), picture = Picture();
    ASSERT_TRUE(dialog && picture);
    EXPECT_TRUE(IsWindowVisible(dialog) && IsWindowVisible(picture));
    EXPECT_EQ(dialog, GetWindow(picture, GW_OWNER));
    EXPECT_TRUE(GetWindowLongA(picture, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    /* The dialog shares the picture's place, taller by the strip, whose OK button is right and
       check box left, 7 pixels up. */
    SIZE outer = SizeOf(picture), size = SizeOf(dialog);
    RECT pictureRect, dialogRect;
    GetWindowRect(picture, &pictureRect);
    GetWindowRect(dialog, &dialogRect);
    RECT ok = RectInParent(GetDlgItem(dialog, IDOK)), hide = RectInParent(GetDlgItem(dialog, IDC_SPLASH_HIDE));
    EXPECT_EQ((Numbers{pictureRect.left, pictureRect.top, outer.cx}), (Numbers{dialogRect.left, dialogRect.top, size.cx}));
    EXPECT_EQ((Numbers{outer.cy + ok.bottom - ok.top + 10, size.cx - 25, size.cy - 7, 5, ok.left - 2, size.cy - 7}),
              (Numbers{size.cy, ok.right, ok.bottom, hide.left, hide.right, hide.bottom}));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_SPLASH_HIDE));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_SPLASH_SPARE)));

    HWND link = GetDlgItem(picture, LINK_ID);
    EXPECT_EQ("CorvaneLink", ClassOf(link));
    EXPECT_EQ("https://www.corvane.example/pellora", TextOf(link));
    RECT place = RectInParent(link);
    EXPECT_EQ((Numbers{30, 40}), (Numbers{place.left, place.top}));
    Canvas canvas(SizeOf(link).cx, SizeOf(link).cy);
    SendMessageA(link, WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
    EXPECT_GT(canvas.Count(RGB(200, 10, 30)), 0);
}

/* How the dialog goes, and what it leaves in LogonDisplay (2 before: neither answer). */
struct Ending {
    const char *name;
    bool checkFirst;
    UINT message;  /* 0: none, the configured time runs out */
    const char *saved;
};

void PrintTo(const Ending &ending, std::ostream *out) { *out << ending.name; }

class SplashEnding : public Splash, public ::testing::WithParamInterface<Ending> {};

TEST_P(SplashEnding, ClosesDialogAndPicture)
{
    Reserved("LogonDisplay", "2");
    Reserved("LogonTime", "2");
    ASSERT_TRUE(loop.Start());
    HWND dialog = Dialog();
    ASSERT_TRUE(dialog && Picture());
    if (GetParam().checkFirst) {
        SendDlgItemMessageA(dialog, IDC_SPLASH_HIDE, BM_CLICK, 0, 0);
        EXPECT_EQ("0", Shown()) << "the check box is saved at once";
    }
    if (GetParam().message == WM_LBUTTONDOWN)
        PostMessageA(Picture(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    else if (GetParam().message)
        PostMessageA(dialog, GetParam().message, GetParam().message == WM_TIMER ? SPLASH_TIMER : IDOK, 0);
    else {
        Sleep(1000);
        EXPECT_TRUE(IsWindow(dialog)) << "gone before its two seconds";
    }
    EXPECT_TRUE(WaitUntilGone(dialog));
    EXPECT_EQ(nullptr, Picture());
    EXPECT_EQ(GetParam().saved, Shown());
}

INSTANTIATE_TEST_SUITE_P(Endings, SplashEnding,
                         ::testing::Values(Ending{"Ok", false, WM_COMMAND, "1"},
                                           Ending{"PictureClick", false, WM_LBUTTONDOWN, "1"},
                                           Ending{"Timer", false, WM_TIMER, "2"},
                                           Ending{"CheckedThenTimer", true, WM_TIMER, "0"},
                                           Ending{"ConfiguredTime", false, 0, "2"}));

/* ShowButton 0: the picture alone, on top, centred; a file with a folder is taken as it stands. */
TEST_F(Splash, ThePictureAloneIsOnTopCentredAndGoesWhenClicked)
{
    std::string file = ProductPath("start.bmp");
    CopyFileOver(ModulePath("logon.bmp"), file);
    Reserved("LogonFile", file.c_str());
    Reserved("ShowButton", "0");
    Reserved("LogonDisplay", "2");
    ASSERT_TRUE(loop.Start());
    HWND picture = Picture();
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(nullptr, GetWindow(picture, GW_OWNER));
    EXPECT_EQ(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, GetWindowLongA(picture, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_NE(nullptr, GetDlgItem(picture, LINK_ID));
    RECT rect;
    GetWindowRect(picture, &rect);
    EXPECT_EQ((Numbers{(GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2,
                       (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2}),
              (Numbers{rect.left, rect.top}));

    PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitUntilGone(picture));
    EXPECT_EQ("2", Shown());
}

TEST_F(Splash, TheHostsLoopShowsNoPicture)
{
    ASSERT_TRUE(library.Load());
    HWND window = library.Create(NULL, 0, FakeModem::Request);
    EXPECT_TRUE(window && !FindShown([](HWND w) { return ClassOf(w) == "Logon" || GetDlgItem(w, IDC_SPLASH_HIDE); }));
    DestroyWindow(window);
}

struct Off {
    const char *showButton, *key, *value;
};

class SplashOff : public Splash, public ::testing::WithParamInterface<Off> {};

TEST_P(SplashOff, ShowsNothing)
{
    Reserved("ShowButton", GetParam().showButton);
    Reserved(GetParam().key, GetParam().value);
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
