#include "data/AlmanacDay.h"

#include <cstdio>

#include "calendar/DateCn.h"
#include "data/AlmanacRules.h"

namespace jx::almanac {

namespace {

using namespace std::chrono;

constexpr sys_days kJiaZiDay = sys_days{1949y / October / 1};

int Wrap(long long value, int modulus) {
    return static_cast<int>(((value % modulus) + modulus) % modulus);
}

std::string IsoDate(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

}  // namespace

int DayCycle(const Date& date) { return Wrap((sys_days{date} - kJiaZiDay).count(), 60); }

SolarMonth SolarMonthOf(const Date& date) {
    const int year = static_cast<int>(date.year());
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));  // [1, 12]
    const int day = static_cast<int>(static_cast<unsigned>(date.day()));
    // The 节 of Gregorian month M is term 2M - 1 and opens the month of branch
    // M mod 12 (小寒 丑, 立春 寅, …, 大雪 子).
    const int jieDay = jx::SolarTermDay(year, 2 * month - 1);
    const bool afterJie = day >= jieDay;
    SolarMonth result;
    result.branch = Wrap(afterJie ? month : month - 1, 12);
    result.startsToday = day == jieDay;
    // The year of the stems begins at 立春: January and the days of February
    // before it belong to the year before.
    const int solarYear = (month > 2 || (month == 2 && afterJie)) ? year : year - 1;
    // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, and so on two stems on
    // for each later year stem.
    const int yinStem = (StemOf(YearCycle(solarYear)) % 5) * 2 + 2;
    const int monthsFromYin = Wrap(result.branch - 2, 12);  // [0, 11]
    result.cycle = CycleOf((yinStem + monthsFromYin) % 10, result.branch);
    return result;
}

DayRule ComputeDayRule(int monthBranch, int dayCycle, const AlmanacTable& table) {
    const AlmanacEntry& entry = table.at(monthBranch, dayCycle);
    DayRule rule;
    rule.tszf = std::string(TaiShen(dayCycle));
    rule.wuhang = std::string(NaYin(dayCycle)) + " " +
                  std::string(JianChuName(JianChuIndex(monthBranch, BranchOf(dayCycle)))) + "执位";
    rule.cong = ChongSha(dayCycle);
    rule.pzbj = PengZu(dayCycle);
    rule.jsyq = entry.jiShen;
    rule.yi = entry.yi;
    rule.xsyq = entry.xiongSha;
    rule.ji = entry.ji;
    rule.jishi = AuspiciousHours(dayCycle);
    return rule;
}

DayAlmanac ComputeDayHead(const Date& date) {
    DayAlmanac day;
    const SolarMonth month = SolarMonthOf(date);
    day.gn = IsoDate(date);
    day.monthBranch = month.branch;
    day.dayCycle = DayCycle(date);

    const int lunar = jx::LunarDate(date);
    const int zhiShen = ZhiShenIndex(month.branch, BranchOf(day.dayCycle));
    const unsigned weekday = std::chrono::weekday{sys_days{date}}.c_encoding();  // 0 = Sunday
    day.nn = "农历";
    if (IsLeapMonthValue(lunar)) day.nn += "闰";
    day.nn += LunarMonthNumeral(LunarMonthOfValue(lunar));
    day.nn += "月";
    day.nn += jx::LunarDayName(date);
    day.nn += " 星期";
    day.nn += WeekdayName(static_cast<int>(weekday));
    day.nn += " ";
    day.nn += ZhiShenName(zhiShen);
    day.nn += IsHuangDao(zhiShen) ? "(黄道)" : "(黑道)";

    day.suici = CycleName(YearCycle(jx::LunarYear(date))) + "年 " + CycleName(month.cycle) + "月 " +
                CycleName(day.dayCycle) + "日";
    return day;
}

DayAlmanac ComputeDay(const Date& date, const AlmanacTable& table) {
    DayAlmanac day = ComputeDayHead(date);
    day.rule = ComputeDayRule(day.monthBranch, day.dayCycle, table);
    return day;
}

}  // namespace jx::almanac
