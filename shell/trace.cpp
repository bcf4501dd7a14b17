#include "trace.h"

#include <shlobj.h>
#include <stdarg.h>
#include <stdlib.h>

#include "bounded_text.h"
#include "trace_line.h"

enum { DBS_LIST_ID = 120, TRACE_OPEN_MODE = OF_READWRITE | OF_SHARE_DENY_NONE };

TraceWindowChannel::TraceWindowChannel() : viewer(FindWindowA("Dbs", NULL)), list(NULL)
{
    if (viewer)
        list = GetDlgItem(viewer, DBS_LIST_ID);
}

TraceWindowChannel windowTrace;
TraceFileChannel fileTrace;

static void CloseTraceFileAtExit(void)
{
    CloseTraceFile(&fileTrace);
}

/* Registered with the runtime's exit list, which runs when the library is unloaded. */
static const int closeTraceRegistered = atexit(CloseTraceFileAtExit);

static size_t BuildLine(char *line, const char *format, va_list args, int addCrLf)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char prefix[TRACE_PREFIX_SIZE];
    FormatTracePrefix(prefix, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    /* wvsprintfA writes at most 1024 bytes; the extra byte keeps the text terminated. */
    char message[TRACE_LINE_SIZE + 1] = {0};
    wvsprintfA(message, format, args);
    return ComposeTraceLine(line, TRACE_LINE_SIZE, prefix, message, addCrLf);
}

void TraceToWindow(TraceWindowChannel *channel, const char *format, ...)
{
    if (!channel->list)
        return;
    char line[TRACE_LINE_SIZE];
    va_list args;
    va_start(args, format);
    BuildLine(line, format, args, 0);
    va_end(args);
    SendMessageA(channel->list, LB_ADDSTRING, 0, (LPARAM)line);
}

void TraceToFile(TraceFileChannel *channel, const char *format, ...)
{
    if (channel->file == 0)
        return;
    char line[TRACE_LINE_SIZE];
    va_list args;
    va_start(args, format);
    size_t length = BuildLine(line, format, args, 1);
    va_end(args);
    _lwrite(channel->file, line, (UINT)length);
}

void GetProductFolder(char *path)
{
    path[0] = '\0';
    SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, path);
    AppendText(path, MAX_PATH, "\\Corvane Software");
    CreateDirectoryA(path, NULL);
    AppendText(path, MAX_PATH, "\\Pellora");
    CreateDirectoryA(path, NULL);
}

static int FileExists(const char *path)
{
    OFSTRUCT info;
    return OpenFile(path, &info, OF_EXIST) != HFILE_ERROR;
}

void OpenTraceFile(TraceFileChannel *channel)
{
    char path[MAX_PATH];
    GetProductFolder(path);
    AppendText(path, sizeof path, "\\MoHlog.txt");
    if (!FileExists(path)) {
        TraceToWindow(&windowTrace, "%s doesn't exist", path);
        return;
    }
    channel->file = _lopen(path, TRACE_OPEN_MODE);
    if (channel->file != HFILE_ERROR) {
        _llseek(channel->file, 0, FILE_END);
        return;
    }
    Sleep(100);
    channel->file = _lcreat(path, 0);
    if (channel->file == HFILE_ERROR) {
        char message[TRACE_LINE_SIZE];
        wsprintfA(message, "Unable to create %s file", path);
        TraceToWindow(&windowTrace, "%s", message);
        MessageBoxA(NULL, message, NULL, MB_OK);
        return;
    }
    TraceToWindow(&windowTrace, "%s sucessfully created", path);
}

void CloseTraceFile(TraceFileChannel *channel)
{
    if (channel->file != 0 && channel->file != HFILE_ERROR)
        _lclose(channel->file);
    channel->file = 0;
}
