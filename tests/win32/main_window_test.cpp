// The Win32 window as a user meets it: created for real, driven by real input.
#include "main_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "design.h"
#include "scaled_figure.h"
#include "test_text.h"
#include "texts.h"
#include "window_driver.h"

namespace velmora::win32 {
namespace {

using Texts = std::array<const char*, kQuantityCount>;
using velmora::testing::Utf8;

class MainWindowTest : public ::testing::Test {
  protected:
    void ExpectBoxes(const Texts& expected) {
        for (int k = 0; k < kQuantityCount; ++k) {
            EXPECT_EQ(ui.Utf8Text(kText2Id + k), expected[k]) << "Text2(" << k << ")";
        }
    }
    void ExpectGiven(int first, int second) {
        for (int k = 0; k < kQuantityCount; ++k) {
            const bool given = k == first || k == second;
            EXPECT_EQ(ui.Checked(k), given) << "Check1(" << k << ")";
            EXPECT_EQ(ui.ReadOnly(k), !given) << "Text2(" << k << ")";
        }
    }
    void Calculate() { ui.Click(ui.Control(kCommand1Id)); }
    void Clear() { ui.Click(ui.Control(kCommand1Id + 1)); }
    std::string Explanation() { return ui.Utf8Text(kText1Id); }

    testing::WindowDriver ui;
};

using Pixels = std::array<int, 4>;  // left, top, width, height in the client area

// Where every control stands at 96, 144 and 192 DPI, worked out by hand from
// the design in twips (15 a pixel at 96 DPI; the frame's rows moved by its corner).
struct DesignedPlace {
    int id;
    Pixels at96, at144, at192;
};
constexpr DesignedPlace kDesignedPlaces[] = {
    {kLabel1Id, {72, 0, 305, 25}, {108, 0, 458, 38}, {144, 0, 610, 50}},
    {kList1Id, {16, 32, 73, 156}, {24, 48, 110, 234}, {32, 64, 146, 312}},
    {kFrame1Id, {112, 32, 145, 145}, {168, 48, 218, 218}, {224, 64, 290, 290}},
    {kPicture1Id, {272, 32, 181, 166}, {408, 48, 272, 249}, {544, 64, 362, 332}},
    {kCommand1Id, {16, 192, 105, 25}, {24, 288, 158, 38}, {32, 384, 210, 50}},
    {kCommand1Id + 1, {152, 192, 105, 25}, {228, 288, 158, 38}, {304, 384, 210, 50}},
    {kText1Id, {8, 224, 449, 201}, {12, 336, 674, 302}, {16, 448, 898, 402}},
    {kText1Id + 1, {208, 304, 449, 121}, {312, 456, 674, 182}, {416, 608, 898, 242}},
    {kCheck1Id, {120, 48, 49, 27}, {180, 72, 74, 41}, {240, 96, 98, 54}},
    {kText2Id, {168, 48, 81, 27}, {252, 72, 122, 41}, {336, 96, 162, 54}},
    {kCheck1Id + 1, {120, 72, 49, 27}, {180, 108, 74, 41}, {240, 144, 98, 54}},
    {kText2Id + 1, {168, 72, 81, 27}, {252, 108, 122, 41}, {336, 144, 162, 54}},
    {kCheck1Id + 2, {120, 96, 49, 27}, {180, 144, 74, 41}, {240, 192, 98, 54}},
    {kText2Id + 2, {168, 96, 81, 27}, {252, 144, 122, 41}, {336, 192, 162, 54}},
    {kCheck1Id + 3, {120, 120, 49, 27}, {180, 180, 74, 41}, {240, 240, 98, 54}},
    {kText2Id + 3, {168, 120, 81, 27}, {252, 180, 122, 41}, {336, 240, 162, 54}},
    {kCheck1Id + 4, {120, 144, 49, 27}, {180, 216, 74, 41}, {240, 288, 98, 54}},
    {kText2Id + 4, {168, 144, 81, 27}, {252, 216, 122, 41}, {336, 288, 162, 54}},
};

// The client area, every control and the font as designed at `dpi` (96, 144
// or 192); the client area only `withClientArea`.
void ExpectDesignedLayout(const testing::WindowDriver& ui, int dpi, bool withClientArea = true) {
    ASSERT_TRUE(dpi == 96 || dpi == 144 || dpi == 192) << dpi;
    const auto at = [dpi](const DesignedPlace& place) {
        return dpi == 96 ? place.at96 : dpi == 144 ? place.at144 : place.at192;
    };
    RECT client;
    GetClientRect(ui.window(), &client);
    if (withClientArea) {
        EXPECT_EQ(client.right, dpi == 96 ? 465 : dpi == 144 ? 698 : 930);
        EXPECT_EQ(client.bottom, dpi == 96 ? 430 : dpi == 144 ? 645 : 860);
    }
    for (const DesignedPlace& place : kDesignedPlaces) {
        const RECT r = ui.ClientRect(place.id);
        EXPECT_EQ((Pixels{r.left, r.top, r.right - r.left, r.bottom - r.top}), at(place))
            << "control " << place.id << " at " << dpi << " DPI";
    }
    // Every control has the font of that density: 12 points.
    for (const DesignedPlace& place : kDesignedPlaces) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ui.Control(place.id), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(font.lfHeight, dpi == 96 ? -16 : dpi == 144 ? -24 : -32) << place.id;
        EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman") << place.id;
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET) << place.id;
    }
}

// The density the test list set up (VELMORA_EXPECTED_DPI), or the window's own.
int ExpectedDpi(HWND window) {
    const char* expected = std::getenv("VELMORA_EXPECTED_DPI");
    return expected ? std::atoi(expected) : DpiSource::OfThisSystem().WindowDpi(window);
}

// Run at 96 and at 192 DPI, with the per-monitor functions of Windows 10.
TEST_F(MainWindowTest, ControlsStandWhereDesigned) {
    ASSERT_TRUE(DpiSource::OfThisSystem().PerMonitor());  // Wine has them, as Windows 10 does
    const int dpi = ExpectedDpi(ui.window());
    ASSERT_EQ(DpiSource::OfThisSystem().WindowDpi(ui.window()), dpi);
    ExpectDesignedLayout(ui, dpi);
}

// And as on Windows 7 and 8, where the density is the system's alone.
TEST(MainWindowWithoutPerMonitorDpi, ControlsStandWhereDesigned) {
    const testing::WindowDriver ui({.dpi = DpiSource::SystemWide()});
    ExpectDesignedLayout(ui, ExpectedDpi(ui.window()));
}

// Moved to monitors of other densities: each time the designed layout, its
// font, the title bar's icon for that density, and the size Windows is told
// to suggest is the size the window takes. (Wine keeps the title bar and
// frame at the system's density, so the client area comes out as designed
// only there; on Windows they change with the monitor.)
TEST_F(MainWindowTest, FollowsAMoveToAnotherDensity) {
    const int systemDpi = DpiSource::OfThisSystem().WindowDpi(ui.window());
    // The working made, then hidden: it takes the new font all the same.
    ui.SizeClientArea(MulDiv(800, systemDpi, 96), MulDiv(560, systemDpi, 96));
    ui.SizeClientArea(MulDiv(465, systemDpi, 96), MulDiv(430, systemDpi, 96));
    ASSERT_NE(ui.Control(kWorkingTextId), nullptr);
    for (int dpi : {144, 192, 96}) {
        RECT suggested{40, 30, 40 + 300, 30 + 200};  // of no use but for its corner
        SendMessageW(ui.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ui.Pump();
        SCOPED_TRACE(dpi);
        ExpectDesignedLayout(ui, dpi, dpi == systemDpi);
        // Every child window's font is a live one, of this density: none is
        // left holding one that was deleted.
        for (HWND child = GetWindow(ui.window(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            LOGFONTW font{};
            ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)),
                                   sizeof font, &font))
                << GetDlgCtrlID(child);
            EXPECT_EQ(font.lfHeight, -MulDiv(16, dpi, 96)) << GetDlgCtrlID(child);
        }
        RECT window;
        GetWindowRect(ui.window(), &window);
        EXPECT_EQ(window.left, 40);
        EXPECT_EQ(window.top, 30);
        SIZE scaled{};
        EXPECT_TRUE(SendMessageW(ui.window(), kGetDpiScaledSize, static_cast<WPARAM>(dpi),
                                 reinterpret_cast<LPARAM>(&scaled)));
        EXPECT_EQ(scaled.cx, window.right - window.left);
        EXPECT_EQ(scaled.cy, window.bottom - window.top);

        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(
            reinterpret_cast<HICON>(SendMessageW(ui.window(), WM_GETICON, ICON_SMALL, 0)), &icon));
        BITMAP bitmap{};
        GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, dpi == 96 ? 16 : dpi == 144 ? 24 : 32);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    // Sized by the user, then moved to a monitor of the same density: the
    // size chosen, not the designed one.
    const auto scaled = [systemDpi](int pixels) { return MulDiv(pixels, systemDpi, 96); };
    const auto moveTo = [&](int dpi) {
        RECT suggested{40, 30, 40 + 300, 30 + 200};
        SendMessageW(ui.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ui.Pump();
    };
    moveTo(systemDpi);
    ui.SizeClientArea(scaled(600), scaled(450));
    moveTo(systemDpi);
    RECT client;
    GetClientRect(ui.window(), &client);
    EXPECT_EQ(client.right, scaled(600));
    EXPECT_EQ(client.bottom, scaled(450));
    // Maximised, it still tells Windows the size it returns to.
    RECT window;
    GetWindowRect(ui.window(), &window);
    ShowWindow(ui.window(), SW_MAXIMIZE);
    ui.Pump();
    SIZE returnsTo{};
    SendMessageW(ui.window(), kGetDpiScaledSize, static_cast<WPARAM>(systemDpi),
                 reinterpret_cast<LPARAM>(&returnsTo));
    EXPECT_EQ(returnsTo.cx, window.right - window.left);
    EXPECT_EQ(returnsTo.cy, window.bottom - window.top);
    ShowWindow(ui.window(), SW_RESTORE);
    ui.Pump();
}

TEST_F(MainWindowTest, ShowsTheDesignedTexts) {
    std::u16string caption(200, u'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(ui.window(), reinterpret_cast<wchar_t*>(caption.data()), 200)));
    EXPECT_EQ(Utf8(caption), texts::kWindowCaption);
    EXPECT_EQ(ui.Utf8Text(kLabel1Id), "Геометрия - трапец, вписана окръжност");
    EXPECT_EQ(ui.Utf8Text(kFrame1Id), "Параметри");
    EXPECT_EQ(ui.Utf8Text(kCommand1Id), "Изчисли");
    EXPECT_EQ(ui.Utf8Text(kCommand1Id + 1), "Изчисти");
    EXPECT_EQ(Explanation(), texts::kExplanation);  // byte for byte, CR LF and all
    EXPECT_EQ(ui.Utf8Text(kText1Id + 1), texts::kAphorism);
    EXPECT_FALSE(IsWindowVisible(ui.Control(kText1Id + 1)));

    const HWND list = ui.Control(kList1Id);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 9);
    const std::array<const char*, 9> captions{"a, b", "a, c", "a, r", "a, P", "b, c",
                                              "b, r", "c, r", "c, P", "r, P"};
    for (int i = 0; i < 9; ++i) {
        wchar_t item[16] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(Utf8(reinterpret_cast<const char16_t*>(item)), captions[i]);
    }
    const std::array<const char*, 5> symbols{"a", "b", "c", "r", "P"};
    for (int k = 0; k < kQuantityCount; ++k) {
        EXPECT_EQ(ui.Utf8Text(kCheck1Id + k), symbols[k]);
        EXPECT_FALSE(IsWindowEnabled(ui.Control(kCheck1Id + k)));  // only the program sets them
    }
    const LONG style = GetWindowLongW(ui.Control(kText1Id), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
    const LONG windowStyle = GetWindowLongW(ui.window(), GWL_STYLE);
    EXPECT_TRUE(windowStyle & WS_MINIMIZEBOX);
    EXPECT_TRUE(windowStyle & WS_THICKFRAME);  // widened, it shows the working
    EXPECT_TRUE(windowStyle & WS_MAXIMIZEBOX);
}

TEST_F(MainWindowTest, TabGoesThroughTheControlsInOrder) {
    EXPECT_EQ(GetFocus(), ui.Control(kText1Id));  // the explanation first
    const std::vector<int> order{kCommand1Id,  kCommand1Id + 1, kList1Id,
                                 kText2Id,     kText2Id + 1,    kText2Id + 2,
                                 kText2Id + 3, kText2Id + 4,    kText1Id};
    for (int id : order) {
        ui.Key(VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id);
    }
    ui.Key(VK_TAB, true);  // Shift+Tab goes back
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kText2Id + 4);
    // No default button: Enter in a value box calculates nothing.
    ui.Key(VK_RETURN);
    EXPECT_EQ(ui.Utf8Text(kText2Id), "16");
}

// Enter, as Space, presses the button that has the focus.
TEST_F(MainWindowTest, EnterOrSpacePressesTheFocusedButton) {
    ui.Key(VK_TAB);
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), kCommand1Id);
    ui.Key(VK_RETURN);
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    ui.Key(VK_TAB);
    ui.Key(VK_SPACE);
    ExpectBoxes({"", "", "", "", ""});
    SetWindowTextW(ui.Control(kText2Id), L"7");
    ui.Key(VK_RETURN);  // Clear again
    ExpectBoxes({"", "", "", "", ""});
}

// A second click right after the first is a double click to Windows; it
// runs its command all the same.
TEST_F(MainWindowTest, EveryClickCounts) {
    Calculate();
    SetWindowTextW(ui.Control(kText2Id), L"20");  // quickly, without a click between
    Calculate();
    ExpectBoxes({"20.000", "12.000", "4.000", "4.472", "48.000"});
    Clear();
    SetWindowTextW(ui.Control(kText2Id), L"5");
    Clear();
    ExpectBoxes({"", "", "", "", ""});
}

TEST_F(MainWindowTest, WholeSession) {
    SendMessageW(ui.Control(kText1Id), EM_LINESCROLL, 0, 10);  // the pupil reads on
    ExpectBoxes({"16", "", "4", "", ""});
    ExpectGiven(0, 2);
    EXPECT_EQ(ui.SelectedPair(), 1);
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});

    // Every pair in turn: the boxes empty, the two given ones unlock.
    const Texts figure{"16", "10", "4", "4", "40"};
    for (int pair = 0; pair < kPairCount; ++pair) {
        ui.ClickPair(pair);
        ASSERT_EQ(ui.SelectedPair(), pair);
        const PairDefinition& row = PairAt(pair);
        ExpectBoxes({"", "", "", "", ""});
        ExpectGiven(row.first, row.second);
        ui.TypeInto(row.first, Utf16(figure[row.first]));
        ui.TypeInto(row.second, Utf16(figure[row.second]));
        Calculate();
        ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    }
    // The entry already selected is no change: the results stay.
    ui.ClickPair(8);
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});

    // A read-only box takes no typing.
    ui.ClickPair(1);
    ui.TypeInto(1, u"99");
    EXPECT_EQ(ui.Utf8Text(kText2Id + 1), "");

    // Grouped results read back as shown; Cyrillic reads as no number at all.
    ui.TypeInto(0, u"1234.5");
    ui.TypeInto(2, u"4");
    Calculate();
    ExpectBoxes({"1,234.500", "619.250", "4.000", "35.135", "2,477.000"});
    Calculate();
    ExpectBoxes({"1,234.500", "619.250", "4.000", "35.135", "2,477.000"});
    ui.TypeInto(0, u"шестнайсет");
    EXPECT_EQ(ui.Utf8Text(kText2Id), "шестнайсет");
    Calculate();
    EXPECT_EQ(Explanation(), "Грешни данни!");
    ExpectBoxes({"шестнайсет", "619.250", "4.000", "35.135", "2,477.000"});

    // A valid calculation puts the explanation back, from its top; Clear
    // empties the boxes only.
    ui.TypeInto(0, u"16");
    ui.TypeInto(2, u"4");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_EQ(Explanation(), texts::kExplanation);
    EXPECT_EQ(SendMessageW(ui.Control(kText1Id), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    Clear();
    ExpectBoxes({"", "", "", "", ""});
    ExpectGiven(0, 2);
    EXPECT_EQ(ui.SelectedPair(), 1);
}

TEST_F(MainWindowTest, KeyboardSelectsPairs) {
    SetFocus(ui.Control(kList1Id));
    ui.Key(VK_DOWN);
    EXPECT_EQ(ui.SelectedPair(), 2);
    ExpectGiven(0, 3);
    ui.Key(VK_END);
    EXPECT_EQ(ui.SelectedPair(), 8);
    ExpectGiven(3, 4);
}

// Control Panel choices, read again when Windows announces a change.
class RegionalOutputTest : public MainWindowTest {
  protected:
    ~RegionalOutputTest() override {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            SetLocaleInfoW(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
        }
        Announce();
    }
    void Set(LCTYPE type, const wchar_t* value) {
        wchar_t old[88] = {};
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, old, 88);
        saved_.emplace_back(type, old);
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value));
        Announce();
    }
    void Announce() {
        SendMessageW(ui.window(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    }
    // Pair "a, r" with a negative base gives negative values throughout.
    std::string NegativeBase() {
        ui.ClickPair(2);
        ui.TypeInto(0, u"-16");
        ui.TypeInto(3, u"4");
        Calculate();
        return ui.Utf8Text(kText2Id);
    }

  private:
    std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

TEST_F(RegionalOutputTest, FollowsTheControlPanel) {
    Set(LOCALE_SDECIMAL, L".");
    Set(LOCALE_STHOUSAND, L",");
    Set(LOCALE_SNEGATIVESIGN, L"-");
    Set(LOCALE_ILZERO, L"0");
    ui.TypeInto(0, u"0.5");
    ui.TypeInto(2, u"0.5");
    Calculate();
    ExpectBoxes({".500", ".500", ".500", ".250", "2.000"});

    const std::array<std::pair<const wchar_t*, const char*>, 5> patterns{{
        {L"0", "(16.000)"},
        {L"1", "-16.000"},
        {L"2", "- 16.000"},
        {L"3", "16.000-"},
        {L"4", "16.000 -"},
    }};
    for (const auto& [pattern, shown] : patterns) {
        Set(LOCALE_INEGNUMBER, pattern);
        EXPECT_EQ(NegativeBase(), shown);
        Calculate();  // reads back as -16
        EXPECT_EQ(ui.Utf8Text(kText2Id), shown);
    }
}

// Run with LANG=bg_BG.UTF-8: Bulgarian groups with a no-break space and
// writes a decimal comma.
TEST_F(MainWindowTest, WritesTheUsersLocale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    if (std::wstring(name) != L"bg-BG") GTEST_SKIP() << "runs under LANG=bg_BG.UTF-8";
    ui.TypeInto(0, u"1234567.5");
    ui.TypeInto(2, u"1234567.5");
    for (int again = 0; again < 2; ++again) {  // and reads back as shown
        Calculate();
        EXPECT_EQ(ui.Utf8Text(kText2Id), "1\u00a0234\u00a0567,500");
        EXPECT_EQ(ui.Utf8Text(kText2Id + 4), "4\u00a0938\u00a0270,000");
    }
    // A decimal comma, as Bulgarian schools write it.
    ui.TypeInto(0, u"2,5");
    ui.TypeInto(2, u"6,5");
    for (int again = 0; again < 2; ++again) {
        Calculate();
        ExpectBoxes({"2,500", "4,500", "6,500", "2,016", "18,000"});
    }
}

// The pixel at a point of the client area, from a capture of the screen: what
// the user sees. (Wine's PrintWindow leaves the child controls out.)
COLORREF PixelOf(HWND window, POINT clientPoint) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap =
        CreateCompatibleBitmap(screen, client.right - client.left, client.bottom - client.top);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right - client.left, client.bottom - client.top, screen,
           client.left, client.top, SRCCOPY);
    const COLORREF colour = GetPixel(memory, clientPoint.x, clientPoint.y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(MainWindowTest, PaintsItsColours) {
    const auto inside = [&](int id) {
        const RECT r = ui.ClientRect(id);
        return POINT{r.left + 6, r.top + 6};
    };
    const auto checkPoint = [&] {
        const RECT r = ui.ClientRect(kCheck1Id + 1);
        return POINT{r.right - 4, r.bottom - 4};  // beside the symbol
    };
    const struct {
        const char* what;
        POINT at;
        COLORREF colour;
    } samples[] = {
        {"window", {4, 400}, RGB(192, 192, 255)},
        {"Label1", inside(kLabel1Id), RGB(255, 192, 128)},
        {"Check1", checkPoint(), RGB(128, 128, 255)},
        {"Calculate", inside(kCommand1Id), RGB(128, 255, 128)},
        {"Clear", inside(kCommand1Id + 1), RGB(255, 128, 128)},
        {"figure", inside(kPicture1Id), RGB(255, 255, 255)},
    };
    for (const auto& s : samples) {
        EXPECT_EQ(PixelOf(ui.window(), s.at), s.colour) << s.what;
    }
}

// With high contrast on, the window takes the system's colours; off again,
// its own, each time without a restart. Wine reports high contrast as off and
// will not turn it on, so the test answers the window's question itself.
TEST(MainWindowInHighContrast, FollowsTheSystemColours) {
    bool highContrast = false;
    testing::WindowDriver ui({.highContrast = [&] { return highContrast; }});
    const std::array<int, 4> elements{COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
    std::array<COLORREF, 4> saved{};
    for (std::size_t i = 0; i < elements.size(); ++i) saved[i] = GetSysColor(elements[i]);
    const std::array<COLORREF, 4> scheme{RGB(16, 32, 48), RGB(255, 255, 0), RGB(0, 0, 64),
                                         RGB(0, 255, 255)};
    SetSysColors(4, elements.data(), scheme.data());
    ui.Pump(200);

    const auto inside = [&](int id) {
        const RECT r = ui.ClientRect(id);
        return POINT{r.left + 6, r.top + 6};
    };
    const auto expect = [&](COLORREF window, COLORREF label, COLORREF button, COLORREF figure) {
        EXPECT_EQ(PixelOf(ui.window(), {4, 400}), window);
        EXPECT_EQ(PixelOf(ui.window(), inside(kLabel1Id)), label);
        EXPECT_EQ(PixelOf(ui.window(), inside(kCommand1Id)), button);
        EXPECT_EQ(PixelOf(ui.window(), inside(kPicture1Id)), figure);
    };
    {
        SCOPED_TRACE("off, and the system colours changed");
        expect(RGB(192, 192, 255), RGB(255, 192, 128), RGB(128, 255, 128), RGB(255, 255, 255));
    }
    highContrast = true;
    SendMessageW(ui.window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    ui.Pump(200);
    {
        SCOPED_TRACE("on");
        expect(scheme[0], scheme[0], scheme[0], scheme[2]);
    }
    highContrast = false;
    SendMessageW(ui.window(), WM_SYSCOLORCHANGE, 0, 0);
    ui.Pump(200);
    {
        SCOPED_TRACE("off again");
        expect(RGB(192, 192, 255), RGB(255, 192, 128), RGB(128, 255, 128), RGB(255, 255, 255));
    }
    SetSysColors(4, elements.data(), saved.data());
}

std::string AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string result;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        result = Utf8(reinterpret_cast<const char16_t*>(name));
        SysFreeString(name);
    }
    accessible->Release();
    return result;
}

// What a screen reader hears of a control: its name, role and description.
struct Spoken {
    std::string name, description, value;
    long role = 0, state = 0;
};

Spoken SpokenOf(HWND control) {
    Spoken spoken;
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return spoken;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &text)) && text) {
        spoken.name = Utf8(reinterpret_cast<const char16_t*>(text));
        SysFreeString(text);
    }
    text = nullptr;
    if (accessible->get_accDescription(self, &text) == S_OK && text) {
        spoken.description = Utf8(reinterpret_cast<const char16_t*>(text));
        SysFreeString(text);
    }
    text = nullptr;
    if (accessible->get_accValue(self, &text) == S_OK && text) {
        spoken.value = Utf8(reinterpret_cast<const char16_t*>(text));
        SysFreeString(text);
    }
    VARIANT role{};
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4)
        spoken.role = role.lVal;
    VARIANT state{};
    if (SUCCEEDED(accessible->get_accState(self, &state)) && state.vt == VT_I4)
        spoken.state = state.lVal;
    accessible->Release();
    return spoken;
}

std::u16string ClipboardText() {
    std::u16string text;
    if (!OpenClipboard(nullptr)) return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Widened, the window shows the working of each calculation beside the
// controls, in proportion at the run's density; narrowed again, it is gone
// and every control stands where designed.
TEST_F(MainWindowTest, WidenedItShowsTheWorking) {
    const int dpi = ExpectedDpi(ui.window());
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    EXPECT_FALSE(IsWindowVisible(ui.Control(kWorkingTextId)));  // made when first needed
    ui.TypeInto(0, u"6");                                       // a textbook's problem: r = √6
    Calculate();  // shown at once when the window is widened

    ui.SizeClientArea(scaled(800), scaled(560));
    const HWND text = ui.Control(kWorkingTextId);
    ASSERT_TRUE(IsWindowVisible(text));
    EXPECT_EQ(ui.Utf8Text(kWorkingTextId),
              "Дадено: a = 6; c = 4.\r\n"
              "1. b = (a + c) / 2 = (6 + 4) / 2 = 5\r\n"
              "2. P = 4·b = 4·5 = 20\r\n"
              "3. a·c = 6·4 = 24 > 0\r\n"
              "4. r = √(a·c) / 2 = √24 / 2 = 2√6 / 2 = √6 ≈ 2.449\r\n"
              "Отговор: a = 6; b = 5; c = 4; r = √6 ≈ 2.449; P = 20.\r\n");
    // The sheet right of the controls, its edge and padding scaled; the figure
    // under the lines, as wide as they are.
    const RECT heading = ui.ClientRect(kWorkingHeadingId);
    EXPECT_EQ(heading.left, scaled(465 + 2 + 8));
    EXPECT_EQ(heading.top, scaled(8 + 2 + 8));
    const RECT figure = ui.ClientRect(kWorkingFigureId);
    EXPECT_EQ(figure.right - figure.left, scaled(800 - 465 - 8 - 2 * (2 + 8)));
    EXPECT_GT(figure.top, ui.ClientRect(kWorkingTextId).bottom);
    CoInitialize(nullptr);
    EXPECT_EQ(SpokenOf(text).name, "Решение");
    const Spoken picture = SpokenOf(ui.Control(kWorkingFigureId));
    EXPECT_EQ(picture.name.rfind("Трапецът ABCD в мащаб: стрелките", 0), 0U) << picture.name;
    EXPECT_EQ(picture.role, ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(picture.value, "основа a = 6.000, основа c = 4.000");
    EXPECT_TRUE(picture.state & STATE_SYSTEM_FOCUSABLE);
    EXPECT_EQ(picture.description.rfind("Равнобедрен трапец ABCD: долна основа a = 6.000", 0), 0U)
        << picture.description;
    CoUninitialize();

    ui.ClickPair(0);  // a, b: 25 and 10 describe no trapezoid
    ui.TypeInto(0, u"25");
    ui.TypeInto(1, u"10");
    Calculate();
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kCommand1Id);
    EXPECT_EQ(ui.Utf8Text(kWorkingTextId),
              "Дадено: a = 25; b = 10.\r\n"
              "1. c = 2·b − a = 2·10 − 25 = -5\r\n"
              "2. P = 4·b = 4·10 = 40\r\n"
              "3. a·c = 25·(-5) = -125 ≤ 0\r\n"
              "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв "
              "трапец не съществува.\r\n");
    EXPECT_FALSE(IsWindowVisible(ui.Control(kWorkingFigureId)));

    // After the controls in the tab order; copied as shown.
    SetFocus(ui.Control(kText2Id + 4));
    ui.Key(VK_TAB);
    EXPECT_EQ(GetFocus(), text);
    ui.Key('A', false, true);
    ui.Key('C', false, true);
    EXPECT_EQ(ClipboardText(), ui.Text(kWorkingTextId));

    // Narrowed with the focus in the working, to where the sheet no longer
    // fits but its heading would: every part hidden, and the focus gone on,
    // as Tab would take it, never to the window itself, where nothing shows it.
    ui.SizeClientArea(scaled(700), scaled(560));
    for (int id : {kWorkingHeadingId, kWorkingTextId, kWorkingFigureId}) {
        EXPECT_FALSE(IsWindowVisible(ui.Control(id))) << id;
    }
    EXPECT_EQ(GetFocus(), ui.Control(kText1Id));
    // Narrowed while another window is active, the focus in the working: back,
    // the window puts it on the next control, not on the hidden working.
    ui.SizeClientArea(scaled(800), scaled(560));
    SetFocus(text);
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    const auto activate = [&](HWND window) {  // as Wine's X display gets round to it
        SetForegroundWindow(window);
        for (int wait = 0; wait < 20 && GetActiveWindow() != window; ++wait) ui.Pump(50);
        ui.Pump();
    };
    activate(other);
    ui.SizeClientArea(scaled(700), scaled(560));
    activate(ui.window());
    EXPECT_EQ(GetFocus(), ui.Control(kText1Id));
    DestroyWindow(other);
    ui.SizeClientArea(scaled(465), scaled(430));
    ExpectDesignedLayout(ui, dpi);
}

// The figure of the working moved by a corner with the mouse and by the
// keys, at the run's density: each step the boxes and the working are what
// Calculate gives for those boxes; Escape puts back the boxes from before.
TEST_F(MainWindowTest, FigureMovesByItsCorners) {
    const int dpi = ExpectedDpi(ui.window());
    ui.TypeInto(0, u"16");
    ui.TypeInto(2, u"4");
    Calculate();
    ui.SizeClientArea(MulDiv(900, dpi, 96), MulDiv(560, dpi, 96));
    const HWND figure = ui.Control(kWorkingFigureId);
    ASSERT_TRUE(IsWindowVisible(figure));
    // A corner of the trapezoid a, c where the pane draws it, and the pixels
    // of a length of 1 there.
    const auto corner = [&](double a, double c, int i, double* perLength) {
        const solution::ScaledFigure drawn = *solution::ScaledFigureOf(
            {a, (a + c) / 2, c, std::sqrt(a * c) / 2, 2 * (a + c)}, NumberFormat{});
        RECT box;
        GetClientRect(figure, &box);
        const solution::FigureFit fit = solution::FitInto(drawn, 0, 0, box.right, box.bottom);
        if (perLength) *perLength = drawn.scale.unitsPerLength * fit.scale;
        const figure::Point at = fit.At(drawn.corners[static_cast<std::size_t>(i)]);
        return POINT{std::lround(at.x), std::lround(at.y)};
    };
    const auto cursorX = [] {
        POINT at{};
        GetCursorPos(&at);
        return at.x;
    };
    // What Calculate writes for the boxes as they stand, and the working then.
    const auto expectCalculated = [&](const char* a, const char* c) {
        EXPECT_EQ(ui.Utf8Text(kText2Id + 0), a);
        EXPECT_EQ(ui.Utf8Text(kText2Id + 2), c);
        std::array<std::string, kQuantityCount> shown;
        Texts boxes;
        for (int k = 0; k < kQuantityCount; ++k) shown[k] = ui.Utf8Text(kText2Id + k);
        for (int k = 0; k < kQuantityCount; ++k) boxes[k] = shown[k].c_str();
        const std::u16string lines = ui.Text(kWorkingTextId);
        Calculate();
        ExpectBoxes(boxes);
        EXPECT_EQ(ui.Text(kWorkingTextId), lines);
    };

    // B, the base a: it grows by twice the pointer's way, on the grid of 0.1.
    double perLength = 0;
    const POINT B = corner(16, 4, 1, &perLength);
    ui.PressAt(figure, B);
    EXPECT_EQ(GetFocus(), figure);
    const long pressed = cursorX();
    ui.MoveTo(figure, {B.x + std::lround(perLength), B.y});
    const double moved = 16 + 2.0 * static_cast<double>(cursorX() - pressed) / perLength;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.3f", std::round(moved * 10) / 10);
    EXPECT_EQ(ui.Utf8Text(kText2Id + 0), expected);
    ui.Key(VK_ESCAPE);
    ui.ReleaseAt(figure, {B.x + std::lround(perLength), B.y});
    EXPECT_EQ(GetFocus(), figure);  // Escape undid the drag, and left the window be
    expectCalculated("16.000", "4.000");

    // Tab after the working's lines; ← → the base a, ↓ ↑ c, Shift ten steps.
    SetFocus(ui.Control(kWorkingTextId));
    ui.Key(VK_TAB);
    ASSERT_EQ(GetFocus(), figure);
    ui.Key(VK_RIGHT);
    ui.Key(VK_UP, true);
    CoInitialize(nullptr);
    const Spoken picture = SpokenOf(figure);
    EXPECT_EQ(picture.value, "основа a = 16.100, основа c = 5.000");
    EXPECT_TRUE(picture.state & STATE_SYSTEM_FOCUSED);
    CoUninitialize();
    ui.Key(VK_END, false, true);
    EXPECT_EQ(ui.Utf8Text(kText2Id + 2), "100.000");
    ui.Key(VK_ESCAPE);
    expectCalculated("16.000", "4.000");

    // Under b, r the bases made equal give a square, invalid data: the figure
    // stays while the drag goes on; a press and release that moves nothing
    // ends it, the figure goes, and the focus stays in the working that says why.
    ui.ClickPair(5);
    ui.TypeInto(1, u"10");
    ui.TypeInto(3, u"4");
    Calculate();
    SetFocus(ui.Control(kWorkingTextId));
    ui.Key(VK_TAB);
    for (int i = 0; i < 12; ++i) ui.Key(VK_UP, true);
    EXPECT_EQ(ui.Utf8Text(kText2Id + 1), "16.000");
    EXPECT_EQ(ui.Utf8Text(kText2Id + 3), "8.000");
    EXPECT_TRUE(IsWindowVisible(figure));
    const POINT C = corner(16, 16, 2, nullptr);
    ui.PressAt(figure, C);
    ui.ReleaseAt(figure, C);
    EXPECT_FALSE(IsWindowVisible(figure));
    EXPECT_EQ(GetFocus(), ui.Control(kWorkingTextId));
}

// A WM_SETFONT sent to the working's lines (each one re-wraps them all).
LRESULT CALLBACK CountFonts(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR count) {
    if (message == WM_SETFONT) ++*reinterpret_cast<int*>(count);
    return DefSubclassProc(box, message, wParam, lParam);
}

// Resized, the widened window paints each part once: its fill leaves the
// sheet to the sheet, the sheet leaves its controls to themselves, and the
// lines keep their font, so that nothing flickers or re-wraps.
TEST_F(MainWindowTest, WorkingIsPaintedOnceAsTheWindowIsResized) {
    const int dpi = ExpectedDpi(ui.window());
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    Calculate();
    ui.SizeClientArea(scaled(800), scaled(560));
    const HWND text = ui.Control(kWorkingTextId);
    ASSERT_TRUE(IsWindowVisible(text));
    int fonts = 0;
    SetWindowSubclass(text, CountFonts, 1, reinterpret_cast<DWORD_PTR>(&fonts));
    for (int width : {810, 900, 800}) ui.SizeClientArea(scaled(width), scaled(560));
    RemoveWindowSubclass(text, CountFonts, 1);
    EXPECT_EQ(fonts, 0);

    RECT client;
    GetClientRect(ui.window(), &client);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF untouched = RGB(1, 2, 3);
    const HBRUSH mark = CreateSolidBrush(untouched);
    FillRect(memory, &client, mark);
    SendMessageW(ui.window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    const RECT lines = ui.ClientRect(kWorkingTextId);
    const RECT picture = ui.ClientRect(kWorkingFigureId);
    EXPECT_EQ(GetPixel(memory, (lines.left + lines.right) / 2, (lines.top + lines.bottom) / 2),
              untouched);
    EXPECT_EQ(GetPixel(memory, (picture.left + picture.right) / 2, picture.top + scaled(4)),
              untouched);
    EXPECT_EQ(GetPixel(memory, lines.left - scaled(6), lines.top + scaled(20)),
              GetSysColor(COLOR_WINDOW));  // the sheet's padding
    EXPECT_EQ(GetPixel(memory, client.right - scaled(3), scaled(200)), RGB(192, 192, 255));
    EXPECT_EQ(GetPixel(memory, scaled(4), scaled(400)), RGB(192, 192, 255));
    SelectObject(memory, old);
    DeleteObject(mark);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The working read line by line, as screen readers read the caret's line:
// the arrows move a caret from the first line, Shift selects from it, and a
// frame on the sheet shows where the focus is.
TEST_F(MainWindowTest, WorkingIsReadLineByLine) {
    const int dpi = ExpectedDpi(ui.window());
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    Calculate();
    ui.SizeClientArea(scaled(800), scaled(560));
    const HWND text = ui.Control(kWorkingTextId);
    const auto caretLine = [text] {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return SendMessageW(text, EM_LINEFROMCHAR, end, 0);
    };
    const RECT lines = ui.ClientRect(kWorkingTextId);
    const POINT frame{lines.left + scaled(20), lines.top - scaled(4)};
    EXPECT_EQ(PixelOf(ui.window(), frame), GetSysColor(COLOR_WINDOW));

    SetFocus(ui.Control(kText2Id + 4));
    ui.Key(VK_TAB);
    ASSERT_EQ(GetFocus(), text);
    EXPECT_EQ(caretLine(), 0);
    ui.Key(VK_DOWN);
    ui.Key(VK_DOWN);
    EXPECT_EQ(caretLine(), 2);
    ui.Key(VK_DOWN, true);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, static_cast<DWORD>(SendMessageW(text, EM_LINEINDEX, 2, 0)));
    EXPECT_EQ(end, static_cast<DWORD>(SendMessageW(text, EM_LINEINDEX, 3, 0)));
    ui.Pump(100);
    EXPECT_EQ(PixelOf(ui.window(), frame), GetSysColor(COLOR_HIGHLIGHT));

    ui.Key(VK_TAB, true);  // back to the value boxes: the frame goes
    ui.Pump(100);
    EXPECT_EQ(PixelOf(ui.window(), frame), GetSysColor(COLOR_WINDOW));
}

// The window opens as the user left it: its place, its size, maximised or
// not; where the registry holds anything else, as designed.
TEST(MainWindowPlacement, SurvivesARestartUnlessUnusable) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    const int dpi = ExpectedDpi(nullptr);
    const auto client = [](const testing::WindowDriver& ui) {
        RECT r;
        GetClientRect(ui.window(), &r);
        MapWindowPoints(ui.window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        return Pixels{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    Pixels left{};
    {
        testing::WindowDriver ui({}, true);
        SetWindowPos(ui.window(), nullptr, 60, 50, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
        ui.SizeClientArea(MulDiv(600, dpi, 96), MulDiv(450, dpi, 96));
        left = client(ui);
    }
    {
        testing::WindowDriver ui({}, true);
        EXPECT_EQ(client(ui), left);
        ShowWindow(ui.window(), SW_MAXIMIZE);
        ui.Pump();
    }
    {
        testing::WindowDriver ui({}, true);
        EXPECT_TRUE(IsZoomed(ui.window()));
        ShowWindow(ui.window(), SW_MINIMIZE);
        ui.Pump();
    }
    {
        testing::WindowDriver ui({}, true);
        EXPECT_TRUE(IsZoomed(ui.window())) << "minimised from maximised";
        ShowWindow(ui.window(), SW_RESTORE);
        ui.Pump();
        EXPECT_EQ(client(ui), left) << "restored";
        ShowWindow(ui.window(), SW_MINIMIZE);
        ui.Pump();
    }
    {
        testing::WindowDriver ui({}, true);
        EXPECT_FALSE(IsZoomed(ui.window())) << "minimised from its place";
        EXPECT_EQ(client(ui), left) << "minimised from its place";
    }
    // A whole place, then one value of it made unusable at a time: the
    // window opens as designed, where the system puts it, never at the place.
    const auto write = [](const wchar_t* name, DWORD value) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
    };
    const auto whole = [&] {
        write(L"Left", 60);
        write(L"Top", 200);
        write(L"Width", 10500);
        write(L"Height", 7500);
        write(L"Maximized", 0);
    };
    const Pixels designed{0, 0, MulDiv(465, dpi, 96), MulDiv(430, dpi, 96)};
    const auto opensAsDesigned = [&](const char* what) {
        testing::WindowDriver ui({}, true);
        const Pixels opened = client(ui);
        EXPECT_EQ((Pixels{0, 0, opened[2], opened[3]}), designed) << what;
        EXPECT_FALSE(opened[0] == 60 && opened[1] == 200) << what;
        EXPECT_FALSE(IsZoomed(ui.window())) << what;
    };
    whole();
    {
        testing::WindowDriver ui({}, true);
        EXPECT_EQ(client(ui), (Pixels{60, 200, MulDiv(700, dpi, 96), MulDiv(500, dpi, 96)}));
    }
    whole();
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Width", REG_SZ, L"wide", sizeof L"wide");
    opensAsDesigned("a width of text");
    whole();
    write(L"Left", 100000);
    opensAsDesigned("off every screen");
    whole();
    write(L"Top", 2);
    opensAsDesigned("its title bar above the screen");
    whole();
    // Wider than the screen at the screen's density, though not at 96 DPI.
    write(L"Width", MulDiv(GetSystemMetrics(SM_CXSCREEN) + 10, 1440, dpi));
    opensAsDesigned("wider than the screen");
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

TEST_F(MainWindowTest, EveryControlHasANameToSpeak) {
    CoInitialize(nullptr);
    const struct {
        int id;
        std::string_view name;
    } controls[] = {
        {kText1Id, texts::kExplanationName},
        {kLabel1Id, texts::kTitle},
        {kPicture1Id, texts::kFigureName},
        {kCommand1Id, texts::kCalculate},
        {kCommand1Id + 1, texts::kClear},
        {kList1Id, texts::kPairListName},
        {kFrame1Id, texts::kParameters},
        {kText2Id, "a"},
        {kText2Id + 1, "b"},
        {kText2Id + 2, "c"},
        {kText2Id + 3, "r"},
        {kText2Id + 4, "P"},
        {kCheck1Id, "a"},
        {kCheck1Id + 4, "P"},
    };
    for (const auto& c : controls) EXPECT_EQ(AccessibleName(ui.Control(c.id)), c.name) << c.id;
    CoUninitialize();
}

// The controls as the design table gives them, at the density of the run:
// change a row, and the window follows.
TEST_F(MainWindowTest, ControlsMatchTheDesignTable) {
    const int dpi = ExpectedDpi(ui.window());
    CoInitialize(nullptr);
    std::vector<int> tabOrder;
    for (const design::Control& c : design::kControls) {
        SCOPED_TRACE(design::IndexedName(c));
        const HWND control = ui.Control(ControlId(c));
        const layout::PixelRect designed = layout::ToPixels(design::InClientArea(c), dpi);
        const RECT r = ui.ClientRect(ControlId(c));
        EXPECT_EQ((Pixels{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  (Pixels{designed.left, designed.top, designed.width, designed.height}));
        EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
        if (c.visible) {
            EXPECT_EQ(AccessibleName(control), design::SpokenName(c));
        }
        if (c.background) {
            // Beside a check box's symbol; elsewhere near the top left corner.
            const POINT at = c.kind == design::Kind::CheckBox ? POINT{r.right - 4, r.bottom - 4}
                                                              : POINT{r.left + 6, r.top + 6};
            EXPECT_EQ(PixelOf(ui.window(), at),
                      RGB(c.background->red, c.background->green, c.background->blue));
        }
        const bool typesOrClicks = c.kind == design::Kind::Button || c.kind == design::Kind::List ||
                                   c.kind == design::Kind::ValueBox ||
                                   c.kind == design::Kind::MultiLineBox;
        if (typesOrClicks && c.visible) tabOrder.push_back(ControlId(c));
    }
    CoUninitialize();
    // Tab goes through them in the table's order, from the first, which has the focus.
    ASSERT_FALSE(tabOrder.empty());
    for (std::size_t i = 0; i <= tabOrder.size(); ++i) {
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), tabOrder[i % tabOrder.size()]);
        ui.Key(VK_TAB);
    }
}

}  // namespace
}  // namespace velmora::win32
