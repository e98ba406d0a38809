// Lunar conversion and the small date operations.
#include <gtest/gtest.h>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

struct LunarCase {
    jx::Date date;
    int value;
};

class LunarDateCase : public testing::TestWithParam<LunarCase> {};

TEST_P(LunarDateCase, ConvertsToTheExpectedValue) {
    EXPECT_EQ(jx::LunarDate(GetParam().date), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, LunarDateCase,
    testing::Values(
        // The ends of the table and just beyond them.
        LunarCase{1900y / December / 31, 0}, LunarCase{2051y / January / 1, 0},
        LunarCase{1901y / January / 1, 1111}, LunarCase{2050y / December / 31, 1118},
        // 1901: the 12th month ends on 18 February.
        LunarCase{1901y / February / 18, 1230}, LunarCase{1901y / February / 19, 101},
        // 1903: slot 0 is the 12th month.
        LunarCase{1903y / January / 1, 1203}, LunarCase{1903y / January / 28, 1230},
        LunarCase{1903y / January / 29, 101},
        // 2020: the leap fourth month, 29 days.
        LunarCase{2020y / May / 22, 430}, LunarCase{2020y / May / 23, -401},
        LunarCase{2020y / June / 20, -429}, LunarCase{2020y / June / 21, 501},
        // 2033/34: a leap month after the 11th, running across the new year although the
        // 2034 record names no leap month.
        LunarCase{2033y / December / 21, 1130}, LunarCase{2033y / December / 22, -1101},
        LunarCase{2033y / December / 31, -1110}, LunarCase{2034y / January / 1, -1111},
        LunarCase{2034y / January / 19, -1129}, LunarCase{2034y / January / 20, 1201},
        // A leap month entirely within its year: 闰五 2009.
        LunarCase{2009y / June / 23, -501}, LunarCase{2009y / June / 27, -505},
        LunarCase{2009y / July / 22, 601}, LunarCase{1949y / October / 1, 810},
        LunarCase{2008y / February / 6, 1230}, LunarCase{2008y / February / 7, 101},
        // Leap years: 29 February and the day after it.
        LunarCase{2008y / February / 29, 123}, LunarCase{2008y / March / 1, 124},
        // Invalid dates have no lunar date.
        LunarCase{2021y / February / 29, 0}, LunarCase{2008y / month{13} / 1, 0},
        LunarCase{2008y / January / day{0}, 0}, LunarCase{2008y / April / 31, 0}));

TEST(DateCnDayOfYear, CountsFromTheFirstOfJanuary) {
    EXPECT_EQ(jx::DayOfYear(2008y / January / 1), 1);
    EXPECT_EQ(jx::DayOfYear(2008y / March / 1), 61);
    EXPECT_EQ(jx::DayOfYear(2007y / March / 1), 60);
    EXPECT_EQ(jx::DayOfYear(2008y / December / 31), 366);
    EXPECT_EQ(jx::DayOfYear(1900y / December / 31), 365);  // 1900 is no leap year
    EXPECT_EQ(jx::DayOfYear(2000y / December / 31), 366);  // 2000 is
    EXPECT_EQ(jx::DayOfYear(2007y / February / 29), 0);
}

TEST(DateCnDayOfYear, AgreesWithDayCountingOverTheWholeRange) {
    for (int y = 1899; y <= 2052; ++y) {
        const sys_days newYear{year{y} / January / 1};
        for (sys_days d = newYear; year_month_day{d}.year() == year{y}; d += days{1}) {
            ASSERT_EQ(jx::DayOfYear(year_month_day{d}), (d - newYear).count() + 1) << DateText(d);
        }
    }
}

TEST(DateCnDateParts, SplitTheDate) {
    const jx::Date date = 2008y / August / 7;
    EXPECT_EQ(jx::YearOfDate(date), 2008);
    EXPECT_EQ(jx::MonthOfDate(date), 8);
    EXPECT_EQ(jx::DayOfDate(date), 7);
}

TEST(DateCnValueParts, ReadMonthDayAndLeapFlag) {
    EXPECT_EQ(jx::LunarMonthOfValue(-405), 4);
    EXPECT_EQ(jx::LunarDayOfValue(-405), 5);
    EXPECT_TRUE(jx::IsLeapMonthValue(-405));
    EXPECT_EQ(jx::LunarMonthOfValue(1230), 12);
    EXPECT_EQ(jx::LunarDayOfValue(1230), 30);
    EXPECT_FALSE(jx::IsLeapMonthValue(1230));
}

TEST(DateCnLunarYear, ChangesOnTheFirstDayOfTheFirstMonth) {
    EXPECT_EQ(jx::LunarYear(2008y / February / 6), 2007);
    EXPECT_EQ(jx::LunarYear(2008y / February / 7), 2008);
    EXPECT_EQ(jx::LunarYear(2034y / January / 1), 2033);  // in the leap 11th month
    EXPECT_EQ(jx::LunarYear(2008y / December / 31), 2008);
    EXPECT_EQ(jx::LunarYear(2051y / January / 1), 2051);  // no table: the Gregorian year
}

}  // namespace
