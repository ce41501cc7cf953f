// The Win32 window as a user meets it: created for real, driven by real input.
#include "main_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

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

// Where every control stands at 96 and at 192 DPI, worked out by hand from
// the design in twips (15 a pixel at 96 DPI; the frame's rows moved by its corner).
struct DesignedPlace {
    int id;
    Pixels at96, at192;
};
constexpr DesignedPlace kDesignedPlaces[] = {
    {kLabel1Id, {72, 0, 305, 25}, {144, 0, 610, 50}},
    {kList1Id, {16, 32, 73, 156}, {32, 64, 146, 312}},
    {kFrame1Id, {112, 32, 145, 145}, {224, 64, 290, 290}},
    {kPicture1Id, {272, 32, 181, 166}, {544, 64, 362, 332}},
    {kCommand1Id, {16, 192, 105, 25}, {32, 384, 210, 50}},
    {kCommand1Id + 1, {152, 192, 105, 25}, {304, 384, 210, 50}},
    {kText1Id, {8, 224, 449, 201}, {16, 448, 898, 402}},
    {kText1Id + 1, {208, 304, 449, 121}, {416, 608, 898, 242}},
    {kCheck1Id, {120, 48, 49, 27}, {240, 96, 98, 54}},
    {kText2Id, {168, 48, 81, 27}, {336, 96, 162, 54}},
    {kCheck1Id + 1, {120, 72, 49, 27}, {240, 144, 98, 54}},
    {kText2Id + 1, {168, 72, 81, 27}, {336, 144, 162, 54}},
    {kCheck1Id + 2, {120, 96, 49, 27}, {240, 192, 98, 54}},
    {kText2Id + 2, {168, 96, 81, 27}, {336, 192, 162, 54}},
    {kCheck1Id + 3, {120, 120, 49, 27}, {240, 240, 98, 54}},
    {kText2Id + 3, {168, 120, 81, 27}, {336, 240, 162, 54}},
    {kCheck1Id + 4, {120, 144, 49, 27}, {240, 288, 98, 54}},
    {kText2Id + 4, {168, 144, 81, 27}, {336, 288, 162, 54}},
};

// The client area, every control and the font as designed at `dpi` (96 or 192).
void ExpectDesignedLayout(const testing::WindowDriver& ui, int dpi) {
    ASSERT_TRUE(dpi == 96 || dpi == 192) << dpi;
    RECT client;
    GetClientRect(ui.window(), &client);
    EXPECT_EQ(client.right, dpi == 96 ? 465 : 930);
    EXPECT_EQ(client.bottom, dpi == 96 ? 430 : 860);
    for (const DesignedPlace& place : kDesignedPlaces) {
        const RECT r = ui.ClientRect(place.id);
        EXPECT_EQ((Pixels{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  dpi == 96 ? place.at96 : place.at192)
            << "control " << place.id << " at " << dpi << " DPI";
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ui.Control(kText1Id), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, dpi == 96 ? -16 : -32);  // 12 points
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman");
    EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
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
    const testing::WindowDriver ui(DpiSource::SystemWide());
    ExpectDesignedLayout(ui, ExpectedDpi(ui.window()));
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
    EXPECT_FALSE(windowStyle & (WS_THICKFRAME | WS_MAXIMIZEBOX));  // a fixed size
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

TEST_F(MainWindowTest, WholeSession) {
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

    // A comma ends the number; Cyrillic reads as no number at all.
    ui.TypeInto(0, u"2,5");
    ui.TypeInto(2, u"8");
    Calculate();
    ExpectBoxes({"2.000", "5.000", "8.000", "2.000", "20.000"});
    ui.TypeInto(0, u"шестнайсет");
    EXPECT_EQ(ui.Utf8Text(kText2Id), "шестнайсет");
    Calculate();
    EXPECT_EQ(Explanation(), "Грешни данни!");
    ExpectBoxes({"шестнайсет", "5.000", "8.000", "2.000", "20.000"});

    // The message stays after a valid calculation; Clear empties the boxes only.
    ui.TypeInto(0, u"16");
    ui.TypeInto(2, u"4");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_EQ(Explanation(), "Грешни данни!");
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
    }
}

// Run with LANG=bg_BG.UTF-8: Bulgarian groups with a no-break space.
TEST_F(MainWindowTest, WritesTheUsersLocale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    if (std::wstring(name) != L"bg-BG") GTEST_SKIP() << "runs under LANG=bg_BG.UTF-8";
    ui.TypeInto(0, u"1234567.5");
    ui.TypeInto(2, u"1234567.5");
    Calculate();
    EXPECT_EQ(ui.Utf8Text(kText2Id), "1\u00a0234\u00a0567,500");
    EXPECT_EQ(ui.Utf8Text(kText2Id + 4), "4\u00a0938\u00a0270,000");
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

}  // namespace
}  // namespace velmora::win32
