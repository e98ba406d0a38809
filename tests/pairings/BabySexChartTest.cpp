#include <gtest/gtest.h>

#include "pairings/BabySexChart.h"

namespace jx {
namespace {

TEST(ChartCell, KnownLookups) {
    struct Case {
        int age;
        int month;
        const char* sex;
    };
    const Case cases[] = {
        {25, 7, "男"},  {40, 3, "女"},  // the worked examples under the chart
        {18, 1, "女"},  {31, 1, "男"}, {18, 12, "男"}, {31, 12, "男"},  // corners of page one
        {32, 1, "男"},  {44, 1, "男"}, {32, 12, "男"}, {44, 12, "女"},  // corners of page two
        {22, 10, "女"}, {37, 4, "男"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ChartCell(c.age, c.month).has_value()) << c.age << " " << c.month;
        EXPECT_EQ(*ChartCell(c.age, c.month), c.sex) << c.age << " " << c.month;
    }
}

TEST(ChartCell, EachPageAnswersOnlyForItsOwnAges) {
    EXPECT_EQ(ChartCell(kChartYoung, 25, 7), ChartCell(25, 7));
    EXPECT_FALSE(ChartCell(kChartYoung, 40, 3));
    EXPECT_FALSE(ChartCell(kChartOlder, 31, 3));
    EXPECT_TRUE(ChartCell(kChartOlder, 32, 3));
}

TEST(ChartCell, OutsideTheChartIsEmpty) {
    for (auto [age, month] : {std::pair{17, 1}, {45, 1}, {25, 0}, {25, 13}, {-1, -1}})
        EXPECT_FALSE(ChartCell(age, month)) << age << " " << month;
}

TEST(ChartCell, EveryCellIsBoyOrGirl) {
    for (int age = 18; age <= 44; ++age)
        for (int month = 1; month <= 12; ++month) {
            const auto cell = ChartCell(age, month);
            ASSERT_TRUE(cell) << age << " " << month;
            EXPECT_TRUE(*cell == "男" || *cell == "女") << age << " " << month;
        }
}

}  // namespace
}  // namespace jx
