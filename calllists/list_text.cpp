#include "list_text.h"

#include <stdint.h>
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

struct NumberSought {
    const char *number;
    size_t length;
    NumberCompare compare;
    bool digitsOnly;
    bool byLastDigits;  /* digits only, and no NUL byte in the block */
};

/* Whether a line is passed over by its last digits alone. A number of digits only equals a
   line's stored digits only when both end the same; in a block without NUL bytes, the digits that
   end a line of at most the shown length end its stored number. Most lines of a phone book go
   here without a look at their name or tab. */
inline bool EndsOtherwise(const char *line, size_t length, const NumberSought &sought)
{
    if (length > LIST_LINE_SIZE - 1)
        return false;
    const char *digit = sought.number + sought.length;
    for (const char *at = line + length; at > line && at[-1] >= '0' && at[-1] <= '9'; --at, --digit) {
        if (digit == sought.number || at[-1] != digit[-1])
            return true;
    }
    return false;
}

/* Whether the stored number of a line equals the number sought; tab is set to the line's first
   TAB when it does. */
bool LineHoldsNumber(const char *line, size_t lineLength, const NumberSought &sought, const char **tab)
{
    size_t shown = ShownLineLength(line, lineLength);
    *tab = (const char *)memchr(line, '\t', shown);
    if (!*tab)
        return false;
    const char *rest = *tab + 1;
    size_t restLength = (size_t)(line + shown - rest);
    if (sought.digitsOnly)
        return DigitsEqual(rest, restLength, sought.number);
    char text[LIST_LINE_SIZE], stored[LIST_LINE_SIZE];
    memcpy(text, rest, restLength);
    text[restLength] = '\0';
    KeepDigits(text, stored, sizeof stored);
    return sought.compare(sought.number, stored) == 0;
}

/* The high bit of every byte of the eight at text that is a LF, from the lowest bit up in the
   order of the bytes; bytes at or past end count as not LF. A word a step, as phone-book lines
   are short and a library call per line costs more than the line. */
uint64_t LineFeedBits(const char *text, const char *end)
{
    const uint64_t ones = 0x0101010101010101ULL, low7 = 0x7F7F7F7F7F7F7F7FULL;
    uint64_t word = 0;
    if (end - text >= 8)
        memcpy(&word, text, sizeof word);
    else
        memcpy(&word, text, (size_t)(end - text));
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    word ^= ones * '\n';
    return ~(((word & low7) + low7) | word | low7);
}

}  // namespace

int FindPhoneBookName(const char *block, size_t length, const char *number, char *name,
                      size_t nameSize, NumberCompare compare)
{
    if (!block)
        return 0;
    NumberSought sought = {number, strlen(number), compare ? compare : CompareTextNoCase, OnlyDigits(number), false};
    sought.byLastDigits = sought.digitsOnly && sought.length > 0 && !memchr(block, '\0', length);
    /* The lines as NextLineSpan gives them, found here without a call per line: a LF ends a line
       when a CR of the same line is before it. */
    size_t lineStart = 0;
    for (size_t wordAt = 0; wordAt < length; wordAt += 8) {
        for (uint64_t bits = LineFeedBits(block + wordAt, block + length); bits; bits &= bits - 1) {
            size_t lf = wordAt + (size_t)(__builtin_ctzll(bits) >> 3);
            if (lf <= lineStart || block[lf - 1] != '\r')
                continue;
            const char *line = block + lineStart;
            size_t lineLength = lf - 1 - lineStart;
            lineStart = lf + 1;
            if (sought.byLastDigits && EndsOtherwise(line, lineLength, sought))
                continue;
            const char *tab = nullptr;
            if (LineHoldsNumber(line, lineLength, sought, &tab)) {
                if (name && nameSize > 0) {
                    size_t count = (size_t)(tab - line) < nameSize - 1 ? (size_t)(tab - line) : nameSize - 1;
                    memcpy(name, line, count);
                    name[count] = '\0';
                }
                return 1;
            }
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
