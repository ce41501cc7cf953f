#include "solution.h"

#include <cmath>

#include "format_value.h"
#include "formulas.h"
#include "sentence.h"
#include "texts.h"
#include "utf16.h"

namespace velmora::solution {
namespace {

namespace says = texts::solution;

// What was typed, as a sentence quotes it: long texts shortened.
constexpr std::size_t kLongestQuote = 24;

std::u16string Symbol(Quantity q) {
    return Utf16(QuantitySymbol(q));
}

std::u16string Quoted(const std::u16string& typed) {
    if (typed.size() <= kLongestQuote) return typed;
    return typed.substr(0, kLongestQuote) + u"…";
}

std::u16string Given(const Calculation& calculation) {
    const PairDefinition& pair = PairAt(calculation.pair);
    std::u16string line = Utf16(says::kGiven);
    for (Quantity q : {pair.first, pair.second}) {
        const double value = calculation.working.values[q];
        line += Symbol(q) + u" = ";
        line += std::isfinite(value) ? FormatValue(value, calculation.format)
                                     : u"„" + Quoted(calculation.texts[q]) + u"“";
        line += q == pair.first ? u"; " : u".";
    }
    return line;
}

// A step with its result where the calculation got that far.
Step StepOf(const Formula& formula, const Calculation& calculation, const WorkedStep* worked) {
    Step step{Symbolic(formula), Substituted(formula, calculation.working, calculation.format)};
    if (worked != nullptr && std::isfinite(worked->value)) {
        step.result = FormatValue(worked->value, calculation.format);
        if (formula.term == Term::kProduct || formula.term == Term::kDiscriminant) {
            step.comparison = worked->value > 0.0 ? u"> 0" : u"≤ 0";
        }
    }
    return step;
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

std::u16string Answer(const Calculation& calculation) {
    std::u16string line = Utf16(says::kAnswer);
    for (Quantity q : kAllQuantities) {
        line += Symbol(q) + u" = " + FormatValue(calculation.working.values[q], calculation.format);
        line += q == kPerimeterP ? u"." : u"; ";
    }
    return line;
}

}  // namespace

std::u16string Step::Text() const {
    std::u16string text = formula + u" = " + substituted;
    if (!result.empty()) text += u" = " + result;
    if (!comparison.empty()) text += u" " + comparison;
    return text;
}

Solution SolutionOf(const Calculation& calculation) {
    Solution solution;
    if (!IsValidPair(calculation.pair)) return solution;
    const Working& working = calculation.working;
    solution.given = Given(calculation);

    const std::span<const Formula> formulas = FormulasOf(calculation.pair);
    const std::span<const WorkedStep> worked = working.Steps();
    for (std::size_t i = 0; i < worked.size(); ++i) {
        solution.steps[i] = StepOf(formulas[i], calculation, &worked[i]);
    }
    solution.stepCount = static_cast<int>(worked.size());
    // The step that would divide by zero, with the zero put in.
    if (working.outcome == Outcome::kZeroDivisor) {
        solution.steps.at(worked.size()) = StepOf(formulas[worked.size()], calculation, nullptr);
        ++solution.stepCount;
    }

    solution.verdict = Verdict(calculation);
    if (working.outcome != Outcome::kValid) return solution;
    solution.answer = Answer(calculation);
    solution.figure = ScaledFigureOf(working.values, calculation.format);
    if (const std::optional<Quantity> q = FirstNonPositiveLength(working.values)) {
        solution.noFigure = Sentence(
            says::kNoFigure, {Symbol(*q), FormatValue(working.values[*q], calculation.format)});
    }
    return solution;
}

}  // namespace velmora::solution
