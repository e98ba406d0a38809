#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "data/AlmanacRules.h"

namespace jx::almanac {
namespace {

TEST(SexagenaryCycle, NamesSixtyDistinctPairsAndFindsEachBack) {
    std::set<std::string> names;
    for (int i = 0; i < 60; ++i) {
        names.insert(CycleName(i));
        EXPECT_EQ(CycleOf(StemOf(i), BranchOf(i)), i) << CycleName(i);
    }
    EXPECT_EQ(names.size(), 60u);
    EXPECT_EQ(CycleName(0), "甲子");
    EXPECT_EQ(CycleName(59), "癸亥");
    EXPECT_EQ(CycleName(60), "甲子");
}

TEST(SexagenaryCycle, YearsFollowTheKnownCycle) {
    // 1984 and 1924 began a cycle; 2010 was 庚寅, 1901 辛丑, 2050 庚午.
    EXPECT_EQ(CycleName(YearCycle(1984)), "甲子");
    EXPECT_EQ(CycleName(YearCycle(1924)), "甲子");
    EXPECT_EQ(CycleName(YearCycle(2010)), "庚寅");
    EXPECT_EQ(CycleName(YearCycle(1901)), "辛丑");
    EXPECT_EQ(CycleName(YearCycle(2050)), "庚午");
}

TEST(NaYin, PairsOfDaysShareOneElement) {
    // 甲子乙丑海中金, 丙寅丁卯炉中火, 壬戌癸亥大海水 (六十甲子纳音歌).
    EXPECT_EQ(NaYin(0), "海中金");
    EXPECT_EQ(NaYin(1), "海中金");
    EXPECT_EQ(NaYin(2), "炉中火");
    EXPECT_EQ(NaYin(12), "涧下水");  // 丙子
    EXPECT_EQ(NaYin(30), "沙中金");  // 甲午
    EXPECT_EQ(NaYin(59), "大海水");
    std::set<std::string_view> elements;
    for (int i = 0; i < 60; i += 2) elements.insert(NaYin(i));
    EXPECT_EQ(elements.size(), 30u);
}

TEST(JianChu, JianFallsOnTheMonthsBranchAndTheRestFollowInOrder) {
    for (int month = 0; month < 12; ++month) {
        EXPECT_EQ(JianChuName(JianChuIndex(month, month)), "建");
        EXPECT_EQ(JianChuName(JianChuIndex(month, month + 1)), "除");
        EXPECT_EQ(JianChuName(JianChuIndex(month, month + 6)), "破");  // the clashing day
        EXPECT_EQ(JianChuName(JianChuIndex(month, month + 11)), "闭");
    }
}

// 青龙 of each month by the verse 寅申需加子，卯酉却居寅，辰戌龙位上，巳亥午中寻，
// 子午临申地，丑未戌上行: month branch, day branch of 青龙.
struct QingLongStart {
    int month;
    int day;
};
constexpr QingLongStart kQingLong[] = {{2, 0}, {8, 0},  {3, 2}, {9, 2}, {4, 4},  {10, 4},
                                       {5, 6}, {11, 6}, {0, 8}, {6, 8}, {1, 10}, {7, 10}};

TEST(ZhiShen, QingLongStartsWhereTheVerseSays) {
    for (const auto& row : kQingLong) {
        EXPECT_EQ(ZhiShenName(ZhiShenIndex(row.month, row.day)), "青龙")
            << "month " << BranchName(row.month);
        EXPECT_EQ(ZhiShenName(ZhiShenIndex(row.month, row.day + 11)), "勾陈");
    }
}

TEST(ZhiShen, SixOfTheTwelveAreHuangDao) {
    std::set<std::string_view> huangDao;
    for (int i = 0; i < 12; ++i)
        if (IsHuangDao(i)) huangDao.insert(ZhiShenName(i));
    EXPECT_EQ(huangDao,
              (std::set<std::string_view>{"青龙", "明堂", "金匮", "天德", "玉堂", "司命"}));
}

TEST(ChongSha, ClashesTheOppositeBranchAndNamesTheShaOfTheTriad) {
    // 申子辰煞南，寅午戌煞北，亥卯未煞西，巳酉丑煞东.
    struct Row {
        const char* day;
        const char* expected;
    };
    const Row rows[] = {
        {"甲子", "马(戊午) 煞南"}, {"甲寅", "猴(戊申) 煞北"}, {"乙卯", "鸡(己酉) 煞西"},
        {"丁丑", "羊(辛未) 煞东"}, {"庚辰", "狗(甲戌) 煞南"}, {"辛亥", "蛇(乙巳) 煞西"},
        {"癸酉", "兔(丁卯) 煞东"}, {"壬午", "鼠(丙子) 煞北"},
    };
    for (const auto& row : rows) {
        int cycle = -1;
        for (int i = 0; i < 60; ++i)
            if (CycleName(i) == row.day) cycle = i;
        EXPECT_EQ(ChongSha(cycle), row.expected) << row.day;
    }
}

TEST(PengZu, JoinsTheStemsAndTheBranchsSentence) {
    EXPECT_EQ(PengZu(0), "甲不开仓财物耗散 子不问卜自惹祸殃");
    EXPECT_EQ(PengZu(47), "辛不合酱主人不尝 亥不嫁娶不利新郎");  // 辛亥
    EXPECT_EQ(PengZu(59), "癸不词讼理弱敌强 亥不嫁娶不利新郎");
}

TEST(AuspiciousHours, SixHuangDaoHoursWithTheStemsOfTheFiveRatsRule) {
    // 五鼠遁: 甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途.
    const char* ziHour[] = {"甲", "丙", "戊", "庚", "壬", "甲", "丙", "戊", "庚", "壬"};
    for (int day = 0; day < 60; ++day) {
        const std::string hours = AuspiciousHours(day);
        std::istringstream words(hours);
        std::string word;
        int count = 0;
        while (words >> word) {
            ++count;
            EXPECT_EQ(word.substr(word.size() - 3), "时");
        }
        EXPECT_EQ(count, 6) << CycleName(day) << ": " << hours;
        EXPECT_EQ(StemName(ZiHourStem(StemOf(day))), ziHour[StemOf(day)]);
    }
    // 子 and 午 days: 青龙 at 申, so 子 (金匮), 丑 (天德), 卯 (玉堂), 午 (司命),
    // 申 (青龙) and 酉 (明堂) are 黄道.
    EXPECT_EQ(AuspiciousHours(0), "甲子时 乙丑时 丁卯时 庚午时 壬申时 癸酉时");
}

TEST(Names, LunarMonthsAndWeekdays) {
    EXPECT_EQ(LunarMonthNumeral(1), "正");
    EXPECT_EQ(LunarMonthNumeral(11), "冬");
    EXPECT_EQ(LunarMonthNumeral(12), "腊");
    EXPECT_EQ(LunarMonthNumeral(0), "");
    EXPECT_EQ(LunarMonthNumeral(13), "");
    EXPECT_EQ(WeekdayName(0), "日");
    EXPECT_EQ(WeekdayName(6), "六");
}

}  // namespace
}  // namespace jx::almanac
