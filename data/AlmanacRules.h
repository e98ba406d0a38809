#pragma once
// The fixed rules of the Chinese almanac: the sexagenary cycle and what the
// tradition hangs on it. Stems are numbered 0–9 (甲 … 癸), branches 0–11
// (子 … 亥), the sexagenary cycle 0–59 (甲子 … 癸亥).
#include <string>
#include <string_view>

namespace jx::almanac {

std::string_view StemName(int stem);      // 甲 … 癸
std::string_view BranchName(int branch);  // 子 … 亥
std::string_view AnimalName(int branch);  // 鼠 … 猪
inline int StemOf(int cycle) { return cycle % 10; }
inline int BranchOf(int cycle) { return cycle % 12; }
// The cycle index of a stem and a branch of the same parity; [0, 59].
int CycleOf(int stem, int branch);
std::string CycleName(int cycle);  // 甲子 … 癸亥

// Sexagenary year of a Gregorian year number (1984 is 甲子); [0, 59].
int YearCycle(int year);

// 纳音 of a sexagenary day, year, ... ("海中金" for 甲子 and 乙丑).
std::string_view NaYin(int cycle);

// 建除十二值: 建 falls on the day whose branch is the month's branch.
int JianChuIndex(int monthBranch, int dayBranch);  // [0, 11], 0 = 建
std::string_view JianChuName(int index);

// 十二值神 (青龙 … 勾陈). 青龙 of a month starts on a day branch fixed by the
// month branch, 青龙 of a day's hours on an hour branch fixed by the day's branch
// by the same rule.
int ZhiShenIndex(int governingBranch, int branch);  // [0, 11], 0 = 青龙
std::string_view ZhiShenName(int index);
bool IsHuangDao(int zhiShenIndex);  // 黄道 (true) or 黑道

// 胎神占方 of the day, e.g. "占门碓外东南".
std::string_view TaiShen(int dayCycle);

// 冲煞: the clashed animal with the clashed 干支 and the 煞 direction,
// e.g. "猴(戊申) 煞北" for a 甲寅 day.
std::string ChongSha(int dayCycle);

// 彭祖百忌 of the day's stem and branch, separated by one blank.
std::string PengZu(int dayCycle);

// Stem of the 子 hour of a day with stem dayStem (五鼠遁).
int ZiHourStem(int dayStem);

// 吉时: the double-hours whose 值神 is 黄道, 子 to 亥, as "甲子时 乙丑时 …".
std::string AuspiciousHours(int dayCycle);

// Lunar month numeral (正 二 … 十 冬 腊) for month 1–12; empty otherwise.
std::string_view LunarMonthNumeral(int month);
// Weekday name (日 一 … 六) for 0 = Sunday … 6 = Saturday.
std::string_view WeekdayName(int weekday);

}  // namespace jx::almanac
