#include "digit_grouping.h"

namespace velmora {

bool HasGroupSeparator(int count, int right, const NumberFormat& format) {
    const auto& sizes = format.groupSizes;
    if (sizes.empty() || format.groupSeparator.empty() || right <= 0 || right >= count ||
        count < sizes.front() + format.minimumGroupingDigits) {
        return false;
    }
    int boundary = 0;
    for (int size : sizes) {
        if (size <= 0) return false;
        boundary += size;
        if (right == boundary) return true;
        if (right < boundary) return false;
    }
    return format.repeatLastGroup && (right - boundary) % sizes.back() == 0;
}

int GroupSeparatorCount(int count, const NumberFormat& format) {
    int separators = 0;
    for (int right = 1; right < count; ++right) {
        if (HasGroupSeparator(count, right, format)) ++separators;
    }
    return separators;
}

}  // namespace velmora
