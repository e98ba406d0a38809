#include "pairings/BabySexChart.h"

#include <cstddef>

namespace jx {
namespace {

constexpr std::size_t kCellBytes = std::string_view("男").size();  // one UTF-8 character

constexpr bool RowsFit(const ChartPage& page) {
    for (std::string_view row : page.rows)
        if (row.size() != kCellBytes * static_cast<std::size_t>(page.lastAge - page.firstAge + 1))
            return false;
    return true;
}
static_assert(RowsFit(kChartYoung) && RowsFit(kChartOlder), "one cell per age in every row");
static_assert(kChartYoung.lastAge + 1 == kChartOlder.firstAge);

}  // namespace

std::optional<std::string_view> ChartCell(const ChartPage& page, int age, int month) {
    if (age < page.firstAge || age > page.lastAge || month < 1 || month > 12) return std::nullopt;
    const std::string_view row = page.rows[static_cast<std::size_t>(month - 1)];
    return row.substr(kCellBytes * static_cast<std::size_t>(age - page.firstAge), kCellBytes);
}

std::optional<std::string_view> ChartCell(int age, int month) {
    return age <= kChartYoung.lastAge ? ChartCell(kChartYoung, age, month)
                                      : ChartCell(kChartOlder, age, month);
}

}  // namespace jx
