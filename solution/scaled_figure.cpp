#include "scaled_figure.h"

#include <algorithm>
#include <cmath>

#include "format_value.h"
#include "sentence.h"
#include "texts.h"
#include "utf16.h"

namespace velmora::solution {
namespace {

// The longer base, and the room around the figure for the labels.
constexpr double kBaseLength = 320;
constexpr double kSideRoom = 100;
constexpr double kRoomAbove = 36;
constexpr double kRoomBelow = 36;
// Labels clear the lines and corners by this much.
constexpr double kClearance = 6;
// Half a label's height, its line a little higher than its size.
constexpr double kHalfLabel = 0.6 * kLabelSize;
// A value longer than this would not fit beside a leg: the label is then the
// symbol alone, and the value stays in the description and the answer.
constexpr std::size_t kLongestValueLabel = 10;

std::u16string Symbol(Quantity q) {
    return Utf16(QuantitySymbol(q));
}

std::u16string ValueLabel(Quantity q, const std::u16string& value) {
    if (value.size() > kLongestValueLabel) return Symbol(q);
    return Symbol(q) + u" = " + value;
}

}  // namespace

FigureFit FitInto(const ScaledFigure& figure, double left, double top, double width,
                  double height) {
    const double scale = std::min(width / figure.width, height / figure.height);
    return {scale, left + (width - figure.width * scale) / 2,
            top + (height - figure.height * scale) / 2};
}

std::optional<Quantity> FirstNonPositiveLength(const QuantityValues& values) {
    for (Quantity q : {kBaseA, kLegB, kBaseC, kRadiusR}) {
        if (!(values[q] > 0.0)) return q;
    }
    return std::nullopt;
}

std::optional<ScaledFigure> ScaledFigureOf(const QuantityValues& values, const NumberFormat& format,
                                           std::optional<FigureScale> kept) {
    if (FirstNonPositiveLength(values)) return std::nullopt;
    std::array<std::u16string, kQuantityCount> shown;
    for (Quantity q : kAllQuantities) shown[q] = FormatValue(values[q], format);

    const FigureScale drawn = kept.value_or(FigureScale{
        kBaseLength / std::max(values[kBaseA], values[kBaseC]), kBaseLength + 2 * kSideRoom});
    const double scale = drawn.unitsPerLength;
    const double a = values[kBaseA] * scale;
    const double c = values[kBaseC] * scale;
    const double r = values[kRadiusR] * scale;
    const double width = drawn.width;
    const double middle = width / 2;
    const double top = kRoomAbove;
    const double bottom = top + 2 * r;

    const figure::Point A{middle - a / 2, bottom};
    const figure::Point B{middle + a / 2, bottom};
    const figure::Point C{middle + c / 2, top};
    const figure::Point D{middle - c / 2, top};
    const figure::Point O{middle, top + r};
    // A leg's label beside its middle, clear of the leg at the label's upper
    // and lower edges too, where the slanted leg comes nearer.
    const double legLabelX = (a + c) / 4 + kClearance + kHalfLabel * std::fabs(a - c) / (4 * r);

    using figure::Anchor;
    ScaledFigure drawing{
        .scale = drawn,
        .width = width,
        .height = bottom + kRoomBelow,
        .corners = {A, B, C, D},
        .centre = O,
        .radius = r,
        .radiusFoot = {middle, bottom},
        .labels = {{
            {u"A", {A.x - kClearance, A.y}, Align::End, Anchor::Middle},
            {u"B", {B.x + kClearance, B.y}, Align::Start, Anchor::Middle},
            {u"C", {C.x + kClearance, C.y}, Align::Start, Anchor::Middle},
            {u"D", {D.x - kClearance, D.y}, Align::End, Anchor::Middle},
            {u"O", {O.x - kClearance, O.y}, Align::End, Anchor::Bottom},
            {ValueLabel(kBaseA, shown[kBaseA]),
             {middle, bottom + kClearance},
             Align::Middle,
             Anchor::Top},
            {ValueLabel(kLegB, shown[kLegB]),
             {middle - legLabelX, O.y},
             Align::End,
             Anchor::Middle},
            {ValueLabel(kLegB, shown[kLegB]),
             {middle + legLabelX, O.y},
             Align::Start,
             Anchor::Middle},
            {ValueLabel(kBaseC, shown[kBaseC]),
             {middle, top - kClearance},
             Align::Middle,
             Anchor::Bottom},
            {ValueLabel(kRadiusR, shown[kRadiusR]),
             {middle + kClearance, O.y + r / 2},
             Align::Start,
             Anchor::Middle},
        }},
        .title = Utf16(texts::solution::kFigureTitle),
        .description = Sentence(texts::solution::kFigureDescription,
                                {shown[kBaseA], shown[kBaseC], shown[kLegB], shown[kRadiusR]}),
    };
    return drawing;
}

}  // namespace velmora::solution
