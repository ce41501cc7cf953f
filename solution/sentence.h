// The solution's sentences with their gaps filled.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora::solution {

// The UTF-8 pattern with each "{}" replaced by the next of `parts`, in order.
std::u16string Sentence(std::string_view pattern, std::initializer_list<std::u16string> parts);

}  // namespace velmora::solution
