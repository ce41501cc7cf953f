// The trapezoid of the last calculation drawn to scale, for the working beside
// the calculator: a picture that screen readers know by its title and
// description. It paints what its pane holds, fitted as the pane fits it.
#pragma once

#include <QWidget>

#include "working_pane_model.h"

namespace velmora {

class ScaledFigureView : public QWidget {
    Q_OBJECT
  public:
    ScaledFigureView(QWidget* parent, const solution::WorkingPaneModel& pane);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const solution::WorkingPaneModel& pane_;
};

}  // namespace velmora
