// Calculate and Clear. Enter presses the focused button, as Space does and as
// push buttons do on Windows and on the Linux desktops; neither button is a
// default button, so Enter elsewhere presses nothing.
#pragma once

#include <QPushButton>

namespace velmora {

class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    CommandButton(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velmora
