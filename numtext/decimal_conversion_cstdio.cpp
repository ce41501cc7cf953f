#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// The fewest digits, correctly rounded, that read back as the value: the
// digits that <charconv> gives for the shortest text. More digits are never
// farther from the value, so the fewest are found by halving: 17 always do.
Digits ShortestDigits(double magnitude) {
    char buffer[40];
    const auto readsBack = [&](int precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, magnitude);
        return std::strtod(buffer, nullptr) == magnitude;
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
    return FromScientific(buffer);
}

std::string_view FixedThreeDecimals(double magnitude, char* buffer) {
    const int length = std::snprintf(buffer, kMaxFixedLength, "%.3f", magnitude);
    if (length < 0 || static_cast<std::size_t>(length) >= kMaxFixedLength) return {};
    return {buffer, static_cast<std::size_t>(length)};
}

}  // namespace velmora::decimal
