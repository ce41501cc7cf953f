#include "working_pane_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace velmora::solution {
namespace {

using velmora::testing::Utf8;

// The pane's controls as calls to them, and what they were last given.
class RecordedPane final : public PaneControls {
  public:
    std::string calls;  // "create fill place …", in order
    std::u16string lines;
    const ScaledFigure* named = nullptr;
    std::optional<design::WorkingPaneLayout> placed;
    bool focused = false;

    void Create() override { Call("create"); }
    int LinesHeight(const std::u16string&, int) const override { return 100; }
    int LineHeight() const override { return 20; }
    void Fill(const std::u16string& filled, const ScaledFigure* figure) override {
        Call("fill");
        lines = filled;
        named = figure;
    }
    void Place(const design::WorkingPaneLayout& laid, bool withFigure) override {
        Call(withFigure ? "place+figure" : "place");
        placed = laid;
    }
    void Hide() override { Call("hide"); }
    bool HasFocus() const override { return focused; }
    void FocusNextOutside() override {
        Call("focus-out");
        focused = false;
    }
    bool FigureHasFocus() const override { return false; }
    void FocusLines() override {}

  private:
    void Call(const char* what) { calls += calls.empty() ? what : std::string(" ") + what; }
};

// What the user does: widens or narrows the window (at 96 DPI, the sheet
// needs 800 pixels), calculates, and puts the focus in the working.
enum class Step { kWiden, kNarrow, kDrawn, kNoFigure, kFocus };

Solution Drawn() {
    Solution drawn;
    drawn.given = u"Дадено: a = 16; c = 4.";
    drawn.figure = ScaledFigureOf({16, 10, 4, 4, 40}, NumberFormat{});
    return drawn;
}

Solution NoFigure() {
    Solution invalid;
    invalid.given = u"Дадено: a = 25; b = 10.";
    invalid.verdict = u"Такъв трапец не съществува.";
    return invalid;
}

void Take(WorkingPaneModel& pane, RecordedPane& controls, Step step) {
    switch (step) {
        case Step::kWiden:
            return pane.LayOut(800, 560, 96);
        case Step::kNarrow:
            return pane.LayOut(780, 560, 96);
        case Step::kDrawn:
            return pane.Show(Drawn());
        case Step::kNoFigure:
            return pane.Show(NoFigure());
        case Step::kFocus:
            controls.focused = true;
            return;
    }
}

// When the pane is made, filled, placed and hidden, in what order.
TEST(WorkingPaneModel, ShowsAndHidesAsTheWindowWidens) {
    using enum Step;
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::string calls;
    } cases[] = {
        {"nothing made while there is no room", {kNarrow, kDrawn, kNarrow}, ""},
        {"made, filled and placed once there is", {kWiden}, "create fill place"},
        {"made once", {kWiden, kNarrow, kWiden}, "create fill place hide place"},
        {"the focus moved out before it is hidden",
         {kWiden, kFocus, kNarrow},
         "create fill place focus-out hide"},
        {"a calculation kept until there is room", {kDrawn, kWiden}, "create fill place+figure"},
        {"a calculation while shown: filled, then placed with its figure",
         {kWiden, kDrawn},
         "create fill place fill place+figure"},
        {"a calculation while hidden: filled, left hidden",
         {kWiden, kNarrow, kDrawn},
         "create fill place hide fill hide"},
        {"no figure where the data describe no trapezoid",
         {kWiden, kDrawn, kNoFigure},
         "create fill place fill place+figure fill place"},
    };
    for (const auto& c : cases) {
        RecordedPane controls;
        WorkingPaneModel pane(controls, u"\r\n");
        for (Step step : c.steps) Take(pane, controls, step);
        EXPECT_EQ(controls.calls, c.calls) << c.what;
    }
}

// The parts as they are given to the controls: the latest lines and figure,
// the lines one line higher than they stand, the figure in proportion.
TEST(WorkingPaneModel, GivesTheControlsTheLatestWorking) {
    RecordedPane controls;
    WorkingPaneModel pane(controls, u"\r\n");
    EXPECT_EQ(pane.Description(), u"");
    pane.LayOut(800, 560, 96);
    EXPECT_EQ(Utf8(controls.lines),
              "Натиснете „Изчисли“ и тук ще видите решението стъпка по стъпка.\r\n");
    EXPECT_EQ(pane.Fit(), std::nullopt);

    pane.LayOut(780, 560, 96);
    pane.Show(Drawn());
    pane.LayOut(800, 560, 96);
    EXPECT_EQ(Utf8(controls.lines).rfind("Дадено: a = 16; c = 4.\r\n", 0), 0U)
        << Utf8(controls.lines);
    ASSERT_NE(controls.named, nullptr);
    EXPECT_EQ(controls.named, pane.Figure());
    EXPECT_EQ(pane.Description(), pane.Figure()->description);
    EXPECT_FALSE(pane.Description().empty());
    ASSERT_TRUE(controls.placed);
    const design::WorkingPaneLayout& laid = *controls.placed;
    EXPECT_EQ(laid.text.height, 100 + 20);
    // 307 wide: the figure's 520 × 232 in proportion.
    EXPECT_EQ(laid.figure.width, 307);
    EXPECT_EQ(laid.figure.height, 137);
    EXPECT_EQ(pane.Laid(), controls.placed);
    // Fitted into its own rectangle, from its corner.
    const std::optional<FigureFit> fit = pane.Fit();
    ASSERT_TRUE(fit);
    const FigureFit expected = FitInto(*pane.Figure(), 0, 0, 307, 137);
    EXPECT_EQ(fit->scale, expected.scale);
    EXPECT_EQ(fit->left, expected.left);
    EXPECT_EQ(fit->top, expected.top);

    pane.Show(NoFigure());
    EXPECT_EQ(controls.named, nullptr);
    EXPECT_EQ(pane.Description(), u"");
    EXPECT_EQ(pane.Fit(), std::nullopt);
    pane.Show(Drawn());
    pane.LayOut(780, 560, 96);
    EXPECT_EQ(pane.Laid(), std::nullopt);
    EXPECT_EQ(pane.Fit(), std::nullopt);
}

}  // namespace
}  // namespace velmora::solution
