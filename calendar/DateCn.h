#pragma once
// The calendar engine: Gregorian dates 1901–2050 to the Chinese lunisolar
// calendar, and the names a date carries (lunar month and day, festivals,
// solar terms, zodiac animal, western sign). Every operation is a pure
// function of its arguments over constant tables; nothing is cached.
//
// Outside 1901–2050, where the tables hold no row, nothing fails:
// - LunarDate gives 0, and LunarMonthName / LunarDayName give empty texts.
//   An empty month name is not "正月", so 31 December 2050 is never 除夕.
// - SolarTermIndex gives 0 (no term), LunarFestival an empty text.
// - ZodiacAnimal gives the animal of the Gregorian year: without a lunar
//   month there is nothing to move the change of animal away from 1 January.
// Invalid dates (30 February, month 13) are treated like dates outside the
// range; the Gregorian-only operations give empty texts for them.
#include <chrono>
#include <string>

namespace jx {

using Date = std::chrono::year_month_day;

inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2050;

// Lunar-date value: month * 100 + day, negated for a day of a leap month
// (the leap fourth month's fifth day is -405); 0 outside 1901–2050.
int LunarDate(const Date& date);

// Day number within the Gregorian year, 1–366; 0 for an invalid date.
int DayOfYear(const Date& date);
int YearOfDate(const Date& date);
int MonthOfDate(const Date& date);  // 1–12
int DayOfDate(const Date& date);    // 1–31

// Parts of a lunar-date value.
inline int LunarMonthOfValue(int value) { return (value < 0 ? -value : value) / 100; }
inline int LunarDayOfValue(int value) { return (value < 0 ? -value : value) % 100; }
inline bool IsLeapMonthValue(int value) { return value < 0; }

// The Gregorian year in which the lunar year holding the date began: the year
// before for a January–March date still in the 冬月 or 腊月 of the old year.
int LunarYear(const Date& date);

// "正月" … "腊月", or "闰" and the numeral for a leap month ("闰四"); empty
// outside 1901–2050.
std::string LunarMonthName(const Date& date);
// "初一" … "三十"; empty outside 1901–2050.
std::string LunarDayName(const Date& date);
// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节", "除夕" or empty.
std::string LunarFestival(const Date& date);

// Solar terms are numbered 1–24: term 2M - 1 is the first term of Gregorian
// month M (小寒, 立春, 惊蛰, …: the 节 that starts a solar month) and term 2M
// its second (大寒, 雨水, …).
// The term that falls on the day, or 0.
int SolarTermIndex(int year, int month, int day);
// The name of the term on the date, or empty.
std::string SolarTerm(const Date& date);
// The day of its Gregorian month on which term `term` (1–24) of `year` falls;
// 0 outside 1901–2050 or for a term number outside 1–24.
int SolarTermDay(int year, int term);
// The name of term 1–24 ("小寒" … "冬至"); empty for any other number.
std::string SolarTermName(int term);

// Public festival of (year and month of `date`, `day`), or empty.
std::string GregorianFestival(int day, const Date& date);
// Zodiac animal of the date's lunar year, branch first: "子鼠" … "亥猪".
std::string ZodiacAnimal(const Date& date);
// Western zodiac sign ("摩羯座" …) by month and day number alone; empty for a
// month outside 1–12 or a day outside 1–31.
std::string Constellation(const Date& date);
// Constellation of the day `day` in the year and month of `date`.
std::string ConstellationOfDay(int day, const Date& date);

}  // namespace jx
