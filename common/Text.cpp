#include "common/Text.h"

namespace jx {

namespace {
bool isTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isTrimmed(text[first])) ++first;
    while (last > first && isTrimmed(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string WithFullStop(std::string_view text) {
    std::string result(text);
    if (!result.empty() && static_cast<unsigned char>(result.back()) > '.') result += '.';
    return result;
}

}  // namespace jx
