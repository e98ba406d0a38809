// Properties that must hold on every day from 1 January 1901 to 31 December 2050.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

constexpr sys_days kFirstDay{1901y / January / 1};
constexpr sys_days kLastDay{2050y / December / 31};

int Lunar(sys_days d) { return jx::LunarDate(year_month_day{d}); }

TEST(DateCnRange, EveryDayHasALunarDate) {
    for (sys_days d = kFirstDay; d <= kLastDay; d += days{1}) {
        const int value = Lunar(d);
        ASSERT_GE(jx::LunarMonthOfValue(value), 1) << DateText(d);
        ASSERT_LE(jx::LunarMonthOfValue(value), 12) << DateText(d);
        ASSERT_GE(jx::LunarDayOfValue(value), 1) << DateText(d);
        ASSERT_LE(jx::LunarDayOfValue(value), 30) << DateText(d);
    }
}

// Each day continues its month, or starts at day 1 the month that follows: the
// next number, or the leap month repeating the month just ended.
TEST(DateCnRange, DaysRunWithoutGapsAndMonthsInOrder) {
    int previous = Lunar(kFirstDay);
    for (sys_days d = kFirstDay + days{1}; d <= kLastDay; d += days{1}) {
        const int value = Lunar(d);
        const int month = jx::LunarMonthOfValue(previous);
        if (jx::LunarDayOfValue(value) == 1) {
            const bool next =
                !jx::IsLeapMonthValue(value) && jx::LunarMonthOfValue(value) == month % 12 + 1;
            const bool leap = !jx::IsLeapMonthValue(previous) && jx::IsLeapMonthValue(value) &&
                              jx::LunarMonthOfValue(value) == month;
            ASSERT_TRUE(next || leap) << DateText(d) << ": " << previous << " -> " << value;
        } else {
            ASSERT_EQ(value, previous < 0 ? previous - 1 : previous + 1) << DateText(d);
        }
        previous = value;
    }
}

TEST(DateCnRange, EveryLunarMonthHas29Or30Days) {
    int length = 0;
    bool whole = false;  // the first month of the range started before it
    for (sys_days d = kFirstDay; d <= kLastDay; d += days{1}) {
        if (jx::LunarDayOfValue(Lunar(d)) == 1) {
            if (whole) {
                ASSERT_TRUE(length == 29 || length == 30) << DateText(d);
            }
            whole = true;
            length = 0;
        }
        ++length;
    }
}

// One 春节 a year between 21 January and 20 February, the day after the only
// 除夕; the zodiac animal changes on it and on no other day; a lunar year has
// 12 months, or 13 with one leap month.
TEST(DateCnRange, EachYearHasOneNewYearAndOneAnimalChange) {
    for (int y = 1901; y <= 2050; ++y) {
        std::vector<sys_days> newYears;
        std::vector<sys_days> eves;
        std::vector<std::string> animalChanges;
        for (sys_days d{year{y} / January / 1}; d <= sys_days{year{y} / December / 31};
             d += days{1}) {
            const year_month_day date{d};
            const std::string festival = jx::LunarFestival(date);
            if (festival == "春节") newYears.push_back(d);
            if (festival == "除夕") eves.push_back(d);
            if (jx::ZodiacAnimal(date) != jx::ZodiacAnimal(year_month_day{d - days{1}})) {
                animalChanges.push_back(DateText(d));
            }
        }
        ASSERT_EQ(newYears.size(), 1u) << y;
        EXPECT_GE(newYears[0], sys_days{year{y} / January / 21}) << y;
        EXPECT_LE(newYears[0], sys_days{year{y} / February / 20}) << y;
        if (y > 1901) {
            ASSERT_EQ(eves.size(), 1u) << y;
            EXPECT_EQ(eves[0] + days{1}, newYears[0]) << y;
        }
        EXPECT_EQ(animalChanges, std::vector<std::string>{DateText(newYears[0])}) << y;
    }
}

TEST(DateCnRange, LunarYearsHaveTwelveMonthsOrThirteenWithOneLeap) {
    int months = 0;
    int leaps = 0;
    bool counting = false;
    for (sys_days d = kFirstDay; d <= kLastDay; d += days{1}) {
        const int value = Lunar(d);
        if (jx::LunarDayOfValue(value) != 1) continue;
        if (value == 101) {
            if (counting) {
                ASSERT_TRUE((months == 12 && leaps == 0) || (months == 13 && leaps == 1))
                    << DateText(d) << ": " << months << " months, " << leaps << " leap";
            }
            counting = true;
            months = 0;
            leaps = 0;
        }
        ++months;
        if (value < 0) ++leaps;
    }
}

// Term 2M - 1 before the 15th and term 2M after it, nothing else, and the same
// days as SolarTermDay gives.
TEST(DateCnRange, EveryMonthHasExactlyItsTwoSolarTerms) {
    for (int y = 1901; y <= 2050; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            std::vector<int> terms;
            std::vector<int> termDays;
            const year_month_day_last last{year{y} / month{m} / std::chrono::last};
            for (unsigned d = 1; d <= static_cast<unsigned>(last.day()); ++d) {
                const int term = jx::SolarTermIndex(y, static_cast<int>(m), static_cast<int>(d));
                if (term == 0) continue;
                terms.push_back(term);
                termDays.push_back(static_cast<int>(d));
                EXPECT_EQ(jx::SolarTerm(year{y} / month{m} / day{d}), jx::SolarTermName(term));
            }
            const int first = 2 * static_cast<int>(m) - 1;
            ASSERT_EQ(terms, (std::vector<int>{first, first + 1})) << y << "-" << m;
            EXPECT_EQ(termDays, (std::vector<int>{jx::SolarTermDay(y, first),
                                                  jx::SolarTermDay(y, first + 1)}))
                << y << "-" << m;
        }
    }
}

// Consecutive terms lie 14 to 16 days apart: a mistyped nibble shows as a gap
// of the wrong size.
TEST(DateCnRange, SolarTermsAreEvenlySpaced) {
    sys_days previous{1901y / January / day{static_cast<unsigned>(jx::SolarTermDay(1901, 1))}};
    for (int y = 1901; y <= 2050; ++y) {
        for (int term = (y == 1901 ? 2 : 1); term <= 24; ++term) {
            const sys_days d{year{y} / month{static_cast<unsigned>((term + 1) / 2)} /
                             day{static_cast<unsigned>(jx::SolarTermDay(y, term))}};
            const auto gap = (d - previous).count();
            EXPECT_TRUE(gap >= 14 && gap <= 16) << y << " term " << term << ": " << gap;
            previous = d;
        }
    }
}

}  // namespace
