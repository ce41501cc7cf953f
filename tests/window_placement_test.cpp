#include "window_placement.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>

#include "twip_layout.h"

namespace velmora::placement {
namespace {

using layout::PixelRect;

// A title bar 31 pixels high and edges of 8 at 96 DPI, as on Windows 10.
Frame FrameAt(int dpi) {
    return {-8 * dpi / 96, -31 * dpi / 96, 8 * dpi / 96, 8 * dpi / 96};
}

constexpr Frame kFrame = {-8, -31, 8, 8};
// Where a window stands when not maximised: its client area 600 × 430 at (108, 81).
constexpr PixelRect kNormal{100, 50, 616, 469};

// What is kept of a window: the client area of one rectangle, corner and size
// alike, and whether it opens maximised.
TEST(WindowPlacement, SavesWhereItReturnsTo) {
    const struct {
        const char* what;
        Standing window;
        Saved saved;
    } cases[] = {
        {"normal",
         {Showing::kNormal, kNormal, kNormal, 600, 430, kFrame, 96, 0, 0},
         {108, 81, 9000, 6450, false}},
        {"its client area, whatever frame the system reports",
         {Showing::kNormal, kNormal, kNormal, 610, 440, kFrame, 96, 0, 0},
         {108, 81, 9150, 6600, false}},
        {"the designed size, kept exactly at 144 DPI",
         {Showing::kNormal,
          {100, 50, 722, 703},
          {100, 50, 722, 703},
          698,
          645,
          FrameAt(144),
          144,
          6975,
          6450},
         {112, 96, 6975, 6450, false}},
        {"widened at 144 DPI",
         {Showing::kNormal,
          {100, 50, 724, 703},
          {100, 50, 724, 703},
          700,
          645,
          FrameAt(144),
          144,
          6975,
          6450},
         {112, 96, 7000, 6450, false}},
        {"a size kept in twips at 144 DPI",
         {Showing::kNormal,
          {100, 50, 925, 703},
          {100, 50, 925, 703},
          901,
          645,
          FrameAt(144),
          144,
          9005,
          6450},
         {112, 96, 9005, 6450, false}},
        {"widened at 192 DPI, to the nearest twip",
         {Showing::kNormal,
          {100, 50, 1033, 922},
          {100, 50, 1033, 922},
          1001,
          860,
          FrameAt(192),
          192,
          6975,
          6450},
         {116, 112, 7508, 6450, false}},
        {"back to the designed size at 144 DPI",
         {Showing::kNormal,
          {100, 50, 722, 703},
          {100, 50, 722, 703},
          698,
          645,
          FrameAt(144),
          144,
          9000,
          7500},
         {112, 96, 6975, 6450, false}},
        {"maximised",
         {Showing::kMaximised, kNormal, {-8, -8, 1296, 1016}, 1280, 977, kFrame, 96, 0, 0},
         {108, 81, 9000, 6450, true}},
        {"minimised from maximised",
         {Showing::kMinimisedFromMaximised,
          kNormal,
          {-32000, -32000, 160, 28},
          0,
          0,
          kFrame,
          96,
          0,
          0},
         {108, 81, 9000, 6450, true}},
        {"minimised",
         {Showing::kMinimised, kNormal, {-32000, -32000, 160, 28}, 0, 0, kFrame, 96, 0, 0},
         {108, 81, 9000, 6450, false}},
        {"arranged: snapped to the left half of the screen",
         {Showing::kNormal, kNormal, {-8, 0, 656, 1008}, 640, 969, kFrame, 96, 0, 0},
         {108, 81, 9000, 6450, false}},
        {"arranged: snapped to the full height only",
         {Showing::kNormal, kNormal, {100, 0, 616, 1008}, 600, 969, kFrame, 96, 0, 0},
         {108, 81, 9000, 6450, false}},
    };
    for (const auto& c : cases) EXPECT_EQ(ToSave(c.window), c.saved) << c.what;
}

// A window opens where it was left only where it can: whole, no smaller than
// designed (465 × 430 pixels at 96 DPI), converted at the density of the
// screen it lies on, and with its title bar on that screen.
TEST(WindowPlacement, ReopensOnlyWhereItCan) {
    const Screen desk[] = {{{0, 0, 1280, 1000}, 96}, {{-1024, 0, 1024, 738}, 96}};
    const Screen dense[] = {{{0, 0, 2560, 1400}, 192}};
    // A laptop at 150 % and a projector at 100 % to its right.
    const Screen laptopAndProjector[] = {{{0, 0, 2880, 1760}, 144}, {{2880, 0, 1920, 1040}, 96}};
    const struct {
        const char* what;
        Saved saved;
        std::span<const Screen> screens;
        std::optional<Reopening> opened;
    } cases[] = {
        {"as left", {40, 40, 10500, 7500}, desk, Reopening{{40, 40, 700, 500}, 96, false}},
        {"maximised", {40, 40, 10500, 7500, true}, desk, Reopening{{40, 40, 700, 500}, 96, true}},
        {"as designed, its frame at the screen's corner",
         {8, 31, 6975, 6450},
         desk,
         Reopening{{8, 31, 465, 430}, 96, false}},
        {"on the left screen",
         {-1000, 40, 10500, 7500},
         desk,
         Reopening{{-1000, 40, 700, 500}, 96, false}},
        {"as wide as the screen",
         {0, 40, 19200, 7500},
         desk,
         Reopening{{0, 40, 1280, 500}, 96, false}},
        {"its title bar just grabbable at the screen's right",
         {1224, 40, 10500, 7500},
         desk,
         Reopening{{1224, 40, 700, 500}, 96, false}},
        {"at 192 DPI", {40, 80, 7500, 6600}, dense, Reopening{{40, 80, 1000, 880}, 192, false}},
        {"left on the projector at 100 %",
         {2900, 40, 27000, 15000},
         laptopAndProjector,
         Reopening{{2900, 40, 1800, 1000}, 96, false}},
        {"left on the laptop at 150 %",
         {100, 80, 27000, 15000},
         laptopAndProjector,
         Reopening{{100, 80, 2700, 1500}, 144, false}},
        {"nothing saved", {}, desk, std::nullopt},
        {"a value missing", {40, std::nullopt, 10500, 7500}, desk, std::nullopt},
        {"narrower than designed", {40, 40, 6974, 7500}, desk, std::nullopt},
        {"lower than designed", {40, 40, 10500, 6449}, desk, std::nullopt},
        {"larger than every screen", {0, 40, 19215, 7500}, desk, std::nullopt},
        {"too large at 192 DPI", {16, 80, 20000, 7500}, dense, std::nullopt} /* 2667 wide */,
        {"too large for the projector", {2900, 40, 30000, 15000}, laptopAndProjector, std::nullopt},
        {"off every screen", {3000, 40, 10500, 7500}, desk, std::nullopt},
        {"its title bar above the screen, as where a screen above was unplugged",
         {40, 30, 10500, 7500},
         desk,
         std::nullopt},
        {"its title bar above the screen at 192 DPI", {40, 60, 7500, 6600}, dense, std::nullopt},
        {"only 100 pixels of its title bar on the screen at 192 DPI",
         {2476, 80, 7500, 6600},
         dense,
         std::nullopt},
        {"its top above the screen", {40, -5, 10500, 7500}, desk, std::nullopt},
        {"its top at the screen's foot", {40, 960, 10500, 7500}, desk, std::nullopt},
        {"only the edge of its title bar on a screen", {1240, 40, 10500, 7500}, desk, std::nullopt},
        {"beyond any number", {40, 40, 1LL << 40, 7500}, desk, std::nullopt},
        {"far away", {-(1LL << 40), 40, 10500, 7500}, desk, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Reopened(c.saved, c.screens, FrameAt), c.opened) << c.what;
    }
}

}  // namespace
}  // namespace velmora::placement
