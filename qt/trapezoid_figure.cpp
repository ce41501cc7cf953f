#include "trapezoid_figure.h"

#include <QFontMetricsF>
#include <QPainter>

#include "accessibility.h"
#include "figure.h"
#include "qt_design.h"
#include "qt_text.h"

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
    PresentAs(this, QAccessible::Graphic);  // before anything asks for its interface
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(figure::kBorder);
    setFocusPolicy(Qt::NoFocus);
}

void TrapezoidFigure::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the sunken border
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.fillRect(QRectF(0, 0, figure::kWidth, figure::kHeight), ToQColor(figure::kPaper));
    painter.setRenderHint(QPainter::Antialiasing);

    const figure::Drawing& drawing = figure::Trapezoid();
    const QColor ink = ToQColor(figure::kInk);
    QPen solid(ink, figure::kLineWidth);
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
    painter.setBrush(ink);
    for (figure::Point dot : drawing.dots) {
        painter.drawEllipse(ToQPoint(dot), figure::kDotRadius, figure::kDotRadius);
    }

    painter.setPen(ink);
    for (const figure::Label& label : drawing.labels) DrawLabel(painter, label);
}

}  // namespace velmora
