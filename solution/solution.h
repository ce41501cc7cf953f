// A calculation written out as a pupil writes it in a notebook: what was
// given, each step with its formula, the numbers put in and the result, and
// then the answer, or why no such trapezoid exists. Every number is exact,
// as a textbook prints it, with «≈» and the box's three decimals after one
// that is not a whole number or a short decimal; where the values cannot be
// held exactly, the boxes' own numbers, with «≈» before every rounded one.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scaled_figure.h"
#include "window_controls.h"

namespace velmora::solution {

// "r = √(a·c) / 2 = √24 / 2 = 2√6 / 2 = √6 ≈ 2,449",
// "a·c = 25·(-5) = -125 ≤ 0".
struct Step {
    // What stands after the formula, each joined to the one before by "=",
    // or by "≈" where what it says is rounded.
    struct Side {
        bool rounded = false;
        std::u16string text;
        friend bool operator==(const Side&, const Side&) = default;
    };
    std::u16string formula{};     // "r = √(a·c) / 2"
    std::vector<Side> sides{};    // "√24 / 2", "2√6 / 2", "√6", ≈ "2,449"
    std::u16string comparison{};  // a test's "> 0" or "≤ 0"; empty for other steps

    std::u16string Text() const;
};

struct Solution {
    std::u16string given;         // "Дадено: a = 6; c = 4."
    std::array<Step, 4> steps{};  // as many as the solver took, and the one it could not
    int stepCount = 0;
    std::u16string verdict;  // why no such trapezoid exists; empty where one does
    std::u16string answer;  // "Отговор: a = 6; …; r = √6 ≈ 2,449; P = 20."; empty where none
    std::optional<ScaledFigure> figure;
    std::u16string noFigure;  // why a valid result is not drawn

    std::span<const Step> Steps() const {
        return {steps.data(), static_cast<std::size_t>(stepCount)};
    }
};

Solution SolutionOf(const Calculation& calculation);

}  // namespace velmora::solution
