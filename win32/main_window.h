// The main window on Win32: standard controls bound to the shared window logic.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "dpi.h"
#include "gdi.h"
#include "number_format.h"
#include "window_controls.h"
#include "window_logic.h"

namespace velmora::win32 {

// Control identifiers, one range per indexed group.
inline constexpr int kText1Id = 100;     // Text1(0..1)
inline constexpr int kText2Id = 200;     // Text2(0..4)
inline constexpr int kCheck1Id = 300;    // Check1(0..4)
inline constexpr int kCommand1Id = 400;  // Command1(0..1)
inline constexpr int kList1Id = 500;
inline constexpr int kFrame1Id = 600;
inline constexpr int kPicture1Id = 700;
inline constexpr int kLabel1Id = 800;
inline constexpr int kNameLabelId = 900;  // labels of no size naming the uncaptioned controls

class MainWindow final : private WindowControls {
  public:
    // Creates the window and its controls and runs the Load handling; the
    // caller shows it. Returns null where the window could not be created.
    static MainWindow* Create(HINSTANCE instance, DpiSource dpiSource = DpiSource::OfThisSystem());
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // Shows the window with the keyboard focus on the explanation box.
    void Show(int showCommand);

  private:
    MainWindow(HINSTANCE instance, DpiSource dpiSource);
    ~MainWindow() = default;  // deleted when its window is destroyed

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void ApplyDpi(int dpi);
    SIZE WindowSize(int dpi) const;
    HBRUSH ColourControl(HDC dc, HWND control);
    void DrawItem(const DRAWITEMSTRUCT& item);
    LRESULT CustomDraw(NMCUSTOMDRAW& draw);
    void Command(int id, int code);

    // WindowControls, carried out on the controls.
    std::u16string ValueText(Quantity k) const override;
    void SetValueText(Quantity k, const std::u16string& text) override;
    void SetValueReadOnly(Quantity k, bool readOnly) override;
    void SetCheckMark(Quantity k, bool checked) override;
    InputPair SelectedPair() const override;
    void SelectPair(InputPair pair) override;
    void SetExplanation(const std::u16string& text) override;

    HINSTANCE instance_;
    DpiSource dpiSource_;
    HWND window_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Font font_;
    Brush windowBrush_;
    Brush labelBrush_;
    Brush checkBrush_;
    HWND focusBeforeDeactivation_ = nullptr;
    InputPair shownPair_ = -1;  // the entry last announced as selected
    NumberFormat numberFormat_;
    WindowLogic logic_;
};

}  // namespace velmora::win32
