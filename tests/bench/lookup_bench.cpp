/* Phone-book lookup cost: reading a 100,000-line phone book and scanning it for a number near
   its end, against only reading it. Prints the medians of repeated runs and their ratio.
   Usage: lookup_bench [lines] [repeats]. Not a test: it checks only that the number is found. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "list_text.h"

namespace {

typedef std::chrono::steady_clock Clock;

/* "Caller 000042 TAB 030 000042 CR LF": every stored number is "030" and the line index. */
std::string WritePhoneBook(long lines)
{
    std::string path = (std::filesystem::temp_directory_path() / "lookup_bench_callerid.fic").string();
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return std::string();
    for (long index = 0; index < lines; ++index)
        fprintf(file, "Caller %06ld\t030 %06ld\r\n", index, index);
    fclose(file);
    return path;
}

/* Reads the whole file into a zero-filled block of its size, as the library does. */
char *ReadWholeFile(const char *path, size_t *length)
{
    FILE *file = fopen(path, "rb");
    if (!file)
        return nullptr;
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    char *block = (char *)calloc(1, size > 0 ? (size_t)size : 1);
    *length = block ? fread(block, 1, (size_t)size, file) : 0;
    fclose(file);
    return block;
}

double ReadOnly(const char *path)
{
    Clock::time_point start = Clock::now();
    size_t length = 0;
    free(ReadWholeFile(path, &length));
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double ReadAndLookUp(const char *path, const char *number, const char *expected, int *ok)
{
    Clock::time_point start = Clock::now();
    size_t length = 0;
    char *block = ReadWholeFile(path, &length);
    char name[LIST_LINE_SIZE] = "";
    int found = block && FindPhoneBookName(block, length, number, name, sizeof name);
    free(block);
    double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
        fprintf(stderr, "usage: lookup_bench [lines >= 20] [repeats >= 1]\n");
        return 2;
    }
    std::string path = WritePhoneBook(lines);
    if (path.empty()) {
        fprintf(stderr, "cannot write the phone book file\n");
        return 1;
    }
    long target = lines - 10;
    char number[32], expected[32];
    snprintf(number, sizeof number, "030%06ld", target);
    snprintf(expected, sizeof expected, "Caller %06ld", target);

    std::vector<double> baseline, lookup;
    int ok = 1;
    ReadOnly(path.c_str());  /* warm the file cache */
    for (int run = 0; run < repeats; ++run) {
        baseline.push_back(ReadOnly(path.c_str()));
        int found = 0;
        lookup.push_back(ReadAndLookUp(path.c_str(), number, expected, &found));
        ok &= found;
    }
    remove(path.c_str());
    if (!ok) {
        fprintf(stderr, "lookup of %s did not give \"%s\"\n", number, expected);
        return 1;
    }
    double readMs = Median(baseline), lookupMs = Median(lookup);
    printf("phone book: %ld lines, number at line %ld, %d runs each (median)\n", lines, target + 1, repeats);
    printf("read only:      %8.3f ms\n", readMs);
    printf("read + lookup:  %8.3f ms\n", lookupMs);
    printf("ratio:          %8.2f\n", readMs > 0 ? lookupMs / readMs : 0.0);
    return 0;
}
