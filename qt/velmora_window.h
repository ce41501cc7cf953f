// The main window: Qt widgets made from the design table, bound to the
// window logic, and the working of each calculation beside them where the
// window is widened.
#pragma once

#include <QWidget>
#include <array>

#include "design.h"
#include "qt_number_format.h"
#include "window_controls.h"
#include "window_logic.h"
#include "working_pane.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace velmora {

class VelmoraWindow : public QWidget, private WindowControls {
    Q_OBJECT
  public:
    // Builds the controls and runs the Load handling; the caller shows it.
    explicit VelmoraWindow(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void ChainTabOrder();  // the table's order, through the controls that take the focus
    void BindEvents();
    QWidget* Widget(design::Name name, int index = design::kUnindexed) const;
    QLineEdit* ValueBox(Quantity k) const;
    QCheckBox* CheckMark(Quantity k) const;
    QListWidget* PairList() const;
    QPlainTextEdit* Explanation() const;

    // WindowControls, carried out on the widgets.
    std::u16string ValueText(Quantity k) const override;
    void SetValueText(Quantity k, const std::u16string& text) override;
    void SetValueReadOnly(Quantity k, bool readOnly) override;
    void SetCheckMark(Quantity k, bool checked) override;
    InputPair SelectedPair() const override;
    void SelectPair(InputPair pair) override;
    void SetExplanation(const std::u16string& text) override;
    void ShowWorking(const Calculation& calculation) override;
    void ClearWorking() override;

    std::array<QWidget*, design::kControlCount> widgets_{};  // in the table's order
    QButtonGroup* commands_ = nullptr;

    // Regional settings, read again when the system reports a change.
    NumberFormat numberFormat_ = SystemNumberFormat();
    WindowLogic logic_;
    WorkingPane working_{this, logic_};  // beside the controls, where the window is wide enough
};

}  // namespace velmora
