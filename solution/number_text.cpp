#include "number_text.h"

#include <string>

#include "format_value.h"

namespace velmora::solution {
namespace {

using exact::Rational;
using exact::Uint128;

// Decimals of at most this many places are written out; longer ones, and
// those that never end, as fractions.
constexpr std::size_t kDecimalPlaces = 6;
constexpr std::uint64_t kDecimalScale = 1'000'000;

std::u16string Whole(Uint128 n, const NumberFormat& format) {
    return FormatDecimal(false, exact::ToDecimal(n), {}, format);
}

// Whether the fraction's decimal ends within six places: its denominator
// divides 10^6.
bool EndsWithinSixPlaces(const Rational& r) {
    return exact::Divide(kDecimalScale, r.Denominator()).remainder.IsZero();
}

// Such a fraction as a decimal, its trailing zeros left out.
std::u16string Decimal(const Rational& r, const NumberFormat& format) {
    const exact::Division whole = exact::Divide(r.Numerator(), r.Denominator());
    // The remainder is below the denominator, which divides 10^6: no overflow.
    const Uint128 scale = exact::Divide(kDecimalScale, r.Denominator()).quotient;
    std::string fraction = exact::ToDecimal(*exact::Mul(whole.remainder, scale));
    fraction.insert(0, kDecimalPlaces - fraction.size(), '0');
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return FormatDecimal(r.Negative(), exact::ToDecimal(whole.quotient), fraction, format);
}

// k√m, k whole and left out where it is 1.
std::u16string Root(Uint128 k, Uint128 m, const NumberFormat& format) {
    std::u16string root = k == 1 ? std::u16string() : Whole(k, format);
    root += u"√";
    root += Whole(m, format);
    return root;
}

// "a/b", each part as a whole number.
std::u16string Over(std::u16string above, Uint128 below, const NumberFormat& format) {
    above += u"/";
    above += Whole(below, format);
    return above;
}

// |q|·√m: k√m, or k√m/d.
std::u16string RootOf(const Rational& q, Uint128 m, const NumberFormat& format) {
    const std::u16string root = Root(q.Numerator(), m, format);
    return q.IsWhole() ? root : Over(root, q.Denominator(), format);
}

// (a ± k√m)/d for p + q·√m over the common denominator d, where a, k and d fit.
std::optional<std::u16string> OverCommonDenominator(const exact::Number& x,
                                                    const NumberFormat& format) {
    const Rational& p = x.RationalPart();
    const Rational& q = x.Coefficient();
    const Uint128 g = exact::Gcd(p.Denominator(), q.Denominator());
    const Uint128 pScale = exact::Divide(q.Denominator(), g).quotient;
    const Uint128 qScale = exact::Divide(p.Denominator(), g).quotient;
    const std::optional<Uint128> d = exact::Mul(p.Denominator(), pScale);
    const std::optional<Uint128> a = exact::Mul(p.Numerator(), pScale);
    const std::optional<Uint128> k = exact::Mul(q.Numerator(), qScale);
    if (!d || !a || !k) return std::nullopt;
    std::u16string sum = u"(";
    sum += FormatDecimal(p.Negative(), exact::ToDecimal(*a), {}, format);
    sum += q.Negative() ? u" − " : u" + ";
    sum += Root(*k, x.Radicand(), format);
    sum += u")";
    return Over(std::move(sum), *d, format);
}

}  // namespace

NumberText TextOf(const exact::Number& x, const NumberFormat& format) {
    const Rational& p = x.RationalPart();
    const Rational& q = x.Coefficient();
    if (x.IsRational()) {
        if (EndsWithinSixPlaces(p)) return {Decimal(p, format), Shape::kNumber, p.Negative()};
        const std::u16string fraction = Over(Whole(p.Numerator(), format), p.Denominator(), format);
        return {Signed(p.Negative(), fraction, format), Shape::kQuotient, p.Negative()};
    }
    const std::u16string root = RootOf(q, x.Radicand(), format);
    if (p.IsZero()) {
        return {Signed(q.Negative(), root, format), q.IsWhole() ? Shape::kRoot : Shape::kQuotient,
                q.Negative()};
    }
    if (!q.IsWhole() || !EndsWithinSixPlaces(p)) {
        if (std::optional<std::u16string> over = OverCommonDenominator(x, format)) {
            return {std::move(*over), Shape::kQuotient, false};
        }
    }
    std::u16string sum = TextOf(p, format).text;
    sum += q.Negative() ? u" − " : u" + ";
    sum += root;
    return {std::move(sum), Shape::kSum, p.Negative()};
}

bool IsWrittenInFull(const exact::Number& x) {
    return x.IsRational() && EndsWithinSixPlaces(x.RationalPart());
}

}  // namespace velmora::solution
