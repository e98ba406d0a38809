#pragma once
// The seven omen pages: fixed folk readings by the time of day, each opened by
// one command of the main window with its own title.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace jx {

struct OmenPage {
    std::string_view title;                   // the window caption the command uses
    std::span<const std::string_view> lines;  // reading lines, without the empty ones
};

inline constexpr int kOmenPageCount = 7;

// Page 0 to 6 in the order of the tabs TabSheet1 to TabSheet7.
const std::array<OmenPage, kOmenPageCount>& OmenPages();

// The memo text of a page: its reading lines with one empty line between each two,
// no break after the last. Empty for an index outside 0 to 6.
std::string OmenPageText(int index);

// The note under the pages that gives the clock times of the double-hours.
inline constexpr std::string_view kOmenExplanation =
    "说明：\n"
    "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
    "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
    "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点\n";

}  // namespace jx
