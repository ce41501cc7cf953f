#include "uint128.h"

#include <algorithm>
#include <bit>

namespace velmora::exact {
namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFU;

// The 128-bit product of two 64-bit numbers, from four 32-bit products.
Uint128 WideProduct(std::uint64_t x, std::uint64_t y) {
    const std::uint64_t x0 = x & kLow32, x1 = x >> 32;
    const std::uint64_t y0 = y & kLow32, y1 = y >> 32;
    const std::uint64_t p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & kLow32) + (p10 & kLow32);
    return Uint128::Of(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
                       (middle << 32) | (p00 & kLow32));
}

Uint128 ShiftLeft(Uint128 n, int bits) {
    if (bits == 0) return n;
    if (bits >= 64) return Uint128::Of(n.Low() << (bits - 64), 0);
    return Uint128::Of((n.High() << bits) | (n.Low() >> (64 - bits)), n.Low() << bits);
}

Uint128 ShiftRight(Uint128 n, int bits) {
    if (bits == 0) return n;
    if (bits >= 64) return Uint128(n.High() >> (bits - 64));
    return Uint128::Of(n.High() >> bits, (n.Low() >> bits) | (n.High() << (64 - bits)));
}

int TrailingZeros(Uint128 n) {
    return n.Low() != 0 ? std::countr_zero(n.Low()) : 64 + std::countr_zero(n.High());
}

// Division by a divisor below 2^32, 32 bits at a time: the trial divisions
// of the factoring take this path.
Division DivideSmall(Uint128 x, std::uint64_t divisor) {
    std::uint64_t rest = 0;
    std::uint64_t parts[4] = {x.High() >> 32, x.High() & kLow32, x.Low() >> 32, x.Low() & kLow32};
    for (std::uint64_t& part : parts) {
        const std::uint64_t current = (rest << 32) | part;
        part = current / divisor;
        rest = current % divisor;
    }
    return {Uint128::Of((parts[0] << 32) | parts[1], (parts[2] << 32) | parts[3]), rest};
}

}  // namespace

int Uint128::BitWidth() const {
    return high_ != 0 ? 64 + std::bit_width(high_) : std::bit_width(low_);
}

std::optional<Uint128> Add(Uint128 x, Uint128 y) {
    const Uint128 sum = WrappingAdd(x, y);
    if (sum < x) return std::nullopt;
    return sum;
}

std::optional<Uint128> Sub(Uint128 x, Uint128 y) {
    if (x < y) return std::nullopt;
    return WrappingSub(x, y);
}

std::optional<Uint128> Mul(Uint128 x, Uint128 y) {
    if (x.High() != 0 && y.High() != 0) return std::nullopt;
    const Uint128 low = WideProduct(x.Low(), y.Low());
    // At most one of the cross products is not zero, and it must fit 64 bits.
    const Uint128 cross =
        WideProduct(x.High() != 0 ? x.High() : y.High(), x.High() != 0 ? y.Low() : x.Low());
    if (cross.High() != 0) return std::nullopt;
    return Add(low, Uint128::Of(cross.Low(), 0));
}

Uint128 WrappingAdd(Uint128 x, Uint128 y) {
    const std::uint64_t low = x.Low() + y.Low();
    return Uint128::Of(x.High() + y.High() + (low < x.Low() ? 1 : 0), low);
}

Uint128 WrappingSub(Uint128 x, Uint128 y) {
    const std::uint64_t low = x.Low() - y.Low();
    return Uint128::Of(x.High() - y.High() - (x.Low() < y.Low() ? 1 : 0), low);
}

Uint128 WrappingMul(Uint128 x, Uint128 y) {
    const Uint128 low = WideProduct(x.Low(), y.Low());
    return Uint128::Of(low.High() + x.High() * y.Low() + x.Low() * y.High(), low.Low());
}

Wide FullProduct(Uint128 x, Uint128 y) {
    const Uint128 ll = WideProduct(x.Low(), y.Low());
    const Uint128 lh = WideProduct(x.Low(), y.High());
    const Uint128 hl = WideProduct(x.High(), y.Low());
    const Uint128 hh = WideProduct(x.High(), y.High());
    // The middle 128 bits, and what they carry into the top.
    const Uint128 middle = WrappingAdd(lh, hl);
    const std::uint64_t middleCarry = middle < lh ? 1 : 0;
    const Uint128 low = WrappingAdd(ll, Uint128::Of(middle.Low(), 0));
    const std::uint64_t lowCarry = low < ll ? 1 : 0;
    // The product is below 2^256, so the top half cannot wrap.
    const Uint128 high =
        WrappingAdd(WrappingAdd(hh, Uint128::Of(middleCarry, middle.High())), Uint128(lowCarry));
    return {high, low};
}

Division Divide(Uint128 x, Uint128 divisor) {
    if (divisor.High() == 0 && divisor.Low() <= kLow32) return DivideSmall(x, divisor.Low());
    if (x < divisor) return {0, x};
    // Long division, one bit of the quotient at a time.
    const int shift = x.BitWidth() - divisor.BitWidth();
    Uint128 remainder = x;
    Uint128 quotient = 0;
    Uint128 shifted = ShiftLeft(divisor, shift);
    for (int bit = shift; bit >= 0; --bit) {
        quotient = ShiftLeft(quotient, 1);
        if (remainder >= shifted) {
            remainder = WrappingSub(remainder, shifted);
            quotient = Uint128::Of(quotient.High(), quotient.Low() | 1U);
        }
        shifted = ShiftRight(shifted, 1);
    }
    return {quotient, remainder};
}

// Stein's binary algorithm: shifts and subtractions, no division.
Uint128 Gcd(Uint128 x, Uint128 y) {
    if (x.IsZero()) return y;
    if (y.IsZero()) return x;
    const int common = std::min(TrailingZeros(x), TrailingZeros(y));
    x = ShiftRight(x, TrailingZeros(x));
    while (!y.IsZero()) {
        y = ShiftRight(y, TrailingZeros(y));
        if (x > y) std::swap(x, y);
        y = WrappingSub(y, x);
    }
    return ShiftLeft(x, common);
}

// One bit of the root at a time, from the top.
Uint128 SquareRootFloor(Uint128 n) {
    Uint128 root = 0;
    for (int bit = (n.BitWidth() + 1) / 2; bit-- > 0;) {
        const Uint128 candidate = WrappingAdd(root, ShiftLeft(Uint128(1), bit));
        const std::optional<Uint128> square = Mul(candidate, candidate);
        if (square && *square <= n) root = candidate;
    }
    return root;
}

std::optional<Uint128> PowerOfTen(int power) {
    if (power < 0) return std::nullopt;
    Uint128 n = 1;
    for (int i = 0; i < power; ++i) {
        const std::optional<Uint128> next = Mul(n, 10);
        if (!next) return std::nullopt;
        n = *next;
    }
    return n;
}

std::optional<Uint128> FromDecimal(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    Uint128 n = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') return std::nullopt;
        const std::optional<Uint128> tens = Mul(n, 10);
        const std::optional<Uint128> next =
            tens ? Add(*tens, static_cast<std::uint64_t>(ch - '0')) : std::nullopt;
        if (!next) return std::nullopt;
        n = *next;
    }
    return n;
}

std::string ToDecimal(Uint128 n) {
    std::string digits;
    do {
        const Division d = DivideSmall(n, 10);
        digits.push_back(static_cast<char>('0' + d.remainder.Low()));
        n = d.quotient;
    } while (!n.IsZero());
    std::reverse(digits.begin(), digits.end());
    return digits;
}

double ToDouble(Uint128 n) {
    return static_cast<double>(n.High()) * 0x1p64 + static_cast<double>(n.Low());
}

}  // namespace velmora::exact
