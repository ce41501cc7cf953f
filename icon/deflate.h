// Deflate compression (RFC 1951) with the fixed Huffman codes: small, and
// plenty for icons, which are mostly runs of the same few colours.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora::icon {

// One final block of the whole input, matches found in a 32 KiB window.
std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& raw);

}  // namespace velmora::icon
