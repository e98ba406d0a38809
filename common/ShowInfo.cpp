#include "common/ShowInfo.h"

#include "platform/Platform.h"

namespace jx {

void ShowInfo(const QString& text) { platform().showInfo(text); }

void ShowInfo(std::string_view utf8) {
    ShowInfo(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace jx
