/* The part both phone-book benchmarks share: the phone book they search, the repeated runs, the
   medians and the report. Each benchmark brings its own way of reading the file and looking up. */
#ifndef LOOKUP_BENCH_RUN_H
#define LOOKUP_BENCH_RUN_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

struct LookupBench {
    const char *label;
    const char *path;                                      /* where the phone book is written */
    double (*readOnly)(const char *path);                  /* milliseconds */
    double (*lookUp)(const char *path, const char *number, char *name, size_t nameSize, int *found);
};

/* "Caller 000042 TAB 030 000042 CR LF": every stored number is "030" and the line index. */
inline bool WriteBenchPhoneBook(const char *path, long lines)
{
    FILE *file = fopen(path, "wb");
    if (!file)
        return false;
    for (long index = 0; index < lines; ++index)
        fprintf(file, "Caller %06ld\t030 %06ld\r\n", index, index);
    fclose(file);
    return true;
}

inline double BenchMedian(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

/* Usage: [lines] [repeats]. Prints the medians of reading only and of reading with the lookup of
   a number near the end, and their ratio; fails when the number is not found. */
inline int RunLookupBench(const LookupBench &bench, int argc, char **argv)
{
    long lines = argc > 1 ? atol(argv[1]) : 100000;
    int repeats = argc > 2 ? atoi(argv[2]) : 21;
    if (lines < 20 || repeats < 1) {
        fprintf(stderr, "usage: %s [lines >= 20] [repeats >= 1]\n", argv[0]);
        return 2;
    }
    if (!WriteBenchPhoneBook(bench.path, lines)) {
        fprintf(stderr, "cannot write the phone book file %s\n", bench.path);
        return 1;
    }
    long target = lines - 10;
    char number[32], expected[32];
    snprintf(number, sizeof number, "030%06ld", target);
    snprintf(expected, sizeof expected, "Caller %06ld", target);

    std::vector<double> baseline, lookup;
    int ok = 1;
    bench.readOnly(bench.path);  /* warm the file cache */
    for (int run = 0; run < repeats; ++run) {
        baseline.push_back(bench.readOnly(bench.path));
        char name[256] = "";
        int found = 0;
        lookup.push_back(bench.lookUp(bench.path, number, name, sizeof name, &found));
        ok &= found && strcmp(name, expected) == 0;
    }
    remove(bench.path);
    if (!ok) {
        fprintf(stderr, "lookup of %s did not give \"%s\"\n", number, expected);
        return 1;
    }
    double readMs = BenchMedian(baseline), lookupMs = BenchMedian(lookup);
    printf("phone book (%s): %ld lines, number at line %ld, %d runs each (median)\n", bench.label, lines, target + 1,
           repeats);
    printf("read only:      %8.3f ms\n", readMs);
    printf("read + lookup:  %8.3f ms\n", lookupMs);
    printf("ratio:          %8.2f\n", readMs > 0 ? lookupMs / readMs : 0.0);
    return 0;
}

#endif
