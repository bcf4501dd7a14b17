#include "bounded_text.h"

#include <string.h>

size_t CopyText(char *dst, size_t size, const char *src)
{
    if (size == 0)
        return 0;
    size_t length = 0;
    while (length + 1 < size && src[length]) {
        dst[length] = src[length];
        ++length;
    }
    dst[length] = '\0';
    return length;
}

size_t AppendText(char *dst, size_t size, const char *src)
{
    size_t used = strnlen(dst, size);
    if (used >= size)
        return used;
    return used + CopyText(dst + used, size - used, src);
}

size_t ReplaceFileName(char *path, size_t size, const char *tail)
{
    char *slash = strrchr(path, '\\');
    if (slash)
        *slash = '\0';
    return AppendText(path, size, tail);
}
