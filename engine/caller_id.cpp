#include "caller_id.h"

#include <string.h>

namespace {

const size_t TAG_LENGTH = 7;

/* Position of the first tag in the first length bytes of text, or length when absent. */
size_t FindTag(const char *text, size_t length, const char *tag)
{
    for (size_t at = 0; at + TAG_LENGTH <= length; ++at) {
        if (memcmp(text + at, tag, TAG_LENGTH) == 0)
            return at;
    }
    return length;
}

void CutAt(char *value, char stop)
{
    char *found = strchr(value, stop);
    if (found)
        *found = '\0';
}

void CopyTaggedValue(const char *text, size_t length, const char *tag, char *out, size_t outSize)
{
    size_t at = FindTag(text, length, tag);
    if (at == length)
        return;
    at += TAG_LENGTH;
    while (at < length && text[at] == ' ')
        ++at;
    size_t count = length - at;
    if (count > outSize - 1)
        count = outSize - 1;
    memcpy(out, text + at, count);
    out[count] = '\0';
    CutAt(out, '\n');
    CutAt(out, '\r');
}

}  // namespace

void ParseCallerId(const char *text, size_t textLength, char *name, size_t nameSize, char *number,
                   size_t numberSize)
{
    if (name && nameSize > 0)
        name[0] = '\0';
    if (number && numberSize > 0)
        number[0] = '\0';
    if (!text)
        return;
    /* A host may fill the whole buffer: the text then ends at its last byte. */
    const void *nul = memchr(text, '\0', textLength);
    size_t length = nul ? (size_t)((const char *)nul - text) : textLength;
    if (number && numberSize > 0)
        CopyTaggedValue(text, length, "NMBR = ", number, numberSize);
    if (name && nameSize > 0)
        CopyTaggedValue(text, length, "NAME = ", name, nameSize);
}

int CallerIdMarker(const char *value)
{
    if (!value || value[0] == '\0' || value[1] != '\0')
        return CALLER_ID_PLAIN;
    if (value[0] == 'P' || value[0] == 'p')
        return CALLER_ID_WITHHELD;
    if (value[0] == 'O' || value[0] == 'o')
        return CALLER_ID_UNAVAILABLE;
    return CALLER_ID_PLAIN;
}
