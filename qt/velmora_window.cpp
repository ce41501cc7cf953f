#include "velmora_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <limits>

#include "accessibility.h"
#include "captioned_frame.h"
#include "command_button.h"
#include "pair_list.h"
#include "qt_text.h"
#include "texts.h"
#include "trapezoid_figure.h"
#include "twip_layout.h"

namespace velmora {
namespace {

// The desktop entry's name, and the icon theme's name for the icon.
constexpr QLatin1StringView kApplicationId("org.example.Velmora");

const QColor kWindowColour(192, 192, 255);
const QColor kLabelColour(255, 192, 128);
const QColor kCheckColour(128, 128, 255);
const std::array<QColor, 2> kCommandColours{QColor(128, 255, 128), QColor(255, 128, 128)};
// Text on the designed backgrounds stays dark whatever the desktop's palette:
// a dark theme's light text would be unreadable on them.
const QColor kDesignedText(0, 0, 0);
const std::array<std::string_view, 2> kCommandCaptions{texts::kCalculate, texts::kClear};

QString IndexedName(const char* group, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

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

// Qt scales logical pixels for higher densities by itself.
QRect ToQRect(layout::TwipRect twips) {
    const layout::PixelRect r = layout::ToPixels(twips);
    return QRect(r.left, r.top, r.width, r.height);
}

void FillBackground(QWidget* widget, const QColor& colour) {
    Paint(widget, widget->backgroundRole(), colour);
    widget->setAutoFillBackground(true);
}

// A designed background with the designed text on it, for the widget and the
// widgets inside it that draw their text straight on it.
void FillDesigned(QWidget* widget, const QColor& colour) {
    FillBackground(widget, colour);
    Paint(widget, QPalette::WindowText, kDesignedText);
}

// The toolkit's text boxes separate lines with a line feed alone.
QString ForTextBox(std::string_view crlfText) {
    return ToQString(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit* MultiLineReadOnlyBox(QWidget* parent, const QString& text) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

// Times New Roman where installed; otherwise its metric twin or another serif
// with Cyrillic. Naming an installed family spares the font system a slow
// search for a substitute at start-up.
QFont WindowFont() {
    QString family = QStringLiteral("Times New Roman");
    for (const QString& candidate :
         {family, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}) {
        if (QFontDatabase::hasFamily(candidate)) {
            family = candidate;
            break;
        }
    }
    QFont font(family, 12);
    font.setStyleHint(QFont::Serif);
    return font;
}

// The desktop's icon theme draws the icon at every size it needs; the
// program's own 32-pixel image stands in where the theme has none.
QIcon WindowIcon() {
    return QIcon::fromTheme(kApplicationId, QIcon(QStringLiteral(":/velmora/window-icon.png")));
}

}  // namespace

void ConfigureApplication(QApplication& app) {
    // The name alone: a display name would be appended to the window's caption.
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(kApplicationId);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallAccessibility();
}

VelmoraWindow::VelmoraWindow(QWidget* parent)
    : QWidget(parent), logic_(*this, [this] { return numberFormat_; }) {
    setObjectName(QStringLiteral("Velmora"));
    setWindowTitle(ToQString(texts::kWindowCaption));
    setWindowIcon(WindowIcon());
    setFixedSize(ToQRect({0, 0, layout::kClientWidthTwips, layout::kClientHeightTwips}).size());
    FillBackground(this, kWindowColour);
    setFont(WindowFont());

    BuildControls();
    SetTabOrder();
    BindEvents();
    logic_.Load();
    text1_[0]->setFocus();
}

void VelmoraWindow::BuildControls() {
    label1_ = new QLabel(ToQString(texts::kTitle), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setGeometry(ToQRect(layout::kLabel1));
    FillDesigned(label1_, kLabelColour);

    list1_ = new PairList(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(ToQRect(layout::kList1));
    list1_->setAccessibleName(ToQString(texts::kPairListName));
    for (const PairDefinition& pair : kInputPairs) list1_->addItem(ToQString(pair.caption));

    frame1_ = new CaptionedFrame(ToQString(texts::kParameters), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(ToQRect(layout::kFrame1));
    FillDesigned(frame1_, kWindowColour);
    for (Quantity q : kAllQuantities) {
        const QString symbol = ToQString(QuantitySymbol(q));
        auto* check = new QCheckBox(symbol, frame1_);
        check->setObjectName(IndexedName("Check1", q));
        check->setGeometry(ToQRect(layout::Check1(q)));
        check->setEnabled(false);  // only the program sets the marks
        check->setAccessibleName(symbol);
        FillDesigned(check, kCheckColour);
        KeepTextColourWhenDisabled(check);
        check1_[q] = check;

        auto* box = new QLineEdit(frame1_);
        box->setObjectName(IndexedName("Text2", q));
        box->setGeometry(ToQRect(layout::Text2(q)));
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setAccessibleName(symbol);
        text2_[q] = box;
    }

    picture1_ = new TrapezoidFigure(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    const QRect picture = ToQRect(layout::kPicture1);
    picture1_->setGeometry(picture.x(), picture.y(),
                           layout::kFigureWidth + 2 * layout::kFigureBorder,
                           layout::kFigureHeight + 2 * layout::kFigureBorder);
    picture1_->setAccessibleName(ToQString(texts::kFigureName));
    picture1_->setAccessibleDescription(ToQString(texts::kFigureDescription));

    commands_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* button = new CommandButton(ToQString(kCommandCaptions[i]), this);
        button->setObjectName(IndexedName("Command1", i));
        button->setGeometry(ToQRect(layout::kCommand1[i]));
        button->setAccessibleName(button->text());
        Paint(button, QPalette::Button, kCommandColours[i]);
        Paint(button, QPalette::ButtonText, kDesignedText);
        commands_->addButton(button, i);
        command1_[i] = button;
    }

    const std::array<QString, 2> texts{ForTextBox(texts::kExplanation),
                                       ForTextBox(texts::kAphorism)};
    for (int i = 0; i < 2; ++i) {
        text1_[i] = MultiLineReadOnlyBox(this, texts[i]);
        text1_[i]->setObjectName(IndexedName("Text1", i));
        text1_[i]->setGeometry(ToQRect(layout::kText1[i]));
    }
    text1_[0]->setAccessibleName(ToQString(texts::kExplanationName));
    text1_[1]->hide();  // the aphorism is never shown
}

// Text1(0), Text1(1), Label1, Picture1, Command1(0), Command1(1), List1, Frame1,
// Check1(0), Text2(0), Check1(1..4), Text2(1..4); Qt passes over the controls
// that cannot take focus (hidden, disabled, or static).
void VelmoraWindow::SetTabOrder() {
    std::vector<QWidget*> order{text1_[0],    text1_[1], label1_, picture1_,  command1_[0],
                                command1_[1], list1_,    frame1_, check1_[0], text2_[0]};
    for (int k = 1; k < kQuantityCount; ++k) order.push_back(check1_[k]);
    for (int k = 1; k < kQuantityCount; ++k) order.push_back(text2_[k]);
    std::erase_if(order, [](QWidget* w) { return !(w->focusPolicy() & Qt::TabFocus); });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void VelmoraWindow::BindEvents() {
    // Bound to the selection itself, so that mouse, keyboard, accessibility
    // tools and the program all raise the pair change alike.
    connect(list1_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { logic_.PairChanged(); });
    connect(commands_, &QButtonGroup::idClicked, this,
            [this](int index) { logic_.CommandClicked(index); });
}

void VelmoraWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) numberFormat_ = SystemNumberFormat();
    QWidget::changeEvent(event);
}

std::u16string VelmoraWindow::ValueText(Quantity k) const {
    return ToUtf16(text2_[k]->text());
}

void VelmoraWindow::SetValueText(Quantity k, const std::u16string& text) {
    text2_[k]->setText(ToQString(text));
    text2_[k]->setCursorPosition(0);  // show the start of a long value
}

void VelmoraWindow::SetValueReadOnly(Quantity k, bool readOnly) {
    text2_[k]->setReadOnly(readOnly);
}

void VelmoraWindow::SetCheckMark(Quantity k, bool checked) {
    check1_[k]->setChecked(checked);
}

InputPair VelmoraWindow::SelectedPair() const {
    const QModelIndexList rows = list1_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void VelmoraWindow::SelectPair(InputPair pair) {
    list1_->setCurrentRow(pair);
}

void VelmoraWindow::SetExplanation(const std::u16string& text) {
    text1_[0]->setPlainText(ToQString(text));
}

}  // namespace velmora
