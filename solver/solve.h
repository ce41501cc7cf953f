// Computes the three quantities that were not given from the two that were.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "quantities.h"

namespace velmora {

using QuantityValues = std::array<double, kQuantityCount>;

// The five values in Quantity order, or nothing for "invalid data".
using SolveResult = std::optional<QuantityValues>;

// What a step of the calculation works out: one of the five quantities (the
// same numbers as Quantity), or the number a pair's validity test looks at.
enum class Term : int { kA, kB, kC, kR, kP, kProduct /* a·c */, kDiscriminant /* D */ };

constexpr Term TermOf(Quantity q) {
    return static_cast<Term>(q);
}

struct WorkedStep {
    Term term;
    double value;
};

// How a calculation ended.
enum class Outcome {
    kValid,
    kTestFailed,   // a·c or D is not above 0; the last step is that test
    kZeroDivisor,  // a given base that the next step divides by is 0
    kNotFinite,    // a given value, or the last step's, is beyond a double
    kNoSuchPair,
};

// The calculation as it went: the values given and worked out, and each step
// in the order computed, up to where it ended.
struct Working {
    Outcome outcome = Outcome::kNoSuchPair;
    QuantityValues values{};  // the given two, then every quantity worked out
    std::array<WorkedStep, 4> steps{};
    int stepCount = 0;

    std::span<const WorkedStep> Steps() const {
        return {steps.data(), static_cast<std::size_t>(stepCount)};
    }
};

// Reads only the two values the pair names, and computes in the documented
// order and grouping, step by step.
Working Work(InputPair pair, const QuantityValues& given);

// Work's five values where valid. A valid result holds five finite numbers
// with the given two unchanged; a failed validity test, a zero divisor, an
// out-of-range pair or any non-finite value gives invalid data.
SolveResult Solve(InputPair pair, const QuantityValues& given);

}  // namespace velmora
