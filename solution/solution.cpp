#include "solution.h"

#include <cmath>

#include "exact_working.h"
#include "format_value.h"
#include "formula_text.h"
#include "number_text.h"
#include "parse_number.h"
#include "sentence.h"
#include "texts.h"
#include "utf16.h"
#include "work.h"

namespace velmora::solution {
namespace {

namespace says = texts::solution;

// What was typed, as a sentence quotes it: long texts shortened.
constexpr std::size_t kLongestQuote = 24;

std::u16string Symbol(Quantity q) {
    return Utf16(QuantitySymbol(q));
}

// Cut between two characters, never inside a surrogate pair (a pasted 𝟏).
std::u16string Quoted(const std::u16string& typed) {
    if (typed.size() <= kLongestQuote) return typed;
    std::size_t cut = kLongestQuote;
    if (typed[cut - 1] >= 0xD800 && typed[cut - 1] <= 0xDBFF) --cut;
    return typed.substr(0, cut) + u"…";
}

std::u16string WithoutBlanks(std::u16string text) {
    std::erase(text, u' ');
    return text;
}

// How the working writes its numbers: exact where the calculation could be
// worked out again exactly; else as the boxes write them, each marked where
// the three decimals are not its value.
class Writer {
  public:
    explicit Writer(const Calculation& calculation)
        : calculation_(calculation), format_(calculation.format), exact_(WorkExactly(calculation)) {
        const PairDefinition& pair = PairAt(calculation.pair);
        for (Quantity q : {pair.first, pair.second}) {
            typed_[q] = ReadExactly(calculation.texts[q], format_);
        }
    }

    // "a = 6", "r = √6 ≈ 2,449"; as the boxes write: "b ≈ 1,235". A given
    // value is written exactly wherever it reads exactly.
    std::u16string Equation(Quantity q) const {
        const double value = calculation_.working.values[q];
        const std::optional<exact::Number>& exactly = exact_ ? exact_->values[q] : typed_[q];
        const std::u16string rounded = u" ≈ " + FormatValue(value, format_);
        if (!exactly) return Symbol(q) + rounded;
        return Symbol(q) + u" = " + TextOf(*exactly, format_).text +
               (IsWrittenInFull(*exactly) ? u"" : rounded);
    }

    // A step with its result where the calculation got that far.
    Step StepOf(const Formula& formula, const WorkedStep* worked) const {
        const auto operand = [this](Term term) { return Operand(term); };
        const auto root = [this](Term term) { return SimplifiedRoot(term); };
        Step step{Symbolic(formula)};
        step.sides.push_back({!exact_ && UsesRounded(formula.expression),
                              Substituted(formula.expression, operand, nullptr, format_)});
        if (exact_ && worked) {
            const std::u16string simplified =
                Substituted(formula.expression, operand, root, format_);
            if (simplified != step.sides.back().text) step.sides.push_back({false, simplified});
            const exact::Number& value = exact_->steps[StepIndex(worked)].value;
            const std::u16string result = TextOf(value, format_).text;
            if (WithoutBlanks(result) != WithoutBlanks(step.sides.back().text)) {
                step.sides.push_back({false, result});
            }
            if (!IsWrittenInFull(value)) {
                step.sides.push_back({true, FormatValue(worked->value, format_)});
            }
        } else if (worked && std::isfinite(worked->value)) {
            step.sides.push_back({true, FormatValue(worked->value, format_)});
        }
        if (worked && IsTest(formula.term)) step.comparison = worked->value > 0.0 ? u"> 0" : u"≤ 0";
        return step;
    }

  private:
    std::size_t StepIndex(const WorkedStep* worked) const {
        return static_cast<std::size_t>(worked - calculation_.working.steps.data());
    }

    std::optional<NumberText> Operand(Term term) const {
        if (exact_) {
            const std::optional<exact::Number> value = OperandValue(term, *exact_);
            if (!value) return std::nullopt;
            return TextOf(*value, format_);
        }
        const std::optional<double> value = OperandValue(term, calculation_.working);
        if (!value) return std::nullopt;
        const std::u16string text = FormatValue(*value, format_);
        return NumberText{text, Shape::kNumber, text != FormatValue(std::fabs(*value), format_)};
    }

    // √ of the term's value written simplified: 2√6 for √24, 3 for √9 (and
    // √6 for √6, which the step then leaves out as no change).
    std::optional<NumberText> SimplifiedRoot(Term term) const {
        const std::optional<exact::Number> value = OperandValue(term, *exact_);
        const std::optional<exact::Number> root = value ? exact::SquareRoot(*value) : std::nullopt;
        if (!root) return std::nullopt;
        return TextOf(*root, format_);
    }

    // As the boxes write them, a given value is rounded unless its three
    // decimals are what was typed; one worked out in doubles always is.
    bool Rounded(Term term) const {
        if (IsTest(term)) return true;
        const auto q = static_cast<std::size_t>(term);
        if (!typed_[q]) return true;
        const std::u16string shown = FormatValue(calculation_.working.values[q], format_);
        return ReadExactly(shown, format_) != typed_[q];
    }

    bool UsesRounded(std::string_view expression) const {
        for (std::size_t open = expression.find('{'); open != std::string_view::npos;
             open = expression.find('{', open + 1)) {
            if (Rounded(OperandTerm(expression[open + 1]))) return true;
        }
        return false;
    }

    const Calculation& calculation_;
    const NumberFormat& format_;
    std::optional<ExactWorking> exact_;
    std::array<std::optional<exact::Number>, kQuantityCount> typed_{};  // the given two
};

std::u16string Given(const Calculation& calculation, const Writer& writer) {
    const PairDefinition& pair = PairAt(calculation.pair);
    std::u16string line = Utf16(says::kGiven);
    for (Quantity q : {pair.first, pair.second}) {
        line += std::isfinite(calculation.working.values[q])
                    ? writer.Equation(q)
                    : Symbol(q) + u" = „" + Quoted(calculation.texts[q]) + u"“";
        line += q == pair.first ? u"; " : u".";
    }
    return line;
}

std::u16string Verdict(const Calculation& calculation) {
    const Working& working = calculation.working;
    const PairDefinition& pair = PairAt(calculation.pair);
    for (Quantity q : {pair.first, pair.second}) {
        if (std::isnan(working.values[q])) {
            return Sentence(says::kUnreadable, {Quoted(calculation.texts[q]), Symbol(q)});
        }
        if (std::isinf(working.values[q])) return Sentence(says::kGivenOutOfRange, {Symbol(q)});
    }
    switch (working.outcome) {
        case Outcome::kValid:
        case Outcome::kNoSuchPair:
            return {};
        case Outcome::kNotFinite:
        case Outcome::kTooLarge:
            return Utf16(says::kOutOfRange);
        case Outcome::kZeroDivisor:  // a, r and c, r divide by their given base
            return Sentence(says::kZeroDivisor, {Symbol(pair.first)});
        case Outcome::kTestFailed:
            break;
    }
    const WorkedStep& test = working.Steps().back();
    if (test.term == Term::kDiscriminant) {
        if (test.value == 0.0) return Utf16(says::kSquare);
        const bool negative = working.values[kLegB] < 0.0 || working.values[kRadiusR] < 0.0;
        return Utf16(negative ? says::kHeightOverLegInSize : says::kHeightOverLeg);
    }
    const double a = working.values[kBaseA];
    const double c = working.values[kBaseC];
    if (a == 0.0 || c == 0.0) return Utf16(says::kZeroBase);
    if ((a < 0.0) != (c < 0.0)) return Utf16(says::kOppositeSigns);
    return Utf16(says::kOutOfRange);  // a·c too small for a double
}

std::u16string Answer(const Writer& writer) {
    std::u16string line = Utf16(says::kAnswer);
    for (Quantity q : kAllQuantities) {
        line += writer.Equation(q);
        line += q == kPerimeterP ? u"." : u"; ";
    }
    return line;
}

}  // namespace

std::u16string Step::Text() const {
    std::u16string text = formula;
    for (const Side& side : sides) text += (side.rounded ? u" ≈ " : u" = ") + side.text;
    if (!comparison.empty()) text += u" " + comparison;
    return text;
}

Solution SolutionOf(const Calculation& calculation) {
    Solution solution;
    if (!IsValidPair(calculation.pair)) return solution;
    const Working& working = calculation.working;
    const Writer writer(calculation);
    solution.given = Given(calculation, writer);

    const std::span<const Formula> formulas = FormulasOf(calculation.pair);
    const std::span<const WorkedStep> worked = working.Steps();
    for (std::size_t i = 0; i < worked.size(); ++i) {
        solution.steps[i] = writer.StepOf(formulas[i], &worked[i]);
    }
    solution.stepCount = static_cast<int>(worked.size());
    // The step that would divide by zero, with the zero put in.
    if (working.outcome == Outcome::kZeroDivisor) {
        solution.steps.at(worked.size()) = writer.StepOf(formulas[worked.size()], nullptr);
        ++solution.stepCount;
    }

    solution.verdict = Verdict(calculation);
    if (working.outcome != Outcome::kValid) return solution;
    solution.answer = Answer(writer);
    solution.figure = ScaledFigureOf(working.values, calculation.format);
    if (const std::optional<Quantity> q = FirstNonPositiveLength(working.values)) {
        solution.noFigure = Sentence(says::kNoFigure, {writer.Equation(*q)});
    }
    return solution;
}

}  // namespace velmora::solution
