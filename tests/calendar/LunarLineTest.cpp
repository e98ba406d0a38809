// The lunar line under a day of the month view, strongest name winning.
#include <gtest/gtest.h>

#include "calendar/LunarLine.h"

namespace {

using namespace std::chrono;
using Kind = jx::LunarLineKind;

struct LineCase {
    jx::Date date;
    const char* text;
    Kind kind;
};

class LunarLineCase : public testing::TestWithParam<LineCase> {};

TEST_P(LunarLineCase, ShowsTheStrongestName) {
    const jx::LunarLine line = jx::LunarLineOf(GetParam().date);
    EXPECT_EQ(line.text, GetParam().text);
    EXPECT_EQ(line.kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, LunarLineCase,
    testing::Values(LineCase{2008y / February / 1, "廿五", Kind::LunarDay},
                    LineCase{2008y / April / 6, "三月", Kind::LunarMonth},
                    LineCase{2020y / May / 23, "闰四", Kind::LunarMonth},
                    LineCase{2008y / March / 8, "妇女节", Kind::GregorianFestival},  // 二月初一
                    LineCase{2008y / February / 14, "情人节", Kind::GregorianFestival},
                    LineCase{2008y / February / 4, "立春", Kind::SolarTerm},
                    LineCase{2008y / August / 7, "七夕节", Kind::LunarFestival},  // also 立秋
                    LineCase{2008y / February / 6, "除夕", Kind::LunarFestival},
                    LineCase{2008y / February / 7, "春节", Kind::LunarFestival},  // also 初一
                    // 立夏 on 四月初一: the term beats the month name.
                    LineCase{2008y / May / 5, "立夏", Kind::SolarTerm},
                    // 立冬 on 记者日: the term beats the public festival.
                    LineCase{2007y / November / 8, "立冬", Kind::SolarTerm},
                    // 2012-01-01 is 元旦节 and 腊月初八: the traditional festival wins.
                    LineCase{2012y / January / 1, "腊八节", Kind::LunarFestival},
                    LineCase{2051y / January / 1, "元旦节", Kind::GregorianFestival},
                    LineCase{2051y / January / 2, "", Kind::LunarDay}));

}  // namespace
