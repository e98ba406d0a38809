#include "readings/SplitReading.h"

namespace jx {

namespace {

// Part before the first "|" (empty without one) and the part after it (all of
// the text without one).
std::pair<std::string_view, std::string_view> cut(std::string_view text) {
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) return {{}, text};
    return {text.substr(0, bar), text.substr(bar + 1)};
}

}  // namespace

SplitText SplitReading(std::string_view reading) {
    const auto [verse, rest] = cut(reading);
    const auto [verdict, character] = cut(rest);
    return {std::string(verse), std::string(verdict), std::string(character)};
}

}  // namespace jx
