#include "scaled_figure_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "accessibility.h"
#include "qt_text.h"

namespace velmora {
namespace {

QPointF ToQPoint(figure::Point p) {
    return {p.x, p.y};
}

// The label's text with its anchor point where the figure puts it.
void DrawLabel(QPainter& painter, const solution::FigureLabel& label, QPointF at) {
    const QString text = ToQString(label.text);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    double left = at.x();
    if (label.align == solution::Align::Middle) left -= width / 2;
    if (label.align == solution::Align::End) left -= width;
    double top = at.y();
    if (label.anchor == figure::Anchor::Middle) top -= height / 2;
    if (label.anchor == figure::Anchor::Bottom) top -= height;
    painter.drawText(QRectF(left, top, width, height), Qt::AlignCenter, text);
}

}  // namespace

ScaledFigureView::ScaledFigureView(QWidget* parent) : QWidget(parent) {
    PresentAs(this, QAccessible::Graphic);  // before anything asks for its interface
    setFocusPolicy(Qt::NoFocus);
}

void ScaledFigureView::SetFigure(const std::optional<solution::ScaledFigure>& figure) {
    figure_ = figure;
    setAccessibleName(figure ? ToQString(figure->title) : QString());
    setAccessibleDescription(figure ? ToQString(figure->description) : QString());
    update();
}

// The trapezoid, its inscribed circle, the radius to the base a with the
// centre's dot, then the labels, in the text colour of the sheet.
void ScaledFigureView::paintEvent(QPaintEvent*) {
    if (!figure_) return;
    const solution::ScaledFigure& drawing = *figure_;
    const solution::FigureFit fit = solution::FitInto(drawing, 0, 0, width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    QPen solid(ink, figure::kLineWidth * 2);
    painter.setPen(solid);
    painter.setBrush(Qt::NoBrush);
    QPolygonF corners;
    for (figure::Point corner : drawing.corners) corners << ToQPoint(fit.At(corner));
    painter.drawPolygon(corners);
    const QPointF centre = ToQPoint(fit.At(drawing.centre));
    const double radius = drawing.radius * fit.scale;
    painter.drawEllipse(centre, radius, radius);
    QPen dashed = solid;
    dashed.setDashPattern({figure::kDashLength, figure::kDashGap});
    painter.setPen(dashed);
    painter.drawLine(centre, ToQPoint(fit.At(drawing.radiusFoot)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre, figure::kDotRadius * 1.5, figure::kDotRadius * 1.5);

    QFont labels = font();  // the window's, scaled with the drawing
    labels.setPixelSize(
        std::max(1, static_cast<int>(std::lround(solution::kLabelSize * fit.scale))));
    painter.setFont(labels);
    painter.setPen(ink);
    for (const solution::FigureLabel& label : drawing.labels) {
        DrawLabel(painter, label, ToQPoint(fit.At(label.at)));
    }
}

}  // namespace velmora
