#include "figure_svg.h"

#include "figure.h"
#include "markup.h"
#include "svg.h"

namespace velmora::web {

using svg::At;
using svg::Attribute;
using svg::Baseline;

std::string FigureSvg(const design::Control& picture) {
    const figure::Drawing& drawing = figure::Trapezoid();
    const std::string ink = CssColour(figure::kInk);
    std::string svg = "<svg id=\"" + design::IndexedName(picture) +
                      "\" role=\"img\" aria-label=\"" + Escaped(picture.accessibleName) +
                      "\" viewBox=\"0 0 " + Number(figure::kWidth) + " " + Number(figure::kHeight) +
                      "\">";
    svg += "<desc>" + Escaped(picture.accessibleDescription) + "</desc>";

    svg += "<g" + Attribute("fill", "none") + Attribute("stroke", ink) +
           Attribute("stroke-width", Number(figure::kLineWidth)) + ">";
    for (const figure::Line& line : drawing.lines) {
        svg += "<line" + At("x1", "y1", line.from) + At("x2", "y2", line.to);
        if (line.stroke == figure::Stroke::Dashed) {
            svg += Attribute("stroke-dasharray", Number(figure::kDashLength * figure::kLineWidth) +
                                                     " " +
                                                     Number(figure::kDashGap * figure::kLineWidth));
        }
        svg += "/>";
    }
    svg += "<circle" + At("cx", "cy", drawing.centre) + Attribute("r", Number(drawing.radius)) +
           "/></g>";

    svg += "<g" + Attribute("fill", ink) + ">";
    for (figure::Point dot : drawing.dots) {
        svg += "<circle" + At("cx", "cy", dot) + Attribute("r", Number(figure::kDotRadius)) + "/>";
    }
    svg += "</g>";

    // The labels in the window's font, at its size in the figure's pixels.
    svg += "<g" + Attribute("fill", ink) +
           Attribute("font-size", Number(layout::PixelsOfPoints(design::kFont.points))) +
           Attribute("text-anchor", "middle") + ">";
    for (const figure::Label& label : drawing.labels) {
        svg += "<text" + At("x", "y", label.at) +
               Attribute("dominant-baseline", std::string(Baseline(label.anchor))) + ">" +
               Escaped(label.text) + "</text>";
    }
    return svg + "</g></svg>";
}

}  // namespace velmora::web
