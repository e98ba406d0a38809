#pragma once
// Conversion between the program's UTF-8 texts and GBK (code page 936), for the
// rules that count bytes of the original code page.
#include <string>
#include <string_view>

namespace jx {

// UTF-8 to GBK bytes. A character without a GBK code becomes "?".
std::string ToGbk(std::string_view utf8);
// GBK bytes to UTF-8. A byte sequence that is not GBK becomes U+FFFD.
std::string FromGbk(std::string_view gbk);

}  // namespace jx
