#include "platform/ErrorDisplay.h"

#include "common/Text.h"
#include "platform/Platform.h"

namespace jx {

void ShowTopLevelError(const char* utf8Message) {
    platform().showError(QStringLiteral("吉星择日"),
                         QString::fromStdString(WithFullStop(utf8Message)));
}

void ShowTopLevelError(const std::exception& error) { ShowTopLevelError(error.what()); }

}  // namespace jx
