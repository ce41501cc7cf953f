// UTF-8 source text to QString.
#pragma once

#include <QString>
#include <string_view>

namespace velmora {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace velmora
