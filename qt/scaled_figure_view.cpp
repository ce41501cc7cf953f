#include "scaled_figure_view.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <utility>

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

ScaledFigureView::ScaledFigureView(QWidget* parent, const solution::WorkingPaneModel& pane,
                                   solution::FigureDragInput& drag)
    : QWidget(parent), pane_(pane), drag_(drag) {
    PresentAs(this, QAccessible::Graphic);  // before anything asks for its interface
    setFocusPolicy(Qt::StrongFocus);        // after the working's lines
    setMouseTracking(true);                 // the cursor shows where a corner can be taken
}

void ScaledFigureView::Filled() {
    setAccessibleName(ToQString(pane_.Name()));
    setAccessibleDescription(ToQString(pane_.Description()));
    SetAccessibleValue(this, ToQString(pane_.Value()));
    update();
}

void ScaledFigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
    if (!hasFocus()) return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void ScaledFigureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        !drag_.Press({event->position().x(), event->position().y()})) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
}

// Qt keeps the mouse on the widget pressed until the button is let go.
void ScaledFigureView::mouseMoveEvent(QMouseEvent* event) {
    if (pane_.DraggingByPointer()) {
        drag_.MoveTo(event->position().x());
    } else {
        ShowCursorAt(event->position());
    }
}

void ScaledFigureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pane_.DraggingByPointer()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    drag_.Release(event->position().x());
    ShowCursorAt(event->position());
}

void ScaledFigureView::keyPressEvent(QKeyEvent* event) {
    using solution::FigureKey;
    static constexpr std::pair<int, FigureKey> kKeys[] = {
        {Qt::Key_Left, FigureKey::kLeft},    {Qt::Key_Right, FigureKey::kRight},
        {Qt::Key_Down, FigureKey::kDown},    {Qt::Key_Up, FigureKey::kUp},
        {Qt::Key_Home, FigureKey::kHome},    {Qt::Key_End, FigureKey::kEnd},
        {Qt::Key_Escape, FigureKey::kEscape}};
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const auto& [key, figureKey] : kKeys) {
        if (event->key() != key || (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))) {
            continue;
        }
        if (drag_.Key(figureKey, modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier)) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

// Gone to another control or window: a drag by keys is over, and so is a
// pointer's that the window's loss took away.
void ScaledFigureView::focusOutEvent(QFocusEvent* event) {
    drag_.FocusLost();
    drag_.CaptureLost();
    QWidget::focusOutEvent(event);
}

void ScaledFigureView::ShowCursorAt(QPointF at) {
    if (pane_.HandleUnder({at.x(), at.y()})) {
        setCursor(Qt::SizeHorCursor);
    } else {
        unsetCursor();
    }
}

// The trapezoid, its inscribed circle, the radius to the base a with the
// centre's dot, then the labels, in the text colour of the sheet.
void ScaledFigureView::Paint(QPainter& painter) const {
    const solution::ScaledFigure* figure = pane_.Figure();
    const std::optional<solution::FigureFit> fit = pane_.Fit();
    if (!figure || !fit) return;
    // Qt's logical pixels are pixels at 96 DPI, scaled by Qt itself.
    const solution::DrawnFigure drawn = solution::Drawn(*figure, *fit, layout::kDefaultDpi);
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
