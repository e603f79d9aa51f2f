#include "png_writer.h"

#include <cstdio>

namespace {

std::uint32_t crc32(const std::uint8_t *data, std::size_t length, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t> &out, const char type[4], const std::vector<std::uint8_t> &data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

// Writes bits into a deflate stream, least significant bit first.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t> &out) : out_(out) {}
    void put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            if (used_ == 0) out_.push_back(0);
            out_.back() |= static_cast<std::uint8_t>(((value >> i) & 1u) << used_);
            used_ = (used_ + 1) % 8;
        }
    }
    // Huffman codes go in from their most significant bit.
    void putCode(std::uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i) put((code >> i) & 1u, 1);
    }

private:
    std::vector<std::uint8_t> &out_;
    int used_ = 0;
};

// clang-format off
// Deflate's length and distance symbols: base value and extra bits.
const int LENGTH_BASE[]    = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                              67, 83, 99, 115, 131, 163, 195, 227, 258};
const int LENGTH_EXTRA[]   = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,
                              4, 4, 4, 4, 5, 5, 5, 5, 0};
const int DISTANCE_BASE[]  = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385,
                              513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int DISTANCE_EXTRA[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7,
                              8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// clang-format on

// A symbol of the fixed literal/length code.
void putFixedSymbol(BitWriter &bits, int symbol)
{
    if (symbol < 144)
        bits.putCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.putCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.putCode(symbol - 256, 7);
    else
        bits.putCode(0xC0 + symbol - 280, 8);
}

void putMatch(BitWriter &bits, int length, int distance)
{
    int l = 28;
    while (LENGTH_BASE[l] > length) --l;
    putFixedSymbol(bits, 257 + l);
    bits.put(static_cast<std::uint32_t>(length - LENGTH_BASE[l]), LENGTH_EXTRA[l]);
    int d = 29;
    while (DISTANCE_BASE[d] > distance) --d;
    bits.putCode(static_cast<std::uint32_t>(d), 5);
    bits.put(static_cast<std::uint32_t>(distance - DISTANCE_BASE[d]), DISTANCE_EXTRA[d]);
}

// A zlib stream of one deflate block with the fixed code. An icon enlarged
// by whole factors repeats each pixel along its row and each row below
// it, so copies from one pixel back and from one row up find nearly all of
// it; no general search is needed.
std::vector<std::uint8_t> zlibCompress(const std::vector<std::uint8_t> &raw, std::size_t rowStride)
{
    std::vector<std::uint8_t> out = {0x78, 0x01};
    BitWriter bits(out);
    bits.put(1, 1);  // the last block
    bits.put(1, 2);  // fixed Huffman code
    const std::size_t candidates[] = {4, rowStride};
    std::size_t at = 0;
    while (at < raw.size()) {
        std::size_t bestLength = 0, bestDistance = 0;
        for (std::size_t distance : candidates) {
            if (distance == 0 || distance > at || distance > 32768) continue;
            std::size_t length = 0;
            while (length < 258 && at + length < raw.size() && raw[at + length] == raw[at + length - distance])
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
        }
        if (bestLength >= 3) {
            putMatch(bits, static_cast<int>(bestLength), static_cast<int>(bestDistance));
            at += bestLength;
        } else {
            putFixedSymbol(bits, raw[at]);
            ++at;
        }
    }
    putFixedSymbol(bits, 256);  // end of block; the last byte is padded with zeros
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t> &rgba)
{
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);

    std::vector<std::uint8_t> raw;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter type "none"
        const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    putChunk(out, "IDAT", zlibCompress(raw, rowBytes + 1));
    putChunk(out, "IEND", {});
    return out;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}
