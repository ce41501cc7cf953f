// The trapezoid of the last calculation drawn to scale, for the working beside
// the calculator: a picture that screen readers know by its title and
// description.
#pragma once

#include <QWidget>
#include <optional>

#include "scaled_figure.h"

namespace velmora {

class ScaledFigureView : public QWidget {
    Q_OBJECT
  public:
    explicit ScaledFigureView(QWidget* parent = nullptr);

    void SetFigure(const std::optional<solution::ScaledFigure>& figure);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<solution::ScaledFigure> figure_;
};

}  // namespace velmora
