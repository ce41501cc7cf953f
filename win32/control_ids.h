// Win32 control identifiers, from the design's names: one range of a hundred
// per name, the index added, so that Text2(3) is kText2Id + 3.
#pragma once

#include "design.h"

namespace velmora::win32 {

constexpr int ControlId(design::Name name, int index = design::kUnindexed) {
    return 100 * (static_cast<int>(name) + 1) + (index == design::kUnindexed ? 0 : index);
}

constexpr int ControlId(const design::Control& control) {
    return ControlId(control.name, control.index);
}

inline constexpr int kLabel1Id = ControlId(design::Name::Label1);
inline constexpr int kList1Id = ControlId(design::Name::List1);
inline constexpr int kFrame1Id = ControlId(design::Name::Frame1);
inline constexpr int kPicture1Id = ControlId(design::Name::Picture1);
inline constexpr int kCommand1Id = ControlId(design::Name::Command1, 0);  // Command1(0..1)
inline constexpr int kText1Id = ControlId(design::Name::Text1, 0);        // Text1(0..1)
inline constexpr int kCheck1Id = ControlId(design::Name::Check1, 0);      // Check1(0..4)
inline constexpr int kText2Id = ControlId(design::Name::Text2, 0);        // Text2(0..4)
// Labels of no size that name the controls without a caption, beyond every range.
inline constexpr int kNameLabelId = 10000;
// The working beside the controls in a widened window: its heading, which
// names the text box after it, the text box and the figure.
inline constexpr int kWorkingHeadingId = 20000;
inline constexpr int kWorkingTextId = 20001;
inline constexpr int kWorkingFigureId = 20002;

// The design's row of the control with this identifier, or null.
constexpr const design::Control* DesignedControl(int id) {
    for (const design::Control& control : design::kControls) {
        if (ControlId(control) == id) return &control;
    }
    return nullptr;
}

}  // namespace velmora::win32
