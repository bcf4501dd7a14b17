/* Phone-book lookup cost on Windows (run under Wine): the library's LookupCallerName on a
   100,000-line phone book, for a number near its end and for a new caller (then added with
   AddCallerIfNew, as the engine does), against only reading the file with ReadFile. Prints the
   medians of repeated runs and their ratios.
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

/* Only reading the whole file into a new block, with ReadFile. */
double ReadOnly(const char *path)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD size = GetFileSize(file, NULL), read = 0;
        char *block = (char *)malloc(size > 0 ? size : 1);
        if (block)
            ReadFile(file, block, size, &read, NULL);
        CloseHandle(file);
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
    /* As the engine does when a caller's number arrives: a new caller is added. */
    *found = LookupCallerName(name, sought);  /* name holds the library's 256 bytes */
    if (!*found)
        AddCallerIfNew("New caller", sought);
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
