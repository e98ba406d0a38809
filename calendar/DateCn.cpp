#include "calendar/DateCn.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "calendar/CalendarTables.h"

namespace jx {

namespace {

using calendar_tables::LunarYearTable;
using calendar_tables::SolarTermTable;

// Days before the first of each month in a common year, indexed 1–12.
constexpr std::array<int, 13> kDaysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};

constexpr std::array<int, 13> kMonthLengths = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr bool InTableRange(int year) { return year >= kFirstLunarYear && year <= kLastLunarYear; }

// Day of the year counted from 0 (1 January = 0), for a valid month and day.
constexpr int DayIndex(int year, int month, int day) {
    return kDaysBeforeMonth[month] + (month > 2 && IsLeapYear(year) ? 1 : 0) + day - 1;
}

constexpr int ComposeValue(int month, int day) {
    return month > 0 ? month * 100 + day : month * 100 - day;
}

// Days of a record's slots before slot `slot` (0-16): 29 each, one more for
// every 30-day slot among them, whose bits are the top `slot` bits of the mask.
constexpr int DaysBeforeSlot(unsigned mask, int slot) {
    return 29 * slot + std::popcount(mask >> (16 - slot));
}

// The month number of a slot: slot 0 is the 11th or 12th month and the numbers
// run on from it; a leap month is a slot of its own directly after the ordinary
// month it repeats, and the slots after it keep the number they would have had.
constexpr int MonthOfSlot(int firstMonth, int leapOf, int slot) {
    if (leapOf != 0) {
        const int leapSlot = (leapOf - firstMonth + 12) % 12 + 1;  // [1, 12]
        if (slot == leapSlot) return -leapOf;
        if (slot > leapSlot) --slot;
    }
    return (firstMonth - 1 + slot) % 12 + 1;
}

// The lunar-date value of day `dayIndex` (0 = 1 January) of a year in the
// table. A record describes sixteen slots (lunar months) from the one in
// progress on 1 January. Rather than walking the slots one by one, start at the
// slot the day would reach if every month had 30 days, which is never past the
// right one, and step on: at most two steps, no allocation, no loop over all
// sixteen slots.
int LunarValue(int year, int dayIndex) {
    const std::uint32_t record = LunarYearTable[year - kFirstLunarYear];
    const int b0 = static_cast<int>(record >> 24);
    const unsigned mask = (record >> 8) & 0xFFFFu;  // slot k at bit 15 - k
    const int leapOf = static_cast<int>(record & 0xFFu);
    const int offset = b0 & 0x7F;                // [1, 30] lunar day of 1 January
    const int position = dayIndex + offset - 1;  // [0, 395] days since slot 0 began
    int slot = position / 30;
    while (DaysBeforeSlot(mask, slot + 1) <= position) ++slot;
    const int day = position - DaysBeforeSlot(mask, slot) + 1;  // [1, 30]
    int month = MonthOfSlot((b0 & 0x80) != 0 ? 12 : 11, leapOf, slot);
    // Slot 0 may continue a leap month begun last year; the record cannot say
    // so, the previous year's last day can (it never lies in its own slot 0).
    if (slot == 0 && year > kFirstLunarYear &&
        LunarValue(year - 1, IsLeapYear(year - 1) ? 365 : 364) < 0) {
        month = -month;
    }
    return ComposeValue(month, day);
}

constexpr bool IsFirstMonth(int value) { return value > 0 && value / 100 == 1; }

constexpr std::array<std::string_view, 13> kLunarMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

constexpr std::array<std::string_view, 31> kLunarDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

struct LunarFestivalRule {
    int month;
    int day;
    std::string_view name;
};

constexpr std::array<LunarFestivalRule, 7> kLunarFestivals = {{
    {1, 1, "春节"},
    {5, 5, "端午节"},
    {7, 7, "七夕节"},
    {12, 8, "腊八节"},
    {9, 9, "重阳节"},
    {8, 15, "中秋节"},
    {1, 15, "元宵节"},
}};

constexpr std::array<std::string_view, 25> kSolarTermNames = {
    "",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// A public festival falls either on a fixed day of its month or on a weekday
// (1 = Sunday … 7 = Saturday) of a week counted as (day - 1) / 7.
struct GregorianFestivalRule {
    int month;
    int day;      // 0 for a weekday rule
    int weekday;  // 1–7 for a weekday rule
    int week;
    std::string_view name;
};

constexpr std::array<GregorianFestivalRule, 18> kGregorianFestivals = {{
    {1, 1, 0, 0, "元旦节"},
    {2, 14, 0, 0, "情人节"},
    {3, 8, 0, 0, "妇女节"},
    {4, 1, 0, 0, "愚人节"},
    {5, 1, 0, 0, "劳动节"},
    {5, 4, 0, 0, "青年节"},
    {5, 0, 1, 1, "母亲节"},  // second Sunday
    {6, 1, 0, 0, "儿童节"},
    {6, 0, 1, 2, "父亲节"},  // third Sunday
    {7, 1, 0, 0, "建党节"},
    {8, 1, 0, 0, "建军节"},
    {9, 10, 0, 0, "教师节"},
    {10, 1, 0, 0, "国庆节"},
    {10, 6, 0, 0, "老人节"},
    {10, 31, 0, 0, "万圣节"},
    {11, 8, 0, 0, "记者日"},
    {11, 0, 5, 3, "感恩节"},  // fourth Thursday
    {12, 25, 0, 0, "圣诞节"},
}};

constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

// Western signs by month: up to lastDay the first sign, after it the second.
// The older month table left 23 August between 狮子座 (to the 22nd) and 处女座
// (from the 24th); it belongs to 处女座 here, as the sun usually enters Virgo
// on 23 August and the common tables give 处女座 from 8月23日.
struct ConstellationRule {
    std::string_view first;
    int lastDay;
    std::string_view second;
};

constexpr std::array<ConstellationRule, 13> kConstellations = {{
    {"", 0, ""},
    {"摩羯座", 19, "水瓶座"},
    {"水瓶座", 18, "双鱼座"},
    {"双鱼座", 20, "白羊座"},
    {"白羊座", 19, "金牛座"},
    {"金牛座", 20, "双子座"},
    {"双子座", 21, "巨蟹座"},
    {"巨蟹座", 22, "狮子座"},
    {"狮子座", 22, "处女座"},
    {"处女座", 22, "天秤座"},
    {"天秤座", 23, "天蝎座"},
    {"天蝎座", 21, "射手座"},
    {"射手座", 21, "摩羯座"},
}};

int SolarTermByte(int year, int month) {
    return SolarTermTable[static_cast<std::size_t>((year - kFirstLunarYear) * 12 + month - 1)];
}

}  // namespace

int YearOfDate(const Date& date) { return static_cast<int>(date.year()); }
int MonthOfDate(const Date& date) { return static_cast<int>(static_cast<unsigned>(date.month())); }
int DayOfDate(const Date& date) { return static_cast<int>(static_cast<unsigned>(date.day())); }

int DayOfYear(const Date& date) {
    if (!date.ok()) return 0;
    return DayIndex(YearOfDate(date), MonthOfDate(date), DayOfDate(date)) + 1;
}

int LunarDate(const Date& date) {
    // Checked by hand rather than with date.ok() and DayOfYear, which would
    // both work out the leap year: this is the engine's hot path.
    const int year = YearOfDate(date);
    const int month = MonthOfDate(date);
    const int day = DayOfDate(date);
    if (!InTableRange(year) || month < 1 || month > 12 || day < 1) return 0;
    const bool leapYear = year % 4 == 0;  // the Gregorian rule within 1901–2050
    if (day > kMonthLengths[month] + (month == 2 && leapYear ? 1 : 0)) return 0;
    return LunarValue(year, kDaysBeforeMonth[month] + (month > 2 && leapYear ? 1 : 0) + day - 1);
}

int LunarYear(const Date& date) {
    const int year = YearOfDate(date);
    const int month = LunarMonthOfValue(LunarDate(date));
    return MonthOfDate(date) <= 3 && month >= 11 ? year - 1 : year;
}

std::string LunarMonthName(const Date& date) {
    const int value = LunarDate(date);
    if (value == 0) return {};
    const std::string_view numeral = kLunarMonthNames[LunarMonthOfValue(value)];
    std::string name;
    if (value < 0) name = "闰";
    name += numeral;
    if (value > 0) name += "月";
    return name;
}

std::string LunarDayName(const Date& date) {
    return std::string(kLunarDayNames[LunarDayOfValue(LunarDate(date))]);
}

std::string LunarFestival(const Date& date) {
    const int value = LunarDate(date);
    if (value == 0) return {};
    if (value > 0) {
        for (const LunarFestivalRule& rule : kLunarFestivals) {
            if (value == rule.month * 100 + rule.day) return std::string(rule.name);
        }
    }
    // 除夕 is the year's last day, whichever month ends the year and however
    // long it is: the day before a 正月初一. Past 2050 the next day has no
    // lunar value, so 31 December 2050 is never marked.
    if (!IsFirstMonth(value)) {
        const Date next{std::chrono::sys_days{date} + std::chrono::days{1}};
        if (IsFirstMonth(LunarDate(next))) return "除夕";
    }
    return {};
}

int SolarTermIndex(int year, int month, int day) {
    if (!InTableRange(year) || month < 1 || month > 12) return 0;
    const int b = SolarTermByte(year, month);
    if (day < 15 && day == 15 - b / 16) return 2 * month - 1;
    if (day >= 15 && day == 15 + b % 16) return 2 * month;
    return 0;
}

std::string SolarTerm(const Date& date) {
    return SolarTermName(SolarTermIndex(YearOfDate(date), MonthOfDate(date), DayOfDate(date)));
}

int SolarTermDay(int year, int term) {
    if (!InTableRange(year) || term < 1 || term > 24) return 0;
    const int b = SolarTermByte(year, (term + 1) / 2);
    return term % 2 == 1 ? 15 - b / 16 : 15 + b % 16;
}

std::string SolarTermName(int term) {
    if (term < 1 || term > 24) return {};
    return std::string(kSolarTermNames[term]);
}

std::string GregorianFestival(int day, const Date& date) {
    const int month = MonthOfDate(date);
    if (month < 1 || month > 12 || day < 1 || day > 31) return {};
    const std::chrono::sys_days first{date.year() / date.month() / 1};
    const int weekday =
        static_cast<int>(std::chrono::weekday{first + std::chrono::days{day - 1}}.c_encoding()) + 1;
    for (const GregorianFestivalRule& rule : kGregorianFestivals) {
        if (rule.month != month) continue;
        const bool matches =
            rule.day != 0 ? day == rule.day : weekday == rule.weekday && (day - 1) / 7 == rule.week;
        if (matches) return std::string(rule.name);
    }
    return {};
}

std::string ZodiacAnimal(const Date& date) {
    // Outside the table LunarYear is the Gregorian year (no lunar month).
    const int branch = ((LunarYear(date) - 1972) % 12 + 12) % 12;
    return std::string(kZodiacAnimals[branch]);
}

std::string Constellation(const Date& date) {
    const int month = MonthOfDate(date);
    const int day = DayOfDate(date);
    if (month < 1 || month > 12 || day < 1 || day > 31) return {};
    const ConstellationRule& rule = kConstellations[month];
    return std::string(day <= rule.lastDay ? rule.first : rule.second);
}

std::string ConstellationOfDay(int day, const Date& date) {
    if (day < 1 || day > 31) return {};
    return Constellation(
        Date{date.year(), date.month(), std::chrono::day{static_cast<unsigned>(day)}});
}

}  // namespace jx
