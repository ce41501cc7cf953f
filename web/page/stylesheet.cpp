#include "design.h"
#include "figure.h"
#include "markup.h"
#include "page.h"

namespace velmora::web {
namespace {

// The element that stands at a control's place: a check box's label, which
// holds the square and the symbol, or the control itself.
std::string Selector(const design::Control& control) {
    const std::string name = design::IndexedName(control);
    if (control.kind == design::Kind::CheckBox) return "label[for=\"" + name + "\"]";
    return "#" + name;
}

std::string Place(layout::TwipRect twips) {
    using layout::PixelsAt96Dpi;
    return "left:" + CssLength(PixelsAt96Dpi(twips.left)) +
           ";top:" + CssLength(PixelsAt96Dpi(twips.top)) +
           ";width:" + CssLength(PixelsAt96Dpi(twips.width)) +
           ";height:" + CssLength(PixelsAt96Dpi(twips.height));
}

std::string FontFamilies() {
    std::string families;
    for (std::string_view family : design::kFont.families)
        families += "\"" + std::string(family) + "\",";
    return families + "serif";
}

}  // namespace

std::string DesignStylesheet() {
    const design::Window& window = design::kWindow;
    const double width = layout::PixelsAt96Dpi(window.widthTwips);
    // One CSS pixel of the design: a pixel on a wide screen, less where the
    // screen is narrower than the window, so that it fits without scrolling.
    std::string css = ":root{--px:min(1px,calc(100vw / " + Number(width) + "))}\n";
    css += "html{background:" + CssColour(window.background) + "}\n";
    css += "#" + std::string(window.name) + "{width:" + CssLength(width) +
           ";height:" + CssLength(layout::PixelsAt96Dpi(window.heightTwips)) +
           ";background:" + CssColour(window.background) +
           ";color:" + CssColour(design::kTextOnDesignedColour) + ";font-family:" + FontFamilies() +
           ";font-size:" + CssLength(layout::PixelsOfPoints(design::kFont.points)) + "}\n";
    // The solution below: as wide as the window, in its font, ink on paper.
    css += "#solution{width:" + CssLength(width) + ";font-family:" + FontFamilies() +
           ";font-size:" + CssLength(layout::PixelsOfPoints(design::kFont.points)) +
           ";background:" + CssColour(figure::kPaper) + ";color:" + CssColour(figure::kInk) + "}\n";
    // The figure's corners that a drag takes: a square target centred on each,
    // in the page's own pixels, so that it never shrinks below a finger.
    const std::string target = Number(design::kHandleTarget) + "px";
    const std::string half = Number(design::kHandleTarget / 2) + "px";
    css += "#solution figure>span{width:" + target + ";height:" + target + ";margin:-" + half +
           " 0 0 -" + half + "}\n";
    for (const design::Control& control : design::kControls) {
        css += Selector(control) + "{" + Place(control.rect);
        if (control.background) css += ";background:" + CssColour(*control.background);
        if (control.kind == design::Kind::Picture)
            css += ";background:" + CssColour(figure::kPaper);
        css += "}\n";
    }
    return css;
}

}  // namespace velmora::web
