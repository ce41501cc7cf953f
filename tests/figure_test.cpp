// The figure both windows draw: the geometry the explanation relies on.
#include "figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora::figure {
namespace {

double DistanceToLine(Point p, Line line) {
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    return std::fabs(dy * (p.x - line.from.x) - dx * (p.y - line.from.y)) / std::hypot(dx, dy);
}

TEST(Figure, CircleTouchesAllFourSides) {
    const Drawing& d = Trapezoid();
    for (int side = 0; side < 4; ++side) {
        EXPECT_NEAR(DistanceToLine(d.centre, d.lines[side]), d.radius, 1e-9) << side;
    }
    // The tangency points lie on the circle; the last dot is O itself.
    for (int i = 0; i < 4; ++i) {
        const Point p = d.dots[i];
        EXPECT_NEAR(std::hypot(p.x - d.centre.x, p.y - d.centre.y), d.radius, 1e-9) << i;
    }
    EXPECT_EQ(d.dots[6].x, d.centre.x);
    EXPECT_EQ(d.dots[6].y, d.centre.y);
}

TEST(Figure, IsAnIsoscelesTrapezoidWithItsFeetOfPerpendiculars) {
    const Drawing& d = Trapezoid();
    const Line ab = d.lines[0], bc = d.lines[1], cd = d.lines[2], da = d.lines[3];
    EXPECT_EQ(ab.from.y, ab.to.y);  // both bases horizontal, AB below CD
    EXPECT_EQ(cd.from.y, cd.to.y);
    EXPECT_GT(ab.from.y, cd.from.y);
    EXPECT_NEAR(std::hypot(bc.to.x - bc.from.x, bc.to.y - bc.from.y),
                std::hypot(da.to.x - da.from.x, da.to.y - da.from.y), 1e-9);
    // DM and CN are vertical and end on AB.
    for (int i : {4, 5}) {
        EXPECT_EQ(d.lines[i].from.x, d.lines[i].to.x) << i;
        EXPECT_EQ(d.lines[i].to.y, ab.from.y) << i;
    }
    EXPECT_EQ(d.lines[6].stroke, Stroke::Dashed);
    EXPECT_EQ(d.lines[7].stroke, Stroke::Dashed);
}

TEST(Figure, LabelsEveryPointAndSideInsideThePicture) {
    std::string names;
    for (const Label& label : Trapezoid().labels) {
        names += label.text;
        EXPECT_GT(label.at.x, 5) << label.text;
        EXPECT_LT(label.at.x, kWidth - 5) << label.text;
        EXPECT_GT(label.at.y, 5) << label.text;
        EXPECT_LT(label.at.y, kHeight - 20) << label.text;  // room for the text below a top anchor
    }
    EXPECT_EQ(names, "ABCDMNacbbO");

    // The bases lie at y = 32 and y = 124: C, D and c stand above the upper one,
    // A, B, M, N and a below the lower one, each a pixel clear of its line.
    for (const Label& label : Trapezoid().labels) {
        const std::string text(label.text);
        if (text == "C" || text == "D" || text == "c") {
            EXPECT_EQ(label.anchor, Anchor::Bottom) << text;
            EXPECT_EQ(label.at.y, 31) << text;
        } else if (text != "b" && text != "O") {
            EXPECT_EQ(label.anchor, Anchor::Top) << text;
            EXPECT_EQ(label.at.y, 125) << text;
        }
    }
}

}  // namespace
}  // namespace velmora::figure
