// Decimal text to double and double to decimal text, exactly (correctly
// rounded both ways) and whatever the C library's locale: the one place that
// calls the platform's conversions. Desktops use <charconv>; the web build,
// whose C++ library has no floating-point <charconv>, uses the C library's,
// which are exact there too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::decimal {

// The double nearest to `clean`, written [-]digits[.digits][e[-]digits], or
// with no digits before or after the period (".5", "5."), "E" for "e", or
// "e+"; nothing where it lies beyond a double's range (an overflow, or a
// non-zero value that rounds to zero).
std::optional<double> Read(const std::string& clean);

// The fewest significant digits that read back as exactly `magnitude` (a
// non-negative finite double), and the power of ten of the first:
// 1234.5 is {"12345", 3}, 0.001 is {"1", -3}, 0 is {"0", 0}.
struct Digits {
    std::string digits;
    int exponent = 0;
};
Digits ShortestDigits(double magnitude);

// "1.2345e+03" as {"12345", 3}: what both conversions give, read.
inline Digits FromScientific(std::string_view text) {
    Digits read;
    const std::size_t e = text.find('e');
    for (char ch : text.substr(0, e)) {
        if (ch != '.') read.digits.push_back(ch);
    }
    bool negative = false;
    for (char ch : text.substr(e == std::string_view::npos ? text.size() : e + 1)) {
        if (ch == '-') negative = true;
        if (ch >= '0' && ch <= '9') read.exponent = read.exponent * 10 + (ch - '0');
    }
    if (negative) read.exponent = -read.exponent;
    return read;
}

// The longest fixed-point text of a non-negative finite double with three decimals.
inline constexpr std::size_t kMaxFixedLength = 320;  // 309 digits, the period, 3 decimals

// `magnitude` in fixed point with exactly three decimals, rounded from its
// exact binary value, written into `buffer` (kMaxFixedLength characters).
std::string_view FixedThreeDecimals(double magnitude, char* buffer);

}  // namespace velmora::decimal
