// Thousands of random user steps on the real window, checking after each one
// that the window is still in a state the user can work with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <random>

#include "qt_text.h"
#include "texts.h"
#include "velmora_window.h"

namespace velmora {
namespace {

constexpr int kSteps = 3000;

class RandomSession {
  public:
    explicit RandomSession(unsigned seed) : random_(seed) {
        window_.show();
        for (int k = 0; k < kQuantityCount; ++k) {
            boxes_[k] = window_.findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(k));
            checks_[k] = window_.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(k));
        }
        list_ = window_.findChild<QListWidget*>(QStringLiteral("List1"));
        for (int i = 0; i < 2; ++i) {
            commands_[i] = window_.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i));
        }
        explanation_ = window_.findChild<QPlainTextEdit*>(QStringLiteral("Text1_0"));
    }

    // One random step; returns what it did, for the failure message.
    QString Step() {
        // Weighted as a student works: mostly typing and calculating.
        switch (Pick(11)) {
            case 0: {
                const int row = Pick(kPairCount);
                QTest::mouseClick(list_->viewport(), Qt::LeftButton, RandomModifier(),
                                  list_->visualItemRect(list_->item(row)).center());
                return QStringLiteral("click pair %1").arg(row);
            }
            case 1: {
                static constexpr std::array<Qt::Key, 6> keys{Qt::Key_Up,     Qt::Key_Down,
                                                             Qt::Key_Home,   Qt::Key_End,
                                                             Qt::Key_PageUp, Qt::Key_Space};
                const Qt::Key key = keys[Pick(keys.size())];
                list_->setFocus();
                QTest::keyClick(list_, key, RandomModifier());
                return QStringLiteral("key %1 in the list").arg(key);
            }
            case 2:
            case 3:
            case 4:
            case 5: {
                const int k = Pick(5) == 0 ? Pick(kQuantityCount) : EditableBox();
                const QString text = RandomText();
                QTest::mouseClick(boxes_[k], Qt::LeftButton);
                if (Pick(2) == 0) boxes_[k]->selectAll();
                for (QChar ch : text) {
                    QTest::sendKeyEvent(QTest::Click, boxes_[k], Qt::Key_unknown, QString(ch),
                                        Qt::NoModifier);
                }
                return QStringLiteral("type \"%1\" into box %2").arg(text).arg(k);
            }
            case 6: {
                const int k = Pick(kQuantityCount);
                const QString text = Pick(4) == 0
                                         ? QString(20000, QLatin1Char('9'))
                                         : RandomText() + QStringLiteral("\n") + RandomText();
                QApplication::clipboard()->setText(text);
                QTest::mouseClick(boxes_[k], Qt::LeftButton);
                QTest::keyClick(boxes_[k], Qt::Key_V, Qt::ControlModifier);
                return QStringLiteral("paste %1 characters into box %2").arg(text.size()).arg(k);
            }
            case 7:
            case 8:
            case 9:
                return Calculate();
            default:
                QTest::mouseClick(commands_[kClearCommand], Qt::LeftButton);
                return QStringLiteral("clear");
        }
    }

    int validCalculations = 0;
    int refusedCalculations = 0;

    // What must hold after every step.
    void CheckState() {
        ASSERT_TRUE(window_.isVisible());
        ASSERT_EQ(list_->count(), kPairCount);
        ASSERT_EQ(list_->selectedItems().size(), 1);
        const PairDefinition& pair = PairAt(list_->row(list_->selectedItems().front()));
        for (Quantity q : kAllQuantities) {
            const bool given = q == pair.first || q == pair.second;
            ASSERT_EQ(checks_[q]->isChecked(), given) << "Check1_" << q;
            ASSERT_EQ(boxes_[q]->isReadOnly(), !given) << "Text2_" << q;
        }
    }

  private:
    // Either every box now shows a three-decimal number, or the message is
    // shown and the boxes are exactly as they were.
    QString Calculate() {
        std::array<QString, kQuantityCount> before;
        for (int k = 0; k < kQuantityCount; ++k) before[k] = boxes_[k]->text();
        QTest::mouseClick(commands_[kCalculateCommand], Qt::LeftButton);
        static const QRegularExpression formatted(QStringLiteral("^-?[0-9][0-9,]*\\.[0-9]{3}$"));
        bool allFormatted = true;
        bool unchanged = true;
        for (int k = 0; k < kQuantityCount; ++k) {
            allFormatted = allFormatted && formatted.match(boxes_[k]->text()).hasMatch();
            unchanged = unchanged && boxes_[k]->text() == before[k];
        }
        const bool message = explanation_->toPlainText() == ToQString(texts::kInvalidData);
        ++(allFormatted ? validCalculations : refusedCalculations);
        EXPECT_TRUE(allFormatted || (message && unchanged))
            << "boxes after Calculate: " << boxes_[0]->text().left(40).toStdString() << " | "
            << boxes_[1]->text().left(40).toStdString() << " | "
            << boxes_[2]->text().left(40).toStdString() << " | "
            << boxes_[3]->text().left(40).toStdString() << " | "
            << boxes_[4]->text().left(40).toStdString();
        return QStringLiteral("calculate");
    }

    int EditableBox() {
        const PairDefinition& pair = PairAt(list_->currentRow());
        return Pick(2) == 0 ? pair.first : pair.second;
    }

    int Pick(std::size_t count) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, count - 1)(random_));
    }

    Qt::KeyboardModifiers RandomModifier() {
        static constexpr std::array<Qt::KeyboardModifiers, 4> modifiers{
            Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier};
        return modifiers[Pick(modifiers.size())];
    }

    // Half the time something a student would type: a plain number.
    QString RandomText() {
        if (Pick(2) == 0) {
            QString number = QString::number(Pick(200) + 1);
            if (Pick(3) == 0) number += QStringLiteral(".") + QString::number(Pick(1000));
            return number;
        }
        static const QString alphabet = QStringLiteral(
            "0123456789012345678901234567890123456789..,,--++eE&HhOo  \t"
            "abcfxzинфдъ!@#$%^*()[]{};:'\"<>/?\\|~`_=\u00a0\u2212\u00bd\U0001F354");
        const int length = Pick(12);
        QString text;
        for (int i = 0; i < length; ++i) text += alphabet.at(Pick(alphabet.size()));
        return text;
    }

    std::mt19937 random_;
    VelmoraWindow window_;
    std::array<QLineEdit*, kQuantityCount> boxes_{};
    std::array<QCheckBox*, kQuantityCount> checks_{};
    std::array<QPushButton*, 2> commands_{};
    QListWidget* list_ = nullptr;
    QPlainTextEdit* explanation_ = nullptr;
};

TEST(RandomSession, WindowStaysUsable) {
    const QByteArray fromEnvironment = qgetenv("VELMORA_SESSION_SEED");
    const unsigned seed = fromEnvironment.isEmpty() ? 20261208U : fromEnvironment.toUInt();
    RandomSession session(seed);
    session.CheckState();
    for (int step = 0; step < kSteps; ++step) {
        const QString done = session.Step();
        SCOPED_TRACE(QStringLiteral("seed %1 (VELMORA_SESSION_SEED), step %2: %3")
                         .arg(seed)
                         .arg(step)
                         .arg(done.left(200))
                         .toStdString());
        session.CheckState();
        if (::testing::Test::HasFailure()) return;
    }
    // The session really reached both outcomes, many times.
    EXPECT_GT(session.validCalculations, 20);
    EXPECT_GT(session.refusedCalculations, 20);
}

}  // namespace
}  // namespace velmora
