#include "scaled_figure_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include "accessibility.h"
#include "drawn_figure.h"
#include "qt_text.h"

namespace velmora {
namespace {

QPointF ToQPoint(figure::Point p) {
    return {p.x, p.y};
}

// The label's text with its anchor point where the shared figure puts it.
void DrawLabel(QPainter& painter, const solution::FigureLabel& label, figure::Point at) {
    const QString text = ToQString(label.text);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    const figure::Point corner = solution::LabelCorner(label, at, width, height);
    painter.drawText(QRectF(corner.x, corner.y, width, height), Qt::AlignCenter, text);
}

}  // namespace

ScaledFigureView::ScaledFigureView(QWidget* parent, const solution::WorkingPaneModel& pane)
    : QWidget(parent), pane_(pane) {
    PresentAs(this, QAccessible::Graphic);  // before anything asks for its interface
    setFocusPolicy(Qt::NoFocus);
}

// The trapezoid, its inscribed circle, the radius to the base a with the
// centre's dot, then the labels, in the text colour of the sheet.
void ScaledFigureView::paintEvent(QPaintEvent*) {
    const solution::ScaledFigure* figure = pane_.Figure();
    const std::optional<solution::FigureFit> fit = pane_.Fit();
    if (!figure || !fit) return;
    // Qt's logical pixels are pixels at 96 DPI, scaled by Qt itself.
    const solution::DrawnFigure drawn = solution::Drawn(*figure, *fit, layout::kDefaultDpi);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    QPen solid(ink, drawn.lineWidth);
    painter.setPen(solid);
    painter.setBrush(Qt::NoBrush);
    QPolygonF corners;
    for (figure::Point corner : drawn.corners) corners << ToQPoint(corner);
    painter.drawPolygon(corners);
    const QPointF centre = ToQPoint(drawn.centre);
    painter.drawEllipse(centre, drawn.radius, drawn.radius);
    QPen dashed = solid;
    dashed.setDashPattern({figure::kDashLength, figure::kDashGap});
    painter.setPen(dashed);
    painter.drawLine(centre, ToQPoint(drawn.radiusFoot));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre, drawn.dotRadius, drawn.dotRadius);

    QFont labels = font();  // the window's, scaled with the drawing
    labels.setPixelSize(drawn.labelPixels);
    painter.setFont(labels);
    painter.setPen(ink);
    for (std::size_t i = 0; i < figure->labels.size(); ++i) {
        DrawLabel(painter, figure->labels[i], drawn.labelsAt[i]);
    }
}

}  // namespace velmora
