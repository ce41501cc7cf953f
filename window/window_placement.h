// Where a desktop window opens: where the user left it, as the settings saved
// it, or at its designed size where they hold nothing usable. Each toolkit
// reads and writes its own settings; this says which saved places are usable.
#pragma once

#include <optional>
#include <span>

#include "twip_layout.h"

namespace velmora::placement {

// The client area as a window saved it: its top left corner in pixels of
// the screen, its size in twips (the same at any density). Any value may
// have been missing or unreadable.
struct Saved {
    std::optional<long long> left, top, widthTwips, heightTwips;
};

// The client area, in pixels at `dpi`, to open at: the saved one where it is
// whole, no smaller than designed, no larger than some screen and far enough
// on one to be grabbed; otherwise nothing, and the window opens as designed.
// `screens` are the screens' work areas.
std::optional<layout::PixelRect> Reopened(const Saved& saved, int dpi,
                                          std::span<const layout::PixelRect> screens);

}  // namespace velmora::placement
