#include "calculation_link.h"

#include <array>
#include <cmath>

#include "format_value.h"
#include "parse_number.h"
#include "utf16.h"

namespace velmora::link {
namespace {

// Longer than any fragment this program writes ("a=-2.2250738585072014e-308&…"),
// and short enough that a hostile one costs nothing to turn away.
constexpr std::size_t kLongestFragment = 100;

std::string Plain(double value) {
    return Utf8(FormatExact(value, NumberFormat{}));
}

// A value as this program writes one, and nothing else: the number it reads
// as, where writing that number gives the text back.
std::optional<double> PlainNumber(std::string_view text) {
    const double value = ParseNumber(text, NumberFormat{});
    if (!std::isfinite(value) || Plain(value) != text) return std::nullopt;
    return value;
}

std::optional<Quantity> QuantityNamed(std::string_view name) {
    for (Quantity q : kAllQuantities) {
        if (QuantitySymbol(q) == name) return q;
    }
    return std::nullopt;
}

}  // namespace

std::string FragmentOf(const Linked& calculation) {
    if (!IsValidPair(calculation.pair)) return {};
    const std::string first = Plain(calculation.first);
    const std::string second = Plain(calculation.second);
    if (first.empty() || second.empty()) return {};
    const PairDefinition& pair = PairAt(calculation.pair);
    return std::string(QuantitySymbol(pair.first)) + "=" + first + "&" +
           std::string(QuantitySymbol(pair.second)) + "=" + second;
}

std::optional<Linked> ReadFragment(std::string_view fragment) {
    if (fragment.size() > kLongestFragment) return std::nullopt;
    const std::size_t joint = fragment.find('&');
    if (joint == std::string_view::npos) return std::nullopt;
    const std::array<std::string_view, 2> parts{fragment.substr(0, joint),
                                                fragment.substr(joint + 1)};
    std::array<Quantity, 2> quantities{};
    std::array<double, 2> values{};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const std::size_t equals = parts[k].find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::optional<Quantity> q = QuantityNamed(parts[k].substr(0, equals));
        const std::optional<double> value = PlainNumber(parts[k].substr(equals + 1));
        if (!q || !value) return std::nullopt;
        quantities[k] = *q;
        values[k] = *value;
    }
    const InputPair pair = PairOf(quantities[0], quantities[1]);
    if (!IsValidPair(pair)) return std::nullopt;  // (b, P), or one symbol twice
    const bool inOrder = PairAt(pair).first == quantities[0];
    return Linked{pair, inOrder ? values[0] : values[1], inOrder ? values[1] : values[0]};
}

}  // namespace velmora::link
