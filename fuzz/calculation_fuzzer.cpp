// Arbitrary bytes through the whole calculation path: pair, five box texts,
// ParseNumber in a regional format the input picks, Solve, FormatValue in
// several regional formats, every shown value read back as itself, the
// working written out with the same numbers, worked out exactly to the same
// values within rounding, and links read and written.
// Aborts when an invariant of a calculation breaks, not only on a crash.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <charconv>

#include "calculation_link.h"
#include "exact_working.h"
#include "format_value.h"
#include "parse_number.h"
#include "solution.h"
#include "solve.h"
#include "utf16.h"
#include "work.h"

namespace {

using velmora::kQuantityCount;
using velmora::QuantityValues;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The validity test of the pair, evaluated straight from its definition on
// the given values: nullopt where the pair has no test.
std::optional<double> TestQuantity(velmora::InputPair pair, const QuantityValues& in) {
    using namespace velmora;
    const double a = in[0], b = in[1], c = in[2], r = in[3], P = in[4];
    switch (pair) {
        case PairOf(kBaseA, kLegB):
            return a * (2.0 * b - a);
        case PairOf(kBaseA, kBaseC):
            return a * c;
        case PairOf(kBaseA, kPerimeterP):
            return a * (2.0 * (P / 4.0) - a);
        case PairOf(kLegB, kBaseC):
            return (2.0 * b - c) * c;
        case PairOf(kLegB, kRadiusR):
            return b * b - (4.0 * r) * r;
        case PairOf(kBaseC, kPerimeterP):
            return (P / 2.0 - c) * c;
        case PairOf(kRadiusR, kPerimeterP):
            return (P * P) / 4.0 - (16.0 * r) * r;
        default:
            return std::nullopt;
    }
}

// A refusal that is neither the pair's test nor a zero divisor can only come
// from the range of a double: the same figure scaled down by a power of two
// (which every formula carries through exactly) must then be valid.
void CheckRefusal(velmora::InputPair pair, const QuantityValues& given,
                  std::optional<double> test) {
    const velmora::PairDefinition& row = velmora::PairAt(pair);
    const double x = given[row.first];
    const double y = given[row.second];
    if (test && !(*test > 0.0)) return;
    if ((pair == velmora::PairOf(velmora::kBaseA, velmora::kRadiusR) ||
         pair == velmora::PairOf(velmora::kBaseC, velmora::kRadiusR)) &&
        x == 0.0) {
        return;  // the dividing base is zero
    }
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    const double larger = std::max(std::fabs(x), std::fabs(y));
    const double smaller = std::min(std::fabs(x), std::fabs(y));
    if (larger == 0.0 || (smaller != 0.0 && larger / smaller > 0x1p400)) return;
    const int exponent = std::ilogb(larger);
    QuantityValues scaled{};
    scaled[row.first] = std::ldexp(x, -exponent);
    scaled[row.second] = std::ldexp(y, -exponent);
    Check(velmora::Solve(pair, scaled).has_value(), "refused a figure for no reason but its size");
}

// Regional formats as the desktops report them: plain, en_US, de_DE, bg_BG,
// hi_IN, ar_EG, fr_CH, and Control Panel choices in every negative pattern.
std::vector<velmora::NumberFormat> Formats() {
    using velmora::NegativeStyle;
    const auto region = [](std::u16string decimal, std::u16string group, std::vector<int> sizes) {
        velmora::NumberFormat format;
        format.decimalSeparator = std::move(decimal);
        format.groupSeparator = std::move(group);
        format.groupSizes = std::move(sizes);
        return format;
    };
    std::vector<velmora::NumberFormat> formats{
        velmora::NumberFormat{},      region(u".", u",", {3}),    region(u",", u".", {3}),
        region(u",", u"\u00a0", {3}), region(u".", u",", {3, 2}), region(u"\u066b", u"\u066c", {3}),
        region(u".", u"\u2019", {3}),
    };
    formats[3].minimumGroupingDigits = 2;
    formats[5].zeroDigit = U'\u0660';
    formats[5].negativeSign = u"\u061c-";
    for (NegativeStyle style :
         {NegativeStyle::Parentheses, NegativeStyle::LeadingSign, NegativeStyle::LeadingSignSpace,
          NegativeStyle::TrailingSign, NegativeStyle::TrailingSignSpace}) {
        velmora::NumberFormat windows = region(u".", u",", {3});
        windows.repeatLastGroup = false;
        windows.leadingZero = false;
        windows.negativeStyle = style;
        formats.push_back(windows);
    }
    return formats;
}

// Any regional format a desktop or browser may report, picked by `seed`: each
// separator, sign, digit set, grouping and negative style in any combination
// that keeps the decimal and group separators apart.
velmora::NumberFormat AnyFormat(std::uint64_t seed) {
    const auto pick = [&seed](std::size_t count) {
        const std::size_t choice = static_cast<std::size_t>(seed % count);
        seed /= count;
        return choice;
    };
    static const std::u16string kDecimals[] = {u".", u",", u"\u066b"};
    static const std::u16string kGroups[] = {u"",       u",", u".", u"\u00a0", u"\u202f",
                                             u"\u2009", u" ", u"'", u"\u2019", u"\u066c"};
    static const std::u16string kSigns[] = {u"-", u"\u2212", u"\u200f-", u"\u061c-"};
    static const char32_t kZeros[] = {U'0', U'\u0660', U'\u06f0', U'\u0966'};
    static const std::vector<int> kSizes[] = {{3}, {3, 2}, {4}, {2}, {1}, {3, 1, 2}};
    velmora::NumberFormat format;
    format.decimalSeparator = kDecimals[pick(std::size(kDecimals))];
    format.groupSeparator = kGroups[pick(std::size(kGroups))];
    if (format.groupSeparator == format.decimalSeparator) format.groupSeparator.clear();
    format.negativeSign = kSigns[pick(std::size(kSigns))];
    format.zeroDigit = kZeros[pick(std::size(kZeros))];
    format.groupSizes = kSizes[pick(std::size(kSizes))];
    format.repeatLastGroup = pick(2) == 0;
    format.minimumGroupingDigits = 1 + static_cast<int>(pick(2));
    format.leadingZero = pick(2) == 0;
    format.negativeStyle = static_cast<velmora::NegativeStyle>(pick(5));
    return format;
}

// A period, no grouping, a leading zero and a leading "-".
const velmora::NumberFormat kPlain{};

// Every shown value reads back, in its format, as the value that the plain
// format shows: the same three decimals.
void CheckReadsBack(double value, const velmora::NumberFormat& format) {
    const double shown = velmora::ParseNumber(FormatValue(value, kPlain), kPlain);
    const double back = velmora::ParseNumber(FormatValue(value, format), format);
    Check(back == shown, "a shown value reads back as another");
}

bool EndsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsDigit(char16_t ch, const velmora::NumberFormat& format) {
    return ch >= format.zeroDigit && ch <= format.zeroDigit + 9;
}

// Three digits after the decimal separator, with whatever sign the style
// puts after them; no exponent, no infinity and no not-a-number.
void CheckFormatted(double value, const velmora::NumberFormat& format) {
    const std::u16string text = velmora::FormatValue(value, format);
    std::u16string_view body = text;
    for (std::u16string_view end : {std::u16string_view(format.negativeSign),
                                    std::u16string_view(u" "), std::u16string_view(u")")}) {
        if (std::signbit(value) && EndsWith(body, end)) body.remove_suffix(end.size());
    }
    Check(body.size() >= format.decimalSeparator.size() + 3, "formatted text too short");
    const std::u16string_view decimals = body.substr(body.size() - 3);
    for (char16_t digit : decimals) Check(IsDigit(digit, format), "not three decimals");
    Check(EndsWith(body.substr(0, body.size() - 3), format.decimalSeparator),
          "no decimal separator before the last three characters");
    for (char16_t ch : body) {
        Check(ch != u'e' && ch != u'E' && ch != u'i' && ch != u'n', "exponent, inf or nan");
    }
}

// A closed interval of doubles, widened outwards at every operation: it
// holds every value that the operation could take from any points in its
// operands, so both the exact value and the solver's rounded one.
struct Interval {
    double lo, hi;
};

struct IntervalArithmetic {
    using Number = Interval;
    static Interval Widened(double lo, double hi) {
        return {std::nextafter(lo, -INFINITY), std::nextafter(hi, INFINITY)};
    }
    static Interval Span(double a, double b, double c, double d) {
        return Widened(std::min({a, b, c, d}), std::max({a, b, c, d}));
    }
    static std::optional<Interval> Whole(int n) { return Interval{double(n), double(n)}; }
    static std::optional<Interval> Add(Interval x, Interval y) {
        return Widened(x.lo + y.lo, x.hi + y.hi);
    }
    static std::optional<Interval> Sub(Interval x, Interval y) {
        return Widened(x.lo - y.hi, x.hi - y.lo);
    }
    static std::optional<Interval> Mul(Interval x, Interval y) {
        return Span(x.lo * y.lo, x.lo * y.hi, x.hi * y.lo, x.hi * y.hi);
    }
    static std::optional<Interval> Div(Interval x, Interval y) {
        if (y.lo <= 0.0 && y.hi >= 0.0) return Interval{-INFINITY, INFINITY};
        return Span(x.lo / y.lo, x.lo / y.hi, x.hi / y.lo, x.hi / y.hi);
    }
    static std::optional<Interval> Root(Interval x) {
        return Widened(std::sqrt(std::max(0.0, x.lo)), std::sqrt(std::max(0.0, x.hi)));
    }
    static bool IsZero(Interval) { return false; }
    static std::optional<bool> IsPositive(Interval) { return true; }  // every step is looked at
    static bool Holds(Interval) { return true; }
};

// The exact working and the solver's agree within rounding: each step's
// exact value and the solver's double lie in the interval that the same
// formula gives from the given doubles, each widened by its rounding.
void CheckExactAgrees(const velmora::Calculation& calculation,
                      const velmora::solution::ExactWorking& exact) {
    using velmora::exact::ToDouble;
    const velmora::PairDefinition& row = velmora::PairAt(calculation.pair);
    std::array<Interval, kQuantityCount> given{};
    for (velmora::Quantity q : {row.first, row.second}) {
        const double x = calculation.working.values[q];
        // The typed decimal is within half an ulp of its double.
        given[q] = IntervalArithmetic::Widened(x, x);
    }
    const velmora::BasicWorking<Interval> bounds =
        velmora::WorkWith<IntervalArithmetic>(calculation.pair, given);
    for (int i = 0; i < exact.stepCount; ++i) {
        const Interval b = bounds.steps[i].value;
        const double solver = calculation.working.steps[i].value;
        Check(solver >= b.lo && solver <= b.hi, "the solver's value lies outside its bounds");
        // p + q·√m in doubles is a few roundings from its exact value.
        const velmora::exact::Number& value = exact.steps[i].value;
        const double p = ToDouble(value.RationalPart());
        const double root = ToDouble(value.Coefficient()) * std::sqrt(ToDouble(value.Radicand()));
        const double slack = 1e-14 * std::max(std::fabs(p), std::fabs(root));
        const double x = p + root;
        Check(x >= b.lo - slack && x <= b.hi + slack, "an exact value disagrees with the solver's");
    }
}

// Where a step ends rounded, with the three decimals of the box's value (a
// number written in full CheckExactAgrees compares).
void CheckResultShown(const velmora::solution::Step& step, double value,
                      const velmora::NumberFormat& format) {
    if (step.sides.size() < 2 || !step.sides.back().rounded) return;
    Check(step.sides.back().text == FormatValue(value, format),
          "a step shows another value than its box");
}

// A value of at most six significant digits, of which at most six decimals.
bool IsSchoolValue(std::string_view box, const velmora::NumberFormat& format) {
    const std::optional<velmora::WrittenNumber> n = velmora::ParseExactly(box, format);
    return n && box.find('&') == std::string_view::npos && n->digits.size() <= 6 &&
           n->exponent >= -6 && static_cast<long long>(n->digits.size()) + n->exponent <= 6;
}

// The working written out shows the solver's numbers: each step's result is
// what the box shows for that quantity, or the pair's test value as evaluated
// above; and it says why exactly where the data are invalid.
void CheckSolution(velmora::InputPair pair,
                   const std::array<std::string_view, kQuantityCount>& boxes,
                   const QuantityValues& given, const velmora::NumberFormat& format,
                   const velmora::SolveResult& result, std::optional<double> test) {
    velmora::Calculation calculation{.pair = pair, .format = format};
    for (int k = 0; k < kQuantityCount; ++k) calculation.texts[k] = velmora::Utf16(boxes[k]);
    calculation.working = velmora::Work(pair, given);
    const velmora::solution::Solution solution = velmora::solution::SolutionOf(calculation);
    Check(solution.verdict.empty() == result.has_value(), "a verdict where the data are valid");
    Check(solution.answer.empty() != result.has_value(), "an answer where the data are invalid");
    const auto worked = calculation.working.Steps();
    Check(solution.Steps().size() >= worked.size(), "a step of the working is missing");
    for (std::size_t i = 0; i < worked.size(); ++i) {
        const velmora::Term term = worked[i].term;
        if (velmora::IsTest(term)) {
            if (test && std::isfinite(*test)) CheckResultShown(solution.steps[i], *test, format);
        } else if (result) {
            CheckResultShown(solution.steps[i], (*result)[static_cast<std::size_t>(term)], format);
        }
    }
    const auto exact = velmora::solution::WorkExactly(calculation);
    if (exact) CheckExactAgrees(calculation, *exact);
    // What a school book writes is always worked out exactly.
    const velmora::PairDefinition& row = velmora::PairAt(pair);
    if (IsSchoolValue(boxes[row.first], format) && IsSchoolValue(boxes[row.second], format)) {
        Check(exact.has_value(), "a school book's values not worked out exactly");
    }
}

// A box's text read exactly is the number ParseNumber reads, before rounding.
void CheckExactReading(std::string_view box, double value, const velmora::NumberFormat& format) {
    const std::optional<velmora::WrittenNumber> written = velmora::ParseExactly(box, format);
    Check(written.has_value() || std::isnan(value) || box.find('&') != std::string_view::npos,
          "a number without an exact reading");
    if (!written || written->digits.empty()) return;
    const std::string clean = written->digits + "e" + std::to_string(written->exponent);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), magnitude);
    if (error != std::errc{}) return;  // beyond a double: ParseNumber's infinities and zeros
    Check((written->negative ? -magnitude : magnitude) == value,
          "the exact reading is another number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<velmora::NumberFormat> formats = Formats();
    if (size == 0) return 0;
    const velmora::InputPair pair = static_cast<int>(data[0] % 11) - 1;  // -1..9: some outside

    // Five box texts separated by the unit separator byte.
    std::array<std::string_view, kQuantityCount> boxes{};
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (auto& box : boxes) {
        const auto end = rest.find('\x1f');
        box = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    // The boxes are read in a format that the whole input picks (FNV-1a).
    std::uint64_t seed = 0xCBF29CE484222325ULL;
    for (std::size_t i = 0; i < size; ++i) seed = (seed ^ data[i]) * 0x100000001B3ULL;
    const velmora::NumberFormat format = AnyFormat(seed);
    QuantityValues given{};
    for (int k = 0; k < kQuantityCount; ++k) {
        given[k] = velmora::ParseNumber(boxes[k], format);
        CheckExactReading(boxes[k], given[k], format);
    }
    // Any double the first box's bytes make, shown and read back, and written
    // exactly, as a link's value goes into a box, and read back as itself.
    if (boxes[0].size() >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, boxes[0].data(), sizeof raw);
        if (std::isfinite(raw)) {
            CheckReadsBack(raw, format);
            Check(velmora::ParseNumber(velmora::FormatExact(raw, format), format) == raw,
                  "an exact value reads back as another");
        }
    }
    // The whole input as a link's fragment: a well-formed one writes the same
    // calculation again.
    const std::string_view fragment(reinterpret_cast<const char*>(data), size);
    if (const std::optional<velmora::link::Linked> linked = velmora::link::ReadFragment(fragment)) {
        Check(velmora::link::ReadFragment(velmora::link::FragmentOf(*linked)) == linked,
              "a link reads back as another calculation");
    }

    const velmora::SolveResult result = velmora::Solve(pair, given);
    if (!velmora::IsValidPair(pair)) {
        Check(!result, "a pair outside the table gave a result");
        return 0;
    }
    const velmora::PairDefinition& row = velmora::PairAt(pair);
    const std::optional<double> test = TestQuantity(pair, given);
    CheckSolution(pair, boxes, given, format, result, test);
    if (test && !(*test > 0.0)) Check(!result, "a failed test gave a result");
    if (!result) {
        CheckRefusal(pair, given, test);
        return 0;
    }
    Check(!test || *test > 0.0, "a result despite a failed test");
    for (double value : *result)
        Check(std::isfinite(value), "a valid result holds a non-finite value");
    Check((*result)[row.first] == given[row.first] && (*result)[row.second] == given[row.second],
          "a given value changed");

    for (const velmora::NumberFormat& shown : formats) {
        for (double value : *result) CheckFormatted(value, shown);
    }
    for (double value : *result) {
        // In the plain format, a shown value reads back within half a thousandth.
        const double back = velmora::ParseNumber(FormatValue(value, kPlain), kPlain);
        Check(std::fabs(back - value) <= 0.0005 + std::fabs(value) * 1e-15, "shown value drifts");
        CheckReadsBack(value, format);
    }
    return 0;
}
