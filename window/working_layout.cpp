#include "working_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "design.h"

namespace velmora::design {

std::optional<WorkingPaneLayout> WorkingPaneIn(int clientWidth, int clientHeight, int dpi,
                                               double figureRatio,
                                               const std::function<int(int)>& linesHeight) {
    const WorkingPane& pane = kWorkingPane;
    const auto pixels = [dpi](int twips) { return layout::ToPixels(twips, dpi); };
    const int left = pixels(kWindow.widthTwips);
    const int margin = pixels(pane.margin);
    const layout::PixelRect sheet{left, margin, clientWidth - margin - left,
                                  clientHeight - 2 * margin};
    if (sheet.width < pixels(pane.minimumWidth) || sheet.height <= 0) return std::nullopt;

    const int inset = pane.border * dpi / layout::kDefaultDpi + pixels(pane.padding);
    const int innerLeft = sheet.left + inset;
    const int innerWidth = std::max(sheet.width - 2 * inset, 0);
    const int innerBottom = std::max(sheet.top + sheet.height - inset, sheet.top + inset);
    const int gap = pixels(pane.gap);

    const layout::PixelRect heading{innerLeft, sheet.top + inset, innerWidth,
                                    pixels(pane.headingHeight)};
    const int textTop = heading.top + heading.height + gap;
    const int room = std::max(innerBottom - textTop, 0);
    // The figure in proportion, up to its share; the lines above it as long as
    // they are, or, where they are longer, in what room is left, to scroll.
    int figureHeight = 0;
    if (figureRatio > 0) {
        figureHeight = std::min(static_cast<int>(std::lround(innerWidth * figureRatio)),
                                (innerBottom - heading.top) * pane.figurePercent / 100);
    }
    const int textRoom = std::max(room - (figureHeight > 0 ? figureHeight + gap : 0), 0);
    const int textHeight = std::min(std::max(linesHeight(innerWidth), 0), textRoom);
    const layout::PixelRect text{innerLeft, textTop, innerWidth,
                                 figureHeight > 0 ? textHeight : room};
    const int ring = pixels(pane.padding) / 2;
    return WorkingPaneLayout{
        .sheet = sheet,
        .heading = heading,
        .text = text,
        .figure = {innerLeft, textTop + textHeight + gap, figureHeight > 0 ? innerWidth : 0,
                   figureHeight},
        .focus = {text.left - ring, text.top - ring, text.width + 2 * ring, text.height + 2 * ring},
        .focusWidth = std::max(1, pane.focusWidth * dpi / layout::kDefaultDpi),
    };
}

}  // namespace velmora::design
