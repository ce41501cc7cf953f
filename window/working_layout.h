// Where the working stands in a desktop window widened beyond its design,
// worked out from the design's pane, so that every window lays it out alike.
#pragma once

#include <functional>
#include <optional>

#include "twip_layout.h"

namespace velmora::design {

// In pixels of the client area.
struct WorkingPaneLayout {
    layout::PixelRect sheet;    // the sunken sheet, its edge included
    layout::PixelRect heading;  // «Решение»
    layout::PixelRect text;     // the lines, scrolled where they are longer
    layout::PixelRect figure;   // the trapezoid to scale; of no size where none is drawn
    // Round the lines, halfway into the padding: where the sheet shows that
    // they have the keyboard focus, in a frame `focusWidth` wide inside it.
    layout::PixelRect focus;
    int focusWidth;
    friend bool operator==(const WorkingPaneLayout&, const WorkingPaneLayout&) = default;
};

// The pane in a client area of this size at `dpi`: the lines, as high as
// `linesHeight` says they are at a width, then a figure whose height is
// `figureRatio` times its width (0: none drawn). Nothing where the window is
// too narrow for it.
std::optional<WorkingPaneLayout> WorkingPaneIn(int clientWidth, int clientHeight, int dpi,
                                               double figureRatio,
                                               const std::function<int(int)>& linesHeight);

}  // namespace velmora::design
