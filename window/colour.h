// A colour as the design gives it: red, green and blue from 0 to 255.
#pragma once

#include <cstdint>

namespace velmora {

struct Colour {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

}  // namespace velmora
