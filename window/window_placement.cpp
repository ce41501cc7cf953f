#include "window_placement.h"

#include <algorithm>

#include "design.h"

namespace velmora::placement {
namespace {

// Beyond any screen there is, and far from the limits of the arithmetic.
constexpr long long kFarthest = 1'000'000;
// How much of the window's top edge must lie on a screen, in pixels at 96 DPI.
constexpr int kGrip = 64;

bool Within(const std::optional<long long>& value, long long low, long long high) {
    return value && *value >= low && *value <= high;
}

bool Grabbable(const layout::PixelRect& r, const layout::PixelRect& screen, int grip) {
    const int overlap =
        std::min(r.left + r.width, screen.left + screen.width) - std::max(r.left, screen.left);
    return overlap >= std::min(grip, r.width) && r.top >= screen.top &&
           r.top + grip <= screen.top + screen.height;
}

}  // namespace

std::optional<layout::PixelRect> Reopened(const Saved& saved, int dpi,
                                          std::span<const layout::PixelRect> screens) {
    if (!Within(saved.left, -kFarthest, kFarthest) || !Within(saved.top, -kFarthest, kFarthest) ||
        !Within(saved.widthTwips, design::kWindow.widthTwips, kFarthest) ||
        !Within(saved.heightTwips, design::kWindow.heightTwips, kFarthest)) {
        return std::nullopt;
    }
    const layout::PixelRect size = layout::ToPixels(
        {0, 0, static_cast<int>(*saved.widthTwips), static_cast<int>(*saved.heightTwips)}, dpi);
    const layout::PixelRect r{static_cast<int>(*saved.left), static_cast<int>(*saved.top),
                              size.width, size.height};
    const int grip = kGrip * dpi / layout::kDefaultDpi;
    for (const layout::PixelRect& screen : screens) {
        if (r.width <= screen.width && r.height <= screen.height && Grabbable(r, screen, grip)) {
            return r;
        }
    }
    return std::nullopt;
}

}  // namespace velmora::placement
