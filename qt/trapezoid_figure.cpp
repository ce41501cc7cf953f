#include "trapezoid_figure.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include "twip_layout.h"

namespace velmora {
namespace {

// The drawing, in logical pixels of the 177 x 162 picture. The bases satisfy
// a·c = (2r)², so the circle really touches all four sides.
constexpr double kRadius = 46.0;
constexpr double kLongBase = 138.0;
constexpr double kShortBase = (2 * kRadius) * (2 * kRadius) / kLongBase;
constexpr double kCentreX = layout::kFigureWidth / 2.0;
constexpr double kTop = 32.0;
constexpr double kBottom = kTop + 2 * kRadius;
constexpr double kDotRadius = 2.0;

const QPointF kA{kCentreX - kLongBase / 2, kBottom};
const QPointF kB{kCentreX + kLongBase / 2, kBottom};
const QPointF kC{kCentreX + kShortBase / 2, kTop};
const QPointF kD{kCentreX - kShortBase / 2, kTop};
const QPointF kO{kCentreX, kTop + kRadius};
const QPointF kM{kD.x(), kBottom};
const QPointF kN{kC.x(), kBottom};

// Where the circle touches the line through p and q: the foot of the
// perpendicular from the centre.
QPointF TouchPoint(QPointF p, QPointF q) {
    const QPointF d = q - p;
    const double t = QPointF::dotProduct(kO - p, d) / QPointF::dotProduct(d, d);
    return p + t * d;
}

// Draws text centred on a point, so labels sit the same at any font size.
void Label(QPainter& painter, QPointF centre, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const QRectF box(centre.x() - metrics.horizontalAdvance(text) / 2,
                     centre.y() - metrics.height() / 2, metrics.horizontalAdvance(text),
                     metrics.height());
    painter.drawText(box, Qt::AlignCenter, text);
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
    painter.fillRect(QRectF(0, 0, layout::kFigureWidth, layout::kFigureHeight), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);

    QPen solid(Qt::black, 1.0);
    painter.setPen(solid);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF({kA, kB, kC, kD}));
    painter.drawEllipse(kO, kRadius, kRadius);
    painter.drawLine(kD, kM);
    painter.drawLine(kC, kN);

    QPen dashed(Qt::black, 1.0, Qt::DashLine);
    painter.setPen(dashed);
    const QPointF leftLeg = (kA + kD) / 2;  // at the height of O
    const QPointF rightLeg = (kB + kC) / 2;
    painter.drawLine(leftLeg, rightLeg);
    painter.drawLine(QPointF(kCentreX, kTop), QPointF(kCentreX, kBottom));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPointF touches[] = {QPointF(kCentreX, kTop),
                               QPointF(kCentreX, kBottom),
                               TouchPoint(kA, kD),
                               TouchPoint(kB, kC),
                               kM,
                               kN,
                               kO};
    for (const QPointF& dot : touches) painter.drawEllipse(dot, kDotRadius, kDotRadius);

    painter.setPen(Qt::black);
    const double line = QFontMetricsF(painter.font()).height();
    const double above = kTop - line / 2 - 1;
    const double below = kBottom + line / 2 + 1;
    Label(painter, {kA.x() - 6, below}, QStringLiteral("A"));
    Label(painter, {kB.x() + 6, below}, QStringLiteral("B"));
    Label(painter, {kC.x() + 6, above}, QStringLiteral("C"));
    Label(painter, {kD.x() - 6, above}, QStringLiteral("D"));
    Label(painter, {kM.x(), below}, QStringLiteral("M"));
    Label(painter, {kN.x(), below}, QStringLiteral("N"));
    Label(painter, {kCentreX, below}, QStringLiteral("a"));
    Label(painter, {kCentreX, above}, QStringLiteral("c"));
    Label(painter, {leftLeg.x() - 14, leftLeg.y()}, QStringLiteral("b"));
    Label(painter, {rightLeg.x() + 14, rightLeg.y()}, QStringLiteral("b"));
    Label(painter, {kO.x() + 8, kO.y() - line / 2}, QStringLiteral("O"));
}

}  // namespace velmora
