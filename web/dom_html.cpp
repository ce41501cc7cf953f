#include "dom_html.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, velmora_dom_set_html, (const char* id, int idLength, const char* markup), {
    document.getElementById(UTF8ToString(id, idLength)).innerHTML = UTF8ToString(markup);
});
// clang-format on

}  // namespace

namespace velmora::web::dom {

void SetHtml(std::string_view id, const std::string& markup) {
    velmora_dom_set_html(id.data(), static_cast<int>(id.size()), markup.c_str());
}

}  // namespace velmora::web::dom
