// The icon as files: PNG for the desktop's icon theme, ICO for Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hamburger.h"

namespace velmora::icon {

using Bytes = std::vector<std::uint8_t>;

// An 8-bit RGBA PNG.
Bytes EncodePng(const Image& image);

// One ICO holding every image: up to 48 pixels as 32-bit bitmaps with an AND
// mask, as every Windows version reads them; larger ones as PNG.
Bytes EncodeIco(const std::vector<Image>& images);

// The image's pixels as a C++ array of RGBA bytes, for a program to embed.
std::string EncodeCppArray(const Image& image, const std::string& name);

}  // namespace velmora::icon
