// The program's icon, a hamburger, drawn once as shapes and rendered at any
// size: the window icon, the Windows .ico and the desktop's icon theme.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::icon {

struct Rgba {
    std::uint8_t r, g, b, a;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A square image, rows from the top, each pixel straight (not premultiplied) RGBA.
struct Image {
    int size = 0;
    std::vector<Rgba> pixels;
    Rgba At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// The hamburger at `size` × `size` pixels, each pixel the average of
// `samples` × `samples` points, on a transparent background.
Image RenderHamburger(int size, int samples = 4);

}  // namespace velmora::icon
