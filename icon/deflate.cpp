#include "deflate.h"

#include <array>

namespace velmora::icon {
namespace {

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kMaxCandidates = 64;  // how far back each search looks

constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                          15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                          67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    // Plain values go in least significant bit first.
    void Put(std::uint32_t value, int count) {
        bits_ |= value << filled_;
        filled_ += count;
        while (filled_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(bits_ & 0xFFU));
            bits_ >>= 8;
            filled_ -= 8;
        }
    }
    // Huffman codes go in most significant bit first.
    void PutCode(std::uint32_t code, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed = (reversed << 1) | ((code >> i) & 1U);
        Put(reversed, length);
    }
    void Flush() {
        if (filled_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_ & 0xFFU));
        bits_ = 0;
        filled_ = 0;
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t bits_ = 0;
    int filled_ = 0;
};

// A literal byte, the end of the block (256) or a length symbol (257..285).
void PutSymbol(BitWriter& out, int symbol) {
    if (symbol < 144) {
        out.PutCode(0x30U + static_cast<std::uint32_t>(symbol), 8);
    } else if (symbol < 256) {
        out.PutCode(0x190U + static_cast<std::uint32_t>(symbol - 144), 9);
    } else if (symbol < 280) {
        out.PutCode(static_cast<std::uint32_t>(symbol - 256), 7);
    } else {
        out.PutCode(0xC0U + static_cast<std::uint32_t>(symbol - 280), 8);
    }
}

// The table entry whose base is the largest not above `value`.
template <std::size_t N>
int Bucket(const std::array<int, N>& bases, int value) {
    int index = 0;
    while (index + 1 < static_cast<int>(N) && bases[static_cast<std::size_t>(index + 1)] <= value) {
        ++index;
    }
    return index;
}

void PutMatch(BitWriter& out, int length, int distance) {
    const int l = Bucket(kLengthBase, length);
    PutSymbol(out, 257 + l);
    out.Put(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(l)]),
            kLengthExtra[static_cast<std::size_t>(l)]);
    const int d = Bucket(kDistanceBase, distance);
    out.PutCode(static_cast<std::uint32_t>(d), 5);
    out.Put(static_cast<std::uint32_t>(distance - kDistanceBase[static_cast<std::size_t>(d)]),
            kDistanceExtra[static_cast<std::size_t>(d)]);
}

std::uint32_t Hash(const std::vector<std::uint8_t>& raw, std::size_t pos) {
    return ((raw[pos] << 10) ^ (raw[pos + 1] << 5) ^ raw[pos + 2]) & 0x7FFFU;
}

}  // namespace

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out;
    BitWriter bits(out);
    bits.Put(1, 1);  // the final block
    bits.Put(1, 2);  // compressed with the fixed codes

    // The most recent position of each hash, and each position's predecessor.
    std::vector<std::int64_t> head(0x8000, -1);
    std::vector<std::int64_t> previous(raw.size(), -1);
    const auto remember = [&](std::size_t pos) {
        if (pos + kMinMatch > raw.size()) return;
        const std::uint32_t h = Hash(raw, pos);
        previous[pos] = head[h];
        head[h] = static_cast<std::int64_t>(pos);
    };

    for (std::size_t pos = 0; pos < raw.size();) {
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        if (pos + kMinMatch <= raw.size()) {
            std::int64_t candidate = head[Hash(raw, pos)];
            const std::size_t limit = std::min(kMaxMatch, raw.size() - pos);
            for (int tries = 0; candidate >= 0 && tries < kMaxCandidates; ++tries) {
                const auto from = static_cast<std::size_t>(candidate);
                if (pos - from > kWindow) break;
                std::size_t length = 0;
                while (length < limit && raw[from + length] == raw[pos + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = pos - from;
                    if (length == limit) break;
                }
                candidate = previous[from];
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(bits, static_cast<int>(bestLength), static_cast<int>(bestDistance));
            for (std::size_t i = 0; i < bestLength; ++i) remember(pos + i);
            pos += bestLength;
        } else {
            PutSymbol(bits, raw[pos]);
            remember(pos);
            ++pos;
        }
    }
    PutSymbol(bits, 256);  // end of block
    bits.Flush();
    return out;
}

}  // namespace velmora::icon
