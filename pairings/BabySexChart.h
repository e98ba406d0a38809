#pragma once
// The traditional chart that tells a baby's sex from the mother's nominal age
// (虚岁, 18 to 44) and the lunar month of conception (1 to 12). It is shown on
// two pages: ages 18 to 31 and ages 32 to 44.
#include <array>
#include <optional>
#include <string_view>

namespace jx {

struct ChartPage {
    int firstAge;
    int lastAge;
    // One row per month of conception, 1月 first; one character 男 or 女 per age.
    std::array<std::string_view, 12> rows;
    std::string_view heading;  // a line above the grid, empty for none
};

inline constexpr ChartPage kChartYoung = {18,
                                          31,
                                          {
                                              "女男女男女男男女男女男女男男",  // 1月
                                              "男女男女男男女男女男女男女女",  // 2月
                                              "女男女女男女男女男女男女女男",  // 3月
                                              "男女男女女男男女男女女男女女",  // 4月
                                              "男女男女男男女男女女女男女女",  // 5月
                                              "男男男女女女男女男女女男女女",  // 6月
                                              "男男男女女男男男女男男男女女",  // 7月
                                              "男女男女男女女男男男男男女女",  // 8月
                                              "男女男女女男女男女男男男女女",  // 9月
                                              "男女女女女男女男女女男女男女",  // 10月
                                              "男男男女女男女男女男女女女男",  // 11月
                                              "男男男女女女女男女男女女男男",  // 12月
                                          },
                                          {}};

inline constexpr ChartPage kChartOlder = {32,
                                          44,
                                          {
                                              "男女男男女男女男女男女男男",  // 1月
                                              "女男女男男女男女男女男女男",  // 2月
                                              "男女男女男男女男女男女男女",  // 3月
                                              "女男女男女男男男男女男女男",  // 4月
                                              "女女女女男女男男女男女男男",  // 5月
                                              "女女女女女男女女男女男女男",  // 6月
                                              "女女女女女女男女男男女男女",  // 7月
                                              "女男女男女男女男女男男女男",  // 8月
                                              "女女女女男女男女男女男男女",  // 9月
                                              "女女女女男男女男女男女男男",  // 10月
                                              "男女男女男女男女男女男男女",  // 11月
                                              "男男男男女男男女男男女男女",  // 12月
                                          },
                                          "生男生女预测表（续）：母亲虚岁32岁至44岁"};

inline constexpr std::string_view kChartExplanation =
    "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
    "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。";

// The cell of a page for an age and a month: "男" or "女"; nullopt when the page
// does not cover the age or the month is not 1 to 12.
std::optional<std::string_view> ChartCell(const ChartPage& page, int age, int month);

// The cell from whichever page covers the age.
std::optional<std::string_view> ChartCell(int age, int month);

}  // namespace jx
