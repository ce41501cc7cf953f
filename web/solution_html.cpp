#include "solution_html.h"

#include "design.h"
#include "markup.h"
#include "svg.h"
#include "texts.h"
#include "utf16.h"

namespace velmora::web {
namespace {

using svg::At;
using svg::Attribute;
using svg::Baseline;

constexpr std::string_view kFigureTitleId = "solution-figure-title";
constexpr std::string_view kFigureDescriptionId = "solution-figure-description";

std::string Text(std::u16string_view text) {
    return Escaped(Utf8(text));
}

std::string Paragraph(std::u16string_view text) {
    return "<p>" + Text(text) + "</p>";
}

std::string_view TextAnchor(solution::Align align) {
    switch (align) {
        case solution::Align::Start:
            return "start";
        case solution::Align::Middle:
            return "middle";
        case solution::Align::End:
            return "end";
    }
    return "start";
}

// The trapezoid, then its inscribed circle, then the radius to the base a and
// the centre's dot, then the labels.
std::string ScaledFigureSvg(const solution::ScaledFigure& figure) {
    const std::string ink = CssColour(figure::kInk);
    std::string svg =
        "<svg" + Attribute("viewBox", "0 0 " + Number(figure.width) + " " + Number(figure.height)) +
        Attribute("role", "img") + Attribute("aria-labelledby", std::string(kFigureTitleId)) +
        Attribute("aria-describedby", std::string(kFigureDescriptionId)) + ">";
    svg += "<title" + Attribute("id", std::string(kFigureTitleId)) + ">" + Text(figure.title) +
           "</title>";
    svg += "<desc" + Attribute("id", std::string(kFigureDescriptionId)) + ">" +
           Text(figure.description) + "</desc>";

    std::string points;
    for (const figure::Point corner : figure.corners) {
        points += (points.empty() ? "" : " ") + Number(corner.x) + "," + Number(corner.y);
    }
    svg += "<g" + Attribute("fill", "none") + Attribute("stroke", ink) +
           Attribute("stroke-width", Number(2 * figure::kLineWidth)) + ">";
    svg += "<polygon" + Attribute("points", points) + "/>";
    svg += "<circle" + At("cx", "cy", figure.centre) + Attribute("r", Number(figure.radius)) + "/>";
    svg +=
        "<line" + At("x1", "y1", figure.centre) + At("x2", "y2", figure.radiusFoot) +
        Attribute("stroke-dasharray", Number(figure::kDashLength * 2 * figure::kLineWidth) + " " +
                                          Number(figure::kDashGap * 2 * figure::kLineWidth)) +
        "/></g>";
    svg += "<circle" + At("cx", "cy", figure.centre) +
           Attribute("r", Number(1.5 * figure::kDotRadius)) + Attribute("fill", ink) + "/>";

    svg +=
        "<g" + Attribute("fill", ink) + Attribute("font-size", Number(solution::kLabelSize)) + ">";
    for (const solution::FigureLabel& label : figure.labels) {
        svg += "<text" + At("x", "y", label.at) +
               Attribute("text-anchor", std::string(TextAnchor(label.align))) +
               Attribute("dominant-baseline", std::string(Baseline(label.anchor))) + ">" +
               Text(label.text) + "</text>";
    }
    return svg + "</g></svg>";
}

// A corner's handle: a target for a pointer, and on B and C the sliders that
// the keys move too.
std::string Handle(std::string_view slider = {}) {
    if (slider.empty()) return "<span" + Attribute("aria-hidden", "true") + "></span>";
    return "<span" + Attribute("role", "slider") + Attribute("tabindex", "0") +
           Attribute("aria-label", Escaped(slider)) + Attribute("aria-orientation", "horizontal") +
           "></span>";
}

}  // namespace

std::string SolutionHtml(const solution::Solution& solution) {
    std::string html = Paragraph(solution.given);
    if (solution.stepCount > 0) {
        html += "<ol>";
        for (const solution::Step& step : solution.Steps())
            html += "<li>" + Text(step.Text()) + "</li>";
        html += "</ol>";
    }
    if (!solution.verdict.empty()) html += "<p><strong>" + Text(solution.verdict) + "</strong></p>";
    if (!solution.answer.empty()) html += Paragraph(solution.answer);
    if (!solution.noFigure.empty()) html += Paragraph(solution.noFigure);
    if (solution.figure) {
        html += "<figure>" + ScaledFigureSvg(*solution.figure) + Handle() +
                Handle(texts::solution::kBaseAHandle) + Handle(texts::solution::kBaseCHandle) +
                Handle() + "</figure>";
    }
    return html;
}

}  // namespace velmora::web
