#include "drawn_figure.h"

#include <algorithm>
#include <cmath>

#include "twip_layout.h"

namespace velmora::solution {
namespace {

// Pixels at 96 DPI: the working's figure is drawn twice as boldly as the
// designed one beside the calculator, its centre's dot half as large again.
constexpr int kLineWidth = static_cast<int>(2 * figure::kLineWidth);
constexpr int kDotRadius = static_cast<int>(1.5 * figure::kDotRadius);

// Pixels at 96 DPI as pixels at `dpi`, halves away from zero.
int Scaled(int pixels, int dpi) {
    return (pixels * dpi + layout::kDefaultDpi / 2) / layout::kDefaultDpi;
}

}  // namespace

DrawnFigure Drawn(const ScaledFigure& figure, const FigureFit& fit, int dpi) {
    DrawnFigure drawn{
        .corners = {},
        .centre = fit.At(figure.centre),
        .radius = figure.radius * fit.scale,
        .radiusFoot = fit.At(figure.radiusFoot),
        .labelsAt = {},
        .lineWidth = std::max(1, Scaled(kLineWidth, dpi)),
        .dotRadius = std::max(1, Scaled(kDotRadius, dpi)),
        .labelPixels = std::max(1, static_cast<int>(std::lround(kLabelSize * fit.scale))),
    };
    for (std::size_t i = 0; i < drawn.corners.size(); ++i) {
        drawn.corners[i] = fit.At(figure.corners[i]);
    }
    for (std::size_t i = 0; i < drawn.labelsAt.size(); ++i) {
        drawn.labelsAt[i] = fit.At(figure.labels[i].at);
    }
    return drawn;
}

figure::Point LabelCorner(const FigureLabel& label, figure::Point at, double width, double height) {
    double left = at.x;
    if (label.align == Align::Middle) left -= width / 2;
    if (label.align == Align::End) left -= width;
    double top = at.y;
    if (label.anchor == figure::Anchor::Middle) top -= height / 2;
    if (label.anchor == figure::Anchor::Bottom) top -= height;
    return {left, top};
}

}  // namespace velmora::solution
