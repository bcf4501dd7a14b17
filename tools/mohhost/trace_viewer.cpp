#include "trace_viewer.h"

#include <windows.h>
#include <stdio.h>

namespace {

const char kViewerClass[] = "Dbs";
const int kListId = 120;

HWND viewer;
HWND list;

}  // namespace

void CreateTraceViewer(void)
{
    WNDCLASSA viewerClass = {};
    viewerClass.lpfnWndProc = DefWindowProcA;
    viewerClass.hInstance = GetModuleHandleA(NULL);
    viewerClass.lpszClassName = kViewerClass;
    RegisterClassA(&viewerClass);
    viewer = CreateWindowA(kViewerClass, "mohhost trace", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
    list = CreateWindowA("LISTBOX", "", WS_CHILD | LBS_NOINTEGRALHEIGHT, 0, 0, 400, 300, viewer,
                         (HMENU)(INT_PTR)kListId, GetModuleHandleA(NULL), NULL);
}

void DestroyTraceViewer(void)
{
    if (viewer)
        DestroyWindow(viewer);
    viewer = NULL;
    list = NULL;
}

std::vector<std::string> TraceLines(void)
{
    std::vector<std::string> lines;
    int count = list ? (int)SendMessageA(list, LB_GETCOUNT, 0, 0) : 0;
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
        if (length < 0)
            continue;
        std::string line((size_t)length + 1, '\0');
        line.resize((size_t)SendMessageA(list, LB_GETTEXT, i, (LPARAM)&line[0]));
        lines.push_back(line);
    }
    return lines;
}

bool TraceHas(const std::string &part)
{
    for (const std::string &line : TraceLines())
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

bool SaveTraceLines(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "w");
    if (!file)
        return false;
    for (const std::string &line : TraceLines())
        fprintf(file, "%s\n", line.c_str());
    return fclose(file) == 0;
}
