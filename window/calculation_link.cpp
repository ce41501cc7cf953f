#include "calculation_link.h"

#include <array>

#include "decimal_conversion.h"
#include "format_value.h"
#include "utf16.h"

namespace velmora::link {
namespace {

std::string Plain(double value) {
    return Utf8(FormatExact(value, NumberFormat{}));
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// A plain decimal, whole, as ReadFragment reads one; nothing for any other
// text, or for a number beyond a double's range.
std::optional<double> PlainDecimal(std::string_view text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const auto skip = [&](bool (*among)(char)) {
        const std::size_t from = at;
        while (at < text.size() && among(text[at])) ++at;
        return at - from;
    };
    std::size_t digits = skip(IsDigit);
    if (skip([](char ch) { return ch == '.'; }) == 1) digits += skip(IsDigit);
    if (digits == 0) return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (skip(IsDigit) == 0) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    return decimal::Read(std::string(text));
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
        const std::optional<double> value = PlainDecimal(parts[k].substr(equals + 1));
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
