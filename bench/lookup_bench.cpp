/* Phone-book lookup cost, native build: reading a 100,000-line phone book and scanning it for a
   number near its end, against only reading it. Not a test: it checks only that the number is
   found. Usage: lookup_bench [lines] [repeats]. */
#include <chrono>
#include <filesystem>
#include <string>

#include "list_text.h"
#include "lookup_bench_run.h"

namespace {

typedef std::chrono::steady_clock Clock;

double Since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    return Since(start);
}

double ReadAndLookUp(const char *path, const char *number, char *name, size_t nameSize, int *found)
{
    Clock::time_point start = Clock::now();
    size_t length = 0;
    char *block = ReadWholeFile(path, &length);
    *found = block && FindPhoneBookName(block, length, number, name, nameSize);
    free(block);
    return Since(start);
}

}  // namespace

int main(int argc, char **argv)
{
    std::string path = (std::filesystem::temp_directory_path() / "lookup_bench_callerid.fic").string();
    LookupBench bench = {"native build", path.c_str(), ReadOnly, ReadAndLookUp};
    return RunLookupBench(bench, argc, argv);
}
