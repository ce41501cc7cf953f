#include "trapezoid_figure.h"

#include <QFontMetricsF>
#include <QPainter>

#include "figure.h"
#include "qt_text.h"
#include "twip_layout.h"

namespace velmora {
namespace {

QPointF ToQPoint(figure::Point p) {
    return {p.x, p.y};
}

// Draws a label with its anchor point where the figure puts it, so labels sit
// the same at any font size.
void DrawLabel(QPainter& painter, const figure::Label& label) {
    const QString text = ToQString(label.text);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    double top = label.at.y;
    if (label.anchor == figure::Anchor::Middle) top -= height / 2;
    if (label.anchor == figure::Anchor::Bottom) top -= height;
    painter.drawText(QRectF(label.at.x - width / 2, top, width, height), Qt::AlignCenter, text);
}

}  // namespace

TrapezoidFigure::TrapezoidFigure(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(layout::kFigureBorder);
    setFocusPolicy(Qt::NoFocus);
}

void TrapezoidFigure::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the sunken border
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.fillRect(QRectF(0, 0, figure::kWidth, figure::kHeight), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);

    const figure::Drawing& drawing = figure::Trapezoid();
    QPen solid(Qt::black, figure::kLineWidth);
    QPen dashed = solid;
    dashed.setDashPattern({figure::kDashLength, figure::kDashGap});
    painter.setBrush(Qt::NoBrush);
    for (const figure::Line& line : drawing.lines) {
        painter.setPen(line.stroke == figure::Stroke::Dashed ? dashed : solid);
        painter.drawLine(ToQPoint(line.from), ToQPoint(line.to));
    }
    painter.setPen(solid);
    painter.drawEllipse(ToQPoint(drawing.centre), drawing.radius, drawing.radius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (figure::Point dot : drawing.dots) {
        painter.drawEllipse(ToQPoint(dot), figure::kDotRadius, figure::kDotRadius);
    }

    painter.setPen(Qt::black);
    for (const figure::Label& label : drawing.labels) DrawLabel(painter, label);
}

}  // namespace velmora
