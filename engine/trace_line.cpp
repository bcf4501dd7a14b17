#include "trace_line.h"

#include <stdio.h>

#include "bounded_text.h"

void FormatTracePrefix(char out[TRACE_PREFIX_SIZE], int hour, int minute, int second, int milliseconds)
{
    char text[64];
    snprintf(text, sizeof text, "%2.2d:%2.2d:%2.2d,%2.2d ", hour, minute, second, milliseconds / 10);
    CopyText(out, TRACE_PREFIX_SIZE, text);
}

size_t ComposeTraceLine(char *out, size_t outSize, const char *prefix, const char *message, int addCrLf)
{
    if (outSize == 0)
        return 0;
    size_t tail = addCrLf ? 2 : 0;
    size_t room = outSize > tail ? outSize - tail : 1;  /* keeps the CR LF's place free */
    CopyText(out, room, prefix);
    size_t used = AppendText(out, room, message);
    if (addCrLf && used + 2 < outSize) {
        out[used++] = '\r';
        out[used++] = '\n';
    }
    out[used] = '\0';
    return used;
}
