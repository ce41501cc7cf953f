// Places in twips, as the window is designed, and in pixels at a given number
// of dots per inch (1440 twips an inch: 15 a pixel at 96 DPI).
#pragma once

namespace velmora::layout {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;
inline constexpr int kPointsPerInch = 72;

// A font's size in points as pixels at 96 DPI.
constexpr double PixelsOfPoints(int points) {
    return points * static_cast<double>(kDefaultDpi) / kPointsPerInch;
}

struct TwipRect {
    int left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Pixels at 96 DPI to twips.
constexpr int TwipsOfPixels(int pixels) {
    return pixels * kTwipsPerInch / kDefaultDpi;
}

// Twips to pixels at 96 DPI, unrounded: for units that scale on their own,
// such as CSS pixels.
constexpr double PixelsAt96Dpi(int twips) {
    return twips / static_cast<double>(TwipsOfPixels(1));
}

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

}  // namespace velmora::layout
