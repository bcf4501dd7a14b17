#include <gtest/gtest.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "png_writer.h"

namespace {

uint32_t BigEndian(const std::string &bytes, size_t at)
{
    return (uint32_t)(uint8_t)bytes[at] << 24 | (uint32_t)(uint8_t)bytes[at + 1] << 16 |
           (uint32_t)(uint8_t)bytes[at + 2] << 8 | (uint8_t)bytes[at + 3];
}

TEST(PngWriter, ChecksumsMatchKnownValues)
{
    const uint8_t text[] = "123456789";
    EXPECT_EQ(0xCBF43926u, Crc32(text, 9));
    EXPECT_EQ(0x091E01DEu, Adler32(text, 9));
    EXPECT_EQ(Crc32(text, 9), Crc32(text + 4, 5, Crc32(text, 4)));
}

/* The data of a zlib stream of stored deflate blocks, its headers and Adler-32 checked. */
std::string Inflate(const std::string &zlib)
{
    EXPECT_EQ(0, ((uint8_t)zlib[0] * 256 + (uint8_t)zlib[1]) % 31);
    std::string raw;
    size_t at = 2;
    for (bool last = false; !last && at + 5 <= zlib.size(); at += 5) {
        last = zlib[at] & 1;
        EXPECT_EQ(0, zlib[at] & 6) << "only stored blocks";
        size_t length = (uint8_t)zlib[at + 1] | (uint8_t)zlib[at + 2] << 8;
        EXPECT_EQ(0xFFFFu, length ^ ((uint8_t)zlib[at + 3] | (uint8_t)zlib[at + 4] << 8));
        raw += zlib.substr(at + 5, length);
        at += length;
    }
    EXPECT_EQ(Adler32((const uint8_t *)raw.data(), raw.size()), BigEndian(zlib, at));
    EXPECT_EQ(zlib.size(), at + 4);
    return raw;
}

/* Read back as a PNG reader does: the signature, each chunk's CRC, the header, the rows
   unfiltered (in several blocks for a large picture) and the end. */
TEST(PngWriter, ReadsBackAsHeaderRowsAndEnd)
{
    for (uint32_t width : {3u, 300u}) {
        const uint32_t height = width == 3 ? 2 : 200;
        std::string rgb(width * height * 3, '\0'), rows, types;
        std::vector<std::string> data;
        for (size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = (char)(i * 7);
        for (uint32_t y = 0; y < height; ++y)
            rows += '\0' + rgb.substr(y * width * 3, width * 3);
        std::string png = EncodePng((const uint8_t *)rgb.data(), width, height);
        ASSERT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
        for (size_t at = 8; at + 12 <= png.size(); at += 12 + BigEndian(png, at)) {
            std::string chunk = png.substr(at + 4, 4 + BigEndian(png, at));   /* type and data */
            EXPECT_EQ(Crc32((const uint8_t *)chunk.data(), chunk.size()), BigEndian(png, at + 4 + chunk.size()));
            types += chunk.substr(0, 4) + " ";
            data.push_back(chunk.substr(4));
        }
        ASSERT_EQ("IHDR IDAT IEND ", types);
        EXPECT_EQ((std::string{0, 0, (char)(width >> 8), (char)width, 0, 0, 0, (char)height, 8, 2, 0, 0, 0}), data[0]);
        EXPECT_EQ(rows, Inflate(data[1]));
        EXPECT_EQ("", data[2]);
    }
}

TEST(PngWriter, RefusesEmptyOrHugePictures)
{
    const uint8_t pixel[3] = {};
    EXPECT_EQ("", EncodePng(pixel, 0, 1));
    EXPECT_EQ("", EncodePng(pixel, 1, 0));
    EXPECT_EQ("", EncodePng(pixel, 16385, 1));
}

}  // namespace
