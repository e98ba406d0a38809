#pragma once
// The mobile-number readings, read from data/shouji.txt: one row per key "0" to "79".
#include <string>
#include <string_view>
#include <vector>

namespace jx::data {

struct ShoujiRow {
    std::string num, jx, title, content;
};

// Rows in key order; throws std::runtime_error unless every key 0–79 appears
// once with a verdict of 吉, 凶, 吉带凶 or 凶带吉 and non-empty texts.
std::vector<ShoujiRow> ParseShouji(std::string_view text);

}  // namespace jx::data
