/* libFuzzer target: phone-book lookup, line formatting and log records. */
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckPhoneBook(data, size);
    return 0;
}
