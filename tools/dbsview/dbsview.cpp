/*
 * dbsview: the trace viewer. A top-level window of class "Dbs" whose list box 120 collects the
 * library's window trace. Start it before the dialer: the library looks for it once, at load.
 * The list follows the newest line; the menu clears it or saves it to a text file.
 */
#include <windows.h>
#include <commdlg.h>

namespace {

enum { LIST_ID = 120, CMD_SAVE = 1, CMD_CLEAR = 2, CMD_EXIT = 3, LINE_SIZE = 1024 };

HWND list;
WNDPROC originalListProc;

/* The library adds lines with LB_ADDSTRING from its own process; follow each one. */
LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(originalListProc, window, message, wParam, lParam);
    if (message == LB_ADDSTRING && result >= 0)
        SendMessageA(window, LB_SETTOPINDEX, (WPARAM)result, 0);
    return result;
}

bool WriteLines(const char *path)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count && ok; ++i) {
        char line[LINE_SIZE + 2];
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
        if (length < 0 || length >= LINE_SIZE)
            continue;
        length = SendMessageA(list, LB_GETTEXT, i, (LPARAM)line);
        line[length++] = '\r';
        line[length++] = '\n';
        DWORD written = 0;
        ok = WriteFile(file, line, (DWORD)length, &written, NULL) && written == (DWORD)length;
    }
    CloseHandle(file);
    return ok;
}

void SaveAs(HWND owner)
{
    char path[MAX_PATH] = "trace.txt";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Text files (*.txt)\0*.txt\0All files\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (GetSaveFileNameA(&dialog) && !WriteLines(path))
        MessageBoxA(owner, "The trace could not be saved.", "Dbs", MB_OK | MB_ICONEXCLAMATION);
}

HMENU BuildMenu(void)
{
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, CMD_SAVE, "&Save As...\tCtrl+S");
    AppendMenuA(file, MF_STRING, CMD_CLEAR, "&Clear\tCtrl+L");
    AppendMenuA(file, MF_SEPARATOR, 0, NULL);
    AppendMenuA(file, MF_STRING, CMD_EXIT, "E&xit");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
    return bar;
}

void OnCreate(HWND window)
{
    list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL,
                           0, 0, 0, 0, window, (HMENU)(INT_PTR)LIST_ID, GetModuleHandleA(NULL), NULL);
    SendMessageA(list, WM_SETFONT, (WPARAM)GetStockObject(ANSI_FIXED_FONT), FALSE);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, 2000, 0);
    originalListProc = (WNDPROC)SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)ListProc);
}

void OnCommand(HWND window, int id)
{
    if (id == CMD_SAVE)
        SaveAs(window);
    else if (id == CMD_CLEAR)
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
    else if (id == CMD_EXIT)
        DestroyWindow(window);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_SIZE:
        MoveWindow(list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HACCEL BuildAccelerators(void)
{
    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'S', CMD_SAVE},
        {FCONTROL | FVIRTKEY, 'L', CMD_CLEAR},
    };
    return CreateAcceleratorTableA(keys, 2);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ViewerProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.hIcon = LoadIcon(NULL, IDI_INFORMATION);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "Dbs";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowA("Dbs", "Pellora trace", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 720, 420,
                                NULL, BuildMenu(), instance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, show);
    HACCEL accelerators = BuildAccelerators();
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    DestroyAcceleratorTable(accelerators);
    return 0;
}
