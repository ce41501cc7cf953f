// The picture beside the calculator: the trapezoid ABCD with its inscribed
// circle, drawn in vector form so that it stays sharp at any scaling.
#pragma once

#include <QFrame>

namespace velmora {

class TrapezoidFigure : public QFrame {
    Q_OBJECT
  public:
    explicit TrapezoidFigure(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
