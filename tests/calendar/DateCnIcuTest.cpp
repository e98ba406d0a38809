// Cross-check of the whole table against ICU's astronomical Chinese calendar.
// Every day on which the two disagree is listed below with the reason; a
// mistyped digit in the year table shows up as a new run of differences.
#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <ostream>
#include <vector>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

struct DifferenceRun {
    sys_days first;
    sys_days last;
    const char* reason = "";
    bool operator==(const DifferenceRun& other) const {
        return first == other.first && last == other.last;
    }
};

std::ostream& operator<<(std::ostream& out, const DifferenceRun& run) {
    return out << DateText(run.first) << ".." << DateText(run.last);
}

// ICU places a new moon within minutes of Beijing midnight on the wrong side of
// it, and in three years it puts the leap month one month late (its known
// errors around the leap months of 1917, 1922 and 1987). The table agrees with
// the published calendars and with a full computation of the new moons.
const std::vector<DifferenceRun> kKnownDifferences = {
    {sys_days{1917y / March / 23}, sys_days{1917y / May / 20}, "ICU: leap 3rd month, not leap 2nd"},
    {sys_days{1922y / June / 25}, sys_days{1922y / August / 22},
     "ICU: leap 6th month, not leap 5th"},
    {sys_days{1954y / February / 3}, sys_days{1954y / March / 4}, "new moon 23:55 on 3 Feb"},
    {sys_days{1955y / February / 22}, sys_days{1955y / March / 23}, "new moon 23:54 on 22 Feb"},
    {sys_days{1987y / July / 26}, sys_days{1987y / September / 22}, "ICU: leap 7th, not leap 6th"},
    {sys_days{1999y / January / 17}, sys_days{1999y / February / 15}, "new moon 23:46 on 17 Jan"},
    {sys_days{2012y / August / 17}, sys_days{2012y / September / 15}, "new moon 23:54 on 17 Aug"},
    {sys_days{2018y / November / 7}, sys_days{2018y / December / 6}, "new moon 00:02 on 8 Nov"},
    {sys_days{2027y / February / 6}, sys_days{2027y / March / 7}, "new moon 23:56 on 6 Feb"},
    {sys_days{2030y / February / 2}, sys_days{2030y / March / 3}, "new moon 00:07 on 3 Feb"},
};

class IcuChineseCalendar {
public:
    IcuChineseCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        calendar_.reset(icu::Calendar::createInstance(icu::TimeZone::createTimeZone("UTC"),
                                                      icu::Locale("@calendar=chinese"), status));
        if (U_FAILURE(status)) calendar_.reset();
    }
    bool ok() const { return calendar_ != nullptr; }

    // The lunar-date value of the day, in the same form as LunarDate.
    int lunarValue(sys_days day) {
        UErrorCode status = U_ZERO_ERROR;
        const double noonUtc = (day.time_since_epoch().count() + 0.5) * U_MILLIS_PER_DAY;
        calendar_->setTime(noonUtc, status);
        const int month = calendar_->get(UCAL_MONTH, status) + 1;
        const int dayOfMonth = calendar_->get(UCAL_DATE, status);
        const bool leap = calendar_->get(UCAL_IS_LEAP_MONTH, status) != 0;
        if (U_FAILURE(status)) return 0;
        return leap ? -(month * 100 + dayOfMonth) : month * 100 + dayOfMonth;
    }

private:
    std::unique_ptr<icu::Calendar> calendar_;
};

TEST(DateCnIcu, DiffersOnlyOnTheKnownDays) {
    IcuChineseCalendar icuCalendar;
    ASSERT_TRUE(icuCalendar.ok());
    std::vector<DifferenceRun> runs;
    for (sys_days d{1901y / January / 1}; d <= sys_days{2050y / December / 31}; d += days{1}) {
        if (jx::LunarDate(year_month_day{d}) == icuCalendar.lunarValue(d)) continue;
        if (!runs.empty() && runs.back().last + days{1} == d) {
            runs.back().last = d;
        } else {
            runs.push_back({d, d});
        }
    }
    EXPECT_EQ(runs, kKnownDifferences);
}

}  // namespace
