#include "exact_working.h"

#include "parse_number.h"
#include "work.h"

namespace velmora::solution {
namespace {

using exact::Number;

struct ExactArithmetic {
    using Number = exact::Number;
    static std::optional<Number> Whole(int n) { return Number(exact::Rational::Whole(n)); }
    static std::optional<Number> Add(const Number& x, const Number& y) { return exact::Add(x, y); }
    static std::optional<Number> Sub(const Number& x, const Number& y) { return exact::Sub(x, y); }
    static std::optional<Number> Mul(const Number& x, const Number& y) { return exact::Mul(x, y); }
    static std::optional<Number> Div(const Number& x, const Number& y) { return exact::Div(x, y); }
    static std::optional<Number> Root(const Number& x) { return exact::SquareRoot(x); }
    static bool IsZero(const Number& x) { return x == Number(); }
    static std::optional<bool> IsPositive(const Number& x) {
        const std::optional<int> sign = exact::Sign(x);
        if (!sign) return std::nullopt;
        return *sign > 0;
    }
    static bool Holds(const Number&) { return true; }
};

}  // namespace

std::optional<Number> ReadExactly(const std::u16string& text, const NumberFormat& format) {
    const std::optional<WrittenNumber> written = ParseExactly(text, format);
    if (!written) return std::nullopt;
    const std::optional<exact::Rational> value =
        exact::Rational::OfDecimal(written->negative, written->digits, written->exponent);
    if (!value) return std::nullopt;
    return Number(*value);
}

std::optional<ExactWorking> WorkExactly(const Calculation& calculation) {
    if (!IsValidPair(calculation.pair)) return std::nullopt;
    const PairDefinition& pair = PairAt(calculation.pair);
    std::array<Number, kQuantityCount> given{};
    for (Quantity q : {pair.first, pair.second}) {
        const std::optional<Number> value = ReadExactly(calculation.texts[q], calculation.format);
        if (!value) return std::nullopt;
        given[q] = *value;
    }
    ExactWorking working = WorkWith<ExactArithmetic>(calculation.pair, given);
    if (working.outcome != calculation.working.outcome ||
        working.stepCount != calculation.working.stepCount) {
        return std::nullopt;
    }
    return working;
}

}  // namespace velmora::solution
