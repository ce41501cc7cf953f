// A drawn control as screen readers should meet it: a picture (MSAA's
// graphic role), named by its window text and described by a text of ours.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

// From now on, screen readers asking `control` hear that it is a picture
// described by `description`, read at each question (so that it can change).
void DescribeAsPicture(HWND control, const std::u16string* description);

}  // namespace velmora::win32
