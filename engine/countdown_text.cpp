#include "countdown_text.h"

#include <stdio.h>

size_t FormatCountdown(char *out, size_t size, int seconds)
{
    if (size == 0)
        return 0;
    int written = snprintf(out, size, "%2.2d:%2.2d", seconds / 60, seconds % 60);
    if (written < 0) {
        out[0] = '\0';
        return 0;
    }
    return (size_t)written < size ? (size_t)written : size - 1;
}
