/* The call-list dialogs at 10,000 and 100,000 records, run under Wine from the module folder
   with the real moh.dll: open (command to list filled, painted and idle), sort by a column,
   close, and the heap in use while open, each beside a plain list view filled from the same
   file in the same run. Prints the minimum of the runs. Not a test.
   Usage: list_dialog_bench_wine [repeats]. */
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_modem.h"
#include "library_under_test.h"
#include "module_folder.h"
#include "mohres.h"

namespace {

enum { LIST = 1066, SORT_COLUMN = 1 };

struct Times {
    double open = 1e9, sort = 1e9, close = 1e9, heap = 1e9;  /* seconds, seconds, seconds, bytes */
    void Keep(const Times &run)
    {
        open = std::min(open, run.open);
        sort = std::min(sort, run.sort);
        close = std::min(close, run.close);
        heap = std::min(heap, run.heap);
    }
};

double Now()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

/* Bytes in use in every heap of the process. */
double HeapInUse()
{
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    double used = 0;
    for (DWORD index = 0; index < count && index < 64; ++index) {
        PROCESS_HEAP_ENTRY entry = {};
        HeapLock(heaps[index]);
        while (HeapWalk(heaps[index], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                used += entry.cbData;
        HeapUnlock(heaps[index]);
    }
    return used;
}

std::string Record(bool log, long index)
{
    char line[128];
    if (log)
        snprintf(line, sizeof line, "Caller %06ld\t030 %06ld\t2026-%02ld-%02ld %02ld:%02ld:%02ld\t%ld\r\n", index, index,
                 1 + index % 12, 1 + index % 28, index % 24, index % 60, (index * 7) % 60, index % 4);
    else
        snprintf(line, sizeof line, "Caller %06ld\t030 %06ld\r\n", (index * 7919) % 1000003, index);
    return line;
}

std::string WriteList(const std::string &path, bool log, long records)
{
    std::string text;
    for (long index = 0; index < records; ++index)
        text += Record(log, index);
    WriteFileBytes(path, text);
    return text;
}

/* Runs the thread's messages until a timer of its own fires, which comes after every paint. */
void RunUntilIdle()
{
    UINT_PTR timer = SetTimer(NULL, 0, 1, NULL);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0)) {
        if (message.message == WM_TIMER && message.hwnd == NULL && message.wParam == timer)
            break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    KillTimer(NULL, timer);
}

/* ---- The plain list view: a report list view filled item by item, redraw off. ---- */

/* The plain list sorts as the list view sorts items that hold their line's fields as item data. */
int CALLBACK CompareFields(LPARAM first, LPARAM second, LPARAM)
{
    return strcmp(((const std::vector<std::string> *)first)->at(SORT_COLUMN).c_str(),
                  ((const std::vector<std::string> *)second)->at(SORT_COLUMN).c_str());
}

void FillPlainList(HWND list, const std::string &path, int columns, std::vector<std::vector<std::string>> *lines)
{
    std::string text = ReadFileBytes(path);
    lines->reserve(text.size() / 16);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    int index = 0;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2, ++index) {
        std::string line = text.substr(start, end - start);
        lines->emplace_back();
        for (int column = 0; column < columns; ++column) {
            size_t tab = line.find('\t');
            lines->back().push_back(line.substr(0, tab));
            line = tab == std::string::npos ? "" : line.substr(tab + 1);
        }
        for (int column = 0; column < columns; ++column) {
            LVITEMA item = {};
            item.mask = column == 0 ? LVIF_TEXT | LVIF_PARAM : LVIF_TEXT;
            item.iItem = index;
            item.iSubItem = column;
            item.pszText = (char *)lines->back()[(size_t)column].c_str();
            item.lParam = (LPARAM)&lines->back();
            if (column == 0)
                SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
            else
                SendMessageA(list, LVM_SETITEMTEXTA, (WPARAM)index, (LPARAM)&item);
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

Times PlainList(const std::string &path, int columns)
{
    Times times;
    double heapBefore = HeapInUse();
    double start = Now();
    HWND frame = CreateWindowExA(0, "STATIC", "Plain list", WS_OVERLAPPEDWINDOW, 100, 100, 560, 400, NULL, NULL, NULL, NULL);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 10, 40, 520,
                                300, frame, (HMENU)(INT_PTR)LIST, NULL, NULL);
    for (int column = 0; column < columns; ++column) {
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cx = 120;
        info.pszText = (char *)"Column";
        SendMessageA(list, LVM_INSERTCOLUMNA, (WPARAM)column, (LPARAM)&info);
    }
    std::vector<std::vector<std::string>> lines;
    FillPlainList(list, path, columns, &lines);
    ShowWindow(frame, SW_SHOW);
    RunUntilIdle();
    times.open = Now() - start;
    times.heap = HeapInUse() - heapBefore;
    start = Now();
    SendMessageA(list, LVM_SORTITEMS, 0, (LPARAM)CompareFields);
    UpdateWindow(list);
    times.sort = Now() - start;
    start = Now();
    DestroyWindow(frame);
    RunUntilIdle();
    times.close = Now() - start;
    return times;
}

/* ---- The library's dialog, opened by its command from the main window. ---- */

struct DialogRun {
    double start;
    double heapBefore;
    Times times;
    bool measured;
} dialogRun;

BOOL CALLBACK FindListDialog(HWND window, LPARAM found)
{
    /* The status window has a label of the list's number: the list dialog's 1066 is a list view. */
    char name[32] = "", control[32] = "";
    GetClassNameA(window, name, sizeof name);
    GetClassNameA(GetDlgItem(window, LIST), control, sizeof control);
    if (strcmp(name, "#32770") == 0 && IsWindowVisible(window) && strcmp(control, WC_LISTVIEWA) == 0) {
        *(HWND *)found = window;
        return FALSE;
    }
    return TRUE;
}

/* The first tick in the dialog's modal loop: it comes once the list is filled, painted and idle. */
void CALLBACK OnDialogIdle(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindListDialog, (LPARAM)&dialog);
    if (!dialog || dialogRun.measured)
        return;
    dialogRun.measured = true;
    KillTimer(NULL, timer);
    dialogRun.times.open = Now() - dialogRun.start;
    dialogRun.times.heap = HeapInUse() - dialogRun.heapBefore;
    HWND list = GetDlgItem(dialog, LIST);
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = SORT_COLUMN;
    double start = Now();
    SendMessageA(dialog, WM_NOTIFY, LIST, (LPARAM)&click);
    UpdateWindow(list);
    dialogRun.times.sort = Now() - start;
    dialogRun.start = Now();
    PostMessageA(dialog, WM_COMMAND, IDCMD_EXIT, 0);
}

Times ListDialog(HWND mainWindow, int command)
{
    dialogRun = DialogRun();
    dialogRun.heapBefore = HeapInUse();
    SetTimer(NULL, 0, 1, OnDialogIdle);
    dialogRun.start = Now();
    SendMessageA(mainWindow, WM_COMMAND, (WPARAM)command, 0);
    dialogRun.times.close = Now() - dialogRun.start;
    return dialogRun.times;
}

void Report(const char *what, long records, double fileBytes, const Times &dialog, const Times &plain)
{
    printf("%-10s %7ld records, file %6.2f MB\n", what, records, fileBytes / 1e6);
    printf("  open  %7.3f s  plain %7.3f s  ratio %5.2f (goal <= 0.5 s at 100k)\n", dialog.open, plain.open,
           dialog.open / plain.open);
    printf("  sort  %7.3f s  plain %7.3f s  ratio %5.2f (goal <= 0.3 s)\n", dialog.sort, plain.sort,
           dialog.sort / plain.sort);
    printf("  close %7.3f s  plain %7.3f s  ratio %5.2f (goal <= 0.2 s)\n", dialog.close, plain.close,
           dialog.close / plain.close);
    printf("  heap  %7.2f MB plain %7.2f MB x file %5.2f (goal <= 2)\n", dialog.heap / 1e6, plain.heap / 1e6,
           dialog.heap / fileBytes);
}

}  // namespace

int main(int argc, char **argv)
{
    int repeats = argc > 1 ? atoi(argv[1]) : 3;
    InitCommonControls();
    ResetModuleFolder();
    StartFromDefaultSettings();
    FakeModem modem;
    LibraryUnderTest library;
    HWND window = library.Load() ? library.Create(NULL, 0, FakeModem::Request) : NULL;
    if (!window) {
        fprintf(stderr, "the library did not start\n");
        return 1;
    }
    KillTimer(window, 1);  /* the state poll: only the dialogs run */
    printf("list dialogs under Wine: minimum of %d runs; plain = a list view filled from the same file\n", repeats);
    struct Kind {
        const char *name, *file;
        int command, columns;
    } kinds[] = {{"phone book", "callerid.fic", IDCMD_PHONEBOOK, 2}, {"call log", "incoming.log", IDCMD_CALL_LOG, 4}};
    for (const Kind &kind : kinds) {
        double opened[2] = {};
        for (long records : {10000L, 100000L}) {
            std::string path = ProductPath(kind.file);
            double fileBytes = (double)WriteList(path, kind.columns == 4, records).size();
            Times dialog, plain;
            for (int run = 0; run < repeats; ++run) {
                dialog.Keep(ListDialog(window, kind.command));
                plain.Keep(PlainList(path, kind.columns));
            }
            Report(kind.name, records, fileBytes, dialog, plain);
            opened[records == 100000L] = dialog.open;
        }
        printf("  open 100k / 10k: %5.2f (goal <= 12)\n", opened[1] / opened[0]);
    }
    DestroyWindow(window);
    library.Unload();
    ResetProductFolder();
    ResetModuleFolder();
    return 0;
}
