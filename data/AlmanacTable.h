#pragma once
// The almanac's 宜, 忌, 吉神 and 凶神 for each month branch and day 干支, read
// from data/almanac-table.txt.
#include <array>
#include <string>
#include <string_view>

namespace jx::almanac {

struct AlmanacEntry {
    std::string yi;        // 宜
    std::string ji;        // 忌
    std::string jiShen;    // 吉神宜趋
    std::string xiongSha;  // 凶神宜忌
};

class AlmanacTable {
public:
    // Parses the table's text; throws std::runtime_error on a malformed line, an
    // unknown month branch or 干支, a repeated key, or fewer than 720 entries.
    static AlmanacTable Parse(std::string_view text);

    const AlmanacEntry& at(int monthBranch, int dayCycle) const;

private:
    std::array<AlmanacEntry, 12 * 60> entries_;
};

}  // namespace jx::almanac
