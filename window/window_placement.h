// Where a desktop window opens: where the user left it, as the settings saved
// it, or at its designed size where they hold nothing usable; and what of a
// window to save as it closes. Each toolkit reads and writes its own settings
// and asks its system where the window stands; this says what to keep of that
// and which saved places are usable.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "twip_layout.h"

namespace velmora::placement {

// The client area as a window saved it: its top left corner in pixels of
// the screen, its size in twips (the same at any density), and whether the
// window was maximised. Any number may have been missing or unreadable.
struct Saved {
    std::optional<long long> left, top, widthTwips, heightTwips;
    bool maximised = false;
    friend bool operator==(const Saved&, const Saved&) = default;
};

// How far a window's edges stand outside its client area, in pixels: left and
// top negative, right and bottom positive, as AdjustWindowRectEx gives them.
// The top takes in the title bar.
struct Frame {
    int left, top, right, bottom;
};

// ---- What to save ----

enum class Showing { kNormal, kMaximised, kMinimised, kMinimisedFromMaximised };

// A window as its system reports it, in pixels of the screen at `dpi`.
struct Standing {
    Showing showing;
    layout::PixelRect normal;  // its frame where it stands when restored (not maximised)
    layout::PixelRect window;  // its frame where it stands now
    int clientWidth, clientHeight;
    Frame frame;  // at `dpi`
    int dpi;
    // The client area's size in twips as last kept: saved as it is where it
    // still gives the same pixels, so that the designed size stays exact.
    int keptWidthTwips, keptHeightTwips;
};

// What to save of a window as it stands, its client area taken from one
// rectangle, corner and size alike:
// - normal: where it stands, at the size of its client area;
// - maximised or minimised: its normal rectangle, and whether it opens maximised;
// - arranged (snapped to an edge or a corner, so that it stands elsewhere than
//   its normal rectangle while not maximised): its normal rectangle, as
//   Windows' own programs reopen, not the snapped size at the old corner.
// Rows for each: the ToSave table in tests/window_placement_test.cpp.
Saved ToSave(const Standing& window);

// The twips of `pixels` at `dpi`: `kept` or `designed` where either gives
// those pixels, so that a size stays exact; otherwise the nearest.
// KeptTwips(698, 6975, 6975, 144) is 6975; KeptTwips(700, 6975, 6975, 144) is 7000.
int KeptTwips(int pixels, int kept, int designed, int dpi);

// ---- Where to open ----

struct Screen {
    layout::PixelRect work;  // its work area, without the taskbar, in pixels of the desktop
    int dpi;
};

struct Reopening {
    layout::PixelRect client;  // in pixels of the screen, at `dpi`
    int dpi;                   // the density of the screen it opens on
    bool maximised;
    friend bool operator==(const Reopening&, const Reopening&) = default;
};

// The saved client area, converted at the density of the screen it lies on:
// whole, no smaller than designed, no larger than that screen, with a strip of
// its title bar (the `frame`'s top at that density) wide enough to be grabbed
// on it, and the window under it. The first such screen, or nothing, and the
// window opens as designed. Rows: the Reopened table in tests/window_placement_test.cpp.
std::optional<Reopening> Reopened(const Saved& saved, std::span<const Screen> screens,
                                  const std::function<Frame(int dpi)>& frame);

}  // namespace velmora::placement
