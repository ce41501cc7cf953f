#include "image_files.h"

#include <array>
#include <cstdio>

#include "deflate.h"

namespace velmora::icon {
namespace {

void PutBigEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1U) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream: the deflated data and its Adler-32 checksum.
Bytes Zlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    const Bytes deflated = Deflate(raw);
    out.insert(out.end(), deflated.begin(), deflated.end());
    std::uint32_t a = 1, b = 0;  // Adler-32
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521U;
        b = (b + a) % 65521U;
    }
    PutBigEndian32(out, (b << 16) | a);
    return out;
}

// A 32-bit bottom-up bitmap with its AND mask, as an ICO stores small images.
Bytes IcoBitmap(const Image& image) {
    const auto size = static_cast<std::uint32_t>(image.size);
    Bytes out;
    PutLittleEndian(out, 40, 4);        // BITMAPINFOHEADER
    PutLittleEndian(out, size, 4);      // width
    PutLittleEndian(out, size * 2, 4);  // height: colour and mask together
    PutLittleEndian(out, 1, 2);         // planes
    PutLittleEndian(out, 32, 2);        // bits a pixel
    for (int i = 0; i < 6; ++i) PutLittleEndian(out, 0, 4);
    for (int y = image.size - 1; y >= 0; --y) {
        for (int x = 0; x < image.size; ++x) {
            const Rgba p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    const std::size_t maskRow = ((size + 31) / 32) * 4;
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(maskRow, 0);
        for (int x = 0; x < image.size; ++x) {
            if (image.At(x, y).a == 0) row[static_cast<std::size_t>(x / 8)] |= 0x80U >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodePng(const Image& image) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBigEndian32(header, static_cast<std::uint32_t>(image.size));
    PutBigEndian32(header, static_cast<std::uint32_t>(image.size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    PutChunk(out, "IHDR", header);
    Bytes raw;
    for (int y = 0; y < image.size; ++y) {
        raw.push_back(0);  // no filter on this row
        for (int x = 0; x < image.size; ++x) {
            const Rgba p = image.At(x, y);
            raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
        }
    }
    PutChunk(out, "IDAT", Zlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

Bytes EncodeIco(const std::vector<Image>& images) {
    std::vector<Bytes> payloads;
    for (const Image& image : images) {
        payloads.push_back(image.size > 48 ? EncodePng(image) : IcoBitmap(image));
    }
    Bytes out;
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);  // an icon
    PutLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].size;
        out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));  // 0 means 256
        out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
        out.push_back(0);  // no palette
        out.push_back(0);
        PutLittleEndian(out, 1, 2);   // planes
        PutLittleEndian(out, 32, 2);  // bits a pixel
        PutLittleEndian(out, static_cast<std::uint32_t>(payloads[i].size()), 4);
        PutLittleEndian(out, offset, 4);
        offset += static_cast<std::uint32_t>(payloads[i].size());
    }
    for (const Bytes& payload : payloads) out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::string EncodeCppArray(const Image& image, const std::string& name) {
    std::string out =
        "// Made at build time from the icon's drawing; do not edit.\n#pragma once\n\n";
    out += "inline constexpr int " + name + "Size = " + std::to_string(image.size) + ";\n";
    out += "inline constexpr unsigned char " + name + "[] = {";
    int column = 0;
    for (const Rgba& p : image.pixels) {
        for (std::uint8_t byte : {p.r, p.g, p.b, p.a}) {
            out += (column++ % 16 == 0) ? "\n    " : " ";
            out += std::to_string(byte) + ",";
        }
    }
    out += "\n};\n";
    return out;
}

}  // namespace velmora::icon
