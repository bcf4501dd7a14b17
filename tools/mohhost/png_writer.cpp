#include "png_writer.h"

namespace {

const size_t kStoredBlockMax = 65535;
const uint32_t kMaxSide = 16384;

void PutBigEndian(std::string *out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->push_back((char)((value >> shift) & 0xFF));
}

void PutChunk(std::string *out, const char type[4], const std::string &data)
{
    PutBigEndian(out, (uint32_t)data.size());
    std::string body(type, 4);
    body += data;
    out->append(body);
    PutBigEndian(out, Crc32((const uint8_t *)body.data(), body.size()));
}

/* The zlib stream of raw: header, stored blocks of at most 65535 bytes, Adler-32. */
std::string StoredZlib(const std::string &raw)
{
    std::string out("\x78\x01", 2);
    size_t offset = 0;
    do {
        size_t length = raw.size() - offset < kStoredBlockMax ? raw.size() - offset : kStoredBlockMax;
        bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back((char)(length & 0xFF));
        out.push_back((char)(length >> 8));
        out.push_back((char)(~length & 0xFF));
        out.push_back((char)((~length >> 8) & 0xFF));
        out.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    PutBigEndian(&out, Adler32((const uint8_t *)raw.data(), raw.size()));
    return out;
}

}  // namespace

uint32_t Crc32(const uint8_t *data, size_t length, uint32_t crc)
{
    static uint32_t table[256];
    if (table[1] == 0) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    crc = ~crc;
    for (size_t i = 0; i < length; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t *data, size_t length)
{
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < length; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string EncodePng(const uint8_t *rgb, uint32_t width, uint32_t height)
{
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return "";
    std::string header;
    PutBigEndian(&header, width);
    PutBigEndian(&header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5);  /* 8-bit RGB, no interlace */
    /* Each row starts with filter type 0 (none). */
    std::string raw;
    size_t rowBytes = (size_t)width * 3;
    raw.reserve((rowBytes + 1) * height);
    for (uint32_t y = 0; y < height; ++y) {
        raw.push_back('\0');
        raw.append((const char *)rgb + y * rowBytes, rowBytes);
    }
    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(&png, "IHDR", header);
    PutChunk(&png, "IDAT", StoredZlib(raw));
    PutChunk(&png, "IEND", "");
    return png;
}
