// The main window: real Qt controls bound to the window logic.
#pragma once

#include <QWidget>
#include <array>

#include "qt_number_format.h"
#include "window_controls.h"
#include "window_logic.h"

class QApplication;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class CaptionedFrame;
class PairList;
class TrapezoidFigure;

// Application-wide settings the window is designed for: its name, and a style
// that paints buttons in their own colours on every platform.
void ConfigureApplication(QApplication& app);

class VelmoraWindow : public QWidget, private WindowControls {
    Q_OBJECT
  public:
    // Builds the controls and runs the Load handling; the caller shows it.
    explicit VelmoraWindow(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void BuildControls();
    void SetTabOrder();
    void BindEvents();

    // WindowControls, carried out on the widgets.
    std::u16string ValueText(Quantity k) const override;
    void SetValueText(Quantity k, const std::u16string& text) override;
    void SetValueReadOnly(Quantity k, bool readOnly) override;
    void SetCheckMark(Quantity k, bool checked) override;
    InputPair SelectedPair() const override;
    void SelectPair(InputPair pair) override;
    void SetExplanation(const std::u16string& text) override;

    std::array<QPlainTextEdit*, 2> text1_{};
    std::array<QLineEdit*, kQuantityCount> text2_{};
    std::array<QCheckBox*, kQuantityCount> check1_{};
    std::array<QPushButton*, 2> command1_{};
    QButtonGroup* commands_ = nullptr;
    PairList* list1_ = nullptr;
    CaptionedFrame* frame1_ = nullptr;
    TrapezoidFigure* picture1_ = nullptr;
    QLabel* label1_ = nullptr;

    // Regional settings, read again when the system reports a change.
    NumberFormat numberFormat_ = SystemNumberFormat();
    WindowLogic logic_;
};

}  // namespace velmora
