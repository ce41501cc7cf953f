// Where each control stands, in twips as designed, and in logical pixels.
#pragma once

#include <QRect>
#include <array>

namespace velmora::layout {

// 15 twips make one pixel at 96 dots per inch; Qt scales logical pixels for
// higher densities by itself.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left, top, width, height;
};

constexpr QRect ToPixels(TwipRect r) {
    return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                 r.height / kTwipsPerPixel);
}

inline constexpr int kClientWidth = 6975 / kTwipsPerPixel;
inline constexpr int kClientHeight = 6450 / kTwipsPerPixel;

// Relative to the window's client area.
inline constexpr TwipRect kLabel1{1080, 0, 4575, 375};
inline constexpr TwipRect kList1{240, 480, 1095, 2340};
inline constexpr TwipRect kFrame1{1680, 480, 2175, 2175};
inline constexpr TwipRect kPicture1{4080, 480, 2715, 2490};
inline constexpr std::array<TwipRect, 2> kCommand1{
    {{240, 2880, 1575, 375}, {2280, 2880, 1575, 375}}};
inline constexpr std::array<TwipRect, 2> kText1{
    {{120, 3360, 6735, 3015}, {3120, 4560, 6735, 1815}}};

// Relative to Frame1: one row per quantity, the check box left of the value box.
inline constexpr int kFirstRowTop = 240;
inline constexpr int kRowPitch = 360;
constexpr TwipRect Check1(int k) {
    return {120, kFirstRowTop + k * kRowPitch, 735, 405};
}
constexpr TwipRect Text2(int k) {
    return {840, kFirstRowTop + k * kRowPitch, 1215, 405};
}

// The figure is drawn at this size inside a sunken border of this width.
inline constexpr int kFigureWidth = 177;
inline constexpr int kFigureHeight = 162;
inline constexpr int kFigureBorder = 2;

}  // namespace velmora::layout
