#include "velmora_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "accessibility.h"
#include "control_factory.h"
#include "qt_design.h"
#include "qt_text.h"
#include "saved_placement.h"

namespace velmora {
namespace {

using design::Name;

// The first of the design's families that is installed: naming an installed
// family spares the font system a slow search for a substitute at start-up.
QFont WindowFont() {
    QString family = ToQString(design::kFont.families.front());
    for (std::string_view candidate : design::kFont.families) {
        if (QFontDatabase::hasFamily(ToQString(candidate))) {
            family = ToQString(candidate);
            break;
        }
    }
    QFont font(family, design::kFont.points);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace

VelmoraWindow::VelmoraWindow(QWidget* parent)
    : QWidget(parent), logic_(*this, [this] { return numberFormat_; }) {
    PresentAs(this, QAccessible::Window);  // before anything asks for its interface
    setObjectName(ToQString(design::kWindow.name));
    setWindowTitle(ToQString(design::kWindow.caption));
    // As designed, and no smaller; wider, the working stands beside the controls.
    const QSize designed =
        ToQRect({0, 0, design::kWindow.widthTwips, design::kWindow.heightTwips}).size();
    setMinimumSize(designed);
    resize(designed);
    FillBackground(this, design::kWindow.background);
    setFont(WindowFont());

    CreateControls();
    ChainTabOrder();
    BindEvents();
    logic_.Load();
    RestorePlacement(*this);
    KeepPlacement(*this);
}

void VelmoraWindow::CreateControls() {
    for (int row = 0; row < design::kControlCount; ++row) {
        const design::Control& control = design::kControls[static_cast<std::size_t>(row)];
        QWidget* parent = control.inFrame ? Widget(Name::Frame1) : this;
        widgets_[static_cast<std::size_t>(row)] = CreateControl(control, parent);
    }
}

// The controls that take the focus, in the table's order; the first has it
// when the window opens.
void VelmoraWindow::ChainTabOrder() {
    std::vector<QWidget*> order;
    for (std::size_t row = 0; row < widgets_.size(); ++row) {
        if (design::TakesFocus(design::kControls[row])) order.push_back(widgets_[row]);
    }
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    if (!order.empty()) order.front()->setFocus();
}

void VelmoraWindow::BindEvents() {
    // Bound to the selection itself, so that mouse, keyboard, accessibility
    // tools and the program all raise the pair change alike.
    connect(PairList()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { logic_.PairChanged(); });
    // The buttons share one handler, which takes the button's index.
    commands_ = new QButtonGroup(this);
    for (const design::Control& control : design::kControls) {
        if (control.kind != design::Kind::Button) continue;
        commands_->addButton(qobject_cast<QAbstractButton*>(Widget(control.name, control.index)),
                             control.index);
    }
    connect(commands_, &QButtonGroup::idClicked, this,
            [this](int index) { logic_.CommandClicked(index); });
}

void VelmoraWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) numberFormat_ = SystemNumberFormat();
    QWidget::changeEvent(event);
}

void VelmoraWindow::resizeEvent(QResizeEvent* event) {
    working_.LayOut();
    QWidget::resizeEvent(event);
}

void VelmoraWindow::closeEvent(QCloseEvent* event) {
    SavePlacement(*this);
    QWidget::closeEvent(event);
}

QWidget* VelmoraWindow::Widget(design::Name name, int index) const {
    return widgets_[static_cast<std::size_t>(design::RowOf(name, index))];
}

QLineEdit* VelmoraWindow::ValueBox(Quantity k) const {
    return qobject_cast<QLineEdit*>(Widget(Name::Text2, k));
}

QCheckBox* VelmoraWindow::CheckMark(Quantity k) const {
    return qobject_cast<QCheckBox*>(Widget(Name::Check1, k));
}

QListWidget* VelmoraWindow::PairList() const {
    return qobject_cast<QListWidget*>(Widget(Name::List1));
}

QPlainTextEdit* VelmoraWindow::Explanation() const {
    return qobject_cast<QPlainTextEdit*>(Widget(Name::Text1, 0));
}

std::u16string VelmoraWindow::ValueText(Quantity k) const {
    return ToUtf16(ValueBox(k)->text());
}

void VelmoraWindow::SetValueText(Quantity k, const std::u16string& text) {
    ValueBox(k)->setText(ToQString(text));
    ValueBox(k)->setCursorPosition(0);  // show the start of a long value
}

void VelmoraWindow::SetValueReadOnly(Quantity k, bool readOnly) {
    ValueBox(k)->setReadOnly(readOnly);
}

void VelmoraWindow::SetCheckMark(Quantity k, bool checked) {
    CheckMark(k)->setChecked(checked);
}

InputPair VelmoraWindow::SelectedPair() const {
    const QModelIndexList rows = PairList()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void VelmoraWindow::SelectPair(InputPair pair) {
    PairList()->setCurrentRow(pair);
}

void VelmoraWindow::SetExplanation(const std::u16string& text) {
    Explanation()->setPlainText(ToQString(text));
}

void VelmoraWindow::ShowWorking(const Calculation& calculation) {
    working_.Show(calculation);
}

void VelmoraWindow::ClearWorking() {
    working_.Clear();
}

}  // namespace velmora
