#pragma once
#include <QString>
#include <string_view>

namespace jx {

// The information message: caption "提示", OK, information icon.
void ShowInfo(const QString& text);
void ShowInfo(std::string_view utf8);

}  // namespace jx
