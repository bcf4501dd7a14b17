/* The countdown field's text, free of any platform header so it is also tested natively. */
#ifndef COUNTDOWN_TEXT_H
#define COUNTDOWN_TEXT_H

#include <stddef.h>

enum { COUNTDOWN_TEXT_SIZE = 16 };

/* "mm:ss" with at least two digits each ("%2.2d:%2.2d" of seconds / 60 and seconds % 60), cut
   to size. Returns the length written. */
size_t FormatCountdown(char *out, size_t size, int seconds);

#endif
