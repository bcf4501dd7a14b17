/* The phone book and incoming-call log dialogs and the entry editor, opened from the status
   window as a user opens them. The dialogs are modal: a test's steps run inside their modal
   loops on the test thread, each tried by a thread timer until its dialog shows. */
#include "engine_fixture.h"

#include <commctrl.h>

#include <functional>

#include "canvas.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "windows_seen.h"

namespace {

enum { LIST = 1066, NAME_EDIT = 1060, NUMBER_EDIT = 1061, SAVE_AS = 10013, DELETE_ENTRIES = 10014,
       SAVE = 10016, NEW_ENTRY = 10046, EDIT_ENTRY = 10047, GIVE_UP_TICKS = 3000 };
const int kListButtons[] = {SAVE_AS, SAVE, NEW_ENTRY, EDIT_ENTRY, DELETE_ENTRIES, IDCMD_EXIT, IDCMD_HELP};

/* The list dialogs hold a list-view 1066 (the status window has a label of that number), the
   editor an edit 1060. */
bool IsDialogOf(HWND window, int control)
{
    char name[32] = "";
    GetClassNameA(GetDlgItem(window, control), name, sizeof name);
    return lstrcmpiA(name, control == LIST ? WC_LISTVIEWA : "Edit") == 0;
}

/* A dialog ends hidden; the modal call destroys it after its loop. */
bool Ended(HWND dialog)
{
    return !IsWindow(dialog) || !IsWindowVisible(dialog);
}

/* A dialog of this thread holding that control: 1066 for a list dialog, 1060 for the editor. */
HWND FindDialog(int control)
{
    return FindOnThread(GetCurrentThreadId(), [&](HWND w) { return ClassOf(w) == "#32770" && IsDialogOf(w, control); });
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

void InDialog(int control, std::function<void()> open, std::function<void(HWND)> step)
{
    DialogStep mine = {control, step, 0, false}, *outer = waiting;
    waiting = &mine;
    UINT_PTR timer = SetTimer(NULL, 0, 10, TryStep);
    open();
    KillTimer(NULL, timer);
    waiting = outer;
    EXPECT_TRUE(mine.ran && mine.ticks <= GIVE_UP_TICKS);
}

class CallListDialog : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        RemoveFile(ProductPath("callerid.fic"));
        RemoveFile(ProductPath("incoming.log"));
    }

    /* Opens the list with command (10010 or 40024); step runs on the open dialog. */
    void OpenList(int command, std::function<void(HWND)> step)
    {
        InDialog(LIST, [&] { Click(command); }, [&](HWND dialog) {
            list = GetDlgItem(dialog, LIST);
            step(dialog);
            if (IsWindow(dialog))
                PostMessageA(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(nullptr, FindDialog(LIST));
    }

    /* The rows as shown, "name|number;..." (the log with all four columns), or one column's texts
       joined by ";". */
    std::string Rows(int only = -1)
    {
        int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
        HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
        int columns = (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
        std::string rows;
        for (int i = 0; i < count; ++i) {
            rows += i ? ";" : "";
            for (int column = 0; column < columns; ++column) {
                char text[256] = "";
                ListView_GetItemText(list, i, column, text, sizeof text);
                if (only < 0 || column == only)
                    rows += std::string(column && only < 0 ? "|" : "") + text;
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
    void Select(int index)
    {
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (index >= 0)
            ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    int Selected() { return (int)SendMessageA(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
    void Command(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, (WPARAM)id, 0); }
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
    /* Runs open while the editor is filled in as given, then OK (or Cancel). */
    void Editing(std::function<void()> open, std::function<void(HWND)> fill, int button = IDOK)
    {
        InDialog(NAME_EDIT, open, [&](HWND editor) {
            fill(editor);
            SendMessageA(editor, WM_COMMAND, (WPARAM)button, 0);
        });
    }
    /* Runs the messages posted to the dialog, as its modal loop would. */
    void Pump(HWND dialog)
    {
        MSG message;
        while (PeekMessageA(&message, dialog, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    void AddEntry(HWND dialog, const char *name, const char *number)
    {
        WithEditor(dialog, NEW_ENTRY, [=](HWND editor) {
            SetDlgItemTextA(editor, NAME_EDIT, name);
            SetDlgItemTextA(editor, NUMBER_EDIT, number);
        });
    }
    void WithEditor(HWND dialog, int command, std::function<void(HWND)> fill, int button = IDOK)
    {
        Editing([&] { Command(dialog, command); }, fill, button);
    }

    HWND list = NULL;
};

void Type(HWND editor, int control, const char *text)
{
    SetDlgItemTextA(editor, control, text);
}

bool OkEnabled(HWND editor)
{
    return IsWindowEnabled(GetDlgItem(editor, IDOK)) != FALSE;
}

}  // namespace

TEST_F(CallListDialog, PhoneBookShowsCompleteLinesByNameAloneAndSavesTwoFields)
{
    const std::string file = "Carl\t0333\r\n\r\nAnn\t0111\textra\r\nbob\t0222\r\nDora\t0444";
    WriteFileBytes(ProductPath("callerid.fic"), file);
    ASSERT_TRUE(Start());
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        EXPECT_EQ("Phone book", TextOf(dialog));
        EXPECT_EQ("Name", ColumnTitle(0));
        EXPECT_EQ("Number", ColumnTitle(1));
        /* Byte order: capitals first; the unterminated last line is not shown. */
        EXPECT_EQ("Ann|0111;Carl|0333;bob|0222", Rows());
        EXPECT_EQ(0, Selected());
        EXPECT_EQ("+++++++", Buttons(dialog));
        EXPECT_NE(0, ListView_GetExtendedListViewStyle(list) & LVS_EX_INFOTIP);  /* the log is on */
        EXPECT_EQ("Name: Ann\nNumber: 0111", InfoTip(dialog, 0));
        /* Enter and Escape do not close it, and no second list opens beside it. */
        Command(dialog, IDOK);
        Command(dialog, IDCANCEL);
        EXPECT_TRUE(IsWindow(dialog));
        Click(IDCMD_CALL_LOG);
        Click(IDCMD_PHONEBOOK);
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM param) {
            *(int *)param += ClassOf(window) == "#32770" && IsDialogOf(window, LIST);
            return TRUE;
        }, (LPARAM)&count);
        EXPECT_EQ(1, count);
    });
    EXPECT_EQ(file, PhoneBook());  /* closing without saving keeps the file */

    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) { Command(dialog, SAVE); });
    EXPECT_EQ("Ann\t0111\r\nCarl\t0333\r\nbob\t0222\r\n", PhoneBook());
}

TEST_F(CallListDialog, EmptyOrMissingListGreysWhatNeedsEntriesAndTipsNeedTheLog)
{
    Set("MOH", "IncomingCallLog", "0");
    ASSERT_TRUE(Start());
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        EXPECT_EQ("", Rows());
        EXPECT_EQ("--+--++", Buttons(dialog));
        EXPECT_EQ(0, ListView_GetExtendedListViewStyle(list) & LVS_EX_INFOTIP);
    });
    EXPECT_FALSE(FileExists(ProductPath("callerid.fic")));
    WriteFileBytes(ProductPath("incoming.log"), "\r\n\r\n");
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) {
        EXPECT_EQ("", Rows());
        EXPECT_EQ("--xx-++", Buttons(dialog));
    });
}

TEST_F(CallListDialog, LogIsSortedByTimeAndColumnClicksSortAscending)
{
    WriteFileBytes(ProductPath("incoming.log"), "Bob\t0555\t2026-01-02 10:00:00\t2\r\n"
                                                "Ann\t0777\t2026-01-03 09:00:00\t3\r\n"
                                                "Cid\t0666\t2026-01-01 08:00:00\t1\r\n");
    ASSERT_TRUE(Start());
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) {
        EXPECT_EQ(String(IDCMD_CALL_LOG), TextOf(dialog));
        EXPECT_EQ("Date and time", ColumnTitle(2));
        EXPECT_EQ("Cid|0666|2026-01-01 08:00:00|1;Bob|0555|2026-01-02 10:00:00|2;Ann|0777|2026-01-03 09:00:00|3",
                  Rows());
        EXPECT_EQ(24, ListView_GetColumnWidth(list, 3));
        EXPECT_EQ("++xx+++", Buttons(dialog));
        for (int pass = 0; pass < 2; ++pass) {  /* the same column again does not reverse */
            Notify(dialog, list, LVN_COLUMNCLICK, 0);
            EXPECT_EQ("Ann;Bob;Cid", Rows(0));
        }
        Notify(dialog, list, LVN_COLUMNCLICK, 1);
        EXPECT_EQ("Bob;Cid;Ann", Rows(0));
        Notify(dialog, list, LVN_COLUMNCLICK, 3);
        EXPECT_EQ("Cid;Bob;Ann", Rows(0));
    });
}

TEST_F(CallListDialog, LogTipsAndPicturesFollowTheOutcomeCode)
{
    WriteFileBytes(ProductPath("incoming.log"), "A\t1\t1\t0\r\nB\t2\t2\t1\r\nC\t3\t3\t2\r\nD\t4\t4\t3\r\n"
                                                "E\t5\t5\t7\r\nF\t6\t6\r\n");
    ASSERT_TRUE(Start());
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) {
        EXPECT_NE(0, ListView_GetExtendedListViewStyle(list) & LVS_EX_INFOTIP);
        for (int code = 0; code < 4; ++code)
            EXPECT_EQ("Name: " + std::string(1, (char)('A' + code)) + "\nNumber: " + std::to_string(code + 1) +
                          "\nDate and time: " + std::to_string(code + 1) + "\n" + String(40027 + code),
                      InfoTip(dialog, code));
        /* An unknown or missing code is told as no recorded outcome. */
        EXPECT_EQ(String(40027), InfoTip(dialog, 4).substr(InfoTip(dialog, 4).rfind('\n') + 1));
        EXPECT_EQ(String(40027), InfoTip(dialog, 5).substr(InfoTip(dialog, 5).rfind('\n') + 1));

        /* Each row drawn into a canvas: the picture square differs between the codes and is
           plain background for the unknown ones. */
        int left = ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1) +
                   ListView_GetColumnWidth(list, 2) + 4;
        std::vector<std::string> squares;
        for (int row = 0; row < 6; ++row) {
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
            squares.push_back(square);
        }
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 6; ++b)
                EXPECT_NE(squares[a], squares[b]) << a << " " << b;
        EXPECT_EQ(squares[4], squares[5]);
    });
}

TEST_F(CallListDialog, DeleteAsksThenSelectsTheFollowingEntry)
{
    WriteFileBytes(ProductPath("callerid.fic"), "A\t1\r\nB\t2\r\nC\t3\r\nD\t4\r\n");
    ASSERT_TRUE(Start());
    MessageBoxAnswerer answerer(IDNO);
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        Select(1);
        Command(dialog, DELETE_ENTRIES);  /* answered No */
        EXPECT_EQ("A|1;B|2;C|3;D|4", Rows());
        answerer.SetButton(IDYES);
        int width = SizeOf(dialog).cx;
        ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
        Command(dialog, DELETE_ENTRIES);
        EXPECT_EQ("A|1;D|4", Rows());
        EXPECT_EQ(1, Selected());
        EXPECT_EQ(width + 1, SizeOf(dialog).cx);
        Select(1);
        Command(dialog, DELETE_ENTRIES);  /* the last: the one before it is selected */
        EXPECT_EQ(0, Selected());
        Select(-1);
        Command(dialog, DELETE_ENTRIES);  /* nothing selected: nothing asked */
        EXPECT_EQ("A|1", Rows());
        Command(dialog, IDCMD_EXIT);  /* unsaved changes: asks, Yes saves */
        EXPECT_TRUE(Ended(dialog));
    });
    std::vector<SeenMessageBox> seen = answerer.Seen();
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Phone book", seen[0].caption);
    EXPECT_EQ(String(10017), seen[0].text);
    EXPECT_EQ(String(10034), seen[3].text);
    EXPECT_EQ("A\t1\r\n", PhoneBook());
}

TEST_F(CallListDialog, EmptiedListKeepsSaveWritesAnEmptyFileAndCloseAsksAboutChanges)
{
    WriteFileBytes(ProductPath("incoming.log"), "Bob\t0555\tx\t2\r\n");
    ASSERT_TRUE(Start());
    MessageBoxAnswerer answerer(IDYES);
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) {
        Command(dialog, DELETE_ENTRIES);
        EXPECT_EQ("", Rows());
        EXPECT_EQ("-+xx-++", Buttons(dialog));
        answerer.SetButton(IDCANCEL);
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  /* the title bar's Close asks too */
        Pump(dialog);
        EXPECT_FALSE(Ended(dialog));
        Command(dialog, SAVE);
        EXPECT_EQ("", CallLog());
        Command(dialog, IDCMD_EXIT);  /* saved: closes without asking */
        EXPECT_TRUE(Ended(dialog));
    });
    EXPECT_EQ(2u, answerer.Seen().size());
}

TEST_F(CallListDialog, EditorEnablesOkOnlyWithBothFieldsCutsTo63AndCancelAddsNothing)
{
    WriteFileBytes(ProductPath("callerid.fic"), "Bob\t0222\r\n");
    ASSERT_TRUE(Start());
    const std::string longName(70, 'N');
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        WithEditor(dialog, NEW_ENTRY, [&](HWND editor) {
            EXPECT_EQ("", TextOf(GetDlgItem(editor, NAME_EDIT)));
            EXPECT_FALSE(OkEnabled(editor));
            Type(editor, NAME_EDIT, longName.c_str());
            EXPECT_EQ(longName, TextOf(GetDlgItem(editor, NAME_EDIT)));
            EXPECT_FALSE(OkEnabled(editor));
            Type(editor, NUMBER_EDIT, "0111");
            EXPECT_TRUE(OkEnabled(editor));
            Type(editor, NAME_EDIT, "");
            EXPECT_FALSE(OkEnabled(editor));
            Type(editor, NAME_EDIT, longName.c_str());
        });
        /* The new entry goes where the name sorts it, not to the top. */
        EXPECT_EQ("Bob|0222;" + longName.substr(0, 63) + "|0111", Rows());
        EXPECT_EQ("+++++++", Buttons(dialog));
        WithEditor(dialog, NEW_ENTRY, [&](HWND editor) {
            Type(editor, NAME_EDIT, "Zed");
            Type(editor, NUMBER_EDIT, "9");
        }, IDCANCEL);
        /* Duplicates and tabs are taken as typed. */
        AddEntry(dialog, "Bob", "0222");
        AddEntry(dialog, "Al\t0999", "0111");
        Command(dialog, SAVE);
    });
    EXPECT_EQ("Al\t0999\r\nBob\t0222\r\nBob\t0222\r\n" + longName.substr(0, 63) + "\t0111\r\n", PhoneBook());
}

TEST_F(CallListDialog, EditAndDoubleClickChangeTheSelectedEntryAndResort)
{
    WriteFileBytes(ProductPath("callerid.fic"), "Ann\r\nBob\t0222\r\nCid\t0333\r\n");
    ASSERT_TRUE(Start());
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        Notify(dialog, list, LVN_COLUMNCLICK, 1);  /* by number: the entry without one first */
        EXPECT_EQ("Ann|;Bob|0222;Cid|0333", Rows());
        Select(0);
        WithEditor(dialog, EDIT_ENTRY, [&](HWND editor) {
            EXPECT_EQ("Ann", TextOf(GetDlgItem(editor, NAME_EDIT)));
            EXPECT_EQ("", TextOf(GetDlgItem(editor, NUMBER_EDIT)));
            Type(editor, NUMBER_EDIT, "0999");
        });
        EXPECT_EQ("Bob|0222;Cid|0333;Ann|0999", Rows());
        /* A double-click reported by the status bar acts on the selected entry too. */
        Select(0);
        HWND statusBar = FindWindowExA(dialog, NULL, STATUSCLASSNAMEA, NULL);
        Editing([&] { Notify(dialog, statusBar, NM_DBLCLK); }, [&](HWND editor) {
            EXPECT_EQ("Bob", TextOf(GetDlgItem(editor, NAME_EDIT)));
            Type(editor, NAME_EDIT, "Bea");
        });
        EXPECT_EQ("Bea|0222;Cid|0333;Ann|0999", Rows());
        Select(-1);
        Notify(dialog, list, NM_DBLCLK);  /* nothing selected: no editor */
        Command(dialog, EDIT_ENTRY);
        EXPECT_EQ(nullptr, FindDialog(NAME_EDIT));
        Command(dialog, SAVE);
    });
    EXPECT_EQ("Bea\t0222\r\nCid\t0333\r\nAnn\t0999\r\n", PhoneBook());
}

TEST_F(CallListDialog, LinesTheEngineAppendsWhileAListIsOpenAreShownAndSaved)
{
    WriteFileBytes(ProductPath("callerid.fic"), "Zed\t0999\r\n");
    const std::string cid = "Cid\t0666\t2020-01-01 08:00:00\t1\r\n", dan = "Dan\t0777\t2030-01-01 08:00:00\t2\r\n";
    WriteFileBytes(ProductPath("incoming.log"), cid + dan);
    ASSERT_TRUE(Start());
    ConnectV92();
    MessageBoxAnswerer answerer(IDYES);
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        AddEntry(dialog, "Bob", "0222");
        CallWaits();  /* the engine adds Ann to the phone book */
        Pump(dialog);
        EXPECT_EQ("Ann|0123456;Bob|0222;Zed|0999", Rows());
        Command(dialog, SAVE);
    });
    EXPECT_EQ("Ann\t0123456\r\nBob\t0222\r\nZed\t0999\r\n", PhoneBook());
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) {
        Select(0);
        Command(dialog, DELETE_ENTRIES);
        Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);  /* the engine logs Ann's call */
        Pump(dialog);
        EXPECT_EQ("Ann;Dan", Rows(0));  /* between the two by its time */
        Command(dialog, SAVE);
    });
    std::string log = CallLog();
    EXPECT_EQ(0u, log.find("Ann\t0123456\t"));
    EXPECT_EQ(dan, log.substr(log.find("\r\n") + 2));
}

TEST_F(CallListDialog, AListThatCannotBeReadIsToldAndNeverSavedOver)
{
    const std::string book = "Ann\t0111\r\nBob\t0222\r\nZed\t0999\r\n";
    WriteFileBytes(ProductPath("callerid.fic"), book);
    CreateDirectoryA(ProductPath("incoming.log").c_str(), NULL);
    HANDLE lock = CreateFileA(ProductPath("callerid.fic").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ASSERT_TRUE(Start());
    MessageBoxAnswerer answerer(IDYES);
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        AddEntry(dialog, "Al", "0");
        Command(dialog, SAVE);
        Command(dialog, IDCMD_EXIT);  /* still asks; Yes saves, which fails again: it stays open */
        EXPECT_FALSE(Ended(dialog));
    });
    OpenList(IDCMD_CALL_LOG, [&](HWND dialog) { Command(dialog, SAVE); });
    CloseHandle(lock);
    EXPECT_EQ(book, PhoneBook());
    EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributesA(ProductPath("incoming.log").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(ProductPath("incoming.log").c_str());
    /* At the start, at Save and at Close's save of each list: the file and the system's reason. */
    std::vector<SeenMessageBox> seen = answerer.Seen();
    ASSERT_EQ(6u, seen.size());
    EXPECT_EQ(String(10034), seen[2].text);
    for (int box : {0, 1, 3, 4, 5}) {
        bool log = box >= 4;
        EXPECT_EQ(log ? String(IDCMD_CALL_LOG) : "Phone book", seen[box].caption);
        EXPECT_EQ(0u, seen[box].text.find(ProductPath(log ? "incoming.log" : "callerid.fic") + "\r\n\r\n")) << box;
        EXPECT_LT(ProductPath("incoming.log").size() + 6, seen[box].text.size()) << box;
    }
}

TEST_F(CallListDialog, ASaveStoppedBeforeTheReplacementKeepsTheFileAndTheChanges)
{
    const std::string book = "Ann\t0111\r\nBob\t0222\r\n";
    WriteFileBytes(ProductPath("callerid.fic"), book);
    ASSERT_TRUE(Start());
    MessageBoxAnswerer answerer(IDYES);
    OpenList(IDCMD_PHONEBOOK, [&](HWND dialog) {
        Command(dialog, DELETE_ENTRIES);
        /* A file in the way: the list file held open by a program that does not let it go. */
        HANDLE holder = CreateFileA(ProductPath("callerid.fic").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
        Command(dialog, SAVE);
        CloseHandle(holder);
        EXPECT_EQ(book, PhoneBook());
        answerer.SetButton(IDNO);
        Command(dialog, IDCMD_EXIT);
        EXPECT_TRUE(Ended(dialog));
    });
    std::vector<SeenMessageBox> seen = answerer.Seen();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ(0u, seen[1].text.find(ProductPath("callerid.fic")));
    EXPECT_EQ(String(10034), seen[2].text);
    EXPECT_EQ(book, PhoneBook());
    WIN32_FIND_DATAA found;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(ProductPath("*.tmp").c_str(), &found));
}
