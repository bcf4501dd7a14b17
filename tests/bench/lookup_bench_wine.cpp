/* Phone-book lookup cost on Windows (run under Wine): the library's LookupCallerName on a
   100,000-line phone book, for a number near its end, against only reading the file the same way
   (_lopen, _llseek, _lread). Prints the medians of repeated runs and their ratio.
   Usage: lookup_bench_wine [lines] [repeats]. Not a test: it checks only that the number is found. */
#include <windows.h>

#include "bounded_text.h"
#include "list_files.h"
#include "lookup_bench_run.h"

/* The library's paths, set here instead of by its start-up. */
char phoneBookPath[MAX_PATH];
char callLogPath[MAX_PATH];

namespace {

double Milliseconds(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)(now.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

/* The library's way of reading a list file, without the scan. */
double ReadOnly(const char *path)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    HFILE file = _lopen(path, OF_READWRITE | OF_SHARE_DENY_NONE);
    if (file != HFILE_ERROR) {
        LONG size = _llseek(file, 0, FILE_END);
        _llseek(file, 0, FILE_BEGIN);
        char *block = (char *)calloc(1, size > 0 ? (size_t)size : 1);
        if (block)
            _lread(file, block, (UINT)size);
        _lclose(file);
        free(block);
    }
    return Milliseconds(start);
}

double Lookup(const char *, const char *number, char *name, size_t, int *found)
{
    char sought[64];
    CopyText(sought, sizeof sought, number);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    *found = LookupCallerName(name, sought);  /* name holds the library's 256 bytes */
    return Milliseconds(start);
}

}  // namespace

int main(int argc, char **argv)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    CopyText(phoneBookPath, MAX_PATH, folder);
    AppendText(phoneBookPath, MAX_PATH, "lookup_bench_callerid.fic");
    LookupBench bench = {"Windows build", phoneBookPath, ReadOnly, Lookup};
    return RunLookupBench(bench, argc, argv);
}
