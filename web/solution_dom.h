// What the working's module writes into the page: the working, its figure
// drawn again in place, and the figure's handles placed and valued.
#pragma once

#include <string>
#include <string_view>

#include "figure.h"

namespace velmora::web::dom {

// The working (SolutionHtml) in place of the one shown in the element. Where both have a
// figure, the one shown stays with its handles and only its drawing is
// replaced: the focus and a pointer's capture stay on a handle as it moves.
void ShowSolution(std::string_view id, const std::string& markup);

// What a slider of the figure says: its base, the least and the most it may
// take (aria-valuenow, -valuemin and -valuemax, in the page's own plain
// numbers), and the base as the boxes write it (aria-valuetext).
struct SliderValues {
    double now, least, most;
    std::u16string text;
};

// Handle `index` of the figure shown in the element (A's, a's slider, c's
// slider, D's) centred at `at`, in percent of the drawing's width and
// height; a slider with its values.
void PlaceHandle(std::string_view id, int index, figure::Point at,
                 const SliderValues* slider = nullptr);

}  // namespace velmora::web::dom
