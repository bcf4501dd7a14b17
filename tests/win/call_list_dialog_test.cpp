/* The phone book and incoming-call log dialogs and the entry editor, opened from the status
   window as a user opens them and driven by the step files of tests/win/call_lists/, one test
   each. A step is a line "verb arguments", texts written as in case_text.h; "open LIST" and
   "editor STEP" run the steps after them in that modal dialog until "close", "ok" or "cancel";
   "expect READING [ARGUMENT] TEXT" compares a reading with TEXT, where "*" stands for one or
   more characters. Inside a modal loop the steps run on the test thread, from a thread timer
   that tries them until their dialog shows; after each step the dialog's posted messages run. */
#include "engine_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "canvas.h"
#include "case_text.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "windows_seen.h"

namespace {

enum { LIST = 1066, NAME_EDIT = 1060, NUMBER_EDIT = 1061, GIVE_UP_TICKS = 3000 };
const int kListButtons[] = {10013, 10016, 10046, 10047, 10014, IDCMD_EXIT, IDCMD_HELP};
/* Commands, message-box answers and editor fields by their names in the steps. */
const std::map<std::string, int> kNames = {
    {"save-as", 10013}, {"save", 10016}, {"new", 10046}, {"edit", 10047}, {"delete", 10014},
    {"exit", IDCMD_EXIT}, {"ok", IDOK}, {"cancel", IDCANCEL}, {"phone-book", IDCMD_PHONEBOOK},
    {"call-log", IDCMD_CALL_LOG}, {"yes", IDYES}, {"no", IDNO}, {"name", NAME_EDIT}, {"number", NUMBER_EDIT}};

/* The list dialogs hold a list-view 1066 (the status window has a label of that number), the
   editor an edit 1060. */
bool IsDialogOf(HWND window, int control)
{
    char name[32] = "";
    GetClassNameA(GetDlgItem(window, control), name, sizeof name);
    return ClassOf(window) == "#32770" && lstrcmpiA(name, control == LIST ? WC_LISTVIEWA : "Edit") == 0;
}

/* A dialog ends hidden; the modal call destroys it after its loop. */
bool Ended(HWND dialog)
{
    return !IsWindow(dialog) || !IsWindowVisible(dialog);
}

/* A dialog of this thread holding that control: 1066 for a list dialog, 1060 for the editor. */
HWND FindDialog(int control, HWND skip = NULL)
{
    return FindOnThread(GetCurrentThreadId(), [&](HWND w) { return w != skip && IsDialogOf(w, control); });
}

/* A step that waits for its dialog: open enters a modal loop, in which a thread timer tries
   the step until a dialog holding control shows. */
struct DialogStep {
    int control;
    std::function<void(HWND)> step;
    int ticks;
    bool ran;
};
DialogStep *waiting;

void CALLBACK TryStep(HWND, UINT, UINT_PTR, DWORD)
{
    DialogStep *pending = waiting;
    if (!pending || pending->ran)
        return;
    HWND dialog = FindDialog(pending->control);
    if (dialog && IsWindowVisible(dialog)) {
        pending->ran = true;
        pending->step(dialog);
    } else if (++pending->ticks > GIVE_UP_TICKS) {  /* never leave the test hanging in a modal loop */
        pending->ran = true;
        for (int control : {NAME_EDIT, LIST})
            if (HWND open = FindDialog(control))
                EndDialog(open, 0);
        ADD_FAILURE() << "a dialog step never found its window";
    }
}

/* Whether the dialog showed and the step ran in it. */
bool InDialog(int control, std::function<void()> open, std::function<void(HWND)> step)
{
    DialogStep mine = {control, step, 0, false}, *outer = waiting;
    waiting = &mine;
    UINT_PTR timer = SetTimer(NULL, 0, 10, TryStep);
    open();
    KillTimer(NULL, timer);
    waiting = outer;
    EXPECT_TRUE(mine.ran && mine.ticks <= GIVE_UP_TICKS);
    return mine.ran && mine.ticks <= GIVE_UP_TICKS;
}

/* Whether text matches pattern, each "*" standing for one or more characters. */
bool Matches(const std::string &pattern, const std::string &text)
{
    size_t star = pattern.find('*');
    if (star == std::string::npos)
        return pattern == text;
    for (size_t at = star + 1; text.compare(0, star, pattern, 0, star) == 0 && at <= text.size(); ++at)
        if (Matches(pattern.substr(star + 1), text.substr(at)))
            return true;
    return false;
}

int Int(std::istream &in)
{
    int number = 0;
    in >> number;
    return number;
}
std::string Word(std::istream &in)
{
    std::string word;
    in >> word;
    return word;
}
/* The rest of the line, unescaped. */
std::string Rest(std::istream &in)
{
    std::string rest;
    std::getline(in >> std::ws, rest);
    return Unescape(rest);
}
std::string OnOff(bool on)
{
    return on ? "on" : "off";
}

/* The product files that match pattern, joined by ";", a folder's name ending in "\". */
std::string Files(const std::string &pattern)
{
    std::string names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ProductPath(pattern).c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        names += (names.empty() ? "" : ";") + std::string(found.cFileName) +
                 (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "\\" : "");
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return names;
}

typedef std::function<void(HWND dialog, std::istream &arguments)> Step;
typedef std::function<std::string(HWND dialog, std::istream &arguments)> Reading;

class CallListDialog : public EngineTest, public ::testing::WithParamInterface<const char *> {
protected:
    void TearDown() override
    {
        Release();
        EngineTest::TearDown();
    }

    /* Runs the steps from the next line on, in dialog (null outside any), until one ends it. */
    void RunSteps(HWND dialog)
    {
        while (next < lines.size()) {
            std::istringstream line(lines[next++]);
            if (line.str().empty() || line.str()[0] == '#')
                continue;
            SCOPED_TRACE(std::string(GetParam()) + ".txt:" + std::to_string(next) + ": " + line.str());
            if (!RunStep(dialog, line))
                return;
            MSG message;  /* what the dialog's modal loop would run */
            while (dialog && PeekMessageA(&message, dialog, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
    }

    /* Runs one step; false when it ends its dialog's steps. */
    bool RunStep(HWND dialog, std::istream &line)
    {
        std::string verb = Word(line);
        if (dialog && verb != "expect")
            widthBefore = SizeOf(dialog).cx;
        if (steps.count(verb))
            steps.at(verb)(dialog, line);
        else
            ADD_FAILURE() << "no such step";
        return verb != "close" && verb != "ok" && verb != "cancel";
    }

    /* The steps of a list dialog, which a click on command opens. */
    void OpenList(int command)
    {
        bool shown = InDialog(LIST, [&] { Click(command); }, [&](HWND dialog) {
            list = GetDlgItem(dialog, LIST);
            RunSteps(dialog);
            if (IsWindow(dialog))
                PostMessageA(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(nullptr, FindDialog(LIST));
        if (!shown)
            next = lines.size();
    }

    /* The rows as shown, "name|number;...", the log's with all four columns. */
    std::string Rows()
    {
        HWND header = ListView_GetHeader(list);
        std::string rows;
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            for (int column = 0; column < Header_GetItemCount(header); ++column) {
                char text[256] = "";
                ListView_GetItemText(list, i, column, text, sizeof text);
                rows += std::string(column ? "|" : i ? ";" : "") + text;
            }
        }
        return rows;
    }
    std::string ColumnTitle(int column)
    {
        char text[256] = "";
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETCOLUMNA, (WPARAM)column, (LPARAM)&info);
        return text;
    }
    /* Each toolbar button: '+' enabled, '-' greyed, 'x' absent, '?' anything else. */
    std::string Buttons(HWND dialog)
    {
        HWND toolbar = FindWindowExA(dialog, NULL, TOOLBARCLASSNAMEA, NULL);
        std::string states;
        for (int command : kListButtons) {
            LRESULT state = SendMessageA(toolbar, TB_GETSTATE, (WPARAM)command, 0);
            bool on = (state & TBSTATE_ENABLED) && !(state & TBSTATE_INDETERMINATE);
            bool grey = (state & TBSTATE_INDETERMINATE) && !(state & TBSTATE_ENABLED);
            states += state == -1 ? 'x' : on ? '+' : grey ? '-' : '?';
        }
        return states;
    }
    void Notify(HWND dialog, HWND from, UINT code, int subItem = 0)
    {
        NMLISTVIEW note = {};
        note.hdr.hwndFrom = from;
        note.hdr.idFrom = (UINT_PTR)GetDlgCtrlID(from);
        note.hdr.code = code;
        note.iItem = -1;
        note.iSubItem = subItem;
        SendMessageA(dialog, WM_NOTIFY, note.hdr.idFrom, (LPARAM)&note);
    }
    std::string InfoTip(HWND dialog, int item)
    {
        char text[1024] = "";
        NMLVGETINFOTIPA tip = {};
        tip.hdr.hwndFrom = list;
        tip.hdr.idFrom = LIST;
        tip.hdr.code = LVN_GETINFOTIPA;
        tip.pszText = text;
        tip.cchTextMax = sizeof text;
        tip.iItem = item;
        SendMessageA(dialog, WM_NOTIFY, LIST, (LPARAM)&tip);
        return text;
    }
    /* The rows' outcome pictures, each drawn into a canvas, a letter for each different one. */
    std::string Pictures(HWND dialog)
    {
        int left = ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1) +
                   ListView_GetColumnWidth(list, 2) + 4;
        std::vector<std::string> seen;
        std::string letters;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            Canvas canvas(left + 24, 20);
            DRAWITEMSTRUCT item = {};
            item.CtlType = ODT_LISTVIEW;
            item.CtlID = LIST;
            item.itemID = (UINT)row;
            item.itemAction = ODA_DRAWENTIRE;
            item.hwndItem = list;
            item.hDC = canvas.dc();
            item.rcItem = {0, 0, left + 24, 18};
            SendMessageA(dialog, WM_DRAWITEM, LIST, (LPARAM)&item);
            std::string square;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    square += std::to_string(canvas.At(left + x, y)) + ",";
            size_t index = std::find(seen.begin(), seen.end(), square) - seen.begin();
            if (index == seen.size())
                seen.push_back(square);
            letters += (char)('a' + index);
        }
        return letters;
    }
    /* Holds a product file open, sharing as given, until the steps release it. */
    void Hold(const std::string &name, DWORD share)
    {
        held.push_back(CreateFileA(ProductPath(name).c_str(), GENERIC_READ, share, NULL, OPEN_EXISTING, 0, NULL));
        EXPECT_NE(INVALID_HANDLE_VALUE, held.back());
    }
    void Release()
    {
        for (HANDLE file : held)
            CloseHandle(file);
        for (const std::string &name : readOnly)
            SetFileAttributesA(ProductPath(name).c_str(), FILE_ATTRIBUTE_NORMAL);
        held.clear();
        readOnly.clear();
    }
    std::vector<SeenMessageBox> Boxes() { return answerer ? answerer->Seen() : std::vector<SeenMessageBox>(); }

    std::vector<std::string> lines;
    size_t next = 0;
    HWND list = NULL;
    int widthBefore = 0;  /* the dialog's width before its last step other than an expectation */
    std::vector<HANDLE> held;
    std::vector<std::string> readOnly;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    const std::map<std::string, Reading> readings = {
        {"caption", [&](HWND d, std::istream &) { return TextOf(d); }},
        {"column", [&](HWND, std::istream &a) { return ColumnTitle(Int(a)); }},
        {"width", [&](HWND, std::istream &a) { return std::to_string(ListView_GetColumnWidth(list, Int(a))); }},
        {"rows", [&](HWND, std::istream &) { return Rows(); }},
        {"selected", [&](HWND, std::istream &) { return std::to_string(ListView_GetNextItem(list, -1, LVNI_SELECTED)); }},
        {"buttons", [&](HWND d, std::istream &) { return Buttons(d); }},
        {"tips", [&](HWND, std::istream &) { return OnOff(ListView_GetExtendedListViewStyle(list) & LVS_EX_INFOTIP); }},
        {"tip", [&](HWND d, std::istream &a) { return InfoTip(d, Int(a)); }},
        {"pictures", [&](HWND d, std::istream &) { return Pictures(d); }},
        {"open", [&](HWND d, std::istream &) { return OnOff(!Ended(d)); }},
        {"other-list", [&](HWND d, std::istream &) { return OnOff(FindDialog(LIST, d) != NULL); }},
        {"editor", [&](HWND, std::istream &) { return OnOff(FindDialog(NAME_EDIT) != NULL); }},
        {"grown", [&](HWND d, std::istream &) { return std::to_string(SizeOf(d).cx - widthBefore); }},
        {"field", [&](HWND d, std::istream &a) { return TextOf(GetDlgItem(d, kNames.at(Word(a)))); }},
        {"ok", [&](HWND d, std::istream &) { return OnOff(IsWindowEnabled(GetDlgItem(d, IDOK))); }},
        {"file", [&](HWND, std::istream &a) { return ReadFileBytes(ProductPath(Word(a))); }},
        {"files", [&](HWND, std::istream &a) { return Files(Word(a)); }},
        {"boxes", [&](HWND, std::istream &) { return std::to_string(Boxes().size()); }},
        {"box", [&](HWND, std::istream &a) {
             size_t index = (size_t)Int(a);
             return index < Boxes().size() ? Boxes()[index].caption + " | " + Boxes()[index].text : "none";
         }},
    };

    const std::map<std::string, Step> steps = {
        {"setting", [&](HWND, std::istream &a) {
             std::string section = Word(a), key = Word(a);
             Set(section.c_str(), key.c_str(), Rest(a).c_str());
         }},
        {"file", [&](HWND, std::istream &a) {
             std::string name = Word(a);
             WriteFileBytes(ProductPath(name), Rest(a));
         }},
        {"folder", [&](HWND, std::istream &a) { CreateDirectoryA(ProductPath(Word(a)).c_str(), NULL); }},
        {"lock", [&](HWND, std::istream &a) { Hold(Word(a), 0); }},
        {"hold", [&](HWND, std::istream &a) { Hold(Word(a), FILE_SHARE_READ | FILE_SHARE_WRITE); }},
        {"read-only", [&](HWND, std::istream &a) {
             readOnly.push_back(Word(a));
             SetFileAttributesA(ProductPath(readOnly.back()).c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        {"release", [&](HWND, std::istream &) { Release(); }},
        {"start", [&](HWND, std::istream &) {
             if (!Start())
                 next = lines.size(), ADD_FAILURE() << "no main window";
         }},
        {"connect", [&](HWND, std::istream &) { ConnectV92(); }},
        {"call", [&](HWND, std::istream &) { CallWaits(); }},
        {"idle", [&](HWND, std::istream &) { Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE); }},
        {"answer", [&](HWND, std::istream &a) {
             int button = kNames.at(Word(a));
             if (!answerer)
                 answerer.reset(new MessageBoxAnswerer(button));
             answerer->SetButton(button);
         }},
        {"click", [&](HWND, std::istream &a) { Click(kNames.at(Word(a))); }},
        {"press", [&](HWND d, std::istream &a) { SendMessageA(d, WM_COMMAND, (WPARAM)kNames.at(Word(a)), 0); }},
        {"system-close", [&](HWND d, std::istream &) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"open", [&](HWND, std::istream &a) { OpenList(kNames.at(Word(a))); }},
        {"close", [&](HWND, std::istream &) {}},
        {"editor", [&](HWND d, std::istream &a) {
             if (!InDialog(NAME_EDIT, [&] { RunStep(d, a); }, [&](HWND editor) { RunSteps(editor); }))
                 next = lines.size();
         }},
        {"ok", [&](HWND d, std::istream &) { SendMessageA(d, WM_COMMAND, IDOK, 0); }},
        {"cancel", [&](HWND d, std::istream &) { SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
        {"type", [&](HWND d, std::istream &a) {
             int field = kNames.at(Word(a));
             SetDlgItemTextA(d, field, Rest(a).c_str());
         }},
        {"select", [&](HWND, std::istream &a) {
             ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
             for (int row, first = 1; a >> row; first = 0)
                 ListView_SetItemState(list, row, LVIS_SELECTED | (first ? LVIS_FOCUSED : 0), LVIS_SELECTED | LVIS_FOCUSED);
         }},
        {"sort", [&](HWND d, std::istream &a) { Notify(d, list, LVN_COLUMNCLICK, Int(a)); }},
        {"double-click", [&](HWND d, std::istream &a) {
             Notify(d, Word(a) == "list" ? list : FindWindowExA(d, NULL, STATUSCLASSNAMEA, NULL), NM_DBLCLK);
         }},
        {"expect", [&](HWND d, std::istream &a) {
             std::string what = Word(a);
             std::string actual = readings.count(what) ? readings.at(what)(d, a) : "no such reading";
             std::string expected = Rest(a);
             EXPECT_PRED2(Matches, expected, actual);
         }},
    };
};

TEST_P(CallListDialog, Steps)
{
    std::ifstream in(std::string(CALL_LIST_STEPS "/") + GetParam() + ".txt");
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_FALSE(lines.empty());
    RunSteps(NULL);
}

INSTANTIATE_TEST_SUITE_P(File, CallListDialog,
                         ::testing::Values("phone_book", "empty_lists", "log_order", "log_outcomes", "delete",
                                           "emptied_list", "editor", "edit_entry", "engine_appends", "unreadable",
                                           "save_stopped"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

}  // namespace
