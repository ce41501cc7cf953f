#include "format_value.h"

#include <QVarLengthArray>
#include <charconv>
#include <cmath>
#include <string_view>

namespace velmora {
namespace {

// Number of characters of the longest fixed-point double with three decimals:
// 309 integer digits, the period and the decimals.
constexpr int kMaxFixedLength = 320;

bool IsGroupBoundary(int digitsToTheRight, const NumberFormat& format) {
    if (digitsToTheRight < format.firstGroupSize) return false;
    if (digitsToTheRight == format.firstGroupSize) return true;
    const int higher = format.higherGroupSize > 0 ? format.higherGroupSize : format.firstGroupSize;
    return (digitsToTheRight - format.firstGroupSize) % higher == 0;
}

// Collects UTF-16 text in one buffer (on the stack for ordinary values) and
// makes a QString of it once.
class LocalizedWriter {
  public:
    explicit LocalizedWriter(const NumberFormat& format) : format_(format) {}

    void Digits(std::string_view digits, bool grouped) {
        const int count = static_cast<int>(digits.size());
        grouped = grouped && format_.firstGroupSize > 0 &&
                  count >= format_.firstGroupSize + format_.minimumGroupingDigits;
        for (int i = 0; i < count; ++i) {
            Digit(digits[static_cast<std::size_t>(i)]);
            const int right = count - 1 - i;
            if (grouped && right > 0 && IsGroupBoundary(right, format_)) {
                Append(format_.groupSeparator);
            }
        }
    }
    void Append(const QString& text) {
        text_.append(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
    }
    QString Take() const {
        return QString(reinterpret_cast<const QChar*>(text_.data()),
                       static_cast<qsizetype>(text_.size()));
    }

  private:
    void Digit(char ascii) {
        const char32_t codePoint = format_.zeroDigit + static_cast<char32_t>(ascii - '0');
        if (QChar::requiresSurrogates(codePoint)) {
            text_.push_back(QChar::highSurrogate(codePoint));
            text_.push_back(QChar::lowSurrogate(codePoint));
        } else {
            text_.push_back(static_cast<char16_t>(codePoint));
        }
    }

    const NumberFormat& format_;
    QVarLengthArray<char16_t, 64> text_;
};

}  // namespace

QString FormatValue(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) return {};
    // to_chars rounds the exact binary value and is independent of any locale.
    char buffer[kMaxFixedLength];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::fixed, 3);
    if (error != std::errc{}) return {};
    const std::string_view fixed(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t period = fixed.find('.');
    const std::string_view integerPart = fixed.substr(0, period);
    const std::string_view decimals = fixed.substr(period + 1);

    const bool roundsToZero = fixed.find_first_not_of("0.") == std::string_view::npos;
    const bool negative = std::signbit(value) && !roundsToZero;

    LocalizedWriter out(format);
    const bool parentheses = negative && format.negativeStyle == NegativeStyle::Parentheses;
    if (negative) out.Append(parentheses ? QStringLiteral("(") : format.negativeSign);
    if (integerPart != "0" || format.leadingZero) out.Digits(integerPart, true);
    out.Append(format.decimalSeparator);
    out.Digits(decimals, false);
    if (parentheses) out.Append(QStringLiteral(")"));
    return out.Take();
}

}  // namespace velmora
