/* Every shipped language, chosen in the settings as the Language page stores it and loaded as a
   dialer loads the library: the status window, each page of the configuration sheet and of the
   keypad sheet its Sounds page opens, both list dialogs and the entry editor show no text wider
   or taller than its control, measured with the control's own font. */
#include "engine_fixture.h"

#include <commctrl.h>
#include <prsht.h>

#include <deque>
#include <functional>

#include "module_folder.h"
#include "windows_seen.h"

namespace {

/* The tab control of a property sheet, and the configuration page that opens the keypad sheet. */
enum { SHEET_TABS = 0x3020, SOUNDS_PAGE = 1 };
enum { GIVE_UP_TICKS = 1000, HEADER_MARGIN = 12, GROUP_MARGIN = 16, BUTTON_MARGIN = 8, CHECK_GAP = 4 };

struct Language {
    const char *id;
    const char *folder;
    const char *callerLabel;
};

void PrintTo(const Language &language, std::ostream *out) { *out << language.folder; }

const Language kLanguages[] = {
    {"1033", "ENU", "Caller:"},   {"1031", "DEU", "Anrufer:"},    {"1036", "FRA", "Appelant :"},
    {"1034", "ESP", "Llamante:"}, {"1040", "ITA", "Chiamante:"},
};

/* The texts the status line takes on besides its first one: one per modem-on-hold state, and idle. */
const UINT kStatusTexts[] = {10020, 10021, 10022, 10023, 10024, 10025, 10026, 10028,
                             10029, 10030, 10031, 10032, IDS_IDLE};

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
    LONG style = GetWindowLongA(control, GWL_STYLE);
    TextBox box = {client.right, client.bottom, DT_SINGLELINE};
    std::string name = ClassOf(control);
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        LONG type = style & SS_TYPEMASK;
        if ((type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) || (style & SS_ELLIPSISMASK))
            return {0, 0, 0};  /* pictures, and texts shortened on purpose */
        box.format = DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        return box;
    }
    if (lstrcmpiA(name.c_str(), "Button") != 0)
        return {0, 0, 0};
    switch (style & BS_TYPEMASK) {
    case BS_OWNERDRAW: return {0, 0, 0};  /* pictures; the text is their tooltip */
    case BS_GROUPBOX: box.width -= GROUP_MARGIN; break;
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        box.width -= GetSystemMetrics(SM_CXMENUCHECK) + CHECK_GAP;
        break;
    default: box.width -= BUTTON_MARGIN; break;
    }
    if (style & BS_MULTILINE)
        box.format = DT_WORDBREAK;
    return box;
}

/* "" when text fits the box in font, else what overflows. */
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

std::string HeaderOverflow(HWND header)
{
    std::string cut;
    int count = (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        HDITEMA item = {};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        RECT rect;
        SendMessageA(header, HDM_GETITEMA, i, (LPARAM)&item);
        SendMessageA(header, HDM_GETITEMRECT, i, (LPARAM)&rect);
        cut += Overflow(header, text, {rect.right - rect.left - HEADER_MARGIN, rect.bottom - rect.top, DT_SINGLELINE});
    }
    return cut;
}

/* Every cut text among the window's children, shown or hidden, and in list headers. */
std::string CutTexts(HWND window)
{
    std::string cut;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassOf(child).c_str(), WC_LISTVIEWA) == 0)
            cut += HeaderOverflow(ListView_GetHeader(child));
        TextBox box = BoxOf(child);
        std::string text = TextOf(child);
        if (box.width && !text.empty())
            cut += Overflow(child, text, box);
    }
    return cut;
}

/* Steps tried in turn on a thread timer while the test thread sits in a modal dialog's loop; a
   step returns false while its window is not there yet. */
std::deque<std::function<bool()>> steps;
int ticks;

BOOL CALLBACK CloseDialog(HWND window, LPARAM)
{
    if (ClassOf(window) == "#32770" && IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (steps.empty())
        return;
    if (++ticks > GIVE_UP_TICKS) {
        ADD_FAILURE() << "a dialog never showed";
        steps.clear();
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
    } else if (steps.front()()) {
        steps.pop_front();
    }
}

class TextFit : public EngineTest, public ::testing::WithParamInterface<Language> {
protected:
    /* A shown dialog, other than the status window and other, holding that control. */
    HWND Dialog(int control, const char *controlClass, HWND other = NULL)
    {
        return FindShown([=](HWND w) {
            return w != other && ClassOf(w) == "#32770" &&
                   lstrcmpiA(ClassOf(GetDlgItem(w, control)).c_str(), controlClass) == 0;
        }, window);
    }
    /* Every page of a property sheet, each shown in turn, as the sheet lays it out. */
    static void CheckPages(HWND sheet, const char *what)
    {
        int pages = TabCtrl_GetItemCount(GetDlgItem(sheet, SHEET_TABS));
        EXPECT_LE(3, pages) << what;
        for (int i = 0; i < pages; ++i) {
            PropSheet_SetCurSel(sheet, NULL, i);
            EXPECT_EQ("", CutTexts(PropSheet_GetCurrentPageHwnd(sheet))) << what << " page " << i;
        }
    }
    /* Clicks command in the status window and runs the steps inside the dialog it opens. */
    void RunModal(int command, std::deque<std::function<bool()>> script)
    {
        steps = script;
        ticks = 0;
        UINT_PTR timer = SetTimer(NULL, 0, 10, RunStep);
        Click(command);
        KillTimer(NULL, timer);
        EXPECT_TRUE(steps.empty());
    }
    /* A step that checks the dialog holding control, then does next to it. */
    std::function<bool()> Check(int control, const char *controlClass, const char *what,
                                std::function<void(HWND)> next)
    {
        return [=] {
            HWND dialog = Dialog(control, controlClass);
            if (!dialog)
                return false;
            EXPECT_EQ("", CutTexts(dialog)) << what;
            next(dialog);
            return true;
        };
    }
};

TEST_P(TextFit, NoTextIsCut)
{
    Set("MOH", "Language", GetParam().id);
    Set("MOH", "IncomingCallLog", "1");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ReadFileBytes(ModulePath(std::string(GetParam().folder) + "\\mohrc.dll")),
              ReadFileBytes(ModulePath("mohrc.dll")));
    EXPECT_EQ(GetParam().callerLabel, Text(IDC_CALLER_LABEL));

    EXPECT_EQ("", CutTexts(window)) << "status window";
    HWND statusLine = GetDlgItem(window, IDC_STATUS_LINE);
    for (UINT id : kStatusTexts)
        EXPECT_EQ("", Overflow(statusLine, String(id), BoxOf(statusLine))) << "status line";

    /* The configuration sheet, then the keypad sheet its Sounds page opens. */
    HWND sheet = NULL;
    RunModal(IDCMD_CONFIG, {
        [&] {
            if (!(sheet = Dialog(SHEET_TABS, WC_TABCONTROLA)))
                return false;
            CheckPages(sheet, "configuration");
            PropSheet_SetCurSel(sheet, NULL, SOUNDS_PAGE);
            HWND advanced = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_ADVANCED);
            PostMessageA(GetParent(advanced), WM_COMMAND, MAKEWPARAM(IDC_ADVANCED, BN_CLICKED), (LPARAM)advanced);
            return true;
        },
        [&] {
            HWND keypad = Dialog(SHEET_TABS, WC_TABCONTROLA, sheet);
            if (keypad) {
                CheckPages(keypad, "keypad");
                PostMessageA(keypad, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            }
            return keypad != NULL;
        },
        [&] {
            if (Dialog(SHEET_TABS, WC_TABCONTROLA, sheet))
                return false;
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return true;
        },
    });

    RunModal(IDCMD_PHONEBOOK, {
        Check(IDC_CALL_LIST, WC_LISTVIEWA, "phone book", [](HWND list) { PostMessageA(list, WM_COMMAND, IDCMD_LIST_NEW, 0); }),
        Check(IDC_ENTRY_NAME, "Edit", "entry editor", [](HWND editor) { PostMessageA(editor, WM_COMMAND, IDCANCEL, 0); }),
        [this] {
            HWND list = Dialog(IDC_CALL_LIST, WC_LISTVIEWA);
            if (!list || Dialog(IDC_ENTRY_NAME, "Edit"))
                return false;
            PostMessageA(list, WM_CLOSE, 0, 0);
            return true;
        },
    });
    RunModal(IDCMD_CALL_LOG, {Check(IDC_CALL_LIST, WC_LISTVIEWA, "incoming-call log",
                                    [](HWND list) { PostMessageA(list, WM_CLOSE, 0, 0); })});
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextFit, ::testing::ValuesIn(kLanguages));

}  // namespace
