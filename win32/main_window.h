// The main window on Win32: standard controls bound to the shared window logic.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "colours.h"
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

// What the window asks of the system it runs on.
struct SystemSettings {
    DpiSource dpi = DpiSource::OfThisSystem();
    std::function<bool()> highContrast = SystemHighContrast;  // read again at each change
};

class MainWindow final : private WindowControls {
  public:
    // Creates the window and its controls and runs the Load handling; the
    // caller shows it. Returns null where the window could not be created.
    static MainWindow* Create(HINSTANCE instance, SystemSettings settings = {});
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // Shows the window with the keyboard focus on the explanation box.
    void Show(int showCommand);

  private:
    MainWindow(HINSTANCE instance, SystemSettings settings);
    ~MainWindow() = default;                        // deleted when its window is destroyed
    friend struct std::default_delete<MainWindow>;  // or by Create, where that failed

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    // Lays everything out at `dpi`, with its font and icons, the window's top
    // left corner at `position`.
    void ApplyDpi(int dpi, POINT position);
    SIZE WindowSize(int dpi) const;
    void FitWindow(const POINT* position);  // null: where it is
    void LoadIcons();
    // The designed colours, or the system's while high contrast is on.
    void ApplyColours();
    void RepaintAll();  // the window and every control
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
    SystemSettings settings_;
    HWND window_ = nullptr;
    bool ownedByWindow_ = false;  // from a successful creation on, the window deletes this
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Font font_;
    Icon smallIcon_;
    Icon bigIcon_;
    Palette palette_ = Palette::Designed();
    Brush windowBrush_;
    Brush labelBrush_;
    Brush checkBrush_;
    HWND focusBeforeDeactivation_ = nullptr;
    InputPair shownPair_ = -1;  // the entry last announced as selected
    NumberFormat numberFormat_;
    WindowLogic logic_;
};

}  // namespace velmora::win32
