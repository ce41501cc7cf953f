#include "drawn_figure.h"

#include <gtest/gtest.h>

namespace velmora::solution {
namespace {

// The strokes and labels both windows draw the figure with, at each density.
TEST(DrawnFigure, SizesStrokesAndLabelsForTheDensity) {
    const ScaledFigure figure = *ScaledFigureOf({16, 10, 4, 4, 40}, NumberFormat{});
    const struct {
        int dpi;
        double scale;
        int line, dot, label;
    } cases[] = {
        {96, 1, 2, 3, 16},  {144, 1.5, 3, 5, 24}, {192, 2, 4, 6, 32},
        {96, 0.5, 2, 3, 8}, {96, 0.01, 2, 3, 1},
    };
    for (const auto& c : cases) {
        const DrawnFigure drawn = Drawn(figure, {c.scale, 10, 20}, c.dpi);
        EXPECT_EQ(drawn.lineWidth, c.line) << c.dpi;
        EXPECT_EQ(drawn.dotRadius, c.dot) << c.dpi;
        EXPECT_EQ(drawn.labelPixels, c.label) << c.scale;
        EXPECT_EQ(drawn.corners[1].x, 10 + figure.corners[1].x * c.scale);
        EXPECT_EQ(drawn.labelsAt[9].y, 20 + figure.labels[9].at.y * c.scale);
        EXPECT_EQ(drawn.radius, figure.radius * c.scale);
    }
}

// A 40 × 10 label about its anchor point (100, 50), as its align and anchor say.
TEST(DrawnFigure, PlacesEachLabelByItsAnchor) {
    using figure::Anchor;
    const struct {
        Align align;
        Anchor anchor;
        figure::Point corner;
    } cases[] = {
        {Align::Start, Anchor::Top, {100, 50}}, {Align::Middle, Anchor::Middle, {80, 45}},
        {Align::End, Anchor::Bottom, {60, 40}}, {Align::Start, Anchor::Bottom, {100, 40}},
        {Align::End, Anchor::Middle, {60, 45}}, {Align::Middle, Anchor::Top, {80, 50}},
    };
    for (const auto& c : cases) {
        const FigureLabel label{u"a", {0, 0}, c.align, c.anchor};
        const figure::Point corner = LabelCorner(label, {100, 50}, 40, 10);
        EXPECT_EQ(corner.x, c.corner.x);
        EXPECT_EQ(corner.y, c.corner.y);
    }
}

}  // namespace
}  // namespace velmora::solution
