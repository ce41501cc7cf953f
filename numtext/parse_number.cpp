#include "parse_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "decimal_conversion.h"
#include "digit_grouping.h"
#include "utf16.h"

namespace velmora {
namespace {

// Passed over wherever they stand: what a user types between digits, the
// blanks that regions put between digit groups, and the invisible marks of
// writing direction that right-to-left languages put around a sign.
bool IsPassedOver(char32_t ch) {
    return ch == U' ' || ch == U'\t' || ch == U'\n' || ch == U'\u00a0' || ch == U'\u202f' ||
           ch == U'\u2009' || ch == U'\u200e' || ch == U'\u200f' || ch == U'\u061c';
}

// A cursor over the code points of UTF-16 text that never sees what is passed
// over. A
// lone surrogate reads as U+FFFD, which continues no number.
class Reader {
  public:
    explicit Reader(std::u16string_view text) : text_(text) {}

    // The next significant code point, or '\0' at the end (an embedded NUL ends
    // the number just the same, so the two need not be told apart).
    char32_t Peek() {
        for (;;) {
            if (pos_ >= text_.size()) return U'\0';
            const char32_t ch = Decode(length_);
            if (!IsPassedOver(ch)) return ch;
            pos_ += length_;
        }
    }
    void Advance() {
        Peek();
        pos_ += length_;
    }
    bool Take(char32_t ch) {
        if (Peek() != ch) return false;
        Advance();
        return true;
    }
    bool TakeLetter(char lower) {
        return Take(static_cast<char32_t>(lower)) || Take(static_cast<char32_t>(lower - 'a' + 'A'));
    }
    // Takes a regional symbol (its code points, blanks left out) where it
    // comes next; an empty one never.
    bool Take(std::u32string_view symbol) {
        if (symbol.empty()) return false;
        const std::size_t start = pos_;
        for (char32_t ch : symbol) {
            if (Peek() != ch) {
                pos_ = start;
                return false;
            }
            Advance();
        }
        return true;
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

  private:
    char32_t Decode(std::size_t& length) const {
        const char16_t unit = text_[pos_];
        length = 1;
        if (unit < 0xD800 || unit > 0xDFFF) return unit;
        if (unit <= 0xDBFF && pos_ + 1 < text_.size() && text_[pos_ + 1] >= 0xDC00 &&
            text_[pos_ + 1] <= 0xDFFF) {
            length = 2;
            return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                   (static_cast<char32_t>(text_[pos_ + 1]) - 0xDC00);
        }
        return 0xFFFD;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
    std::size_t length_ = 1;
};

// The region's symbols as the reader compares them: code points without
// blanks, each empty where it adds nothing to what every text may hold (the
// period, "-", the blanks).
struct Symbols {
    std::u32string decimal;     // other than the period
    std::u32string group;       // other than a period
    bool periodGroups = false;  // the group separator is a period
    std::u32string negative;    // other than "-"
    char32_t zeroDigit = U'0';
    bool parentheses = false;
    bool trailingSign = false;
};

std::u32string SymbolText(std::u16string_view text) {
    std::u32string symbol;
    Reader in(text);
    for (char32_t ch = in.Peek(); ch != U'\0'; ch = in.Peek()) {
        symbol.push_back(ch);
        in.Advance();
    }
    return symbol;
}

Symbols SymbolsOf(const NumberFormat& format) {
    Symbols symbols;
    if (format.decimalSeparator != u".") symbols.decimal = SymbolText(format.decimalSeparator);
    if (format.groupSeparator == u".") {
        symbols.periodGroups = !symbols.decimal.empty();
    } else if (format.groupSeparator != format.decimalSeparator) {
        symbols.group = SymbolText(format.groupSeparator);
    }
    if (format.negativeSign != u"-") symbols.negative = SymbolText(format.negativeSign);
    symbols.zeroDigit = format.zeroDigit;
    symbols.parentheses = format.negativeStyle == NegativeStyle::Parentheses;
    symbols.trailingSign = format.negativeStyle == NegativeStyle::TrailingSign ||
                           format.negativeStyle == NegativeStyle::TrailingSignSpace;
    return symbols;
}

// A decimal digit's value, ASCII or the region's own, or -1.
int DecimalDigit(char32_t ch, const Symbols& symbols) {
    if (ch >= U'0' && ch <= U'9') return static_cast<int>(ch - U'0');
    if (ch >= symbols.zeroDigit && ch <= symbols.zeroDigit + 9) {
        return static_cast<int>(ch - symbols.zeroDigit);
    }
    return -1;
}

// Value of ch as a digit of a power-of-two base, or -1.
int DigitValue(char32_t ch, int base) {
    int value = -1;
    if (ch >= '0' && ch <= '9') value = static_cast<int>(ch - '0');
    if (ch >= 'a' && ch <= 'f') value = static_cast<int>(ch - 'a') + 10;
    if (ch >= 'A' && ch <= 'F') value = static_cast<int>(ch - 'A') + 10;
    return value < base ? value : -1;
}

// A non-negative integer of any length in base 16 (4 bits a digit) or 8 (3
// bits): exact where it fits 63 bits, and otherwise its leading 63 bits and
// a sticky bit for the rest, which round to the nearest double as the whole
// would, never wrapping around.
struct PowerOfTwoInteger {
    std::uint64_t mantissa = 0;
    long long droppedBits = 0;
    double Value() const {
        return std::ldexp(static_cast<double>(mantissa), static_cast<int>(droppedBits));
    }
};

PowerOfTwoInteger ReadPowerOfTwoInteger(Reader& in, int base, int bitsPerDigit) {
    const int mantissaDigits = 63 / bitsPerDigit;  // what fits a uint64 exactly
    PowerOfTwoInteger n;
    int taken = 0;
    bool sticky = false;  // a non-zero digit among those dropped
    for (int digit = DigitValue(in.Peek(), base); digit >= 0; digit = DigitValue(in.Peek(), base)) {
        in.Advance();
        if (taken == 0 && digit == 0) continue;  // leading zeros
        if (taken < mantissaDigits) {
            n.mantissa =
                n.mantissa * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            ++taken;
        } else {
            sticky = sticky || digit != 0;
            // Beyond this, the value is infinite anyway.
            if (n.droppedBits < 1'000'000) n.droppedBits += bitsPerDigit;
        }
    }
    // The mantissa holds at least 57 bits, so a sticky bit in its lowest place
    // makes the conversion to double round as the full value would.
    if (sticky) n.mantissa |= 1U;
    return n;
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

// What one step of the number's digits and separators is.
enum class Mark { Digit, Period, Decimal, Group, Comma };
struct Token {
    Mark mark;
    char digit;       // '0'..'9' for a digit
    std::size_t end;  // the reader's position after it
};

// The run of digits and separators that may make up the number.
std::vector<Token> ScanDigitsAndSeparators(Reader& in, const Symbols& symbols) {
    std::vector<Token> tokens;
    for (;;) {
        Token token{Mark::Digit, '0', 0};
        if (const int digit = DecimalDigit(in.Peek(), symbols); digit >= 0) {
            token.digit = static_cast<char>('0' + digit);
            in.Advance();
        } else if (in.Take(symbols.decimal)) {
            token.mark = Mark::Decimal;
        } else if (in.Take(symbols.group)) {
            token.mark = Mark::Group;
        } else if (in.Take(U'.')) {
            token.mark = Mark::Period;
        } else if (in.Take(U',')) {
            token.mark = Mark::Comma;
        } else {
            break;
        }
        token.end = in.Position();
        tokens.push_back(token);
    }
    return tokens;
}

// Whether the one period at `period`, with only digits around it, stands
// where the region's grouping puts its only separator, the first digit not 0.
bool LonePeriodGroups(const std::vector<Token>& tokens, std::size_t period,
                      const NumberFormat& format) {
    std::size_t end = period + 1;
    while (end < tokens.size() && tokens[end].mark == Mark::Digit) ++end;
    for (std::size_t t = 0; t < period; ++t) {
        if (tokens[t].mark != Mark::Digit) return false;
    }
    if (period == 0 || tokens[0].digit == '0') return false;
    const int count = static_cast<int>(end - 1);
    return HasGroupSeparator(count, static_cast<int>(end - period - 1), format) &&
           GroupSeparatorCount(count, format) == 1;
}

// Whether a separator with a digit behind it comes next: the number could be
// read more than one way.
bool SeparatorThenDigit(Reader& in, const Symbols& symbols) {
    const std::size_t at = in.Position();
    const bool separator =
        in.Take(symbols.decimal) || in.Take(symbols.group) || in.Take(U'.') || in.Take(U',');
    const bool digit = separator && DecimalDigit(in.Peek(), symbols) >= 0;
    in.Rewind(at);
    return digit;
}

struct Mantissa {
    std::string intDigits;
    std::string fracDigits;
    bool ambiguous = false;  // stopped at a separator with a digit behind it
};

// The digits of the number before its exponent, with the reader left after
// the last character that belongs to them.
Mantissa ReadMantissa(Reader& in, const Symbols& symbols, const NumberFormat& format) {
    const std::size_t start = in.Position();
    const std::vector<Token> tokens = ScanDigitsAndSeparators(in, symbols);
    const auto digitAt = [&](std::size_t i) {
        return i < tokens.size() && tokens[i].mark == Mark::Digit;
    };
    Mantissa m;
    // Where the group separator is a period, a period groups only where it
    // cannot be the decimal point.
    bool periodsGroup = false;
    if (symbols.periodGroups) {
        int periods = 0;
        std::size_t period = 0;
        bool decimalFollows = false;
        for (std::size_t t = 0; t < tokens.size(); ++t) {
            if (tokens[t].mark == Mark::Decimal) {
                decimalFollows = true;
                break;
            }
            if (tokens[t].mark == Mark::Period) {
                ++periods;
                period = t;
            }
        }
        periodsGroup = periods >= 2 || (periods == 1 && decimalFollows);
        if (periods == 1 && !decimalFollows && LonePeriodGroups(tokens, period, format)) {
            m.ambiguous = true;  // 4.788: 4788 as the region groups it, or 4.788
            return m;
        }
    }

    std::vector<std::size_t> groupMarks;  // integer digits before each group separator
    bool fraction = false;
    std::size_t i = 0;
    for (; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.mark == Mark::Digit) {
            (fraction ? m.fracDigits : m.intDigits).push_back(token.digit);
            continue;
        }
        const bool groups = !fraction && (token.mark == Mark::Group ||
                                          (token.mark == Mark::Period && periodsGroup));
        if (groups && !m.intDigits.empty() && digitAt(i + 1)) {
            groupMarks.push_back(m.intDigits.size());
            continue;
        }
        if (!groups && !fraction && (token.mark == Mark::Period || token.mark == Mark::Decimal)) {
            fraction = true;
            continue;
        }
        break;  // reading stops at this separator
    }
    m.ambiguous = i < tokens.size() && digitAt(i + 1);
    // Separators are passed over only where they group the whole integer part
    // as the region does: 12345,678 is no grouped number.
    const int count = static_cast<int>(m.intDigits.size());
    for (std::size_t mark : groupMarks) {
        if (!HasGroupSeparator(count, count - static_cast<int>(mark), format)) m.ambiguous = true;
    }
    if (!groupMarks.empty() &&
        static_cast<int>(groupMarks.size()) != GroupSeparatorCount(count, format)) {
        m.ambiguous = true;
    }
    in.Rewind(i == 0 ? start : tokens[i - 1].end);
    return m;
}

// The number as written, or nothing where it can be read two ways.
std::optional<WrittenNumber> ReadDecimal(Reader& in, const Symbols& symbols,
                                         const NumberFormat& format) {
    bool negative = false;
    bool signGiven = true;
    bool parenthesised = false;
    if (in.Take(symbols.negative) || in.Take(U'-')) {
        negative = true;
    } else if (symbols.parentheses && in.Take(U'(')) {
        negative = parenthesised = true;
    } else if (!in.Take(U'+')) {
        signGiven = false;
    }
    const Mantissa m = ReadMantissa(in, symbols, format);
    if (m.ambiguous) return std::nullopt;
    if (m.intDigits.empty() && m.fracDigits.empty()) return WrittenNumber{};

    // The exponent counts only when at least one digit follows the letter.
    bool expNegative = false;
    std::string expDigits;
    const std::size_t beforeExponent = in.Position();
    if (in.TakeLetter('e')) {
        expNegative = in.Take(symbols.negative) || in.Take(U'-');
        if (!expNegative) in.Take(U'+');
        for (int digit = DecimalDigit(in.Peek(), symbols); digit >= 0;
             digit = DecimalDigit(in.Peek(), symbols)) {
            expDigits.push_back(static_cast<char>('0' + digit));
            in.Advance();
        }
        if (expDigits.empty()) in.Rewind(beforeExponent);
        if (!expDigits.empty() && SeparatorThenDigit(in, symbols)) return std::nullopt;  // 4e8,2
    }
    // The region's negative forms: "(2,500)", and "2,500-" where the sign trails.
    if (parenthesised) {
        in.Take(U')');
    } else if (!signGiven && symbols.trailingSign) {
        negative = in.Take(symbols.negative) || in.Take(U'-');
    }

    // Every digit before the point, and no zero at either end.
    WrittenNumber written{.negative = negative, .digits = m.intDigits + m.fracDigits};
    written.exponent =
        SaturatedExponent(expNegative, expDigits) - static_cast<long long>(m.fracDigits.size());
    written.digits.erase(0, written.digits.find_first_not_of('0'));
    const std::size_t last = written.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        written.exponent = 0;
    } else {
        written.exponent += static_cast<long long>(written.digits.size() - last - 1);
        written.digits.erase(last + 1);
    }
    return written;
}

// The double nearest to the number as written.
double ToDouble(const WrittenNumber& n) {
    const double zero = n.negative ? -0.0 : 0.0;
    if (n.digits.empty()) return zero;
    const std::string clean = (n.negative ? "-" : "") + n.digits + "e" + std::to_string(n.exponent);
    if (const std::optional<double> value = decimal::Read(clean)) return *value;
    // Beyond a double: an infinity of its sign, or zero, as its magnitude says.
    const long long magnitude = static_cast<long long>(n.digits.size()) + n.exponent;
    if (magnitude <= 0) return zero;
    return n.negative ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::infinity();
}

// What a text reads as: a decimal number as written, or an &H or &O
// integer; neither where it can be read two ways.
struct Reading {
    std::optional<WrittenNumber> decimal;
    std::optional<PowerOfTwoInteger> integer;
};

Reading Read(std::u16string_view utf16, const NumberFormat& format) {
    Reader in(utf16);
    if (in.Take(U'&')) {
        if (in.TakeLetter('h')) return {std::nullopt, ReadPowerOfTwoInteger(in, 16, 4)};
        if (in.TakeLetter('o')) return {std::nullopt, ReadPowerOfTwoInteger(in, 8, 3)};
        return {WrittenNumber{}, std::nullopt};
    }
    return {ReadDecimal(in, SymbolsOf(format), format), std::nullopt};
}

}  // namespace

double ParseNumber(std::u16string_view utf16, const NumberFormat& format) {
    const Reading read = Read(utf16, format);
    if (read.integer) return read.integer->Value();
    if (!read.decimal) return std::numeric_limits<double>::quiet_NaN();
    return ToDouble(*read.decimal);
}

double ParseNumber(std::string_view utf8, const NumberFormat& format) {
    return ParseNumber(Utf16(utf8), format);
}

std::optional<WrittenNumber> ParseExactly(std::u16string_view utf16, const NumberFormat& format) {
    const Reading read = Read(utf16, format);
    if (!read.integer) return read.decimal;
    if (read.integer->droppedBits > 0) return std::nullopt;
    return ParseExactly(Utf16(std::to_string(read.integer->mantissa)), NumberFormat{});
}

std::optional<WrittenNumber> ParseExactly(std::string_view utf8, const NumberFormat& format) {
    return ParseExactly(Utf16(utf8), format);
}

}  // namespace velmora
