#include "accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmora {
namespace {

constexpr char kDecoration[] = "velmoraDecoration";
constexpr char kRole[] = "velmoraAccessibleRole";
constexpr char kValue[] = "velmoraAccessibleValue";

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

// A widget whose value is the text it was given.
class AccessibleWithValue : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return widget()->property(kValue).toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Interface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRole);
    if (!role.isValid()) return nullptr;  // Qt's own for every standard control
    const auto presented = static_cast<QAccessible::Role>(role.toInt());
    if (presented == QAccessible::Window || presented == QAccessible::Grouping) {
        return new AccessibleContainer(widget, presented);
    }
    return new AccessibleWithValue(widget, presented);
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Interface);
}

void PresentAs(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRole, static_cast<int>(role));
}

void SetAccessibleValue(QWidget* widget, const QString& value) {
    if (widget->property(kValue).toString() == value) return;
    widget->setProperty(kValue, value);
    QAccessibleValueChangeEvent changed(widget, value);
    QAccessible::updateAccessibility(&changed);
}

void MarkAsDecoration(QWidget* widget) {
    widget->setProperty(kDecoration, true);
}

}  // namespace velmora
