#include "trace_capture.h"

namespace {

const char kClass[] = "Dbs";

void RegisterViewerClass()
{
    WNDCLASSA viewerClass = {};
    viewerClass.lpfnWndProc = DefWindowProcA;
    viewerClass.hInstance = GetModuleHandleA(NULL);
    viewerClass.lpszClassName = kClass;
    RegisterClassA(&viewerClass);
}

}  // namespace

TraceCapture::TraceCapture()
{
    RegisterViewerClass();
    viewer_ = CreateWindowA(kClass, "trace", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    list_ = CreateWindowA("LISTBOX", "", WS_CHILD, 0, 0, 300, 200, viewer_, (HMENU)(INT_PTR)120, GetModuleHandleA(NULL), NULL);
}

TraceCapture::~TraceCapture()
{
    DestroyWindow(viewer_);
}

std::vector<std::string> TraceCapture::Lines() const
{
    std::vector<std::string> lines;
    int count = (int)SendMessageA(list_, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        std::string line((size_t)SendMessageA(list_, LB_GETTEXTLEN, i, 0) + 1, '\0');
        line.resize((size_t)SendMessageA(list_, LB_GETTEXT, i, (LPARAM)&line[0]));
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> TraceCapture::Messages() const
{
    std::vector<std::string> messages;
    for (const std::string &line : Lines())
        messages.push_back(HasTimePrefix(line) ? line.substr(12) : line);
    return messages;
}

bool TraceCapture::Has(const std::string &message) const
{
    for (const std::string &m : Messages())
        if (m == message)
            return true;
    return false;
}

bool TraceCapture::HasPrefix(const std::string &start) const
{
    for (const std::string &m : Messages())
        if (m.compare(0, start.size(), start) == 0)
            return true;
    return false;
}

void TraceCapture::Clear()
{
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
}

bool HasTimePrefix(const std::string &line)
{
    const char pattern[] = "dd:dd:dd,dd ";
    if (line.size() < 12)
        return false;
    for (int i = 0; i < 12; ++i) {
        bool digit = line[i] >= '0' && line[i] <= '9';
        if (pattern[i] == 'd' ? !digit : line[i] != pattern[i])
            return false;
    }
    return true;
}
