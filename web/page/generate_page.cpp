// Writes the page's files made from the design into the folder given: the
// HTML, the stylesheet (the kinds' looks from controls.css, then each
// control's place and colours) and the web app manifest. Run at build time.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "page.h"

namespace {

bool Write(const std::string& folder, const char* name, const std::string& content) {
    std::ofstream file(folder + "/" + name, std::ios::binary | std::ios::trunc);
    file << content;
    return static_cast<bool>(file);
}

bool Read(const char* path, std::string& content) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    content = text.str();
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: generate_page <folder> <controls.css>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::string controls;
    const bool written =
        Read(argv[2], controls) && Write(folder, "index.html", velmora::web::IndexHtml()) &&
        Write(folder, "velmora.css", controls + velmora::web::DesignStylesheet()) &&
        Write(folder, "manifest.webmanifest", velmora::web::WebAppManifest());
    if (!written)
        std::fprintf(stderr, "generate_page: could not read %s or write into %s\n", argv[2],
                     argv[1]);
    return written ? 0 : 1;
}
