#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "captioned_frame.h"
#include "trapezoid_figure.h"
#include "velmora_window.h"

namespace velmora {
namespace {

constexpr char kDecoration[] = "velmoraDecoration";

// A widget whose accessible children are only those a reader should meet:
// shown, and not a decoration painted for the widget itself.
class AccessibleContainer : public QAccessibleWidget {
  public:
    AccessibleContainer(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = Children();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QWidgetList Children() const {
        QWidgetList children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden() &&
                !child->property(kDecoration).toBool()) {
                children.append(child);
            }
        }
        return children;
    }
};

QAccessibleInterface* Interface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<VelmoraWindow*>(object)) {
        return new AccessibleContainer(window, QAccessible::Window);
    }
    if (auto* frame = qobject_cast<CaptionedFrame*>(object)) {
        return new AccessibleContainer(frame, QAccessible::Grouping);
    }
    if (auto* figure = qobject_cast<TrapezoidFigure*>(object)) {
        return new QAccessibleWidget(figure, QAccessible::Graphic);
    }
    return nullptr;  // Qt's own for every standard control
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Interface);
}

void MarkAsDecoration(QWidget* widget) {
    widget->setProperty(kDecoration, true);
}

}  // namespace velmora
