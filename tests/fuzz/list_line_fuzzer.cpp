/* libFuzzer target: list files cut into lines and fields, and entry comparison. */
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckListLine(data, size);
    return 0;
}
