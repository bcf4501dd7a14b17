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

int NextLineSpan(ListScan *scan, const char **line, size_t *length)
{
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
            *line = start;
            *length = at;
            scan->position += at + 2;
            return 1;
        }
        ++at;
    }
    scan->position = scan->length;
    return 0;
}

int NextListLine(ListScan *scan, char *line, size_t lineSize)
{
    if (lineSize > 0)
        memset(line, 0, lineSize);
    const char *start;
    size_t length;
    if (!NextLineSpan(scan, &start, &length))
        return 0;
    size_t count = length < lineSize ? length : (lineSize > 0 ? lineSize - 1 : 0);
    memcpy(line, start, count);
    return 1;
}

size_t ShownLineLength(const char *line, size_t length)
{
    if (length > LIST_LINE_SIZE - 1)
        length = LIST_LINE_SIZE - 1;
    const char *nul = (const char *)memchr(line, '\0', length);
    return nul ? (size_t)(nul - line) : length;
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

namespace {

bool OnlyDigits(const char *text)
{
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return false;
    return true;
}

/* Whether the digits of text (length bytes) are exactly digits, without copying them. */
bool DigitsEqual(const char *text, size_t length, const char *digits)
{
    for (const char *end = text + length; text < end; ++text) {
        if (*text < '0' || *text > '9')
            continue;
        if (*text != *digits)
            return false;
        ++digits;
    }
    return *digits == '\0';
}

}  // namespace

int FindPhoneBookName(const char *block, size_t length, const char *number, char *name,
                      size_t nameSize, NumberCompare compare)
{
    if (!compare)
        compare = CompareTextNoCase;
    bool digitsOnly = OnlyDigits(number);
    ListScan scan;
    BeginListScan(&scan, block, length);
    const char *line;
    size_t lineLength;
    while (NextLineSpan(&scan, &line, &lineLength)) {
        size_t shown = ShownLineLength(line, lineLength);
        const char *tab = (const char *)memchr(line, '\t', shown);
        if (!tab)
            continue;
        const char *rest = tab + 1;
        size_t restLength = (size_t)(line + shown - rest);
        bool equal;
        if (digitsOnly) {
            equal = DigitsEqual(rest, restLength, number);
        } else {
            char text[LIST_LINE_SIZE], stored[LIST_LINE_SIZE];
            memcpy(text, rest, restLength);
            text[restLength] = '\0';
            KeepDigits(text, stored, sizeof stored);
            equal = compare(number, stored) == 0;
        }
        if (equal) {
            if (name && nameSize > 0) {
                size_t count = (size_t)(tab - line) < nameSize - 1 ? (size_t)(tab - line) : nameSize - 1;
                memcpy(name, line, count);
                name[count] = '\0';
            }
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
