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

// The element of the link's share action, where the browser can share.
inline constexpr std::string_view kShareId = "solution-share";

// What was given, the steps as an ordered list, then why no such trapezoid
// exists, or the answer and the trapezoid to scale as inline SVG; last, where
// there is one, the address that opens the calculation again (`link`), with
// its share action where `canShare`.
std::string SolutionHtml(const solution::Solution& solution, std::u16string_view link,
                         bool canShare);

}  // namespace velmora::web
