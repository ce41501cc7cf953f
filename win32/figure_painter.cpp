#include "figure_painter.h"

#include <cmath>
#include <string>

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

void DrawLabel(HDC dc, const Scale& scale, const figure::Label& label) {
    const std::u16string text = Utf16(label.text);
    const wchar_t* wide = Wide(text);
    const int length = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide, length, &size);
    const POINT at = scale.At(label.at);
    int top = at.y;
    if (label.anchor == figure::Anchor::Middle) top -= size.cy / 2;
    if (label.anchor == figure::Anchor::Bottom) top -= size.cy;
    TextOutW(dc, at.x - size.cx / 2, top, wide, length);
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
    const POINT centre = scale.At(drawing.centre);
    const int radius = scale.Length(drawing.radius);
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);

    const Brush inkBrush(CreateSolidBrush(ink));
    SelectObject(dc, inkBrush.get());
    SelectObject(dc, GetStockObject(NULL_PEN));
    const int dot = scale.Length(figure::kDotRadius);
    for (figure::Point p : drawing.dots) {
        const POINT c = scale.At(p);
        Ellipse(dc, c.x - dot, c.y - dot, c.x + dot + 1, c.y + dot + 1);
    }

    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    for (const figure::Label& label : drawing.labels) DrawLabel(dc, scale, label);
    RestoreDC(dc, saved);
}

}  // namespace velmora::win32
