#include "solution_dom.h"

#include <emscripten.h>

namespace {

// clang-format off
// The working's text in place of what stands before the figure shown, and
// the new drawing in place of its SVG, its handles kept; or the whole working
// in place of what is there, where either has no figure.
EM_JS(void, velmora_dom_show_solution, (const char* id, int idLength, const char* markup), {
    const body = document.getElementById(UTF8ToString(id, idLength));
    const next = document.createElement("template");
    next.innerHTML = UTF8ToString(markup);
    const figure = (element) => element && element.localName === "figure" ? element : null;
    const shown = figure(body.lastElementChild);
    const drawn = figure(next.content.lastElementChild);
    if (!shown || !drawn) {
        body.replaceChildren(next.content);
        return;
    }
    shown.querySelector("svg").replaceWith(drawn.querySelector("svg"));
    drawn.remove();
    for (const node of [...body.childNodes]) {
        if (node !== shown) node.remove();
    }
    shown.before(next.content);
});

// The figure is the element's last child; its handles, the spans after its SVG.
// A slider's values are written where it has a text.
EM_JS(void, velmora_dom_place_handle, (const char* id, int idLength, int index, double left,
                                       double top, double now, double least, double most,
                                       const char16_t* text, int textLength), {
    const figure = document.getElementById(UTF8ToString(id, idLength)).lastElementChild;
    const handle = figure.querySelectorAll(":scope > span")[index];
    handle.style.left = left + "%";
    handle.style.top = top + "%";
    if (!textLength) return;
    handle.setAttribute("aria-valuenow", now);
    handle.setAttribute("aria-valuemin", least);
    handle.setAttribute("aria-valuemax", most);
    handle.setAttribute("aria-valuetext",
        new TextDecoder("utf-16le").decode(HEAPU8.subarray(text, text + 2 * textLength)));
});
// clang-format on

}  // namespace

namespace velmora::web::dom {

void ShowSolution(std::string_view id, const std::string& markup) {
    velmora_dom_show_solution(id.data(), static_cast<int>(id.size()), markup.c_str());
}

void PlaceHandle(std::string_view id, int index, figure::Point at, const SliderValues* slider) {
    const int idLength = static_cast<int>(id.size());
    if (!slider) {
        velmora_dom_place_handle(id.data(), idLength, index, at.x, at.y, 0, 0, 0, nullptr, 0);
        return;
    }
    velmora_dom_place_handle(id.data(), idLength, index, at.x, at.y, slider->now, slider->least,
                             slider->most, slider->text.data(),
                             static_cast<int>(slider->text.size()));
}

}  // namespace velmora::web::dom
