// Where each control stands, in twips as designed, and in pixels at a given
// number of dots per inch (1440 twips an inch: 15 a pixel at 96 DPI).
#pragma once

#include <array>

namespace velmora::layout {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

struct TwipRect {
    int left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Twips to pixels, rounded to the nearest pixel (halves away from zero).
constexpr int ToPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Both edges are rounded, so that neighbouring controls neither overlap nor
// leave a gap that the design does not have.
constexpr PixelRect ToPixels(TwipRect r, int dpi = kDefaultDpi) {
    const int left = ToPixels(r.left, dpi);
    const int top = ToPixels(r.top, dpi);
    return {left, top, ToPixels(r.left + r.width, dpi) - left,
            ToPixels(r.top + r.height, dpi) - top};
}

inline constexpr int kClientWidthTwips = 6975;
inline constexpr int kClientHeightTwips = 6450;

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

// The figure is drawn at this size, in pixels at 96 DPI, inside a sunken
// border of this width; Picture1 is exactly that large.
inline constexpr int kFigureWidth = 177;
inline constexpr int kFigureHeight = 162;
inline constexpr int kFigureBorder = 2;

}  // namespace velmora::layout
