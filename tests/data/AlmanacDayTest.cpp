#include <gtest/gtest.h>

#include "data/AlmanacDay.h"
#include "data/AlmanacRules.h"
#include "data/TextSource.h"

namespace jx::almanac {
namespace {

using namespace std::chrono;

class AlmanacDayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        table_ = new AlmanacTable(
            AlmanacTable::Parse(data::ReadFile(JX_DATA_SOURCE_DIR "/almanac-table.txt")));
    }
    static void TearDownTestSuite() {
        delete table_;
        table_ = nullptr;
    }
    static DayAlmanac Day(int y, unsigned m, unsigned d) {
        return ComputeDay(year{y} / month{m} / day{d}, *table_);
    }
    static AlmanacTable* table_;
};
AlmanacTable* AlmanacDayTest::table_ = nullptr;

// Days a printed almanac confirms. The 干支 of the day, year and month and the
// lunar date agree with the Hong Kong Observatory's Gregorian–lunar tables;
// the other fields follow from them by the traditional tables and agree with
// 中华万年历 / 百度万年历 for those days.
struct KnownDay {
    int y;
    unsigned m, d;
    const char* source;
    const char* nn;
    const char* suici;
    const char* wuhang;
    const char* tszf;
    const char* cong;
    const char* pzbj;
    const char* jishi;
};

const KnownDay kKnownDays[] = {
    {1949, 10, 1, "开国大典, a 甲子 day", "农历八月初十 星期六 司命(黄道)", "己丑年 癸酉月 甲子日",
     "海中金 平执位", "占门碓外东南", "马(戊午) 煞南", "甲不开仓财物耗散 子不问卜自惹祸殃",
     "甲子时 乙丑时 丁卯时 庚午时 壬申时 癸酉时"},
    {2000, 1, 1, "the millennium's first day, 戊午", "农历冬月廿五 星期六 司命(黄道)",
     "己卯年 丙子月 戊午日", "天上火 破执位", "房床碓外正东", "鼠(壬子) 煞北",
     "戊不受田田主不祥 午不苫盖屋主更张", "壬子时 癸丑时 乙卯时 戊午时 庚申时 辛酉时"},
    {2008, 8, 8, "the Beijing Olympics' opening, 庚辰", "农历七月初八 星期五 金匮(黄道)",
     "戊子年 庚申月 庚辰日", "白蜡金 成执位", "碓磨栖外正西", "狗(甲戌) 煞南",
     "庚不经络织机虚张 辰不哭泣必主重丧", "戊寅时 庚辰时 辛巳时 甲申时 乙酉时 丁亥时"},
    {2010, 5, 1, "三月十八, 玉堂 黄道 day", "农历三月十八 星期六 玉堂(黄道)",
     "庚寅年 庚辰月 辛亥日", "钗钏金 危执位", "厨灶床外东北", "蛇(乙巳) 煞西",
     "辛不合酱主人不尝 亥不嫁娶不利新郎", "己丑时 壬辰时 甲午时 乙未时 戊戌时 己亥时"},
    {2020, 5, 23, "闰四月初一", "农历闰四月初一 星期六 天牢(黑道)", "庚子年 辛巳月 丙寅日",
     "炉中火 收执位", "厨灶炉外正南", "猴(庚申) 煞北", "丙不修灶必见灾殃 寅不祭祀神鬼不尝",
     "戊子时 己丑时 壬辰时 癸巳时 乙未时 戊戌时"},
    {2021, 2, 3, "立春: 寅 month of 辛丑, still 庚子 lunar year", "农历腊月廿二 星期三 白虎(黑道)",
     "庚子年 庚寅月 壬午日", "杨柳木 定执位", "仓库碓外西北", "鼠(丙子) 煞北",
     "壬不泱水更难提防 午不苫盖屋主更张", "庚子时 辛丑时 癸卯时 丙午时 戊申时 己酉时"},
    {2024, 2, 10, "春节 of 甲辰", "农历正月初一 星期六 金匮(黄道)", "甲辰年 丙寅月 甲辰日",
     "覆灯火 满执位", "占门栖房内东", "狗(戊戌) 煞南", "甲不开仓财物耗散 辰不哭泣必主重丧",
     "丙寅时 戊辰时 己巳时 壬申时 癸酉时 乙亥时"},
};

TEST_F(AlmanacDayTest, KnownDaysMatchThePrintedAlmanac) {
    for (const auto& k : kKnownDays) {
        SCOPED_TRACE(k.source);
        const DayAlmanac day = Day(k.y, k.m, k.d);
        EXPECT_EQ(day.nn, k.nn);
        EXPECT_EQ(day.suici, k.suici);
        EXPECT_EQ(day.rule.wuhang, k.wuhang);
        EXPECT_EQ(day.rule.tszf, k.tszf);
        EXPECT_EQ(day.rule.cong, k.cong);
        EXPECT_EQ(day.rule.pzbj, k.pzbj);
        EXPECT_EQ(day.rule.jishi, k.jishi);
    }
}

TEST_F(AlmanacDayTest, TheDateIsWrittenWithTwoDigitMonthAndDay) {
    EXPECT_EQ(Day(1901, 1, 1).gn, "1901-01-01");
    EXPECT_EQ(Day(2050, 12, 31).gn, "2050-12-31");
}

TEST_F(AlmanacDayTest, TheMonthChangesOnTheDayOfItsJie) {
    // 2010: 立夏 on 5 May (巳 month from that day), 大雪 on 7 December.
    EXPECT_EQ(SolarMonthOf(2010y / May / 4).branch, 4);
    const SolarMonth liXia = SolarMonthOf(2010y / May / 5);
    EXPECT_EQ(liXia.branch, 5);
    EXPECT_TRUE(liXia.startsToday);
    EXPECT_EQ(CycleName(liXia.cycle), "辛巳");
    EXPECT_FALSE(SolarMonthOf(2010y / May / 6).startsToday);
    EXPECT_EQ(CycleName(SolarMonthOf(2010y / December / 7).cycle), "戊子");
    // January before 小寒 is the 子 month of the year before (1901: 戊子, of 庚子).
    EXPECT_EQ(CycleName(SolarMonthOf(1901y / January / 1).cycle), "戊子");
    // 小寒 1901 (6 January) opens 己丑.
    EXPECT_EQ(CycleName(SolarMonthOf(1901y / January / 6).cycle), "己丑");
}

TEST_F(AlmanacDayTest, OnTheJieDayTheNewMonthsTableRowIsRead) {
    // 2010-05-05 is the first day of the 巳 month: its lists are the 巳 row's.
    const DayAlmanac day = Day(2010, 5, 5);
    const AlmanacEntry& row = table_->at(5, day.dayCycle);
    EXPECT_EQ(day.rule.yi, row.yi);
    EXPECT_EQ(day.rule.ji, row.ji);
    EXPECT_EQ(day.rule.jsyq, row.jiShen);
    EXPECT_EQ(day.rule.xsyq, row.xiongSha);
    EXPECT_NE(table_->at(4, day.dayCycle).yi + table_->at(4, day.dayCycle).ji, row.yi + row.ji);
}

}  // namespace
}  // namespace jx::almanac
