#include "format_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decimal_conversion.h"
#include "digit_grouping.h"
#include "utf16.h"

namespace velmora {
namespace {

class LocalizedWriter {
  public:
    explicit LocalizedWriter(const NumberFormat& format) : format_(format) { text_.reserve(32); }

    void Digits(std::string_view digits, bool grouped) {
        const int count = static_cast<int>(digits.size());
        for (int i = 0; i < count; ++i) {
            Digit(digits[static_cast<std::size_t>(i)]);
            if (grouped && HasGroupSeparator(count, count - 1 - i, format_)) {
                text_ += format_.groupSeparator;
            }
        }
    }
    void Append(std::u16string_view text) { text_ += text; }
    std::u16string Take() { return std::move(text_); }

  private:
    void Digit(char ascii) {
        AppendCodePoint(text_, format_.zeroDigit + static_cast<char32_t>(ascii - '0'));
    }

    const NumberFormat& format_;
    std::u16string text_;
};

// What stands before and after the digits of a negative value.
struct Affixes {
    std::u16string before, after;
};

Affixes NegativeAffixes(const NumberFormat& format) {
    const std::u16string& sign = format.negativeSign;
    switch (format.negativeStyle) {
        case NegativeStyle::Parentheses:
            return {u"(", u")"};
        case NegativeStyle::LeadingSign:
            return {sign, {}};
        case NegativeStyle::LeadingSignSpace:
            return {sign + u" ", {}};
        case NegativeStyle::TrailingSign:
            return {{}, sign};
        case NegativeStyle::TrailingSignSpace:
            return {{}, u" " + sign};
    }
    return {sign, {}};
}

}  // namespace

std::u16string Signed(bool negative, std::u16string_view body, const NumberFormat& format) {
    if (!negative) return std::u16string(body);
    const Affixes affixes = NegativeAffixes(format);
    return affixes.before + std::u16string(body) + affixes.after;
}

std::u16string FormatExact(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) return {};
    const decimal::Digits shortest = decimal::ShortestDigits(std::fabs(value));
    const int exponent = shortest.exponent;
    // With an exponent only where JavaScript writes one: from 1e21, and below 1e-6.
    const bool scientific = exponent >= 21 || exponent < -6;
    // The digits with the decimal point after `integer` of them, and the
    // zeros that stand between the point and the digits.
    const int point = scientific ? 1 : exponent + 1;
    std::string digits = shortest.digits;
    if (point <= 0) digits.insert(0, static_cast<std::size_t>(1 - point), '0');
    const std::size_t integer = static_cast<std::size_t>(point > 0 ? point : 1);
    if (digits.size() < integer) digits.resize(integer, '0');

    const std::string_view whole(digits);
    LocalizedWriter out(format);
    if (whole[0] != '0' || format.leadingZero || whole.size() == integer) {
        out.Digits(whole.substr(0, integer), false);
    }
    if (whole.size() > integer) {
        out.Append(format.decimalSeparator);
        out.Digits(whole.substr(integer), false);
    }
    if (scientific) {
        out.Append(exponent < 0 ? u"e-" : u"e");
        char power[4];
        const char* end = std::to_chars(power, power + sizeof power, std::abs(exponent)).ptr;
        out.Digits({power, static_cast<std::size_t>(end - power)}, false);
    }
    return Signed(std::signbit(value), out.Take(), format);
}

std::u16string FormatDecimal(bool negative, std::string_view integer, std::string_view fraction,
                             const NumberFormat& format) {
    const Affixes affixes = negative ? NegativeAffixes(format) : Affixes{};
    LocalizedWriter out(format);
    out.Append(affixes.before);
    if (integer != "0" || format.leadingZero || fraction.empty()) out.Digits(integer, true);
    if (!fraction.empty()) {
        out.Append(format.decimalSeparator);
        out.Digits(fraction, false);
    }
    out.Append(affixes.after);
    return out.Take();
}

std::u16string FormatValue(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) return {};
    char buffer[decimal::kMaxFixedLength];
    const std::string_view fixed = decimal::FixedThreeDecimals(std::fabs(value), buffer);
    if (fixed.empty()) return {};
    const std::size_t period = fixed.find('.');
    const bool roundsToZero = fixed.find_first_not_of("0.") == std::string_view::npos;
    return FormatDecimal(std::signbit(value) && !roundsToZero, fixed.substr(0, period),
                         fixed.substr(period + 1), format);
}

}  // namespace velmora
