// Writes the icon files the build needs, all from the one drawing:
//   make_icons png SIZE FILE    an RGBA PNG for the desktop's icon theme
//   make_icons ico FILE         the Windows icon, 16, 32, 48 and 256 pixels
//   make_icons array NAME FILE  the 32-pixel window icon as a C++ array
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "image_files.h"

namespace {

bool Write(const char* path, const void* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(file);
}

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s png SIZE FILE | ico FILE | array NAME FILE\n", program);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    using velmora::icon::RenderHamburger;
    if (argc < 3) return Usage(argv[0]);
    const std::string what = argv[1];
    bool written = false;
    const char* path = argv[argc - 1];
    if (what == "png" && argc == 4) {
        const int size = std::stoi(argv[2]);
        if (size < 1 || size > 1024) return Usage(argv[0]);
        const auto png = velmora::icon::EncodePng(RenderHamburger(size));
        written = Write(path, png.data(), png.size());
    } else if (what == "ico" && argc == 3) {
        std::vector<velmora::icon::Image> images;
        for (int size : {16, 32, 48, 256}) images.push_back(RenderHamburger(size));
        const auto ico = velmora::icon::EncodeIco(images);
        written = Write(path, ico.data(), ico.size());
    } else if (what == "array" && argc == 4) {
        const std::string text = velmora::icon::EncodeCppArray(RenderHamburger(32), argv[2]);
        written = Write(path, text.data(), text.size());
    } else {
        return Usage(argv[0]);
    }
    if (!written) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    return 0;
}
