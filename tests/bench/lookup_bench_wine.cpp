/* Phone-book lookup cost on Windows (run under Wine): the library's LookupCallerName on a
   100,000-line phone book, for a number near its end, against only reading the file the same way
   (_lopen, _llseek, _lread). Prints the medians of repeated runs and their ratio.
   Usage: lookup_bench_wine [lines] [repeats]. Not a test: it checks only that the number is found. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bounded_text.h"
#include "list_files.h"

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

/* "Caller 000042 TAB 030 000042 CR LF": every stored number is "030" and the line index. */
bool WritePhoneBook(const char *path, long lines)
{
    FILE *file = fopen(path, "wb");
    if (!file)
        return false;
    for (long index = 0; index < lines; ++index)
        fprintf(file, "Caller %06ld\t030 %06ld\r\n", index, index);
    fclose(file);
    return true;
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

double Lookup(const char *number, const char *expected, int *ok)
{
    char name[256] = "";
    char sought[64];
    CopyText(sought, sizeof sought, number);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    int found = LookupCallerName(name, sought);
    double elapsed = Milliseconds(start);
    *ok = found && strcmp(name, expected) == 0;
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char **argv)
{
    long lines = argc > 1 ? atol(argv[1]) : 100000;
    int repeats = argc > 2 ? atoi(argv[2]) : 21;
    if (lines < 20 || repeats < 1) {
        fprintf(stderr, "usage: lookup_bench_wine [lines >= 20] [repeats >= 1]\n");
        return 2;
    }
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    CopyText(phoneBookPath, MAX_PATH, folder);
    AppendText(phoneBookPath, MAX_PATH, "lookup_bench_callerid.fic");
    if (!WritePhoneBook(phoneBookPath, lines)) {
        fprintf(stderr, "cannot write the phone book file\n");
        return 1;
    }
    long target = lines - 10;
    char number[32], expected[32];
    snprintf(number, sizeof number, "030%06ld", target);
    snprintf(expected, sizeof expected, "Caller %06ld", target);

    std::vector<double> baseline, lookup;
    int ok = 1;
    ReadOnly(phoneBookPath);  /* warm the file cache */
    for (int run = 0; run < repeats; ++run) {
        baseline.push_back(ReadOnly(phoneBookPath));
        int found = 0;
        lookup.push_back(Lookup(number, expected, &found));
        ok &= found;
    }
    DeleteFileA(phoneBookPath);
    if (!ok) {
        fprintf(stderr, "lookup of %s did not give \"%s\"\n", number, expected);
        return 1;
    }
    double readMs = Median(baseline), lookupMs = Median(lookup);
    printf("phone book (Windows build): %ld lines, number at line %ld, %d runs each (median)\n", lines,
           target + 1, repeats);
    printf("read only:      %8.3f ms\n", readMs);
    printf("read + lookup:  %8.3f ms\n", lookupMs);
    printf("ratio:          %8.2f\n", readMs > 0 ? lookupMs / readMs : 0.0);
    return 0;
}
