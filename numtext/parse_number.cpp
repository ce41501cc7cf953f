#include "parse_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "decimal_conversion.h"

namespace velmora {
namespace {

// A cursor over the text that never sees blanks, tabs or line feeds. Char is
// a UTF-8 or a UTF-16 code unit: only ASCII characters continue a number, and
// no unit of a multi-unit character equals one of them.
template <typename Char>
class Reader {
  public:
    explicit Reader(std::basic_string_view<Char> text) : text_(text) {}

    // The next significant character, or '\0' at the end (an embedded NUL ends
    // the number just the same, so the two need not be told apart).
    char32_t Peek() {
        while (pos_ < text_.size() && IsIgnorable(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? Unit(text_[pos_]) : U'\0';
    }
    void Advance() { ++pos_; }
    bool Take(char lower) {
        const char32_t ch = Peek();
        if (ch != Unit(lower) && ch != Unit(static_cast<char>(lower - 'a' + 'A'))) return false;
        Advance();
        return true;
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

  private:
    // A code unit as a number, so that a byte above 0x7F never looks like ASCII.
    static char32_t Unit(Char ch) {
        return static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(ch));
    }
    static bool IsIgnorable(Char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }

    std::basic_string_view<Char> text_;
    std::size_t pos_ = 0;
};

bool IsDecimalDigit(char32_t ch) {
    return ch >= '0' && ch <= '9';
}

// Value of ch as a digit of a power-of-two base, or -1.
int DigitValue(char32_t ch, int base) {
    int value = -1;
    if (ch >= '0' && ch <= '9') value = static_cast<int>(ch - '0');
    if (ch >= 'a' && ch <= 'f') value = static_cast<int>(ch - 'a') + 10;
    if (ch >= 'A' && ch <= 'F') value = static_cast<int>(ch - 'A') + 10;
    return value < base ? value : -1;
}

// A non-negative integer of any length in base 16 (4 bits a digit) or 8 (3 bits),
// exact up to 2^53 and the nearest double beyond, never wrapping around.
template <typename Char>
double ReadPowerOfTwoInteger(Reader<Char>& in, int base, int bitsPerDigit) {
    const int mantissaDigits = 63 / bitsPerDigit;  // what fits a uint64 exactly
    std::uint64_t mantissa = 0;
    int taken = 0;
    long long dropped = 0;
    bool sticky = false;  // a non-zero digit among those dropped
    for (int digit = DigitValue(in.Peek(), base); digit >= 0; digit = DigitValue(in.Peek(), base)) {
        in.Advance();
        if (taken == 0 && digit == 0) continue;  // leading zeros
        if (taken < mantissaDigits) {
            mantissa =
                mantissa * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            ++taken;
        } else {
            sticky = sticky || digit != 0;
            if (dropped < 1'000'000) ++dropped;  // beyond this, the value is infinite anyway
        }
    }
    // The mantissa holds at least 57 bits, so a sticky bit in its lowest place
    // makes the conversion to double round as the full value would.
    if (sticky) mantissa |= 1U;
    return std::ldexp(static_cast<double>(mantissa), static_cast<int>(dropped * bitsPerDigit));
}

// Decimal exponent of the leading significant digit, for telling overflow from
// underflow when the value does not fit a double.
long long LeadingMagnitude(std::string_view intDigits, std::string_view fracDigits) {
    const auto firstNonZero = intDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        return static_cast<long long>(intDigits.size() - firstNonZero);
    }
    const auto fracNonZero = fracDigits.find_first_not_of('0');
    return -static_cast<long long>(fracNonZero);
}

// The exponent's value, saturated well beyond anything a double can hold.
long long SaturatedExponent(bool negative, std::string_view digits) {
    constexpr long long kLimit = 1'000'000'000'000LL;
    long long value = 0;
    for (char ch : digits) {
        value = std::min(kLimit, value * 10 + (ch - '0'));
    }
    return negative ? -value : value;
}

template <typename Char>
double ReadDecimal(Reader<Char>& in) {
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Advance();
    }
    std::string intDigits;
    std::string fracDigits;
    bool seenPeriod = false;
    for (char32_t ch = in.Peek();; ch = in.Peek()) {
        if (IsDecimalDigit(ch)) {
            (seenPeriod ? fracDigits : intDigits).push_back(static_cast<char>(ch));
        } else if (ch == '.' && !seenPeriod) {
            seenPeriod = true;
        } else {
            break;
        }
        in.Advance();
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    // The exponent counts only when at least one digit follows the letter.
    bool expNegative = false;
    std::string expDigits;
    const std::size_t beforeExponent = in.Position();
    if (in.Take('e')) {
        if (in.Peek() == '+' || in.Peek() == '-') {
            expNegative = in.Peek() == '-';
            in.Advance();
        }
        while (IsDecimalDigit(in.Peek())) {
            expDigits.push_back(static_cast<char>(in.Peek()));
            in.Advance();
        }
        if (expDigits.empty()) in.Rewind(beforeExponent);
    }

    // A clean, locale-free form: [-]digits[.digits][e[-]digits].
    std::string clean;
    clean.reserve(intDigits.size() + fracDigits.size() + expDigits.size() + 4);
    if (negative) clean.push_back('-');
    clean += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) clean += '.' + fracDigits;
    if (!expDigits.empty()) clean += (expNegative ? "e-" : "e") + expDigits;

    if (const std::optional<double> value = decimal::Read(clean)) return *value;
    // Beyond a double: an infinity of its sign, or zero, as its magnitude says.
    const long long magnitude =
        LeadingMagnitude(intDigits, fracDigits) + SaturatedExponent(expNegative, expDigits);
    const double value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

template <typename Char>
double ParseText(std::basic_string_view<Char> text) {
    Reader<Char> in(text);
    if (in.Peek() == '&') {
        in.Advance();
        if (in.Take('h')) return ReadPowerOfTwoInteger(in, 16, 4);
        if (in.Take('o')) return ReadPowerOfTwoInteger(in, 8, 3);
        return 0.0;
    }
    return ReadDecimal(in);
}

}  // namespace

double ParseNumber(std::string_view utf8) {
    return ParseText(utf8);
}

double ParseNumber(std::u16string_view utf16) {
    return ParseText(utf16);
}

}  // namespace velmora
