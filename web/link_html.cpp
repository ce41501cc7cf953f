#include "link_html.h"

#include "markup.h"
#include "svg.h"
#include "texts.h"
#include "utf16.h"

namespace velmora::web {

using svg::Attribute;

std::string BeforeFirstCalculationHtml() {
    return "<p>" + Escaped(texts::solution::kBeforeFirstCalculation) + "</p>";
}

// The button's texts for main.js: what Share turns into where it is refused,
// and what to say once the link is copied.
std::string LinkHtml(std::u16string_view link, LinkAction action) {
    if (link.empty()) return {};
    const std::string address = Escaped(Utf8(link));
    std::string html = "<p><a" + Attribute("href", address) + ">" +
                       Escaped(texts::solution::kLink) + ": " + address + "</a>";
    if (action != LinkAction::kNone) {
        const bool share = action == LinkAction::kShare;
        html +=
            " <button" + Attribute("type", "button") +
            (share ? " data-share" + Attribute("data-copy", Escaped(texts::solution::kCopy)) : "") +
            Attribute("data-done", Escaped(texts::solution::kCopied)) + ">" +
            Escaped(share ? texts::solution::kShare : texts::solution::kCopy) +
            "</button> <span role=\"status\"></span>";
    }
    return html + "</p>";
}

}  // namespace velmora::web
