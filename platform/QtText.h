#pragma once
// The core's UTF-8 texts as Qt strings.
#include <QString>
#include <string_view>

namespace jx {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace jx
