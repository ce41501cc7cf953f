#include "control_factory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

#include "captioned_frame.h"
#include "command_button.h"
#include "pair_list.h"
#include "qt_design.h"
#include "qt_text.h"
#include "trapezoid_figure.h"

namespace velmora {
namespace {

using design::Kind;

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A check box the user cannot change still shows its symbol in the normal
// text colour, so that it reads as a label and not as greyed out.
void KeepTextColourWhenDisabled(QWidget* widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    widget->setPalette(palette);
}

// The toolkit's text boxes separate lines with a line feed alone.
QString ForTextBox(std::string_view crlfText) {
    return ToQString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* MultiLineBox(const design::Control& control, QWidget* parent) {
    auto* box = new QPlainTextEdit(ForTextBox(control.text), parent);
    box->setReadOnly(control.readOnly);
    if (control.readOnly) {
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* ValueBox(const design::Control& control, QWidget* parent) {
    auto* box = new QLineEdit(ToQString(control.text), parent);
    box->setMaxLength(std::numeric_limits<int>::max());  // no length limit
    box->setReadOnly(control.readOnly);
    return box;
}

QWidget* CheckBox(const design::Control& control, QWidget* parent) {
    auto* check = new QCheckBox(ToQString(control.text), parent);
    check->setEnabled(!control.readOnly);  // only the program sets the marks
    KeepTextColourWhenDisabled(check);
    return check;
}

QWidget* Label(const design::Control& control, QWidget* parent) {
    auto* label = new QLabel(ToQString(control.text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QWidget* PairListOf(QWidget* parent) {
    auto* list = new PairList(parent);
    for (const PairDefinition& pair : kInputPairs) list->addItem(ToQString(pair.caption));
    return list;
}

QWidget* WidgetOfKind(const design::Control& control, QWidget* parent) {
    switch (control.kind) {
        case Kind::Label:
            return Label(control, parent);
        case Kind::List:
            return PairListOf(parent);
        case Kind::Frame:
            return new CaptionedFrame(ToQString(control.text), parent);
        case Kind::Picture:
            return new TrapezoidFigure(parent);
        case Kind::Button:
            return new CommandButton(ToQString(control.text), parent);
        case Kind::CheckBox:
            return CheckBox(control, parent);
        case Kind::ValueBox:
            return ValueBox(control, parent);
        case Kind::MultiLineBox:
            return MultiLineBox(control, parent);
    }
    return new QWidget(parent);
}

void PaintBackground(QWidget* widget, const design::Control& control) {
    if (!control.background) return;
    if (control.kind == Kind::Button) {
        Paint(widget, QPalette::Button, ToQColor(*control.background));
        Paint(widget, QPalette::ButtonText, ToQColor(design::kTextOnDesignedColour));
    } else {
        FillDesigned(widget, *control.background);
    }
}

}  // namespace

void FillBackground(QWidget* widget, Colour colour) {
    Paint(widget, widget->backgroundRole(), ToQColor(colour));
    widget->setAutoFillBackground(true);
}

void FillDesigned(QWidget* widget, Colour colour) {
    FillBackground(widget, colour);
    Paint(widget, QPalette::WindowText, ToQColor(design::kTextOnDesignedColour));
}

QWidget* CreateControl(const design::Control& control, QWidget* parent) {
    QWidget* widget = WidgetOfKind(control, parent);
    widget->setObjectName(QString::fromStdString(design::IndexedName(control)));
    widget->setGeometry(ToQRect(control.rect));
    const std::string_view name = design::SpokenName(control);
    if (!name.empty()) widget->setAccessibleName(ToQString(name));
    if (!control.accessibleDescription.empty()) {
        widget->setAccessibleDescription(ToQString(control.accessibleDescription));
    }
    PaintBackground(widget, control);
    if (!control.visible) widget->hide();
    return widget;
}

}  // namespace velmora
