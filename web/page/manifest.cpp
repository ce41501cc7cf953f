#include "design.h"
#include "markup.h"
#include "page.h"

namespace velmora::web {
namespace {

// Text inside a JSON string.
std::string JsonText(std::string_view text) {
    std::string out;
    for (char ch : text) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out;
}

}  // namespace

// Installable: a name, icons for the home screen and the launcher (one that
// may be cut to any shape), a window of its own, and the designed colour.
std::string WebAppManifest() {
    const std::string colour = CssColour(design::kWindow.background);
    return "{\n"
           "  \"name\": \"" +
           std::string(design::kWindow.name) + " — " +
           JsonText(design::ControlNamed(design::Name::Label1).text) + "\",\n" +
           "  \"short_name\": \"" + std::string(design::kWindow.name) + "\",\n" +
           "  \"lang\": \"bg\",\n"
           "  \"start_url\": \"./\",\n"
           "  \"scope\": \"./\",\n"
           "  \"display\": \"standalone\",\n"
           "  \"background_color\": \"" +
           colour + "\",\n" + "  \"theme_color\": \"" + colour + "\",\n" +
           "  \"icons\": [\n"
           "    {\"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
           "    {\"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
           "    {\"src\": \"icon-maskable-512.png\", \"sizes\": \"512x512\", \"type\": "
           "\"image/png\", "
           "\"purpose\": \"maskable\"}\n"
           "  ]\n"
           "}\n";
}

}  // namespace velmora::web
