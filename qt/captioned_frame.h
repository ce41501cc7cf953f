// A group box whose caption sits on its top line and is drawn above the
// controls inside, so that rows placed close under it never cut its letters.
#pragma once

#include <QGroupBox>

namespace velmora {

class CaptionedFrame : public QGroupBox {
    Q_OBJECT
  public:
    CaptionedFrame(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void childEvent(QChildEvent* event) override;

  private:
    QWidget* caption_ = nullptr;  // paints the title; the group box itself names it
};

}  // namespace velmora
