// What the solution section holds around a working, as HTML: the line that
// stands there before any calculation, and the link that opens the one shown
// again, with its action. The calculator's core writes these itself; the
// working comes from the solution's own module (solution_html.h).
#pragma once

#include <string>
#include <string_view>

namespace velmora::web {

// The element whose content the working replaces.
inline constexpr std::string_view kSolutionBodyId = "solution-body";

// The one line that says what will appear.
std::string BeforeFirstCalculationHtml();

// The element whose content the link to the calculation replaces: beside the
// working, not in it, so that a screen reader reading out each new working
// does not read the address too.
inline constexpr std::string_view kSolutionLinkId = "solution-link";

// What stands beside the link: the system's sharing, or a copy to the clipboard.
enum class LinkAction { kNone, kShare, kCopy };

// The address that opens the calculation again, with its action and where
// main.js says that it is done; nothing where there is no link.
std::string LinkHtml(std::u16string_view link, LinkAction action);

}  // namespace velmora::web
