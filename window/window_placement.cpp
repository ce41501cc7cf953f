#include "window_placement.h"

#include <algorithm>
#include <cmath>

#include "design.h"

namespace velmora::placement {
namespace {

// Beyond any screen there is, and far from the limits of the arithmetic.
constexpr long long kFarthest = 1'000'000;
// Twenty times 96: no screen is denser, and twips times it still fit an int.
constexpr int kDensest = 1920;
// How much of the title bar must lie on a screen, across, and how much of the
// window below the title bar, in pixels at 96 DPI.
constexpr int kGrip = 64;

bool Within(const std::optional<long long>& value, long long low, long long high) {
    return value && *value >= low && *value <= high;
}

// Whether the title bar of `client` in its `frame` can be grabbed on `screen`:
// all of its height and `grip` of its width there (all of it, where it is
// narrower), and `grip` of the window below it.
bool Grabbable(const layout::PixelRect& client, const Frame& frame, const layout::PixelRect& screen,
               int grip) {
    const int left = client.left + frame.left;
    const int right = client.left + client.width + frame.right;
    const int overlap = std::min(right, screen.left + screen.width) - std::max(left, screen.left);
    return overlap >= std::min(grip, right - left) && client.top + frame.top >= screen.top &&
           client.top + grip <= screen.top + screen.height;
}

}  // namespace

int KeptTwips(int pixels, int kept, int designed, int dpi) {
    if (dpi <= 0) return designed;
    if (layout::ToPixels(kept, dpi) == pixels) return kept;
    if (layout::ToPixels(designed, dpi) == pixels) return designed;
    return static_cast<int>(std::lround(pixels * double(layout::kTwipsPerInch) / dpi));
}

Saved ToSave(const Standing& w) {
    // A normal window where it stands: its client area as it is. Otherwise
    // (maximised, minimised or arranged) where it returns to, less its frame.
    const bool asItStands = w.showing == Showing::kNormal && w.window == w.normal;
    const layout::PixelRect& from = asItStands ? w.window : w.normal;
    const int width = asItStands ? w.clientWidth : from.width - (w.frame.right - w.frame.left);
    const int height = asItStands ? w.clientHeight : from.height - (w.frame.bottom - w.frame.top);
    return {
        .left = from.left - w.frame.left,
        .top = from.top - w.frame.top,
        .widthTwips = KeptTwips(width, w.keptWidthTwips, design::kWindow.widthTwips, w.dpi),
        .heightTwips = KeptTwips(height, w.keptHeightTwips, design::kWindow.heightTwips, w.dpi),
        .maximised =
            w.showing == Showing::kMaximised || w.showing == Showing::kMinimisedFromMaximised,
    };
}

std::optional<Reopening> Reopened(const Saved& saved, std::span<const Screen> screens,
                                  const std::function<Frame(int dpi)>& frame) {
    if (!Within(saved.left, -kFarthest, kFarthest) || !Within(saved.top, -kFarthest, kFarthest) ||
        !Within(saved.widthTwips, design::kWindow.widthTwips, kFarthest) ||
        !Within(saved.heightTwips, design::kWindow.heightTwips, kFarthest)) {
        return std::nullopt;
    }
    for (const Screen& screen : screens) {
        if (screen.dpi <= 0 || screen.dpi > kDensest) continue;
        const layout::PixelRect size = layout::ToPixels(
            {0, 0, static_cast<int>(*saved.widthTwips), static_cast<int>(*saved.heightTwips)},
            screen.dpi);
        const layout::PixelRect client{static_cast<int>(*saved.left), static_cast<int>(*saved.top),
                                       size.width, size.height};
        const int grip = kGrip * screen.dpi / layout::kDefaultDpi;
        if (client.width <= screen.work.width && client.height <= screen.work.height &&
            Grabbable(client, frame(screen.dpi), screen.work, grip)) {
            return Reopening{client, screen.dpi, saved.maximised};
        }
    }
    return std::nullopt;
}

}  // namespace velmora::placement
