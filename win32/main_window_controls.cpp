// The shared window logic's controls (WindowControls), carried out on the
// main window's own.
#include "main_window.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {

std::u16string MainWindow::ValueText(Quantity k) const {
    return WindowText(Control(kText2Id + k));
}

void MainWindow::SetValueText(Quantity k, const std::u16string& text) {
    SetWindowTextW(Control(kText2Id + k), Wide(text));
}

void MainWindow::SetValueReadOnly(Quantity k, bool readOnly) {
    SendMessageW(Control(kText2Id + k), EM_SETREADONLY, readOnly, 0);
}

void MainWindow::SetCheckMark(Quantity k, bool checked) {
    SendMessageW(Control(kCheck1Id + k), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

InputPair MainWindow::SelectedPair() const {
    const LRESULT selected = SendMessageW(Control(kList1Id), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<InputPair>(selected);
}

// LB_SETCURSEL announces nothing, so the program's own selection raises the
// pair change here.
void MainWindow::SelectPair(InputPair pair) {
    if (pair == SelectedPair()) return;
    SendMessageW(Control(kList1Id), LB_SETCURSEL, static_cast<WPARAM>(pair), 0);
    shownPair_ = pair;
    logic_.PairChanged();
}

void MainWindow::SetExplanation(const std::u16string& text) {
    SetWindowTextW(Control(kText1Id), Wide(text));
}

void MainWindow::ShowWorking(const Calculation& calculation) {
    working_->Show(calculation);
}

void MainWindow::ClearWorking() {
    working_->Clear();
}

}  // namespace velmora::win32
