#include "design.h"

namespace velmora::design {

std::string IndexedName(const Control& control) {
    std::string name(NameText(control.name));
    if (control.index != kUnindexed) name += '_' + std::to_string(control.index);
    return name;
}

}  // namespace velmora::design
