/* Lines of the call-list files and the phone book's number matching, free of any platform
   header: the Windows file code reads a file into memory and hands the block to these. */
#ifndef LIST_TEXT_H
#define LIST_TEXT_H

#include <stddef.h>

/* A line holds at most 255 bytes; lines are read into buffers of this size. */
enum { LIST_LINE_SIZE = 256 };

/* Copies the digits "0" to "9" of source, in order, into destination (destinationSize bytes,
   always terminated when the size is not 0; digits that do not fit are dropped). Returns the
   number of digits written. */
size_t KeepDigits(const char *source, char *destination, size_t destinationSize);

/* Removes trailing bytes below 0x1E taken as signed, so bytes 0x80 to 0xFF go as well. */
void TrimTrailingControls(char *text);

/* Walks the lines of a block of length bytes. A line is the run of bytes before a CR LF pair;
   bytes after the last pair are not a line. NUL bytes are ordinary bytes here. */
struct ListScan {
    const char *block;
    size_t length;
    size_t position;
};

void BeginListScan(ListScan *scan, const char *block, size_t length);

/* Points line at the next line in the block and sets its length (without the CR LF). Returns 1
   for a line, 0 when no complete line is left. */
int NextLineSpan(ListScan *scan, const char **line, size_t *length);

/* How much of a line of length bytes the lists look at: its first 255 bytes, up to a NUL. */
size_t ShownLineLength(const char *line, size_t length);

/* Zero-fills line (lineSize bytes) and copies the next line into it, cut to lineSize - 1 bytes.
   Returns 1 for a line, 0 when no complete line is left. */
int NextListLine(ListScan *scan, char *line, size_t lineSize);

/* Equality test for numbers: 0 when equal, like the platform's case-insensitive compare. */
typedef int (*NumberCompare)(const char *left, const char *right);

/* ASCII case-insensitive compare, negative, zero or positive. */
int CompareTextNoCase(const char *left, const char *right);

/* Looks number up in a phone book held in block: each line's name is its text before the first
   TAB, its stored number the digits of everything after that TAB, both within the line's shown
   length. The first line whose stored number equals number (compare, or CompareTextNoCase when
   null; a number of digits only is compared byte by byte, which both give for it) wins: its name is copied into
   name (nameSize bytes; name may be null) and 1 is returned; otherwise 0. */
int FindPhoneBookName(const char *block, size_t length, const char *number, char *name,
                      size_t nameSize, NumberCompare compare = nullptr);

/* "name TAB number CR LF" into out (outSize bytes, LIST_LINE_SIZE for the phone book file). When
   it does not fit, the name is cut first, then the number; the CR LF is always there when
   outSize is at least 4. Returns the length written. */
size_t FormatPhoneBookLine(char *out, size_t outSize, const char *name, const char *number);

#endif
