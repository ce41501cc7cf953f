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

// The double nearest to `clean`, written [-]digits[.digits][e[-]digits];
// nothing where it lies beyond a double's range (an overflow, or a non-zero
// value that rounds to zero).
std::optional<double> Read(const std::string& clean);

// The longest fixed-point text of a non-negative finite double with three decimals.
inline constexpr std::size_t kMaxFixedLength = 320;  // 309 digits, the period, 3 decimals

// `magnitude` in fixed point with exactly three decimals, rounded from its
// exact binary value, written into `buffer` (kMaxFixedLength characters).
std::string_view FixedThreeDecimals(double magnitude, char* buffer);

}  // namespace velmora::decimal
