// The icon's drawing and the files made of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "deflate.h"
#include "hamburger.h"
#include "image_files.h"

namespace velmora::icon {
namespace {

std::uint32_t Little(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b.at(at + static_cast<std::size_t>(i));
    return value;
}

std::uint32_t Big32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at)) << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 |
           b.at(at + 3);
}

TEST(Icon, IsAHamburgerOnATransparentSquareAtEverySize) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const Image image = RenderHamburger(size);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size));
        EXPECT_EQ(image.At(0, 0).a, 0) << size;  // the corners stay clear
        EXPECT_EQ(image.At(size - 1, 0).a, 0) << size;
        const Rgba middle = image.At(size / 2, size / 2);
        EXPECT_EQ(middle.a, 255) << size;
        // Top to bottom: bun (orange), then filling, then the bottom bun.
        const Rgba top = image.At(size / 2, size / 4);
        EXPECT_GT(top.r, top.b) << size;
        EXPECT_GT(top.g, top.b) << size;
    }
}

// The window icon is designed for 256 colours.
TEST(Icon, WindowSizeFitsInAPaletteOf256Colours) {
    const Image image = RenderHamburger(32);
    std::set<std::uint32_t> colours;
    for (const Rgba& p : image.pixels) colours.insert(p.r << 24 | p.g << 16 | p.b << 8 | p.a);
    EXPECT_LE(colours.size(), 256U);
}

TEST(IconFiles, PngHasItsSignatureSizeAndChecksums) {
    const Bytes png = EncodePng(RenderHamburger(48));
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 57U);                 // signature, header, data and end chunks
    EXPECT_LT(png.size(), 48U * 48U * 4U / 2);  // compressed
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    EXPECT_EQ(Big32(png, 16), 48U);  // IHDR width and height
    EXPECT_EQ(Big32(png, 20), 48U);
    EXPECT_EQ(Big32(png, 29), 0x5702F987U);              // IHDR's CRC, as zlib's crc32 computes it
    EXPECT_EQ(Big32(png, png.size() - 4), 0xAE426082U);  // IEND's CRC, the same in every PNG
}

// Fixed-code deflate: a run becomes a few back references; any input ends
// in a final block with its end-of-block code.
TEST(Deflate, CompressesRunsAndEndsEveryStream) {
    EXPECT_EQ(Deflate({}), (Bytes{0x03, 0x00}));           // final fixed block, end of block
    EXPECT_EQ(Deflate({'a'}), (Bytes{0x4B, 0x04, 0x00}));  // as zlib writes it, too
    const Bytes run(100000, 0x42);
    EXPECT_LT(Deflate(run).size(), 1000U);
}

TEST(IconFiles, IcoListsEveryImageWhereItIs) {
    std::vector<Image> images;
    for (int size : {16, 32, 48, 256}) images.push_back(RenderHamburger(size));
    const Bytes ico = EncodeIco(images);
    EXPECT_EQ(Little(ico, 2, 2), 1U);  // an icon
    ASSERT_EQ(Little(ico, 4, 2), 4U);
    std::size_t end = 6 + 4 * 16;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = images[i].size;
        EXPECT_EQ(ico.at(entry), size == 256 ? 0 : size);
        EXPECT_EQ(Little(ico, entry + 6, 2), 32U);  // bits a pixel
        const std::uint32_t length = Little(ico, entry + 8, 4);
        const std::uint32_t offset = Little(ico, entry + 12, 4);
        EXPECT_EQ(offset, end) << size;  // one image after the other
        end = offset + length;
        if (size == 256) {
            EXPECT_EQ(ico.at(offset + 1), 'P');  // stored as PNG
        } else {
            EXPECT_EQ(Little(ico, offset, 4), 40U);  // a bitmap header
            EXPECT_EQ(Little(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * size));
            const std::size_t mask = ((size + 31) / 32) * 4 * size;
            EXPECT_EQ(length, 40 + 4U * size * size + mask);
        }
    }
    EXPECT_EQ(end, ico.size());
}

}  // namespace
}  // namespace velmora::icon
