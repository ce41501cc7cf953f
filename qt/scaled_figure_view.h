// The trapezoid of the last calculation drawn to scale, for the working beside
// the calculator: a picture that screen readers know by its name, value and
// description. It paints what its pane holds, fitted as the pane fits it, and
// moves by its corners: the mouse drags them, the keys move the bases.
#pragma once

#include <QWidget>

#include "figure_drag_input.h"
#include "working_pane_model.h"

namespace velmora {

class ScaledFigureView : public QWidget {
    Q_OBJECT
  public:
    ScaledFigureView(QWidget* parent, const solution::WorkingPaneModel& pane,
                     solution::FigureDragInput& drag);

    // The pane has been filled: the picture and what a reader says of it.
    void Filled();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Paint(QPainter& painter) const;
    void ShowCursorAt(QPointF at);

    const solution::WorkingPaneModel& pane_;
    solution::FigureDragInput& drag_;
};

}  // namespace velmora
