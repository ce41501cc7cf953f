// A whole number from 0 to 2^128 − 1, on every build the same: the 32-bit
// Windows build has no 128-bit integer of its own. Arithmetic that could
// leave the range says so instead of wrapping around, so that a number the
// working writes as exact is never a wrapped one.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::exact {

class Uint128 {
  public:
    constexpr Uint128() = default;
    // Every uint64 keeps its value, so the conversion is implicit.
    constexpr Uint128(std::uint64_t low) : low_(low) {}  // NOLINT(google-explicit-constructor)
    static constexpr Uint128 Of(std::uint64_t high, std::uint64_t low) {
        Uint128 n(low);
        n.high_ = high;
        return n;
    }

    constexpr std::uint64_t High() const { return high_; }
    constexpr std::uint64_t Low() const { return low_; }
    constexpr bool IsZero() const { return high_ == 0 && low_ == 0; }
    constexpr bool IsOdd() const { return (low_ & 1U) != 0; }
    // The number of bits it takes: 0 for 0, 1 for 1, 128 for 2^127.
    int BitWidth() const;

    friend constexpr bool operator==(Uint128, Uint128) = default;
    friend constexpr std::strong_ordering operator<=>(Uint128 x, Uint128 y) {
        if (x.high_ != y.high_) return x.high_ <=> y.high_;
        return x.low_ <=> y.low_;
    }

  private:
    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

// Checked arithmetic: nothing where the true result is not in the range.
// Add(2^127, 2^127) and Sub(3, 4) are nothing; Mul(2^64, 2^63) is 2^127.
[[nodiscard]] std::optional<Uint128> Add(Uint128 x, Uint128 y);
[[nodiscard]] std::optional<Uint128> Sub(Uint128 x, Uint128 y);
[[nodiscard]] std::optional<Uint128> Mul(Uint128 x, Uint128 y);

// Arithmetic modulo 2^128, for the factoring's residues, which never leave it.
Uint128 WrappingAdd(Uint128 x, Uint128 y);
Uint128 WrappingSub(Uint128 x, Uint128 y);
Uint128 WrappingMul(Uint128 x, Uint128 y);

// The full 256-bit product.
struct Wide {
    Uint128 high, low;
};
Wide FullProduct(Uint128 x, Uint128 y);

struct Division {
    Uint128 quotient, remainder;
};
// x = quotient · divisor + remainder, remainder < divisor; divisor > 0.
Division Divide(Uint128 x, Uint128 divisor);
// The greatest common divisor: Gcd(12, 18) is 6; Gcd(0, n) is n.
Uint128 Gcd(Uint128 x, Uint128 y);
// The largest whole number whose square is at most n: 10 for 120, 11 for 121.
Uint128 SquareRootFloor(Uint128 n);

// 10^power for 0 ≤ power ≤ 38, the powers in the range; nothing beyond.
std::optional<Uint128> PowerOfTen(int power);
// Decimal digits and back: "340282366920938463463374607431768211455" is
// 2^128 − 1; more than that, an empty text or a character other than a
// digit is nothing.
std::optional<Uint128> FromDecimal(std::string_view digits);
std::string ToDecimal(Uint128 n);
// The nearest double, within one rounding of each half.
double ToDouble(Uint128 n);

}  // namespace velmora::exact
