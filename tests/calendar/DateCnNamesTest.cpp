// Names of a date: lunar month and day, festivals, solar terms, animals, signs.
#include <gtest/gtest.h>

#include <string>

#include "calendar/DateCn.h"
#include "tests/calendar/DateText.h"

namespace {

using namespace std::chrono;

struct NamesCase {
    jx::Date date;
    const char* monthName;
    const char* dayName;
    const char* festival;
};

class LunarNamesCase : public testing::TestWithParam<NamesCase> {};

TEST_P(LunarNamesCase, NamesMonthDayAndFestival) {
    const NamesCase& c = GetParam();
    EXPECT_EQ(jx::LunarMonthName(c.date), c.monthName);
    EXPECT_EQ(jx::LunarDayName(c.date), c.dayName);
    EXPECT_EQ(jx::LunarFestival(c.date), c.festival);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, LunarNamesCase,
    testing::Values(NamesCase{2008y / February / 6, "腊月", "三十", "除夕"},
                    NamesCase{2008y / February / 7, "正月", "初一", "春节"},
                    NamesCase{2008y / February / 8, "正月", "初二", ""},
                    NamesCase{2008y / February / 21, "正月", "十五", "元宵节"},
                    NamesCase{2012y / January / 22, "腊月", "廿九", "除夕"},  // a 29-day 腊月
                    NamesCase{2012y / January / 21, "腊月", "廿八", ""},
                    NamesCase{2008y / June / 8, "五月", "初五", "端午节"},
                    NamesCase{2008y / August / 7, "七月", "初七", "七夕节"},
                    NamesCase{2008y / September / 14, "八月", "十五", "中秋节"},
                    NamesCase{2008y / October / 7, "九月", "初九", "重阳节"},
                    NamesCase{2009y / January / 3, "腊月", "初八", "腊八节"},
                    NamesCase{2008y / January / 15, "腊月", "初八", "腊八节"},
                    NamesCase{2008y / December / 8, "冬月", "十一", ""},
                    NamesCase{2008y / October / 29, "十月", "初一", ""},
                    // Leap months carry "闰" and no "月", and no festival.
                    NamesCase{2009y / June / 27, "闰五", "初五", ""},
                    NamesCase{2009y / May / 28, "五月", "初五", "端午节"},
                    NamesCase{2020y / May / 23, "闰四", "初一", ""},
                    NamesCase{2033y / December / 22, "闰冬", "初一", ""},
                    NamesCase{2034y / January / 19, "闰冬", "廿九", ""},
                    // Ends of the range: 31 December 2050 is 冬月十八, not 除夕.
                    NamesCase{1901y / January / 1, "冬月", "十一", ""},
                    NamesCase{2050y / December / 31, "冬月", "十八", ""},
                    NamesCase{1900y / December / 31, "", "", ""},
                    NamesCase{2051y / January / 1, "", "", ""},
                    NamesCase{2021y / February / 29, "", "", ""}));

// 除夕 is the eve of each 春节, whatever the month before it.
TEST(DateCnLunarFestival, MarksTheLastDayBeforeEveryNewYear) {
    const jx::Date eves[] = {1901y / February / 18, 1903y / January / 28, 2034y / February / 18,
                             2050y / January / 22};
    for (const jx::Date& eve : eves) {
        EXPECT_EQ(jx::LunarFestival(eve), "除夕") << DateText(eve);
        EXPECT_EQ(jx::LunarFestival(year_month_day{sys_days{eve} + days{1}}), "春节")
            << DateText(eve);
    }
}

struct TermCase {
    jx::Date date;
    int index;
    const char* name;
};

class SolarTermCase : public testing::TestWithParam<TermCase> {};

TEST_P(SolarTermCase, FindsTheTermOfTheDay) {
    const TermCase& c = GetParam();
    EXPECT_EQ(
        jx::SolarTermIndex(jx::YearOfDate(c.date), jx::MonthOfDate(c.date), jx::DayOfDate(c.date)),
        c.index);
    EXPECT_EQ(jx::SolarTerm(c.date), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, SolarTermCase,
    testing::Values(
        TermCase{2008y / February / 4, 3, "立春"}, TermCase{2008y / February / 5, 0, ""},
        TermCase{2008y / February / 19, 4, "雨水"}, TermCase{2008y / August / 7, 15, "立秋"},
        TermCase{2008y / December / 21, 24, "冬至"}, TermCase{2024y / January / 6, 1, "小寒"},
        TermCase{2024y / January / 20, 2, "大寒"}, TermCase{1901y / January / 6, 1, "小寒"},
        TermCase{1901y / January / 21, 2, "大寒"}, TermCase{2050y / December / 22, 24, "冬至"},
        TermCase{2008y / February / 15, 0, ""},  // no term on the 15th
        TermCase{1900y / December / 22, 0, ""}, TermCase{2051y / January / 5, 0, ""}));

TEST(DateCnSolarTermIndex, RejectsMonthsOutsideTheYear) {
    EXPECT_EQ(jx::SolarTermIndex(2008, 0, 6), 0);
    EXPECT_EQ(jx::SolarTermIndex(2008, 13, 6), 0);
}

TEST(DateCnSolarTermDay, GivesTheDayOfEachTerm) {
    EXPECT_EQ(jx::SolarTermDay(2008, 3), 4);    // 立春 2008
    EXPECT_EQ(jx::SolarTermDay(2008, 24), 21);  // 冬至 2008
    EXPECT_EQ(jx::SolarTermDay(1901, 1), 6);
    EXPECT_EQ(jx::SolarTermDay(2008, 0), 0);
    EXPECT_EQ(jx::SolarTermDay(2008, 25), 0);
    EXPECT_EQ(jx::SolarTermDay(1900, 3), 0);
    EXPECT_EQ(jx::SolarTermDay(2051, 3), 0);
}

TEST(DateCnSolarTermName, NamesAllTwentyFourTerms) {
    EXPECT_EQ(jx::SolarTermName(1), "小寒");
    EXPECT_EQ(jx::SolarTermName(7), "清明");
    EXPECT_EQ(jx::SolarTermName(24), "冬至");
    EXPECT_EQ(jx::SolarTermName(0), "");
    EXPECT_EQ(jx::SolarTermName(25), "");
}

struct FestivalCase {
    jx::Date date;
    const char* name;
};

class GregorianFestivalCase : public testing::TestWithParam<FestivalCase> {};

TEST_P(GregorianFestivalCase, NamesThePublicFestival) {
    const jx::Date& date = GetParam().date;
    // The day is passed apart from the month shown, as the month view does.
    EXPECT_EQ(jx::GregorianFestival(jx::DayOfDate(date), date.year() / date.month() / 1),
              GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, GregorianFestivalCase,
    testing::Values(
        FestivalCase{2008y / January / 1, "元旦节"}, FestivalCase{2008y / February / 14, "情人节"},
        FestivalCase{2008y / March / 8, "妇女节"}, FestivalCase{2008y / April / 1, "愚人节"},
        FestivalCase{2008y / May / 1, "劳动节"}, FestivalCase{2008y / May / 4, "青年节"},
        FestivalCase{2008y / June / 1, "儿童节"}, FestivalCase{2008y / July / 1, "建党节"},
        FestivalCase{2008y / August / 1, "建军节"}, FestivalCase{2008y / September / 10, "教师节"},
        FestivalCase{2008y / October / 1, "国庆节"}, FestivalCase{2008y / October / 6, "老人节"},
        FestivalCase{2008y / October / 31, "万圣节"}, FestivalCase{2008y / November / 8, "记者日"},
        FestivalCase{2008y / December / 25, "圣诞节"}, FestivalCase{2008y / December / 24, ""},
        // Weekday rules: second Sunday of May, third Sunday of June, fourth Thursday of
        // November, and the same weekdays one week off.
        FestivalCase{2008y / May / 11, "母亲节"}, FestivalCase{2008y / June / 15, "父亲节"},
        FestivalCase{2008y / November / 27, "感恩节"}, FestivalCase{2009y / May / 10, "母亲节"},
        FestivalCase{2009y / June / 21, "父亲节"}, FestivalCase{2009y / November / 26, "感恩节"},
        FestivalCase{2008y / May / 4, "青年节"}, FestivalCase{2008y / May / 18, ""},
        FestivalCase{2008y / June / 8, ""}, FestivalCase{2008y / June / 22, ""},
        FestivalCase{2008y / November / 20, ""}, FestivalCase{2009y / May / 3, ""},
        // A month whose 1st is a Sunday: its first Sunday is not 母亲节.
        FestivalCase{2011y / May / 1, "劳动节"}, FestivalCase{2011y / May / 8, "母亲节"},
        // Outside the calendar's years the Gregorian rules still hold.
        FestivalCase{1850y / December / 25, "圣诞节"}, FestivalCase{2100y / May / 9, "母亲节"}));

TEST(DateCnGregorianFestival, GivesNothingForDaysOutsideAMonth) {
    EXPECT_EQ(jx::GregorianFestival(0, 2008y / May / 1), "");
    EXPECT_EQ(jx::GregorianFestival(32, 2008y / May / 1), "");
    EXPECT_EQ(jx::GregorianFestival(-5, 2008y / May / 1), "");
    EXPECT_EQ(jx::GregorianFestival(1, 2008y / month{13} / 1), "");
}

struct AnimalCase {
    jx::Date date;
    const char* animal;
};

class ZodiacAnimalCase : public testing::TestWithParam<AnimalCase> {};

TEST_P(ZodiacAnimalCase, NamesTheLunarYearsAnimal) {
    EXPECT_EQ(jx::ZodiacAnimal(GetParam().date), GetParam().animal);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, ZodiacAnimalCase,
    testing::Values(
        AnimalCase{2008y / February / 6, "亥猪"}, AnimalCase{2008y / February / 7, "子鼠"},
        AnimalCase{1972y / June / 1, "子鼠"}, AnimalCase{1902y / January / 1, "丑牛"},
        AnimalCase{1971y / June / 1, "亥猪"}, AnimalCase{1960y / March / 1, "子鼠"},
        AnimalCase{1901y / January / 1, "子鼠"},  // still 1900's lunar year
        AnimalCase{1901y / February / 19, "丑牛"},
        AnimalCase{2034y / January / 19, "丑牛"},  // leap 冬月 of 2033
        AnimalCase{2034y / January / 20, "丑牛"},  // 腊月 of 2033
        AnimalCase{2034y / February / 19, "寅虎"}, AnimalCase{2050y / December / 31, "午马"},
        // Outside the table the Gregorian year decides.
        AnimalCase{2051y / January / 1, "未羊"}, AnimalCase{1900y / December / 31, "子鼠"},
        AnimalCase{1850y / June / 1, "戌狗"}));

struct SignCase {
    unsigned month;
    int day;
    const char* sign;
};

class ConstellationCase : public testing::TestWithParam<SignCase> {};

TEST_P(ConstellationCase, NamesTheSignOnBothSidesOfEachBound) {
    const SignCase& c = GetParam();
    const jx::Date date = year{2008} / month{c.month} / day{static_cast<unsigned>(c.day)};
    EXPECT_EQ(jx::Constellation(date), c.sign);
    EXPECT_EQ(jx::ConstellationOfDay(c.day, year{2008} / month{c.month} / 1), c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    DateCn, ConstellationCase,
    testing::Values(SignCase{1, 19, "摩羯座"}, SignCase{1, 20, "水瓶座"}, SignCase{2, 18, "水瓶座"},
                    SignCase{2, 19, "双鱼座"}, SignCase{3, 20, "双鱼座"}, SignCase{3, 21, "白羊座"},
                    SignCase{4, 19, "白羊座"}, SignCase{4, 20, "金牛座"}, SignCase{5, 20, "金牛座"},
                    SignCase{5, 21, "双子座"}, SignCase{6, 21, "双子座"}, SignCase{6, 22, "巨蟹座"},
                    SignCase{7, 22, "巨蟹座"}, SignCase{7, 23, "狮子座"}, SignCase{8, 22, "狮子座"},
                    SignCase{8, 23, "处女座"}, SignCase{8, 24, "处女座"}, SignCase{9, 22, "处女座"},
                    SignCase{9, 23, "天秤座"}, SignCase{10, 23, "天秤座"},
                    SignCase{10, 24, "天蝎座"}, SignCase{11, 21, "天蝎座"},
                    SignCase{11, 22, "射手座"}, SignCase{12, 21, "射手座"},
                    SignCase{12, 22, "摩羯座"}, SignCase{12, 31, "摩羯座"},
                    SignCase{1, 1, "摩羯座"}));

TEST(DateCnConstellation, GivesNothingForImpossibleDays) {
    EXPECT_EQ(jx::Constellation(2008y / month{13} / 1), "");
    EXPECT_EQ(jx::Constellation(2008y / January / day{0}), "");
    EXPECT_EQ(jx::ConstellationOfDay(0, 2008y / May / 1), "");
    EXPECT_EQ(jx::ConstellationOfDay(40, 2008y / May / 1), "");
}

}  // namespace
