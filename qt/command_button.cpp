#include "command_button.h"

#include <QKeyEvent>

namespace velmora {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) return QPushButton::keyPressEvent(event);
    if (!event->isAutoRepeat()) click();  // once per press, however long it is held
    event->accept();
}

}  // namespace velmora
