#include "figure_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "density.h"
#include "figure.h"
#include "gdi.h"
#include "twip_layout.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

// Figure pixels (at 96 DPI) to device pixels from an origin.
class Scale {
  public:
    Scale(POINT origin, int dpi) : origin_(origin), factor_(dpi / double(layout::kDefaultDpi)) {}
    int Length(double pixels) const { return static_cast<int>(std::lround(pixels * factor_)); }
    POINT At(figure::Point p) const { return {origin_.x + Length(p.x), origin_.y + Length(p.y)}; }

  private:
    POINT origin_;
    double factor_;
};

void FillBand(HDC dc, RECT r, int colourIndex) {
    FillRect(dc, &r, GetSysColorBrush(colourIndex));
}

}  // namespace

// Two rings, as DrawEdge's EDGE_SUNKEN draws them, each half the border wide.
void PaintSunkenBorder(HDC dc, RECT r, int width) {
    const int ring = width / 2 > 0 ? width / 2 : 1;
    const int outer[2][2] = {{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
                             {COLOR_3DDKSHADOW, COLOR_3DLIGHT}};
    for (const auto& colours : outer) {
        FillBand(dc, {r.left, r.top, r.right, r.top + ring}, colours[0]);
        FillBand(dc, {r.left, r.top, r.left + ring, r.bottom}, colours[0]);
        FillBand(dc, {r.left, r.bottom - ring, r.right, r.bottom}, colours[1]);
        FillBand(dc, {r.right - ring, r.top, r.right, r.bottom}, colours[1]);
        InflateRect(&r, -ring, -ring);
    }
}

namespace {

Pen LinePen(figure::Stroke stroke, int width, COLORREF ink) {
    LOGBRUSH brush{BS_SOLID, ink, 0};
    if (stroke == figure::Stroke::Solid) {
        return Pen(
            ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &brush, 0, nullptr));
    }
    const DWORD dashes[] = {static_cast<DWORD>(figure::kDashLength * width),
                            static_cast<DWORD>(figure::kDashGap * width)};
    return Pen(
        ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, width, &brush, 2, dashes));
}

// A label's text with its anchor point at `at`: x where `align` says along
// the text, y at its top, middle or bottom edge.
void DrawLabel(HDC dc, std::u16string_view text, POINT at, solution::Align align,
               figure::Anchor anchor) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide, length, &size);
    int left = at.x;
    if (align == solution::Align::Middle) left -= size.cx / 2;
    if (align == solution::Align::End) left -= size.cx;
    int top = at.y;
    if (anchor == figure::Anchor::Middle) top -= size.cy / 2;
    if (anchor == figure::Anchor::Bottom) top -= size.cy;
    TextOutW(dc, left, top, wide, length);
}

POINT Rounded(figure::Point p) {
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

void DrawCircle(HDC dc, POINT centre, int radius) {
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
}

}  // namespace

void PaintFigure(HDC dc, const RECT& bounds, int dpi, HFONT font, COLORREF paper, COLORREF ink) {
    const int border = MulDiv(figure::kBorder, dpi, layout::kDefaultDpi);
    PaintSunkenBorder(dc, bounds, border);
    RECT inside = bounds;
    InflateRect(&inside, -border, -border);
    const Brush paperBrush(CreateSolidBrush(paper));
    FillRect(dc, &inside, paperBrush.get());

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    const Scale scale({inside.left, inside.top}, dpi);
    const int width = scale.Length(figure::kLineWidth) > 0 ? scale.Length(figure::kLineWidth) : 1;
    const figure::Drawing& drawing = figure::Trapezoid();

    const Pen solid = LinePen(figure::Stroke::Solid, width, ink);
    const Pen dashed = LinePen(figure::Stroke::Dashed, width, ink);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const figure::Line& line : drawing.lines) {
        SelectObject(dc, line.stroke == figure::Stroke::Dashed ? dashed.get() : solid.get());
        const POINT from = scale.At(line.from);
        const POINT to = scale.At(line.to);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    }
    SelectObject(dc, solid.get());
    DrawCircle(dc, scale.At(drawing.centre), scale.Length(drawing.radius));

    const Brush inkBrush(CreateSolidBrush(ink));
    SelectObject(dc, inkBrush.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    const int dot = scale.Length(figure::kDotRadius);
    for (figure::Point p : drawing.dots) DrawCircle(dc, scale.At(p), dot);

    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    for (const figure::Label& label : drawing.labels) {
        DrawLabel(dc, Utf16(label.text), scale.At(label.at), solution::Align::Middle, label.anchor);
    }
    RestoreDC(dc, saved);
}

void PaintScaledFigure(HDC dc, const RECT& bounds, int dpi, COLORREF paper, COLORREF ink,
                       const solution::ScaledFigure& drawing) {
    const Brush paperBrush(CreateSolidBrush(paper));
    FillRect(dc, &bounds, paperBrush.get());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    const solution::FigureFit fit = solution::FitInto(
        drawing, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    const auto at = [&fit](figure::Point p) { return Rounded(fit.At(p)); };
    const int width = std::max(1, MulDiv(2, dpi, layout::kDefaultDpi));
    const Pen solid = LinePen(figure::Stroke::Solid, width, ink);
    const Pen dashed = LinePen(figure::Stroke::Dashed, width, ink);

    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, solid.get());
    std::array<POINT, 4> corners{};
    for (std::size_t i = 0; i < corners.size(); ++i) corners[i] = at(drawing.corners[i]);
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    const POINT centre = at(drawing.centre);
    DrawCircle(dc, centre, static_cast<int>(std::lround(drawing.radius * fit.scale)));
    SelectObject(dc, dashed.get());
    const POINT foot = at(drawing.radiusFoot);
    MoveToEx(dc, centre.x, centre.y, nullptr);
    LineTo(dc, foot.x, foot.y);

    const Brush inkBrush(CreateSolidBrush(ink));
    SelectObject(dc, inkBrush.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    DrawCircle(dc, centre, MulDiv(3, dpi, layout::kDefaultDpi));

    // The window's font, scaled with the drawing.
    const Font labels =
        DesignedFont(std::max(1, static_cast<int>(std::lround(solution::kLabelSize * fit.scale))));
    SelectObject(dc, labels.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    for (const solution::FigureLabel& label : drawing.labels) {
        DrawLabel(dc, label.text, at(label.at), label.align, label.anchor);
    }
    RestoreDC(dc, saved);
}

}  // namespace velmora::win32
