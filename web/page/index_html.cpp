#include <string_view>

#include "design.h"
#include "figure_svg.h"
#include "link_html.h"
#include "markup.h"
#include "page.h"
#include "texts.h"

namespace velmora::web {
namespace {

using design::Kind;

// Only the page's own files, and WebAssembly compiled from them.
constexpr std::string_view kContentSecurityPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; "
    "base-uri 'none'; form-action 'none'";

// HTML shows a run of blanks as one; no-break spaces keep the others.
std::string KeepingBlanks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool another = text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ';
        out += another ? std::string("\u00a0") : std::string(1, text[i]);
    }
    return out;
}

// The control's text as a text box holds it: the page's line breaks are line feeds.
std::string BoxText(std::string_view crlfText) {
    std::string text;
    for (char ch : crlfText) {
        if (ch != '\r') text += ch;
    }
    return Escaped(text);
}

std::string Attributes(const design::Control& control) {
    std::string attributes = " id=\"" + design::IndexedName(control) + "\"";
    if (!control.accessibleName.empty() && !design::IsCaptioned(control.kind)) {
        attributes += " aria-label=\"" + Escaped(control.accessibleName) + "\"";
    }
    if (control.readOnly) {
        attributes += control.kind == Kind::CheckBox ? " disabled" : " readonly";
    }
    if (!control.visible) attributes += " hidden";
    return attributes;
}

std::string PairList(const design::Control& control) {
    std::string list =
        "<select" + Attributes(control) + " size=\"" + std::to_string(kInputPairs.size()) + "\">";
    for (const PairDefinition& pair : kInputPairs) {
        list += "<option>" + Escaped(pair.caption) + "</option>";
    }
    return list + "</select>";
}

// A control's element; a frame's holds the controls that stand in it.
std::string Element(const design::Control& control, bool& headingWritten) {
    const std::string text = Escaped(control.text);
    switch (control.kind) {
        case Kind::Label: {  // the first label names the page
            const std::string_view tag = headingWritten ? "p" : "h1";
            headingWritten = true;
            return "<" + std::string(tag) + Attributes(control) + ">" + text + "</" +
                   std::string(tag) + ">";
        }
        case Kind::List:
            return PairList(control);
        case Kind::Frame: {
            std::string frame =
                "<fieldset" + Attributes(control) + "><legend>" + text + "</legend>";
            for (const design::Control& inside : design::kControls) {
                if (inside.inFrame) frame += "\n" + Element(inside, headingWritten);
            }
            return frame + "\n</fieldset>";
        }
        case Kind::Picture:
            return FigureSvg(control);
        case Kind::Button:
            return "<button" + Attributes(control) + " type=\"button\">" + text + "</button>";
        case Kind::CheckBox:  // the label holds the square and the symbol
            return "<label for=\"" + design::IndexedName(control) + "\"><input" +
                   Attributes(control) + " type=\"checkbox\">" + text + "</label>";
        case Kind::ValueBox:
            return "<input" + Attributes(control) + " type=\"text\" value=\"" + text +
                   "\" autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">";
        case Kind::MultiLineBox:
            return "<textarea" + Attributes(control) + ">" + BoxText(control.text) + "</textarea>";
    }
    return {};
}

}  // namespace

std::string IndexHtml() {
    const std::string caption = Escaped(KeepingBlanks(design::kWindow.caption));
    const std::string title = Escaped(design::ControlNamed(design::Name::Label1).text);
    // A phone lays the page out at the window's width and shows it whole,
    // zoomed to fit its screen: the controls keep their designed sizes (and
    // so room enough for a finger), and pinch zoom works as anywhere.
    const std::string width = Number(layout::PixelsAt96Dpi(design::kWindow.widthTwips));
    std::string html = "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<meta name=\"viewport\" content=\"width=" + width + "\">\n";
    html += "<meta http-equiv=\"Content-Security-Policy\" content=\"" +
            std::string(kContentSecurityPolicy) + "\">\n";
    html += "<title>" + caption + "</title>\n";
    html += "<meta name=\"description\" content=\"" + title + "\">\n";
    html +=
        "<meta name=\"theme-color\" content=\"" + CssColour(design::kWindow.background) + "\">\n";
    html +=
        "<link rel=\"icon\" href=\"velmora.svg\" type=\"image/svg+xml\">\n"
        "<link rel=\"apple-touch-icon\" href=\"icon-180.png\">\n"
        "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        "<link rel=\"stylesheet\" href=\"velmora.css\">\n"
        // The core is fetched and compiled while the page is parsed.
        "<link rel=\"preload\" href=\"core.wasm\" as=\"fetch\" type=\"application/wasm\" "
        "crossorigin>\n"
        "<script src=\"core.js\" async></script>\n"
        "</head>\n<body>\n";
    html += "<main id=\"" + std::string(design::kWindow.name) + "\">\n";
    bool headingWritten = false;
    for (const design::Control& control : design::kControls) {
        if (!control.inFrame) html += Element(control, headingWritten) + "\n";
    }
    html += "</main>\n";
    // Below the window, the working of the last calculation, read out
    // politely, then the link to it, which is not.
    html += "<section id=\"solution\" aria-labelledby=\"solution-heading\">";
    html += "<h2 id=\"solution-heading\">" + Escaped(texts::solution::kHeading) + "</h2>\n";
    html += "<div id=\"" + std::string(kSolutionBodyId) + "\" aria-live=\"polite\">" +
            BeforeFirstCalculationHtml() + "</div>\n";
    html += "<div id=\"" + std::string(kSolutionLinkId) + "\"></div>\n</section>\n";
    return html + "</body>\n</html>\n";
}

}  // namespace velmora::web
