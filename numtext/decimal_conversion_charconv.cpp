#include <charconv>

#include "decimal_conversion.h"

namespace velmora::decimal {

std::optional<double> Read(const std::string& clean) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    return value;
}

Digits ShortestDigits(double magnitude) {
    char buffer[32];  // "d.dddddddddddddddde-308": 17 digits at most
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    return FromScientific(error == std::errc{} ? std::string_view(buffer, end - buffer) : "0e0");
}

std::string_view FixedThreeDecimals(double magnitude, char* buffer) {
    const auto [end, error] =
        std::to_chars(buffer, buffer + kMaxFixedLength, magnitude, std::chars_format::fixed, 3);
    if (error != std::errc{}) return {};
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

}  // namespace velmora::decimal
