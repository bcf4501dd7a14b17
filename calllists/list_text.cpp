#include "list_text.h"

#include <string.h>

#include "bounded_text.h"

size_t KeepDigits(const char *source, char *destination, size_t destinationSize)
{
    if (destinationSize == 0)
        return 0;
    size_t used = 0;
    for (; *source; ++source) {
        if (*source >= '0' && *source <= '9' && used + 1 < destinationSize)
            destination[used++] = *source;
    }
    destination[used] = '\0';
    return used;
}

void TrimTrailingControls(char *text)
{
    size_t length = strlen(text);
    while (length > 0 && (signed char)text[length - 1] < 0x1E)
        text[--length] = '\0';
}

void BeginListScan(ListScan *scan, const char *block, size_t length)
{
    scan->block = block;
    scan->length = block ? length : 0;
    scan->position = 0;
}

int NextListLine(ListScan *scan, char *line, size_t lineSize)
{
    if (lineSize > 0)
        memset(line, 0, lineSize);
    size_t left = scan->length - scan->position;
    const char *start = left >= 2 ? scan->block + scan->position : nullptr;
    size_t at = 0;
    while (at + 1 < left) {
        /* A CR counts only with a byte after it, so the last byte is never searched. */
        const char *cr = (const char *)memchr(start + at, '\r', left - 1 - at);
        if (!cr)
            break;
        at = (size_t)(cr - start);
        if (cr[1] == '\n') {
            size_t count = at < lineSize ? at : (lineSize > 0 ? lineSize - 1 : 0);
            memcpy(line, start, count);
            scan->position += at + 2;
            return 1;
        }
        ++at;
    }
    scan->position = scan->length;
    return 0;
}

int CompareTextNoCase(const char *left, const char *right)
{
    for (;; ++left, ++right) {
        int a = (unsigned char)*left;
        int b = (unsigned char)*right;
        if (a >= 'A' && a <= 'Z')
            a += 'a' - 'A';
        if (b >= 'A' && b <= 'Z')
            b += 'a' - 'A';
        if (a != b || a == 0)
            return a - b;
    }
}

int FindPhoneBookName(const char *block, size_t length, const char *number, char *name,
                      size_t nameSize, NumberCompare compare)
{
    if (!compare)
        compare = CompareTextNoCase;
    ListScan scan;
    BeginListScan(&scan, block, length);
    char line[LIST_LINE_SIZE];
    while (NextListLine(&scan, line, sizeof line)) {
        char *tab = strchr(line, '\t');
        if (!tab)
            continue;
        *tab = '\0';
        char stored[LIST_LINE_SIZE];
        KeepDigits(tab + 1, stored, sizeof stored);
        if (compare(number, stored) == 0) {
            if (name)
                CopyText(name, nameSize, line);
            return 1;
        }
    }
    return 0;
}

size_t FormatPhoneBookLine(char *out, size_t outSize, const char *name, const char *number)
{
    if (outSize < 4) {
        if (outSize > 0)
            out[0] = '\0';
        return 0;
    }
    size_t room = outSize - 4;  /* TAB, CR, LF and the terminator */
    size_t numberLength = strnlen(number, room);
    size_t nameLength = strnlen(name, room - numberLength);
    size_t used = 0;
    memcpy(out, name, nameLength);
    used += nameLength;
    out[used++] = '\t';
    memcpy(out + used, number, numberLength);
    used += numberLength;
    out[used++] = '\r';
    out[used++] = '\n';
    out[used] = '\0';
    return used;
}
