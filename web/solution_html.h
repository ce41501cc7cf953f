// The page's worked solution below the window, as HTML: the shared solution
// of a calculation rendered, and what stands there before any.
#pragma once

#include <string>
#include <string_view>

#include "solution.h"

namespace velmora::web {

// The element whose content the solution replaces.
inline constexpr std::string_view kSolutionBodyId = "solution-body";

// The one line that says what will appear.
std::string BeforeFirstCalculationHtml();

// What was given, the steps as an ordered list, then why no such trapezoid
// exists, or the answer and the trapezoid to scale as inline SVG.
std::string SolutionHtml(const solution::Solution& solution);

}  // namespace velmora::web
