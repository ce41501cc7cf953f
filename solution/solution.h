// A calculation written out as a pupil writes it in a notebook: what was
// given, each step with its formula, the numbers put in and the result, and
// then the answer, or why no such trapezoid exists. Every number is the
// solver's own, written as the boxes write it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "scaled_figure.h"
#include "window_controls.h"

namespace velmora::solution {

// "b = (a + c) / 2 = (16,000 + 4,000) / 2 = 10,000",
// "a·c = 25,000·(-5,000) = -125,000 ≤ 0".
struct Step {
    std::u16string formula{};      // "b = (a + c) / 2"
    std::u16string substituted{};  // "(16,000 + 4,000) / 2"
    std::u16string result{};       // empty where the step could not be worked out
    std::u16string comparison{};   // a test's "> 0" or "≤ 0"; empty for other steps

    std::u16string Text() const;
};

struct Solution {
    std::u16string given;         // "Дадено: a = 16,000; c = 4,000."
    std::array<Step, 4> steps{};  // as many as the solver took, and the one it could not
    int stepCount = 0;
    std::u16string verdict;  // why no such trapezoid exists; empty where one does
    std::u16string answer;   // "Отговор: a = …; …; P = …."; empty where none
    std::optional<ScaledFigure> figure;
    std::u16string noFigure;  // why a valid result is not drawn

    std::span<const Step> Steps() const {
        return {steps.data(), static_cast<std::size_t>(stepCount)};
    }
};

Solution SolutionOf(const Calculation& calculation);

}  // namespace velmora::solution
