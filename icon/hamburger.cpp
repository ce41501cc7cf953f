#include "hamburger.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velmora::icon {
namespace {

// Coordinates in a 32 × 32 square, y downwards.
enum class Kind { Ellipse, RoundedBox, WavyBand };

struct Shape {
    Kind kind;
    double x0, y0, x1, y1;  // bounding box
    double radius;          // corner radius, or the wave's height
    Rgba colour;
};

constexpr Rgba kOutline{74, 37, 17, 255};
constexpr Rgba kBun{217, 149, 58, 255};
constexpr Rgba kBunShine{240, 184, 101, 255};
constexpr Rgba kBunBase{184, 110, 31, 255};
constexpr Rgba kSeed{255, 243, 196, 255};
constexpr Rgba kLettuce{76, 179, 58, 255};
constexpr Rgba kLettuceDark{46, 125, 34, 255};
constexpr Rgba kTomato{216, 52, 43, 255};
constexpr Rgba kCheese{247, 210, 27, 255};
constexpr Rgba kPatty{107, 58, 30, 255};
constexpr Rgba kPattyDark{74, 37, 17, 255};

// Painted in order, each over the ones before; an outline is the same shape
// a little larger in the outline colour, painted first.
constexpr std::array kShapes{
    // bottom bun
    Shape{Kind::RoundedBox, 1.0, 23.0, 31.0, 30.0, 3.5, kOutline},
    Shape{Kind::RoundedBox, 2.0, 24.0, 30.0, 29.0, 2.8, kBunBase},
    Shape{Kind::RoundedBox, 2.0, 24.0, 30.0, 26.6, 1.2, kBun},
    // patty
    Shape{Kind::RoundedBox, 1.2, 19.0, 30.8, 24.6, 2.8, kOutline},
    Shape{Kind::RoundedBox, 2.0, 19.8, 30.0, 23.8, 2.0, kPatty},
    Shape{Kind::Ellipse, 5.0, 21.0, 6.6, 22.4, 0, kPattyDark},
    Shape{Kind::Ellipse, 11.0, 21.6, 12.6, 23.0, 0, kPattyDark},
    Shape{Kind::Ellipse, 17.0, 21.0, 18.6, 22.4, 0, kPattyDark},
    Shape{Kind::Ellipse, 23.0, 21.6, 24.6, 23.0, 0, kPattyDark},
    // cheese, with a drip
    Shape{Kind::RoundedBox, 1.0, 17.6, 31.0, 20.0, 1.0, kCheese},
    Shape{Kind::Ellipse, 20.0, 18.0, 23.0, 22.6, 0, kCheese},
    // tomato
    Shape{Kind::RoundedBox, 2.0, 16.0, 30.0, 18.0, 1.0, kTomato},
    // lettuce: a wavy green band
    Shape{Kind::WavyBand, 0.6, 13.4, 31.4, 16.4, 1.2, kLettuceDark},
    Shape{Kind::WavyBand, 1.0, 13.4, 31.0, 15.6, 1.0, kLettuce},
    // top bun: a dome with a shine and seeds
    Shape{Kind::Ellipse, 0.6, 3.4, 31.4, 24.4, 0, kOutline},
    Shape{Kind::Ellipse, 1.6, 4.4, 30.4, 23.4, 0, kBun},
    Shape{Kind::Ellipse, 5.0, 6.0, 14.0, 10.6, 0, kBunShine},
    Shape{Kind::Ellipse, 9.0, 7.0, 11.4, 8.4, 0, kSeed},
    Shape{Kind::Ellipse, 15.4, 6.0, 17.8, 7.4, 0, kSeed},
    Shape{Kind::Ellipse, 21.0, 8.0, 23.4, 9.4, 0, kSeed},
    Shape{Kind::Ellipse, 12.6, 10.6, 15.0, 12.0, 0, kSeed},
    Shape{Kind::Ellipse, 24.6, 11.0, 27.0, 12.4, 0, kSeed},
    Shape{Kind::Ellipse, 6.0, 11.4, 8.4, 12.8, 0, kSeed},
};

// The top bun is only the upper half of its ellipse.
constexpr double kDomeBase = 13.9;

bool Inside(const Shape& s, double x, double y) {
    if (x < s.x0 || x > s.x1 || y < s.y0 || y > s.y1) return false;
    switch (s.kind) {
        case Kind::Ellipse: {
            const double rx = (s.x1 - s.x0) / 2;
            const double ry = (s.y1 - s.y0) / 2;
            const double dx = (x - (s.x0 + rx)) / rx;
            const double dy = (y - (s.y0 + ry)) / ry;
            const bool dome = ry > 8;  // the bun's halves, cut at the lettuce
            return dx * dx + dy * dy <= 1 && (!dome || y <= kDomeBase);
        }
        case Kind::RoundedBox: {
            const double cx = std::fmax(s.x0 + s.radius, std::fmin(x, s.x1 - s.radius));
            const double cy = std::fmax(s.y0 + s.radius, std::fmin(y, s.y1 - s.radius));
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= s.radius * s.radius;
        }
        case Kind::WavyBand: {
            const double wave = s.radius * std::sin(x * std::numbers::pi / 2.5);
            return y <= s.y1 + wave - s.radius;
        }
    }
    return false;
}

Rgba ColourAt(double x, double y) {
    Rgba colour{0, 0, 0, 0};
    for (const Shape& shape : kShapes) {
        if (Inside(shape, x, y)) colour = shape.colour;
    }
    return colour;
}

}  // namespace

Image RenderHamburger(int size, int samples) {
    Image image{size, std::vector<Rgba>(static_cast<std::size_t>(size * size))};
    const double unit = 32.0 / size;
    const int count = samples * samples;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            // Colours are summed weighted by their alpha, so that the
            // transparent background never darkens an edge.
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgba c = ColourAt((px + (sx + 0.5) / samples) * unit,
                                            (py + (sy + 0.5) / samples) * unit);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            Rgba& out = image.pixels[static_cast<std::size_t>(py * size + px)];
            if (a > 0) {
                out = {static_cast<std::uint8_t>(std::lround(r / a)),
                       static_cast<std::uint8_t>(std::lround(g / a)),
                       static_cast<std::uint8_t>(std::lround(b / a)),
                       static_cast<std::uint8_t>(std::lround(a / count))};
            }
        }
    }
    return image;
}

}  // namespace velmora::icon
