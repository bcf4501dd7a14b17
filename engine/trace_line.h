/* Trace line layout, free of any platform header so it is also tested natively. */
#ifndef TRACE_LINE_H
#define TRACE_LINE_H

#include <stddef.h>

enum { TRACE_LINE_SIZE = 1024, TRACE_PREFIX_SIZE = 13 };

/* "hh:mm:ss,cc " from a local time; cc is hundredths (milliseconds / 10). Out of range parts
   are printed as they are, never past the 13-byte buffer. */
void FormatTracePrefix(char out[TRACE_PREFIX_SIZE], int hour, int minute, int second, int milliseconds);

/* Joins prefix and message into out (outSize bytes), cutting the message so that the line and,
   when addCrLf is set, its CR LF always fit. Returns the line's length. */
size_t ComposeTraceLine(char *out, size_t outSize, const char *prefix, const char *message, int addCrLf);

#endif
