/* A PNG encoder for screenshots, without any compression library: the image data goes into
   "stored" deflate blocks, which every PNG reader accepts. Free of any platform header. */
#ifndef PNG_WRITER_H
#define PNG_WRITER_H

#include <stddef.h>
#include <stdint.h>

#include <string>

/* The PNG file of a width x height 8-bit RGB picture; rgb holds the rows top to bottom, three
   bytes per pixel (red, green, blue). Empty for a size of 0 or one too large for a file. */
std::string EncodePng(const uint8_t *rgb, uint32_t width, uint32_t height);

uint32_t Crc32(const uint8_t *data, size_t length, uint32_t crc = 0);
uint32_t Adler32(const uint8_t *data, size_t length);

#endif
