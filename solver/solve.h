// Computes the three quantities that were not given from the two that were.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "formulas.h"
#include "quantities.h"

namespace velmora {

using QuantityValues = std::array<double, kQuantityCount>;

// The five values in Quantity order, or nothing for "invalid data".
using SolveResult = std::optional<QuantityValues>;

// A term worked out, in whatever kind of number the calculation was made.
template <class Number>
struct BasicStep {
    Term term;
    Number value;
};

// How a calculation ended.
enum class Outcome {
    kValid,
    kTestFailed,   // a·c or D is not above 0; the last step is that test
    kZeroDivisor,  // a given base that the next step divides by is 0
    kNotFinite,    // a given value, or the last step's, is beyond a double
    kNoSuchPair,
    kTooLarge,  // in exact numbers: the next step's value would not fit them
};

// The calculation as it went: the values given and worked out, and each step
// in the order computed, up to where it ended.
template <class Number>
struct BasicWorking {
    Outcome outcome = Outcome::kNoSuchPair;
    std::array<Number, kQuantityCount> values{};  // the given two, then each worked out
    std::array<BasicStep<Number>, 4> steps{};
    int stepCount = 0;

    std::span<const BasicStep<Number>> Steps() const {
        return {steps.data(), static_cast<std::size_t>(stepCount)};
    }
};

using WorkedStep = BasicStep<double>;
using Working = BasicWorking<double>;

// Reads only the two values the pair names, and computes each step of the
// pair's formulas in their order and grouping, in doubles.
Working Work(InputPair pair, const QuantityValues& given);

// Work's five values where valid. A valid result holds five finite numbers
// with the given two unchanged; a failed validity test, a zero divisor, an
// out-of-range pair or any non-finite value gives invalid data.
SolveResult Solve(InputPair pair, const QuantityValues& given);

}  // namespace velmora
