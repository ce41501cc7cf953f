// The real window, driven by real input events.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <set>

#include "design.h"
#include "qt_text.h"
#include "scaled_figure.h"
#include "texts.h"
#include "velmora_window.h"

namespace velmora {
namespace {

using Texts = std::array<const char*, kQuantityCount>;

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename T = QWidget>
    T* Find(const QString& name) {
        T* widget =
            name == window.objectName() ? qobject_cast<T*>(&window) : window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* Box(int k) { return Find<QLineEdit>(QStringLiteral("Text2_%1").arg(k)); }
    QCheckBox* Check(int k) { return Find<QCheckBox>(QStringLiteral("Check1_%1").arg(k)); }
    QListWidget* List() { return Find<QListWidget>(QStringLiteral("List1")); }
    QPlainTextEdit* Explanation() { return Find<QPlainTextEdit>(QStringLiteral("Text1_0")); }

    void ClickPair(int row) {
        QListWidget* list = List();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void ClickCommand(int index) {
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("Command1_%1").arg(index)),
                          Qt::LeftButton);
    }
    void TypeInto(int k, const char* text) {  // in place of what the box holds
        QTest::mouseClick(Box(k), Qt::LeftButton);
        QTest::keyClick(Box(k), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Box(k), QString::fromUtf8(text));
    }
    void ExpectBoxes(const Texts& expected) {
        for (int k = 0; k < kQuantityCount; ++k) {
            EXPECT_EQ(Box(k)->text().toStdString(), expected[k]) << "Text2_" << k;
        }
    }
    void ExpectGiven(int first, int second) {
        for (int k = 0; k < kQuantityCount; ++k) {
            const bool given = k == first || k == second;
            EXPECT_EQ(Check(k)->isChecked(), given) << "Check1_" << k;
            EXPECT_EQ(Box(k)->isReadOnly(), !given) << "Text2_" << k;
        }
    }
    std::string ExplanationText() { return Explanation()->toPlainText().toStdString(); }

    VelmoraWindow window;
};

// Every control where the design puts it, worked out by hand from its twips.
void ExpectControlsWhereDesigned(const QWidget& window) {
    struct Placement {
        const char* name;
        QRect rect;
    };
    const Placement placements[] = {
        {"Label1", {72, 0, 305, 25}},       {"List1", {16, 32, 73, 156}},
        {"Frame1", {112, 32, 145, 145}},    {"Picture1", {272, 32, 181, 166}},
        {"Command1_0", {16, 192, 105, 25}}, {"Command1_1", {152, 192, 105, 25}},
        {"Text1_0", {8, 224, 449, 201}},    {"Text1_1", {208, 304, 449, 121}},
        {"Check1_0", {8, 16, 49, 27}},      {"Text2_0", {56, 16, 81, 27}},
        {"Check1_1", {8, 40, 49, 27}},      {"Text2_1", {56, 40, 81, 27}},
        {"Check1_2", {8, 64, 49, 27}},      {"Text2_2", {56, 64, 81, 27}},
        {"Check1_3", {8, 88, 49, 27}},      {"Text2_3", {56, 88, 81, 27}},
        {"Check1_4", {8, 112, 49, 27}},     {"Text2_4", {56, 112, 81, 27}},
    };
    for (const Placement& p : placements) {
        const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.rect) << p.name;
    }
}

TEST_F(WindowTest, ControlsStandWhereDesigned) {
    EXPECT_EQ(window.size(), QSize(465, 430));
    EXPECT_EQ(window.objectName(), QStringLiteral("Velmora"));
    ExpectControlsWhereDesigned(window);
    // Check boxes and value boxes sit inside the frame.
    EXPECT_EQ(Box(0)->parentWidget()->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(Check(4)->parentWidget()->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(Find(QStringLiteral("Picture1"))->contentsRect().size(), QSize(177, 162));
}

// The widgets as the design table gives them: change a row, and the window
// follows. (Run at 100 % and at 200 %; Qt lays out in logical pixels.)
TEST_F(WindowTest, ControlsMatchTheDesignTable) {
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio());
    std::vector<std::string> tabOrder;
    for (const design::Control& c : design::kControls) {
        const std::string name = design::IndexedName(c);
        SCOPED_TRACE(name);
        QWidget* widget = Find(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr);
        const layout::PixelRect r = layout::ToPixels(c.rect);
        EXPECT_EQ(widget->geometry(), QRect(r.left, r.top, r.width, r.height));
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(),
                  c.inFrame ? "Frame1" : "Velmora");
        EXPECT_EQ(widget->isVisible(), c.visible);
        EXPECT_EQ(widget->accessibleName(), ToQString(design::SpokenName(c)));
        if (c.background) {
            const bool button = c.kind == design::Kind::Button;
            const QColor shown =
                widget->palette().color(button ? QPalette::Button : widget->backgroundRole());
            EXPECT_EQ(shown, QColor(c.background->red, c.background->green, c.background->blue));
            EXPECT_TRUE(button || widget->autoFillBackground());
        }
        const bool typesOrClicks = c.kind == design::Kind::Button || c.kind == design::Kind::List ||
                                   c.kind == design::Kind::ValueBox ||
                                   c.kind == design::Kind::MultiLineBox;
        if (typesOrClicks && c.visible) tabOrder.push_back(name);
    }
    // Tab goes through them in the table's order, from the first, which has the focus.
    ASSERT_FALSE(tabOrder.empty());
    for (std::size_t i = 0; i <= tabOrder.size(); ++i) {
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                  tabOrder[i % tabOrder.size()]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(WindowTest, ShowsItsTextsExactly) {
    EXPECT_EQ(window.windowTitle(), ToQString(texts::kWindowCaption));
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("  вписана окръжност в трапец")));
    EXPECT_FALSE(window.windowIcon().isNull());
    // The program's own icon, where the desktop's theme has none: 32 × 32 in 256 colours.
    const QImage icon =
        QImage(QStringLiteral(":/velmora/window-icon.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) colours.insert(icon.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 256U);
    EXPECT_GT(colours.size(), 16U);  // a drawing, not a blank
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Label1"))->text().toStdString(),
              "Геометрия - трапец, вписана окръжност");
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("Frame1"))->title().toStdString(), "Параметри");
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("Command1_0"))->text().toStdString(), "Изчисли");
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("Command1_1"))->text().toStdString(), "Изчисти");
    const char* const captions[] = {"a, b", "a, c", "a, r", "a, P", "b, c",
                                    "b, r", "c, r", "c, P", "r, P"};
    ASSERT_EQ(List()->count(), 9);
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(List()->item(row)->text().toStdString(), captions[row]);
    const char* const symbols[] = {"a", "b", "c", "r", "P"};
    for (int k = 0; k < kQuantityCount; ++k) EXPECT_EQ(Check(k)->text().toStdString(), symbols[k]);

    // The explanation shows the same 20 lines; the aphorism is there but hidden.
    const QStringList lines = Explanation()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[16].toStdString(), "((a-c)/2)^2 +  (2*r)^2 = ((a+c)/2)^2");
    auto* aphorism = Find<QPlainTextEdit>(QStringLiteral("Text1_1"));
    EXPECT_FALSE(aphorism->isVisible());
    EXPECT_TRUE(aphorism->toPlainText().startsWith(QStringLiteral("Неприятното в това")));
}

TEST_F(WindowTest, OneSerifFontAt12PointForEveryControl) {
    const QFontInfo info(window.font());
    EXPECT_TRUE(info.family() == QStringLiteral("Times New Roman") ||
                info.family() == QStringLiteral("Liberation Serif"))
        << info.family().toStdString();
    EXPECT_EQ(info.pointSize(), 12);
    EXPECT_EQ(info.style(), QFont::StyleNormal);
    EXPECT_EQ(info.weight(), QFont::Normal);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        EXPECT_FALSE(child->testAttribute(Qt::WA_SetFont)) << child->objectName().toStdString();
        EXPECT_EQ(child->font(), window.font()) << child->objectName().toStdString();
    }
}

TEST_F(WindowTest, ExplanationScrollsAndCannotBeEdited) {
    QPlainTextEdit* box = Explanation();
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);  // longer than the box
    const QString before = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->toPlainText(), before);
}

TEST_F(WindowTest, PaintsItsColours) {
    const QImage image = window.grab().toImage();
    const auto near = [](QColor actual, QColor expected) {
        return std::abs(actual.red() - expected.red()) <= 24 &&
               std::abs(actual.green() - expected.green()) <= 24 &&
               std::abs(actual.blue() - expected.blue()) <= 24;
    };
    const auto pixel = [&](const char* name, QPoint offset) {
        QWidget* widget = Find(QString::fromLatin1(name));
        return image.pixelColor(widget->mapTo(&window, offset) * image.devicePixelRatio());
    };
    const struct {
        const char* name;
        QPoint at;
        QColor colour;
    } samples[] = {
        {"Velmora", {2, 2}, {192, 192, 255}},    {"Label1", {3, 3}, {255, 192, 128}},
        {"Frame1", {140, 140}, {192, 192, 255}}, {"Check1_1", {44, 3}, {128, 128, 255}},
        {"Picture1", {90, 5}, {255, 255, 255}},
    };
    for (const auto& s : samples) {
        const QColor actual = pixel(s.name, s.at);
        EXPECT_TRUE(near(actual, s.colour)) << s.name << " shows " << actual.name().toStdString();
    }
    // The style shades buttons with a gradient, but keeps their hue: green, red.
    const struct {
        const char* name;
        int hue;
    } buttons[] = {{"Command1_0", 120}, {"Command1_1", 0}};
    for (const auto& b : buttons) {
        const QColor actual = pixel(b.name, {52, 12});
        EXPECT_NEAR(actual.hslHue(), b.hue, 6)
            << b.name << " shows " << actual.name().toStdString();
        EXPECT_GT(actual.hslSaturation(), 128)
            << b.name << " shows " << actual.name().toStdString();
    }
}

// The second click of a double click is a click as well.
TEST_F(WindowTest, EveryClickOfADoubleClickCounts) {
    auto* calculate = Find<QPushButton>(QStringLiteral("Command1_0"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    Box(0)->setText(QStringLiteral("20"));
    // The second click, as the window system delivers it: press, double click, release.
    QTest::mousePress(calculate, Qt::LeftButton);
    QTest::mouseDClick(calculate, Qt::LeftButton);
    QTest::mouseRelease(calculate, Qt::LeftButton);
    ExpectBoxes({"20.000", "12.000", "4.000", "4.472", "48.000"});
}

TEST_F(WindowTest, EnterOrSpacePressesTheFocusedButton) {
    auto* calculate = Find<QPushButton>(QStringLiteral("Command1_0"));
    auto* clear = Find<QPushButton>(QStringLiteral("Command1_1"));
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Return);
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Space);
    ExpectBoxes({"", "", "", "", ""});
    Box(0)->setText(QStringLiteral("7"));
    QTest::keyClick(clear, Qt::Key_Enter);  // the keypad's
    ExpectBoxes({"", "", "", "", ""});
}

// WCAG's contrast ratio of two colours, from 1 (the same) to 21.
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Under a dark desktop theme the designed backgrounds stay, and so their
// text stays dark: at least 4.5 : 1 against the background, as WCAG asks.
TEST(DarkPalette, TextOnTheDesignedBackgroundsStaysReadable) {
    const QPalette saved = QApplication::palette();
    QPalette dark(QColor(53, 53, 53));  // Window and Button grey, their text light
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    {
        VelmoraWindow window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const struct {
            const char* name;
            QRect text;  // where the widget's text is, and nothing else
        } widgets[] = {{"Label1", {0, 0, 305, 25}},
                       {"Check1_0", {20, 0, 29, 27}},
                       {"Command1_0", {5, 5, 95, 15}}};
        for (const auto& w : widgets) {
            const QImage image =
                window.findChild<QWidget*>(QLatin1String(w.name))->grab().toImage();
            const QColor background = image.pixelColor(w.text.topRight());
            double best = 1;
            for (int y = w.text.top(); y <= w.text.bottom(); ++y) {
                for (int x = w.text.left(); x <= w.text.right(); ++x) {
                    best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
                }
            }
            EXPECT_GE(best, 4.5) << w.name << " on " << background.name().toStdString();
        }
    }
    QApplication::setPalette(saved);
}

TEST_F(WindowTest, TabOrderAndInitialFocus) {
    EXPECT_EQ(QApplication::focusWidget(), Explanation());
    const char* const order[] = {"Command1_0", "Command1_1", "List1",   "Text2_0", "Text2_1",
                                 "Text2_2",    "Text2_3",    "Text2_4", "Text1_0"};
    for (const char* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), expected);
    }
    for (int i = 0; i < 2; ++i) {
        auto* button = Find<QPushButton>(QStringLiteral("Command1_%1").arg(i));
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST_F(WindowTest, StartupState) {
    EXPECT_EQ(List()->currentRow(), 1);
    ASSERT_EQ(List()->selectedItems().size(), 1);
    EXPECT_EQ(List()->selectedItems().front()->text().toStdString(), "a, c");
    ExpectBoxes({"16", "", "4", "", ""});
    ExpectGiven(0, 2);
    for (int k = 0; k < kQuantityCount; ++k) EXPECT_FALSE(Check(k)->isEnabled());
    EXPECT_EQ(Explanation()->toPlainText(),
              ToQString(texts::kExplanation).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(WindowTest, FullSession) {
    const std::string explanation = ExplanationText();
    Explanation()->verticalScrollBar()->setValue(Explanation()->verticalScrollBar()->maximum());
    ClickPair(5);  // b, r
    ExpectBoxes({"", "", "", "", ""});
    ExpectGiven(1, 3);
    TypeInto(1, "10");
    TypeInto(3, "4");
    TypeInto(0, "99");  // read-only: ignored
    ClickCommand(kCalculateCommand);
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});

    // Home selects "a, b" by keyboard; 25 and 10 describe no trapezoid.
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Home);
    ExpectGiven(0, 1);
    ExpectBoxes({"", "", "", "", ""});
    TypeInto(0, "25");
    TypeInto(1, "10");
    ClickCommand(kCalculateCommand);
    EXPECT_EQ(ExplanationText(), "Грешни данни!");
    ExpectBoxes({"25", "10", "", "", ""});

    ClickCommand(kClearCommand);
    ExpectBoxes({"", "", "", "", ""});
    ExpectGiven(0, 1);
    EXPECT_EQ(ExplanationText(), "Грешни данни!");

    // Valid values again: the explanation comes back, from its top.
    TypeInto(0, "16");
    TypeInto(1, "10");
    ClickCommand(kCalculateCommand);
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_EQ(ExplanationText(), explanation);
    EXPECT_EQ(Explanation()->verticalScrollBar()->value(), 0);

    QTest::keyClick(List(), Qt::Key_Down);  // a, c
    ExpectGiven(0, 2);
}

TEST_F(WindowTest, SameEntryAgainKeepsTheValues) {
    ClickPair(1);  // already selected
    ExpectBoxes({"16", "", "4", "", ""});
    // Ctrl+click and Ctrl+Space would deselect in a plain list; here they do not.
    QListWidget* list = List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(1)).center());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->currentRow(), 1);
    ExpectBoxes({"16", "", "4", "", ""});
}

TEST_F(WindowTest, AnySelectionChangeRaisesThePairChange) {
    // Through the accessibility interface, as a screen reader would select.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(List());
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_TRUE(list->tableInterface()->selectRow(8));  // r, P
    ExpectGiven(3, 4);
    ExpectBoxes({"", "", "", "", ""});
    EXPECT_FALSE(list->tableInterface()->unselectRow(8));  // one entry stays selected

    // Through the selection model alone, with the current row left alone.
    List()->selectionModel()->select(List()->model()->index(6, 0),
                                     QItemSelectionModel::ClearAndSelect);
    ExpectGiven(2, 3);
}

TEST_F(WindowTest, CyrillicAndJunkTypedReadAsZero) {
    QTest::mouseClick(Box(0), Qt::LeftButton);
    Box(0)->selectAll();
    QTest::sendKeyEvent(QTest::Click, Box(0), Qt::Key_unknown, QStringLiteral("д"), Qt::NoModifier);
    EXPECT_EQ(Box(0)->text().toStdString(), "д");
    ClickCommand(kCalculateCommand);  // a reads as 0
    EXPECT_EQ(ExplanationText(), "Грешни данни!");
    EXPECT_EQ(Box(0)->text().toStdString(), "д");
}

TEST_F(WindowTest, ValueBoxesTakeTextOfAnyLength) {
    const QString longText(40000, QLatin1Char('7'));
    QApplication::clipboard()->setText(longText + QStringLiteral("\n1"));
    QTest::mouseClick(Box(0), Qt::LeftButton);
    Box(0)->selectAll();
    QTest::keyClick(Box(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_GE(Box(0)->text().size(), 40000);
    EXPECT_TRUE(Box(0)->text().startsWith(longText));
    ClickCommand(kCalculateCommand);  // far beyond a double: invalid data
    EXPECT_EQ(ExplanationText(), "Грешни данни!");
}

// In the desktop's number format (LC_ALL): typed as the region writes
// numbers, and every shown result read back as itself by a second Calculate.
TEST_F(WindowTest, NumbersReadAsTheRegionWritesThem) {
    struct Region {
        const char* locale;
        const char* a;
        const char* c;
        Texts shown;
    };
    const Region regions[] = {
        {"C", "1234.5", "4", {"1,234.500", "619.250", "4.000", "35.135", "2,477.000"}},
        {"en_US", "1234.5", "4", {"1,234.500", "619.250", "4.000", "35.135", "2,477.000"}},
        {"bg_BG", "2,5", "6,5", {"2,500", "4,500", "6,500", "2,016", "18,000"}},
    };
    const std::string locale = QLocale::system().name().toStdString();
    const auto region = std::find_if(std::begin(regions), std::end(regions),
                                     [&](const Region& r) { return locale == r.locale; });
    ASSERT_NE(region, std::end(regions)) << "no case for the locale " << locale;
    TypeInto(0, region->a);
    TypeInto(2, region->c);
    for (int again = 0; again < 2; ++again) {
        ClickCommand(kCalculateCommand);
        ExpectBoxes(region->shown);
    }
}

// What a screen reader finds among the window's objects: the one with this
// name, or null.
// The window's accessible child of that name, or whose name begins with it and a colon.
QAccessibleInterface* AccessibleNamed(QWidget& window, const QString& name) {
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < top->childCount(); ++i) {
        const QString named = top->child(i)->text(QAccessible::Name);
        if (named == name || named.startsWith(name + QLatin1Char(':'))) return top->child(i);
    }
    return nullptr;
}

// Widened, the window shows the working of each calculation beside the
// controls, as screen readers read it; narrowed again, it is gone.
TEST_F(WindowTest, WidenedItShowsTheWorking) {
    EXPECT_EQ(window.minimumSize(), QSize(465, 430));
    EXPECT_EQ(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const QString heading = QStringLiteral("Решение");
    EXPECT_EQ(AccessibleNamed(window, heading), nullptr);
    TypeInto(0, "6");                 // a textbook's problem: r = √6
    ClickCommand(kCalculateCommand);  // shown at once when the window is widened

    window.resize(800, 560);
    QAccessibleInterface* working = AccessibleNamed(window, heading);
    ASSERT_NE(working, nullptr);
    ASSERT_NE(working->textInterface(), nullptr);
    const auto text = [&] {
        return working->textInterface()->text(0, working->textInterface()->characterCount());
    };
    const auto figure = [&] {
        return AccessibleNamed(window, QStringLiteral("Трапецът ABCD в мащаб"));
    };
    EXPECT_EQ(text().toStdString(),
              "Дадено: a = 6; c = 4.\n"
              "1. b = (a + c) / 2 = (6 + 4) / 2 = 5\n"
              "2. P = 4·b = 4·5 = 20\n"
              "3. a·c = 6·4 = 24 > 0\n"
              "4. r = √(a·c) / 2 = √24 / 2 = 2√6 / 2 = √6 ≈ 2.449\n"
              "Отговор: a = 6; b = 5; c = 4; r = √6 ≈ 2.449; P = 20.\n");
    ASSERT_NE(figure(), nullptr);
    EXPECT_EQ(figure()->role(), QAccessible::Graphic);
    EXPECT_TRUE(figure()->text(QAccessible::Name).contains(QStringLiteral("надолу и нагоре")));
    EXPECT_EQ(figure()->text(QAccessible::Value).toStdString(),
              "основа a = 6.000, основа c = 4.000");
    EXPECT_TRUE(figure()
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Равнобедрен трапец ABCD: долна основа a = 6.000")));

    ClickPair(0);  // a, b: 25 and 10 describe no trapezoid
    EXPECT_EQ(text().toStdString(),
              "Натиснете „Изчисли“ и тук ще видите решението стъпка по стъпка.\n");
    TypeInto(0, "25");
    TypeInto(1, "10");
    ClickCommand(kCalculateCommand);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command1_0");
    EXPECT_EQ(text().toStdString(),
              "Дадено: a = 25; b = 10.\n"
              "1. c = 2·b − a = 2·10 − 25 = -5\n"
              "2. P = 4·b = 4·10 = 40\n"
              "3. a·c = 25·(-5) = -125 ≤ 0\n"
              "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв "
              "трапец не съществува.\n");
    EXPECT_EQ(figure(), nullptr);
    // Nor any picture without a name for a screen reader to stop at: the
    // designed figure is the one.
    int pictures = 0;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < top->childCount(); ++i) {
        pictures += top->child(i)->role() == QAccessible::Graphic;
    }
    EXPECT_EQ(pictures, 1);

    // After the controls in the tab order; copied as shown.
    Box(4)->setFocus();
    QTest::keyClick(Box(4), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    EXPECT_EQ(focused->accessibleName(), heading);
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text());

    // Narrowed with the focus in the working: the focus goes on, as Tab would take it.
    window.resize(465, 430);
    EXPECT_EQ(AccessibleNamed(window, heading), nullptr);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Text1_0");
    ExpectControlsWhereDesigned(window);
}

// The working read line by line, as screen readers read the caret's line:
// the arrows move a caret from the first line, Shift selects from it, and a
// frame on the sheet shows where the focus is.
TEST_F(WindowTest, WorkingIsReadLineByLine) {
    ClickCommand(kCalculateCommand);
    window.resize(1200, 560);  // wide enough for each line to stand on one
    auto* working = Find<QPlainTextEdit>(QStringLiteral("Working"));
    ASSERT_NE(working, nullptr);
    const QPoint frame = working->geometry().topLeft() + QPoint(20, -4);
    // What the screen shows, once painted: no repaint of its own.
    const auto pixel = [&] {
        QApplication::processEvents();
        return window.screen()->grabWindow(window.winId()).toImage().pixelColor(frame);
    };
    const QColor base = working->palette().color(QPalette::Base);
    EXPECT_EQ(pixel(), base);

    Box(4)->setFocus();
    QTest::keyClick(Box(4), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), working);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(working);
    ASSERT_NE(reader->textInterface(), nullptr);
    const auto caretLine = [&] {
        const int caret = reader->textInterface()->cursorPosition();
        return reader->textInterface()->text(0, caret).count(QLatin1Char('\n'));
    };
    EXPECT_EQ(caretLine(), 0);
    QTest::keyClick(working, Qt::Key_Down);
    QTest::keyClick(working, Qt::Key_Down);
    EXPECT_EQ(caretLine(), 2);
    QTest::keyClick(working, Qt::Key_Down, Qt::ShiftModifier);
    int start = 0;
    int end = 0;
    reader->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(reader->textInterface()->text(start, end).toStdString(), "2. P = 4·b = 4·10 = 40\n");
    EXPECT_EQ(pixel(), working->palette().color(QPalette::Highlight));

    QTest::keyClick(working, Qt::Key_Tab, Qt::ShiftModifier);  // back to the value boxes
    EXPECT_NE(QApplication::focusWidget(), working);
    EXPECT_EQ(pixel(), base);
}

// The window opens as the user left it: its place, its size, maximised or
// not; where the settings hold anything else, as designed.
TEST(WindowPlacement, SurvivesARestartUnlessUnusable) {
    QSettings settings(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    settings.clear();
    const QRect left(40, 30, 700, 500);
    {
        VelmoraWindow window;
        window.show();
        window.setGeometry(left);
        window.close();
    }
    VelmoraWindow restarted;
    EXPECT_EQ(restarted.geometry(), left);
    // Resized, then moved, each time once the window has settled after it
    // was shown, and ended without its window closed, as a logout ends it:
    // kept once the change has settled.
    const auto changed = [](const std::function<void(VelmoraWindow&)>& change) {
        VelmoraWindow window;
        window.show();
        QTest::qWait(600);
        change(window);
        QTest::qWait(600);
    };
    changed([](VelmoraWindow& window) { window.resize(720, 520); });
    EXPECT_EQ(VelmoraWindow().geometry(), QRect(40, 30, 720, 520)) << "resized, not closed";
    changed([](VelmoraWindow& window) { window.setGeometry(60, 70, 720, 520); });
    EXPECT_EQ(VelmoraWindow().geometry(), QRect(60, 70, 720, 520)) << "moved, not closed";
    restarted.show();
    restarted.showMaximized();
    QTest::qWait(100);  // maximised on screen before it closes
    restarted.close();
    {
        VelmoraWindow window;
        window.show();
        EXPECT_TRUE(window.isMaximized());
        window.showNormal();  // back where it was left, as large as it was
        EXPECT_EQ(window.geometry(), left);
    }
    const struct {
        const char* key;
        QVariant value;
    } unusable[] = {{"width", QStringLiteral("wide")}, {"left", -100000}, {"height", 90000}};
    for (const auto& u : unusable) {
        settings.setValue(QStringLiteral("window/") + QLatin1String(u.key), u.value);
        settings.sync();
        VelmoraWindow window;
        window.show();
        EXPECT_EQ(window.size(), QSize(465, 430)) << u.key;
        EXPECT_FALSE(window.isMaximized()) << u.key;
        settings.setValue(QStringLiteral("window/") + QLatin1String(u.key),
                          u.key == std::string_view("width") ? 10500 : 40);
    }
    settings.clear();
}

TEST_F(WindowTest, EveryControlHasAnAccessibleName) {
    const char* const symbols[] = {"a", "b", "c", "r", "P"};
    for (int k = 0; k < kQuantityCount; ++k) {
        EXPECT_EQ(Box(k)->accessibleName().toStdString(), symbols[k]);
        EXPECT_EQ(Check(k)->accessibleName().toStdString(), symbols[k]);
    }
    EXPECT_EQ(Find(QStringLiteral("Command1_0"))->accessibleName().toStdString(), "Изчисли");
    EXPECT_EQ(Find(QStringLiteral("Command1_1"))->accessibleName().toStdString(), "Изчисти");
    EXPECT_FALSE(List()->accessibleName().isEmpty());
    EXPECT_FALSE(Explanation()->accessibleName().isEmpty());
}

// The figure of the working moved by a corner with the mouse and by the
// keys: each step the boxes and the working are what Calculate gives for
// those boxes; Escape puts back the boxes from before the drag.
TEST_F(WindowTest, FigureMovesByItsCorners) {
    TypeInto(0, "16");
    TypeInto(2, "4");
    ClickCommand(kCalculateCommand);
    window.resize(900, 560);
    QAccessibleInterface* reader = AccessibleNamed(window, QStringLiteral("Трапецът ABCD в мащаб"));
    ASSERT_NE(reader, nullptr);
    auto* figure = qobject_cast<QWidget*>(reader->object());
    auto* working = Find<QPlainTextEdit>(QStringLiteral("Working"));
    // A corner of the trapezoid a, c where the pane draws it now, and a point
    // so many lengths right of it at that scale.
    struct Corner {
        QPoint at;
        double perLength;
        QPoint Along(double lengths) const {
            return at + QPoint(static_cast<int>(std::lround(lengths * perLength)), 0);
        }
    };
    const auto corner = [&](double a, double c, int i) {
        const solution::ScaledFigure drawn =
            *solution::ScaledFigureOf({a, (a + c) / 2, c, std::sqrt(a * c) / 2, 2 * (a + c)}, {});
        const solution::FigureFit fit =
            solution::FitInto(drawn, 0, 0, figure->width(), figure->height());
        const figure::Point at = fit.At(drawn.corners[static_cast<std::size_t>(i)]);
        return Corner{{static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y))},
                      drawn.scale.unitsPerLength * fit.scale};
    };
    // What Calculate writes for the boxes as they stand, and the working then.
    const auto expectCalculated = [&](const char* a, const char* c) {
        EXPECT_EQ(Box(0)->text().toStdString(), a);
        EXPECT_EQ(Box(2)->text().toStdString(), c);
        const QString lines = working->toPlainText();
        Texts boxes;
        std::array<std::string, kQuantityCount> shown;
        for (int k = 0; k < kQuantityCount; ++k) shown[k] = Box(k)->text().toStdString();
        for (int k = 0; k < kQuantityCount; ++k) boxes[k] = shown[k].c_str();
        ClickCommand(kCalculateCommand);
        ExpectBoxes(boxes);
        EXPECT_EQ(working->toPlainText(), lines);
    };

    const Corner B = corner(16, 4, 1);  // the base a
    QTest::mousePress(figure, Qt::LeftButton, {}, B.at);
    EXPECT_EQ(QApplication::focusWidget(), figure);
    QTest::mouseMove(figure, B.Along(1));  // a grows by twice the pointer's way
    EXPECT_EQ(Box(0)->text().toStdString(), "18.000");
    QTest::keyClick(figure, Qt::Key_Escape);
    QTest::mouseRelease(figure, Qt::LeftButton, {}, B.Along(1));
    expectCalculated("16.000", "4.000");

    const Corner D = corner(16, 4, 3);  // the base c, leftwards
    QTest::mousePress(figure, Qt::LeftButton, {}, D.at);
    QTest::mouseMove(figure, D.Along(-0.5));
    QTest::mouseRelease(figure, Qt::LeftButton, {}, D.Along(-0.5));
    expectCalculated("16.000", "5.000");

    figure->setFocus();
    QTest::keyClick(figure, Qt::Key_Right);  // a step of 0.1
    expectCalculated("16.100", "5.000");
    figure->setFocus();
    QTest::keyClick(figure, Qt::Key_Up, Qt::ShiftModifier);  // ten steps
    QTest::keyClick(figure, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Box(2)->text().toStdString(), "100.000");
    QTest::keyClick(figure, Qt::Key_Home);  // a's grid now a hundredth of c = 100
    EXPECT_EQ(Box(0)->text().toStdString(), "1.000");
    QTest::keyClick(figure, Qt::Key_Escape);
    expectCalculated("16.100", "5.000");

    // Under b, r the bases made equal give a square, invalid data: the figure
    // stays while the drag goes on, and goes once it ends there, the focus
    // kept in the working that says why.
    ClickPair(5);
    TypeInto(1, "10");
    TypeInto(3, "4");
    ClickCommand(kCalculateCommand);
    const Corner C = corner(16, 4, 2);  // the base c to 16
    QTest::mousePress(figure, Qt::LeftButton, {}, C.at);
    QTest::mouseMove(figure, C.Along(6));
    EXPECT_EQ(Box(1)->text().toStdString(), "16.000");
    EXPECT_EQ(Box(3)->text().toStdString(), "8.000");
    EXPECT_TRUE(figure->isVisible());
    QTest::mouseRelease(figure, Qt::LeftButton, {}, C.Along(6));
    EXPECT_FALSE(figure->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), working);
    EXPECT_TRUE(working->toPlainText().contains(QStringLiteral("≤ 0")));
}

}  // namespace
}  // namespace velmora
