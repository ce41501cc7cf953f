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

// The element whose content the link to the calculation replaces: beside the
// working, not in it, so that a screen reader reading out each new working
// does not read the address too.
inline constexpr std::string_view kSolutionLinkId = "solution-link";

// What stands beside the link: the system's sharing, or a copy to the clipboard.
enum class LinkAction { kNone, kShare, kCopy };

// What was given, the steps as an ordered list, then why no such trapezoid
// exists, or the answer and the trapezoid to scale as inline SVG.
std::string SolutionHtml(const solution::Solution& solution);

// The address that opens the calculation again, with its action and where
// main.js says that it is done; nothing where there is no link.
std::string LinkHtml(std::u16string_view link, LinkAction action);

}  // namespace velmora::web
