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

/* A bit-at-a-time CRC-32, independent of the encoder's table. */
uint32_t SlowCrc(const std::string &bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= (uint8_t)byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    std::string data;
};

/* Splits a PNG into its chunks, checking each CRC. */
std::vector<Chunk> Chunks(const std::string &png)
{
    std::vector<Chunk> chunks;
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
    for (size_t at = 8; at + 12 <= png.size();) {
        uint32_t length = BigEndian(png, at);
        Chunk chunk = {png.substr(at + 4, 4), png.substr(at + 8, length)};
        EXPECT_EQ(SlowCrc(chunk.type + chunk.data), BigEndian(png, at + 8 + length)) << chunk.type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

/* Undoes the stored deflate blocks of a zlib stream, checking headers and the Adler-32. */
std::string Inflate(const std::string &zlib)
{
    EXPECT_EQ(0, ((uint8_t)zlib[0] * 256 + (uint8_t)zlib[1]) % 31);
    std::string raw;
    size_t at = 2;
    bool last = false;
    while (!last && at + 5 <= zlib.size()) {
        last = zlib[at] & 1;
        EXPECT_EQ(0, zlib[at] & 6) << "only stored blocks";
        size_t length = (uint8_t)zlib[at + 1] | (uint8_t)zlib[at + 2] << 8;
        size_t check = (uint8_t)zlib[at + 3] | (uint8_t)zlib[at + 4] << 8;
        EXPECT_EQ(0xFFFFu, length ^ check);
        raw += zlib.substr(at + 5, length);
        at += 5 + length;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(Adler32((const uint8_t *)raw.data(), raw.size()), BigEndian(zlib, at));
    EXPECT_EQ(zlib.size(), at + 4);
    return raw;
}

TEST(PngWriter, ChecksumsMatchKnownValues)
{
    const uint8_t text[] = "123456789";
    EXPECT_EQ(0xCBF43926u, Crc32(text, 9));
    EXPECT_EQ(0x091E01DEu, Adler32(text, 9));
    EXPECT_EQ(Crc32(text, 9), Crc32(text + 4, 5, Crc32(text, 4)));
}

/* Header, data and end; the rows unfiltered in stored blocks, several of them for a large picture. */
TEST(PngWriter, HeaderDataAndEndWithRowsUnfiltered)
{
    for (uint32_t width : {3u, 300u}) {
        const uint32_t height = width == 3 ? 2 : 200;
        std::vector<uint8_t> rgb(width * height * 3);
        for (size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = (uint8_t)(i * 7);
        std::vector<Chunk> chunks = Chunks(EncodePng(rgb.data(), width, height));
        ASSERT_EQ(3u, chunks.size());
        EXPECT_EQ("IHDR", chunks[0].type);
        std::string size = {0, 0, (char)(width >> 8), (char)width, 0, 0, 0, (char)height};
        EXPECT_EQ(size + std::string("\x08\x02\0\0\0", 5), chunks[0].data);
        EXPECT_EQ("IDAT", chunks[1].type);
        std::string expected;
        for (uint32_t y = 0; y < height; ++y)
            expected += '\0' + std::string((const char *)rgb.data() + y * width * 3, width * 3);
        EXPECT_EQ(expected, Inflate(chunks[1].data));
        EXPECT_EQ("IEND", chunks[2].type);
        EXPECT_EQ("", chunks[2].data);
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
