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

std::string_view FixedThreeDecimals(double magnitude, char* buffer) {
    const auto [end, error] =
        std::to_chars(buffer, buffer + kMaxFixedLength, magnitude, std::chars_format::fixed, 3);
    if (error != std::errc{}) return {};
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

}  // namespace velmora::decimal
