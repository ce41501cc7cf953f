// Texts between the shared code (UTF-8 literals, UTF-16 control texts) and Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString ToQString(std::u16string_view utf16) {
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

inline std::u16string ToUtf16(const QString& text) {
    return text.toStdU16String();
}

}  // namespace velmora
