#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace jx {

namespace {
std::unique_ptr<Platform>& installed() {
    static std::unique_ptr<Platform> current = std::make_unique<QtPlatform>();
    return current;
}
}  // namespace

Platform& platform() { return *installed(); }

std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> replacement) {
    std::swap(installed(), replacement);
    return replacement;
}

}  // namespace jx
