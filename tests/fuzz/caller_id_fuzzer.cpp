/* libFuzzer target: the modem's caller-identity text. */
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckCallerId(data, size);
    return 0;
}
