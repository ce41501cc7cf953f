// The main window on Win32: standard controls made from the design table,
// bound to the shared window logic, and the working of each calculation
// beside them where the window is widened. The window is a dispatcher: each
// message goes to one On… handler, which hands it to the part whose job it
// is: the place (saved_placement.h), the density (density.h), the painting
// (window_painting.h) or the working (working_pane.h).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "colours.h"
#include "control_ids.h"
#include "density.h"
#include "dpi.h"
#include "number_format.h"
#include "saved_placement.h"
#include "window_controls.h"
#include "window_logic.h"
#include "window_painting.h"
#include "working_pane.h"

namespace velmora::win32 {

// What the window asks of the system it runs on.
struct SystemSettings {
    DpiSource dpi = DpiSource::OfThisSystem();
    std::function<bool()> highContrast = SystemHighContrast;  // read again at each change
    // Under HKEY_CURRENT_USER: where the window's place is kept; none kept where empty.
    std::wstring settingsKey = kSettingsKey;
};

class MainWindow final : private WindowControls {
  public:
    // Creates the window and its controls, where the user left it, and runs
    // the Load handling; the caller shows it. Null where the window could
    // not be created.
    static std::unique_ptr<MainWindow> Create(HINSTANCE instance, SystemSettings settings = {});
    ~MainWindow();  // destroys the window, where the user has not closed it
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }  // null once the window is gone
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // Shows the window with the keyboard focus on the first control in tab order.
    void Show(int showCommand);

  private:
    MainWindow(HINSTANCE instance, SystemSettings settings);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // One function for each message the window handles.
    void OnCommand(HWND control, int id, int code);
    bool OnActivate(bool active);  // true where it has placed the focus itself
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnMinMaxInfo(MINMAXINFO& info) const;
    void OnSize(int kind);  // SIZE_RESTORED, SIZE_MAXIMIZED, …
    void OnSystemColoursChanged(WPARAM wParam, LPARAM lParam);
    void OnSettingChanged(WPARAM wParam, LPARAM lParam);

    void ApplyColours();  // the designed ones, or the system's in high contrast
    void RepaintAll();    // the window and every control

    // WindowControls, carried out on the controls.
    std::u16string ValueText(Quantity k) const override;
    void SetValueText(Quantity k, const std::u16string& text) override;
    void SetValueReadOnly(Quantity k, bool readOnly) override;
    void SetCheckMark(Quantity k, bool checked) override;
    InputPair SelectedPair() const override;
    void SelectPair(InputPair pair) override;
    void SetExplanation(const std::u16string& text) override;
    void ShowWorking(const Calculation& calculation) override;
    void ClearWorking() override;

    HINSTANCE instance_;
    SystemSettings settings_;
    HWND window_ = nullptr;
    Density density_;
    Colours colours_;
    WindowPlace place_;
    std::optional<WorkingPane> working_;  // once the window exists
    WindowPainting painting_{colours_, density_, working_};
    HWND focusBeforeDeactivation_ = nullptr;
    InputPair shownPair_ = -1;  // the entry last announced as selected
    NumberFormat numberFormat_;
    WindowLogic logic_;
};

}  // namespace velmora::win32
