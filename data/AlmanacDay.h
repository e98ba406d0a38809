#pragma once
// One day of the almanac, computed: what the table huangdao holds for a date.
#include <chrono>
#include <string>

#include "data/AlmanacTable.h"

namespace jx::almanac {

using Date = std::chrono::year_month_day;

// Sexagenary day: 1949-10-01 is 甲子; [0, 59].
int DayCycle(const Date& date);

// The solar month holding the date: it begins on the day of its 节 (the first
// solar term of each Gregorian month); its stem follows the year that begins
// at 立春. Valid for 1901–2050, where the calendar engine has the terms.
struct SolarMonth {
    int branch = 0;  // 寅 = 2 for the month from 立春
    int cycle = 0;   // the month's 干支
    bool startsToday = false;
};
SolarMonth SolarMonthOf(const Date& date);

// The fields that depend only on the month branch and the day 干支 (720
// combinations), as written in huangdao.
struct DayRule {
    std::string tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji, jishi;
};
DayRule ComputeDayRule(int monthBranch, int dayCycle, const AlmanacTable& table);

// One row of huangdao.
struct DayAlmanac {
    std::string gn;     // YYYY-MM-DD
    std::string nn;     // 农历三月十八 星期六 玉堂(黄道)
    std::string suici;  // 庚寅年 庚辰月 辛亥日
    int monthBranch = 0;
    int dayCycle = 0;
    DayRule rule;
};
DayAlmanac ComputeDay(const Date& date, const AlmanacTable& table);

// The per-day fields alone (gn, nn, suici and the keys of the rule), without
// the rule's texts: what the generator stores once per day.
DayAlmanac ComputeDayHead(const Date& date);

}  // namespace jx::almanac
