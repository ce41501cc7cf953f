#include "svg.h"

#include "markup.h"

namespace velmora::web::svg {

std::string Attribute(std::string_view name, const std::string& value) {
    return " " + std::string(name) + "=\"" + value + "\"";
}

std::string At(std::string_view x, std::string_view y, figure::Point p) {
    return Attribute(x, Number(p.x)) + Attribute(y, Number(p.y));
}

std::string_view Baseline(figure::Anchor anchor) {
    switch (anchor) {
        case figure::Anchor::Top:
            return "text-before-edge";
        case figure::Anchor::Middle:
            return "central";
        case figure::Anchor::Bottom:
            return "text-after-edge";
    }
    return "auto";
}

}  // namespace velmora::web::svg
