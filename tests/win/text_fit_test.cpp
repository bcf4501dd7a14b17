/* Every shipped language, chosen in the settings as the Language page stores it, with the library
   in its own loop: the status window, each page of the configuration sheet and of the keypad
   sheet its Sounds page opens, both list dialogs and the entry editor show no text wider or
   taller than its control, measured with the control's own font. */
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "library_test.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"

namespace {

/* The tab control of a property sheet, and the configuration page that opens the keypad sheet. */
enum { SHEET_TABS = 0x3020, SOUNDS_PAGE = 1 };
enum { HEADER_MARGIN = 12, GROUP_MARGIN = 16, BUTTON_MARGIN = 8, CHECK_GAP = 4 };

/* A language as the settings name it, and the status window's caller label in it. */
struct Language {
    const char *id;
    const char *callerLabel;
};

void PrintTo(const Language &language, std::ostream *out) { *out << language.id; }

const Language kLanguages[] = {{"1033", "Caller:"}, {"1031", "Anrufer:"}, {"1036", "Appelant :"},
                               {"1034", "Llamante:"}, {"1040", "Chiamante:"}};

/* The texts the status line takes on besides its first one: one per modem-on-hold state, and idle. */
const UINT kStatusTexts[] = {10020, 10021, 10022, 10023, 10024, 10025, 10026, 10028, 10029, 10030, 10031, 10032, IDS_IDLE};

/* Room for text in a control, and how DrawText lays it out there; width 0: not a text control. */
struct TextBox {
    int width;
    int height;
    UINT format;
};

TextBox BoxOf(HWND control)
{
    RECT client;
    GetClientRect(control, &client);
    LONG style = GetWindowLongA(control, GWL_STYLE), type = style & SS_TYPEMASK;
    std::string name = ClassOf(control);
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        /* Not pictures, nor texts shortened on purpose. */
        bool text = (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) && !(style & SS_ELLIPSISMASK);
        return {text ? client.right : 0, client.bottom, DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0u)};
    }
    type = style & BS_TYPEMASK;
    if (lstrcmpiA(name.c_str(), "Button") != 0 || type == BS_OWNERDRAW)  /* owner-drawn: a picture and its tooltip */
        return {0, 0, 0};
    /* Check boxes and radio buttons (2 to 9 but for group boxes and user buttons) have a mark beside the text. */
    bool marked = type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON && type != BS_GROUPBOX && type != BS_USERBUTTON;
    int margin = type == BS_GROUPBOX ? GROUP_MARGIN : marked ? GetSystemMetrics(SM_CXMENUCHECK) + CHECK_GAP : BUTTON_MARGIN;
    return {client.right - margin, client.bottom, (style & BS_MULTILINE) ? (UINT)DT_WORDBREAK : (UINT)DT_SINGLELINE};
}

/* "" when text fits the box in the control's font, else what overflows. */
std::string Overflow(HWND control, const std::string &text, TextBox box)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(control, WM_GETFONT, 0, 0));
    RECT needed = {0, 0, box.width, 0};
    DrawTextA(dc, text.c_str(), -1, &needed, box.format | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (needed.right <= box.width && needed.bottom <= box.height)
        return "";
    return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + text + "\" needs " +
           std::to_string(needed.right) + "x" + std::to_string(needed.bottom) + ", has " + std::to_string(box.width) +
           "x" + std::to_string(box.height) + "\n";
}

/* Every cut text among the window's children, shown or hidden, and in list headers. */
std::string CutTexts(HWND window)
{
    std::string cut;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HWND header = lstrcmpiA(ClassOf(child).c_str(), WC_LISTVIEWA) == 0 ? ListView_GetHeader(child) : NULL;
        for (int i = 0; i < Header_GetItemCount(header); ++i) {
            char text[128] = "";
            HDITEMA item = {};
            item.mask = HDI_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            RECT rect;
            Header_GetItem(header, i, &item);
            Header_GetItemRect(header, i, &rect);
            cut += Overflow(header, text, {rect.right - rect.left - HEADER_MARGIN, rect.bottom - rect.top, DT_SINGLELINE});
        }
        TextBox box = BoxOf(child);
        if (box.width && !TextOf(child).empty())
            cut += Overflow(child, TextOf(child), box);
    }
    return cut;
}

class TextFit : public LibraryTest, public ::testing::WithParamInterface<Language> {
protected:
    /* Posts the command to owner and waits for the dialog it opens (a shown one of the library's
       other than the status window and other); checks it for cut texts on the way. */
    HWND Open(HWND owner, int command, const char *what, HWND other = NULL)
    {
        PostMessageA(owner, WM_COMMAND, command, 0);
        HWND found = NULL;
        auto shown = [&](HWND w) { return w != other && ClassOf(w) == "#32770"; };
        WaitFor([&] { return (found = FindShown(shown, window)) != NULL; });
        EXPECT_TRUE(found) << what;
        EXPECT_EQ("", found ? CutTexts(found) : "") << what;
        return found;
    }
    /* Every page of a property sheet, each shown in turn, as the sheet lays it out; then Cancel. */
    static void CheckPagesAndCancel(HWND sheet, const char *what)
    {
        int pages = TabCtrl_GetItemCount(GetDlgItem(sheet, SHEET_TABS));
        EXPECT_LE(3, pages) << what;
        for (int i = 0; i < pages; ++i) {
            SendMessageA(sheet, PSM_SETCURSEL, i, 0);
            EXPECT_EQ("", CutTexts(PropSheet_GetCurrentPageHwnd(sheet))) << what << " page " << i;
        }
        Close(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL);
    }
    /* Asks the window (or dialog) to close and waits until it has. */
    static void Close(HWND window, UINT message = WM_CLOSE, WPARAM wParam = 0)
    {
        PostMessageA(window, message, wParam, 0);
        EXPECT_TRUE(WaitUntilGone(window));
    }

    HWND window = NULL;
};

TEST_P(TextFit, NoTextIsCut)
{
    Set("MOH", "Language", GetParam().id);
    Set("MOH", "IncomingCallLog", "1");
    Set("MOH", "ShowMenu", "1");
    ASSERT_TRUE(loop.Start());
    window = loop.window();
    EXPECT_EQ(GetParam().callerLabel, TextOf(GetDlgItem(window, IDC_CALLER_LABEL)));
    EXPECT_EQ("", CutTexts(window)) << "status window";
    HWND statusLine = GetDlgItem(window, IDC_STATUS_LINE);
    for (UINT id : kStatusTexts)
        EXPECT_EQ("", Overflow(statusLine, String(id), BoxOf(statusLine))) << "status line";

    /* The configuration sheet, then the keypad sheet its Sounds page opens. */
    HWND sheet = Open(window, IDCMD_CONFIG, "configuration");
    ASSERT_TRUE(sheet);
    SendMessageA(sheet, PSM_SETCURSEL, SOUNDS_PAGE, 0);
    if (HWND keypad = Open(PropSheet_GetCurrentPageHwnd(sheet), IDC_ADVANCED, "keypad", sheet))
        CheckPagesAndCancel(keypad, "keypad");
    CheckPagesAndCancel(sheet, "configuration");

    /* The phone book and its entry editor, then the incoming-call log. */
    HWND list = Open(window, IDCMD_PHONEBOOK, "phone book");
    ASSERT_TRUE(list);
    if (HWND editor = Open(list, IDCMD_LIST_NEW, "entry editor", list))
        Close(editor, WM_COMMAND, IDCANCEL);
    Close(list);
    if ((list = Open(window, IDCMD_CALL_LOG, "incoming-call log")) != NULL)
        Close(list);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextFit, ::testing::ValuesIn(kLanguages));

}  // namespace
