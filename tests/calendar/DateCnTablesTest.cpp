// The table rows that differ from the older published table. The older rows put
// two lunar month boundaries a day off (1989, 2013) and seventeen solar terms on
// the wrong day; astronomical almanacs and ICU agree on the dates pinned here.
#include <gtest/gtest.h>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

TEST(DateCnMendedTables, PutTheFestivalsOnTheirAstronomicalDays) {
    EXPECT_EQ(jx::LunarFestival(2013y / June / 12), "端午节");
    EXPECT_EQ(jx::LunarFestival(2013y / June / 13), "");
    EXPECT_EQ(jx::LunarDate(2013y / June / 8), 501);  // new moon 23:56 Beijing time
    EXPECT_EQ(jx::LunarFestival(1989y / September / 14), "中秋节");
    EXPECT_EQ(jx::LunarDate(1989y / August / 1), 630);  // new moon 00:05 on 2 August
    EXPECT_EQ(jx::LunarDate(1989y / August / 2), 701);
}

struct MendedTerm {
    jx::Date date;
    const char* term;
};

class MendedTermCase : public testing::TestWithParam<MendedTerm> {};

TEST_P(MendedTermCase, FallsOnTheMendedDay) {
    const jx::Date date = GetParam().date;
    EXPECT_EQ(jx::SolarTerm(date), GetParam().term);
    // The older table's day, one or two days off, no longer carries the term.
    for (int offset : {-2, -1, 1, 2}) {
        EXPECT_NE(jx::SolarTerm(year_month_day{sys_days{date} + days{offset}}), GetParam().term)
            << DateText(date) << " " << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, MendedTermCase,
    testing::Values(
        MendedTerm{1995y / August / 23, "处暑"}, MendedTerm{2049y / April / 4, "清明"},
        MendedTerm{2049y / April / 19, "谷雨"}, MendedTerm{1904y / October / 9, "寒露"},
        MendedTerm{1929y / October / 9, "寒露"}, MendedTerm{1929y / November / 23, "小雪"},
        MendedTerm{1949y / August / 23, "处暑"}, MendedTerm{1954y / October / 24, "霜降"},
        MendedTerm{1962y / January / 20, "大寒"}, MendedTerm{1973y / February / 19, "雨水"},
        MendedTerm{1976y / August / 23, "处暑"}, MendedTerm{1977y / May / 5, "立夏"},
        MendedTerm{1981y / November / 7, "立冬"}, MendedTerm{1991y / May / 6, "立夏"},
        MendedTerm{2033y / July / 22, "大暑"}, MendedTerm{2034y / August / 7, "立秋"},
        MendedTerm{2050y / September / 7, "白露"}));

}  // namespace
