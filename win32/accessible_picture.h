// A drawn control as screen readers should meet it: a picture (MSAA's
// graphic role), named by its window text, with a description and a value of
// ours, focusable where it takes the focus.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

// What a reader says of a picture besides its name; either may be empty.
struct PictureWords {
    std::u16string description, value;
};

// From now on, screen readers asking `control` hear that it is a picture
// with `words`, read at each question (so that they can change).
void DescribeAsPicture(HWND control, const PictureWords* words);

}  // namespace velmora::win32
