#include "figure_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "density.h"
#include "drawn_figure.h"
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

void PaintFocusFrame(HDC dc, RECT r, int width) {
    FillBand(dc, {r.left, r.top, r.right, r.top + width}, COLOR_HIGHLIGHT);
    FillBand(dc, {r.left, r.bottom - width, r.right, r.bottom}, COLOR_HIGHLIGHT);
    FillBand(dc, {r.left, r.top, r.left + width, r.bottom}, COLOR_HIGHLIGHT);
    FillBand(dc, {r.right - width, r.top, r.right, r.bottom}, COLOR_HIGHLIGHT);
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

// A label's text with its anchor point at `at`, where the shared figure puts it.
void DrawLabel(HDC dc, const solution::FigureLabel& label, figure::Point at) {
    const auto* wide = reinterpret_cast<const wchar_t*>(label.text.data());
    const int length = static_cast<int>(label.text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide, length, &size);
    const figure::Point corner = solution::LabelCorner(label, at, size.cx, size.cy);
    TextOutW(dc, static_cast<int>(std::lround(corner.x)), static_cast<int>(std::lround(corner.y)),
             wide, length);
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
        const std::u16string text = Utf16(label.text);
        const solution::FigureLabel centred{text, {}, solution::Align::Middle, label.anchor};
        const POINT at = scale.At(label.at);
        DrawLabel(dc, centred, {static_cast<double>(at.x), static_cast<double>(at.y)});
    }
    RestoreDC(dc, saved);
}

void PaintScaledFigure(HDC dc, const RECT& bounds, int dpi, COLORREF paper, COLORREF ink,
                       const solution::ScaledFigure& drawing, const solution::FigureFit& fit) {
    const Brush paperBrush(CreateSolidBrush(paper));
    FillRect(dc, &bounds, paperBrush.get());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    const solution::DrawnFigure drawn = solution::Drawn(drawing, fit, dpi);
    const Pen solid = LinePen(figure::Stroke::Solid, drawn.lineWidth, ink);
    const Pen dashed = LinePen(figure::Stroke::Dashed, drawn.lineWidth, ink);

    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, solid.get());
    std::array<POINT, 4> corners{};
    for (std::size_t i = 0; i < corners.size(); ++i) corners[i] = Rounded(drawn.corners[i]);
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    const POINT centre = Rounded(drawn.centre);
    DrawCircle(dc, centre, static_cast<int>(std::lround(drawn.radius)));
    SelectObject(dc, dashed.get());
    const POINT foot = Rounded(drawn.radiusFoot);
    MoveToEx(dc, centre.x, centre.y, nullptr);
    LineTo(dc, foot.x, foot.y);

    const Brush inkBrush(CreateSolidBrush(ink));
    SelectObject(dc, inkBrush.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    DrawCircle(dc, centre, drawn.dotRadius);

    // The window's font, scaled with the drawing.
    const Font labels = DesignedFont(drawn.labelPixels);
    SelectObject(dc, labels.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    for (std::size_t i = 0; i < drawing.labels.size(); ++i) {
        DrawLabel(dc, drawing.labels[i], drawn.labelsAt[i]);
    }
    RestoreDC(dc, saved);
}

}  // namespace velmora::win32
