/* Copying and appending text into fixed buffers without ever writing past them. */
#ifndef BOUNDED_TEXT_H
#define BOUNDED_TEXT_H

#include <stddef.h>

/* Both always terminate dst (when size > 0), cut what does not fit, and return the length. */
size_t CopyText(char *dst, size_t size, const char *src);
size_t AppendText(char *dst, size_t size, const char *src);

/* Replaces everything from the last backslash of path on by tail (which starts with a
   backslash); a path without backslash gets tail appended. */
size_t ReplaceFileName(char *path, size_t size, const char *tail);

#endif
