// A pair's formulas worked out in any kind of number: in doubles for the
// boxes, in exact numbers for the working a pupil reads. Both follow the one
// table of formulas.h, step by step.
//
// An Arithmetic names its Number and offers, each giving nothing where the
// result cannot be held:
//   static std::optional<Number> Whole(int), Add(x, y), Sub(x, y), Mul(x, y),
//                                Div(x, y), Root(x);
//   static bool IsZero(x);                     // a divisor that is 0
//   static std::optional<bool> IsPositive(x);  // a test's value, above 0
//   static bool Holds(x);                      // not an infinity or NaN
#pragma once

#include <optional>
#include <string_view>

#include "formulas.h"
#include "solve.h"

namespace velmora {

template <class Number>
struct Evaluated {
    std::optional<Number> value;  // nothing where it cannot be held, or divides by 0
    bool dividesByZero = false;
};

// An operand's value as the working has it so far: a quantity's, or a test's.
template <class Number>
std::optional<Number> OperandValue(Term term, const BasicWorking<Number>& working) {
    if (!IsTest(term)) return working.values[static_cast<std::size_t>(term)];
    for (const BasicStep<Number>& step : working.Steps()) {
        if (step.term == term) return step.value;
    }
    return std::nullopt;
}

namespace evaluation {

// A recursive descent over the expression's text, evaluating as it reads.
template <class Arithmetic, class Operand>
class Evaluator {
  public:
    using Number = typename Arithmetic::Number;
    using Value = std::optional<Number>;

    Evaluator(std::string_view text, const Operand& operand) : text_(text), operand_(operand) {}

    Evaluated<Number> Run() {
        const Value value = Sum();
        if (dividesByZero_) return {std::nullopt, true};
        return {value, false};
    }

  private:
    template <class Operation>
    static Value Both(const Value& x, const Value& y, Operation operation) {
        if (!x || !y) return std::nullopt;
        return operation(*x, *y);
    }

    bool Take(std::string_view token) {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        if (text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }

    Value Sum() {
        Value value = Product();
        for (;;) {
            if (Take("+")) {
                value = Both(value, Product(), Arithmetic::Add);
            } else if (Take("−")) {
                value = Both(value, Product(), Arithmetic::Sub);
            } else {
                return value;
            }
        }
    }

    // x² after · is taken in as ·x·x; after /, or first, it is x·x.
    Value Product() {
        Value value = Squared(Primary());
        for (;;) {
            if (Take("·")) {
                const Value factor = Primary();
                value = Both(value, factor, Arithmetic::Mul);
                if (Take("²")) value = Both(value, factor, Arithmetic::Mul);
            } else if (Take("/")) {
                const Value divisor = Squared(Primary());
                if (divisor && Arithmetic::IsZero(*divisor)) dividesByZero_ = true;
                value = dividesByZero_ ? std::nullopt : Both(value, divisor, Arithmetic::Div);
            } else {
                return value;
            }
        }
    }

    Value Squared(const Value& x) {
        if (!Take("²")) return x;
        return Both(x, x, Arithmetic::Mul);
    }

    Value Primary() {
        if (Take("(")) {
            const Value value = Sum();
            Take(")");
            return value;
        }
        if (Take("√")) {
            const Value radicand = Primary();
            return radicand ? Arithmetic::Root(*radicand) : std::nullopt;
        }
        if (Take("{")) {
            const char letter = pos_ < text_.size() ? text_[pos_++] : '\0';
            Take("}");
            return operand_(OperandTerm(letter));
        }
        int whole = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            whole = whole * 10 + (text_[pos_++] - '0');
        }
        return Arithmetic::Whole(whole);
    }

    std::string_view text_;
    const Operand& operand_;
    std::size_t pos_ = 0;
    bool dividesByZero_ = false;
};

}  // namespace evaluation

// The expression's value, its operands' values from `operand(term)`.
template <class Arithmetic, class Operand>
Evaluated<typename Arithmetic::Number> Evaluate(std::string_view expression,
                                                const Operand& operand) {
    return evaluation::Evaluator<Arithmetic, Operand>(expression, operand).Run();
}

// The pair's steps from the two given values (the others are not read), up
// to the first that cannot be worked out or fails its test.
template <class Arithmetic>
BasicWorking<typename Arithmetic::Number> WorkWith(
    InputPair pair, const std::array<typename Arithmetic::Number, kQuantityCount>& given) {
    using Number = typename Arithmetic::Number;
    BasicWorking<Number> working;
    if (!IsValidPair(pair)) return working;
    const PairDefinition& row = PairAt(pair);
    working.values[row.first] = given[row.first];
    working.values[row.second] = given[row.second];
    if (!Arithmetic::Holds(given[row.first]) || !Arithmetic::Holds(given[row.second])) {
        working.outcome = Outcome::kNotFinite;
        return working;
    }
    const auto operand = [&working](Term term) { return OperandValue(term, working); };
    for (const Formula& formula : FormulasOf(pair)) {
        const Evaluated<Number> step = Evaluate<Arithmetic>(formula.expression, operand);
        if (!step.value) {
            working.outcome = step.dividesByZero ? Outcome::kZeroDivisor : Outcome::kTooLarge;
            return working;
        }
        working.steps[static_cast<std::size_t>(working.stepCount++)] = {formula.term, *step.value};
        if (!IsTest(formula.term))
            working.values[static_cast<std::size_t>(formula.term)] = *step.value;
        if (!Arithmetic::Holds(*step.value)) {
            working.outcome = Outcome::kNotFinite;
            return working;
        }
        if (IsTest(formula.term)) {
            // Only strictly positive values pass.
            const std::optional<bool> positive = Arithmetic::IsPositive(*step.value);
            if (!positive || !*positive) {
                working.outcome = positive ? Outcome::kTestFailed : Outcome::kTooLarge;
                return working;
            }
        }
    }
    working.outcome = Outcome::kValid;
    return working;
}

}  // namespace velmora
