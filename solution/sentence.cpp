#include "sentence.h"

#include "utf16.h"

namespace velmora::solution {

std::u16string Sentence(std::string_view pattern, std::initializer_list<std::u16string> parts) {
    std::u16string out;
    const std::u16string* part = parts.begin();
    for (;;) {
        const std::size_t gap = pattern.find("{}");
        out += Utf16(pattern.substr(0, gap));
        if (gap == std::string_view::npos) return out;
        if (part != parts.end()) out += *part++;
        pattern.remove_prefix(gap + 2);
    }
}

}  // namespace velmora::solution
