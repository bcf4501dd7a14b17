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

/* Usage: [lines] [repeats]. Prints the medians of reading only and of the lookup of a known
   caller (a number near the end) and of a new one (a number not in the book, different in every
   run), and their ratios; fails when the known number is not found or a new one is. */
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

    std::vector<double> baseline, known, fresh;
    int ok = 1;
    bench.readOnly(bench.path);  /* warm the file cache */
    for (int run = 0; run < repeats; ++run) {
        baseline.push_back(bench.readOnly(bench.path));
        char name[256] = "";
        int found = 0;
        known.push_back(bench.lookUp(bench.path, number, name, sizeof name, &found));
        ok &= found && strcmp(name, expected) == 0;
        char newNumber[32];
        snprintf(newNumber, sizeof newNumber, "031%06d", run);
        fresh.push_back(bench.lookUp(bench.path, newNumber, name, sizeof name, &found));
        ok &= !found;
    }
    remove(bench.path);
    if (!ok) {
        fprintf(stderr, "lookup of %s did not give \"%s\", or a new number was found\n", number, expected);
        return 1;
    }
    double readMs = BenchMedian(baseline), knownMs = BenchMedian(known), freshMs = BenchMedian(fresh);
    printf("phone book (%s): %ld lines, known number at line %ld, %d runs each (median)\n", bench.label, lines,
           target + 1, repeats);
    printf("read only:             %8.3f ms\n", readMs);
    printf("lookup, known caller:  %8.3f ms   ratio %5.2f (goal <= 1.5)\n", knownMs, readMs > 0 ? knownMs / readMs : 0.0);
    printf("lookup, new caller:    %8.3f ms   ratio %5.2f (goal <= 1.5)\n", freshMs, readMs > 0 ? freshMs / readMs : 0.0);
    return 0;
}

#endif
