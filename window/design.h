// The window as designed, in one place: every control in tab order, with its
// kind, its place in twips, its text, its accessible name, its background and
// its flags; and the window's own size, colour, caption and font. Each window
// toolkit creates its controls by walking this table, so that a change made
// here shows in every window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "colour.h"
#include "figure.h"
#include "quantities.h"
#include "texts.h"
#include "twip_layout.h"

namespace velmora::design {

// What a control is; each toolkit turns a kind into one of its own controls.
enum class Kind {
    Label,         // static text, centred
    List,          // the single-selection list of the pairs
    Frame,         // a group box with a caption; the controls marked inFrame stand in it
    Picture,       // the figure, inside a sunken border
    Button,        // a push button in its own colour, raising the command of its index
    CheckBox,      // a mark that only the program sets
    ValueBox,      // a single-line text box for a quantity
    MultiLineBox,  // a text box whose lines wrap, with a vertical scroll bar
};

// The controls' names; the controls of a group share one and are told apart
// by an index.
enum class Name { Label1, List1, Frame1, Picture1, Command1, Text1, Check1, Text2 };

constexpr std::string_view NameText(Name name) {
    constexpr std::array<std::string_view, 8> kNames{"Label1",   "List1", "Frame1", "Picture1",
                                                     "Command1", "Text1", "Check1", "Text2"};
    return kNames[static_cast<std::size_t>(name)];
}

inline constexpr int kUnindexed = -1;  // a control of a group of its own

// Every member has a default, so that a row names only what it sets.
struct Control {
    Name name{};
    int index = kUnindexed;
    Kind kind{};
    layout::TwipRect rect{};
    bool inFrame = false;     // rect is relative to Frame1, not to the client area
    std::string_view text{};  // caption, or initial content
    // What a screen reader calls the control where no caption of its own does.
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};
    std::optional<Colour> background{};  // none: the system's for that kind of control
    bool visible = true;
    // A text box the user cannot type into; a check box only the program sets.
    bool readOnly = false;
};

inline constexpr Colour kWindowColour{192, 192, 255};
inline constexpr Colour kLabelColour{255, 192, 128};
inline constexpr Colour kCheckColour{128, 128, 255};
inline constexpr Colour kCalculateColour{128, 255, 128};
inline constexpr Colour kClearColour{255, 128, 128};
// Text on the designed backgrounds, where a toolkit's own text colour could
// be a dark theme's light one.
inline constexpr Colour kTextOnDesignedColour{0, 0, 0};

// Picture1 holds the figure and its border exactly.
inline constexpr int kPictureWidthTwips =
    layout::TwipsOfPixels(figure::kWidth + 2 * figure::kBorder);
inline constexpr int kPictureHeightTwips =
    layout::TwipsOfPixels(figure::kHeight + 2 * figure::kBorder);

// Every control, in tab order (those that cannot take the focus are passed over).
inline constexpr std::array<Control, 18> kControls{{
    {.name = Name::Text1,
     .index = 0,
     .kind = Kind::MultiLineBox,
     .rect = {120, 3360, 6735, 3015},
     .text = texts::kExplanation,
     .accessibleName = texts::kExplanationName,
     .readOnly = true},
    {.name = Name::Text1,
     .index = 1,
     .kind = Kind::MultiLineBox,
     .rect = {3120, 4560, 6735, 1815},
     .text = texts::kAphorism,
     .visible = false,  // the aphorism is never shown
     .readOnly = true},
    {.name = Name::Label1,
     .kind = Kind::Label,
     .rect = {1080, 0, 4575, 375},
     .text = texts::kTitle,
     .background = kLabelColour},
    {.name = Name::Picture1,
     .kind = Kind::Picture,
     .rect = {4080, 480, kPictureWidthTwips, kPictureHeightTwips},
     .accessibleName = texts::kFigureName,
     .accessibleDescription = texts::kFigureDescription},
    {.name = Name::Command1,
     .index = 0,
     .kind = Kind::Button,
     .rect = {240, 2880, 1575, 375},
     .text = texts::kCalculate,
     .background = kCalculateColour},
    {.name = Name::Command1,
     .index = 1,
     .kind = Kind::Button,
     .rect = {2280, 2880, 1575, 375},
     .text = texts::kClear,
     .background = kClearColour},
    {.name = Name::List1,
     .kind = Kind::List,
     .rect = {240, 480, 1095, 2340},
     .accessibleName = texts::kPairListName},
    {.name = Name::Frame1,
     .kind = Kind::Frame,
     .rect = {1680, 480, 2175, 2175},
     .text = texts::kParameters,
     .background = kWindowColour},
    // Inside the frame, one row per quantity: the check box, the value box right of it.
    {.name = Name::Check1,
     .index = kBaseA,
     .kind = Kind::CheckBox,
     .rect = {120, 240, 735, 405},
     .inFrame = true,
     .text = kQuantitySymbols[kBaseA],
     .background = kCheckColour,
     .readOnly = true},
    {.name = Name::Text2,
     .index = kBaseA,
     .kind = Kind::ValueBox,
     .rect = {840, 240, 1215, 405},
     .inFrame = true,
     .accessibleName = kQuantitySymbols[kBaseA]},
    {.name = Name::Check1,
     .index = kLegB,
     .kind = Kind::CheckBox,
     .rect = {120, 600, 735, 405},
     .inFrame = true,
     .text = kQuantitySymbols[kLegB],
     .background = kCheckColour,
     .readOnly = true},
    {.name = Name::Check1,
     .index = kBaseC,
     .kind = Kind::CheckBox,
     .rect = {120, 960, 735, 405},
     .inFrame = true,
     .text = kQuantitySymbols[kBaseC],
     .background = kCheckColour,
     .readOnly = true},
    {.name = Name::Check1,
     .index = kRadiusR,
     .kind = Kind::CheckBox,
     .rect = {120, 1320, 735, 405},
     .inFrame = true,
     .text = kQuantitySymbols[kRadiusR],
     .background = kCheckColour,
     .readOnly = true},
    {.name = Name::Check1,
     .index = kPerimeterP,
     .kind = Kind::CheckBox,
     .rect = {120, 1680, 735, 405},
     .inFrame = true,
     .text = kQuantitySymbols[kPerimeterP],
     .background = kCheckColour,
     .readOnly = true},
    {.name = Name::Text2,
     .index = kLegB,
     .kind = Kind::ValueBox,
     .rect = {840, 600, 1215, 405},
     .inFrame = true,
     .accessibleName = kQuantitySymbols[kLegB]},
    {.name = Name::Text2,
     .index = kBaseC,
     .kind = Kind::ValueBox,
     .rect = {840, 960, 1215, 405},
     .inFrame = true,
     .accessibleName = kQuantitySymbols[kBaseC]},
    {.name = Name::Text2,
     .index = kRadiusR,
     .kind = Kind::ValueBox,
     .rect = {840, 1320, 1215, 405},
     .inFrame = true,
     .accessibleName = kQuantitySymbols[kRadiusR]},
    {.name = Name::Text2,
     .index = kPerimeterP,
     .kind = Kind::ValueBox,
     .rect = {840, 1680, 1215, 405},
     .inFrame = true,
     .accessibleName = kQuantitySymbols[kPerimeterP]},
}};

inline constexpr int kControlCount = static_cast<int>(kControls.size());

// The position in the table of a control, or -1 where there is none.
constexpr int RowOf(Name name, int index = kUnindexed) {
    for (int row = 0; row < kControlCount; ++row) {
        const Control& c = kControls[static_cast<std::size_t>(row)];
        if (c.name == name && c.index == index) return row;
    }
    return -1;
}

constexpr const Control& ControlNamed(Name name, int index = kUnindexed) {
    return kControls[static_cast<std::size_t>(RowOf(name, index))];
}

// The control's place relative to the client area, the frame's corner added
// for the controls in it.
constexpr layout::TwipRect InClientArea(const Control& control) {
    layout::TwipRect r = control.rect;
    if (control.inFrame) {
        const layout::TwipRect frame = ControlNamed(Name::Frame1).rect;
        r.left += frame.left;
        r.top += frame.top;
    }
    return r;
}

// "Label1", or "Text2_3" for a control of a group: how toolkits name it.
std::string IndexedName(const Control& control);

// Whether a control of the kind shows its text as its caption (and not as
// content, as a text box does).
constexpr bool IsCaptioned(Kind kind) {
    return kind == Kind::Label || kind == Kind::Frame || kind == Kind::Button ||
           kind == Kind::CheckBox;
}

// Whether the user can tab to the control: a shown button, list or text box.
constexpr bool TakesFocus(const Control& control) {
    return control.visible &&
           (control.kind == Kind::Button || control.kind == Kind::List ||
            control.kind == Kind::ValueBox || control.kind == Kind::MultiLineBox);
}

// What a screen reader calls the control: its accessible name, or else its caption.
constexpr std::string_view SpokenName(const Control& control) {
    if (!control.accessibleName.empty()) return control.accessibleName;
    return IsCaptioned(control.kind) ? control.text : std::string_view();
}

struct Window {
    std::string_view name;        // of the window object
    int widthTwips, heightTwips;  // the client area
    Colour background;
    std::string_view caption;
};

inline constexpr Window kWindow{"Velmora", 6975, 6450, kWindowColour, texts::kWindowCaption};

// The working of the last calculation, in the room that a desktop window
// gains right of the calculator when it is widened: a sunken sheet from the
// top of the client area to its bottom, in the system's window colours, with
// the heading, the lines (which scroll) and the trapezoid to scale below them.
struct WorkingPane {
    int margin;        // twips between the sheet and the calculator or the window's edges
    int minimumWidth;  // twips of the narrowest sheet worth showing; narrower, none is
    int border;        // pixels at 96 DPI of the sheet's sunken edge
    int padding;       // twips inside the edge
    int headingHeight;
    int gap;            // twips between the heading, the lines and the figure
    int figurePercent;  // the most of the sheet's height that the figure may take
    int focusWidth;     // pixels at 96 DPI of the frame round the lines while they have the focus
};

inline constexpr WorkingPane kWorkingPane{120, 4800, 2, 120, 375, 120, 50, 2};

// A corner of the figure to scale that a drag takes has a square target this
// many pixels at 96 DPI a side (CSS pixels, device-independent pixels), room
// enough for a finger.
inline constexpr double kHandleTarget = 24;

// One font for the window and every control in it: Times New Roman, or where
// a system has none, a metric-compatible twin or another serif with Cyrillic.
struct Font {
    std::array<std::string_view, 5> families;  // the first installed one
    int points;
    bool cyrillic;  // the Cyrillic character set, where a toolkit asks for one
};

inline constexpr Font kFont{
    {"Times New Roman", "Liberation Serif", "Tinos", "Noto Serif", "DejaVu Serif"}, 12, true};

}  // namespace velmora::design
