#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decimal_conversion.h"

// The C library's conversions, as <charconv> would convert: the web build's
// library (musl, in WebAssembly) rounds exactly and has only the C locale.
namespace velmora::decimal {

std::optional<double> Read(const std::string& clean) {
    errno = 0;
    const double value = std::strtod(clean.c_str(), nullptr);
    // strtod reports a subnormal result as a range error too; <charconv>
    // gives it, and only an infinity or a lost non-zero value is out of range.
    if (errno == ERANGE && (std::isinf(value) || value == 0.0)) return std::nullopt;
    return value;
}

// The fewest digits that read back as the value, and of those the nearest:
// what <charconv> gives. Where the nearest decimal of a length lies below the
// value and does not read back, the one above it may: above a power of two,
// the doubles lie twice as far apart as below it (2^-24 is
// 5.960464477539063e-8, while 5.960464477539062e-8 reads as the double
// below). The one below never does where the nearest above does not, as the
// doubles never lie farther apart below a value than above it. Some decimal of
// a length reads back wherever one of fewer digits does, so the length is
// found by halving: 17 digits always do.
Digits ShortestDigits(double magnitude) {
    Digits found;
    // Whether a decimal of 1 + `precision` digits reads back: then the nearest is `found`.
    const auto readsBack = [&](int precision) {
        char text[40];
        std::snprintf(text, sizeof text, "%.*e", precision, magnitude);
        found = FromScientific(text);
        const double read = std::strtod(text, nullptr);
        if (read >= magnitude) return read == magnitude;
        const int power = found.exponent - precision;  // of the last digit
        unsigned long long units = 0;
        for (char digit : found.digits) units = units * 10 + static_cast<unsigned>(digit - '0');
        const int length = std::snprintf(text, sizeof text, "%llu", units + 1);
        found = {text, power + length - 1};  // 999 and one more is 1000
        std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), "e%d", power);
        return std::strtod(text, nullptr) == magnitude;
    };
    int low = 0;    // digits after the first: too few below this
    int high = 16;  // enough
    while (low < high) {
        const int middle = (low + high) / 2;
        if (readsBack(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    readsBack(low);
    return found;
}

std::string_view FixedThreeDecimals(double magnitude, char* buffer) {
    const int length = std::snprintf(buffer, kMaxFixedLength, "%.3f", magnitude);
    if (length < 0 || static_cast<std::size_t>(length) >= kMaxFixedLength) return {};
    return {buffer, static_cast<std::size_t>(length)};
}

}  // namespace velmora::decimal
