#include <gtest/gtest.h>

#include "almanac/DayReport.h"

namespace jx {
namespace {

DayFields sampleFields() {
    DayFields f;
    f.nn = "农历三月十八";
    f.suici = "庚寅年";
    f.tszf = "占门碓外东南";
    f.wuhang = "涧下水";
    f.cong = "猴(戊申) 煞北";
    f.pzbj = "丙不修灶";
    f.jsyq = "天恩";
    f.yi = "祭祀";
    f.xsyq = "五虚";
    f.ji = "动土";
    f.jishi = "甲子时";
    return f;
}

TEST(DayQueryText, UsesTheDateTextAsTyped) {
    EXPECT_EQ(DayQueryText("2010-05-01"), "Select top 1 * from huangdao where gn = #2010-05-01#");
    EXPECT_EQ(DayQueryText("2010-4-5"), "Select top 1 * from huangdao where gn = #2010-4-5#");
}

TEST(BuildDayReport, SeventeenLinesWithoutHoursTwentyWith) {
    const DayFields f = sampleFields();
    const DayReport without = BuildDayReport("2010-05-01", f, false);
    const std::vector<std::string> expected17{"岁次:庚寅年",
                                              "",
                                              "每日胎神占方:占门碓外东南",
                                              "",
                                              "五行:涧下水",
                                              "",
                                              "冲:猴(戊申) 煞北",
                                              "",
                                              "彭祖百忌:丙不修灶",
                                              "",
                                              "吉神宜趋:天恩",
                                              "",
                                              "宜:祭祀",
                                              "",
                                              "凶神宜忌:五虚",
                                              "",
                                              "忌:动土"};
    EXPECT_EQ(without.lines, expected17);
    EXPECT_EQ(without.overview, "2010-05-01  农历三月十八");

    std::vector<std::string> expected20 = expected17;
    expected20.insert(expected20.end(), {"", "本日吉时如下:", "甲子时"});
    EXPECT_EQ(BuildDayReport("2010-05-01", f, true).lines, expected20);
}

TEST(BuildDayReport, BlankOverviewKeepsTheTwoBlanks) {
    DayFields f = sampleFields();
    f.nn.clear();
    EXPECT_EQ(BuildDayReport("2010-4-5", f, false).overview, "2010-4-5  ");
}

TEST(Glossary, HasThirtyFourLinesAndOnlyTheContinuedOnesLackTheTrailingBlank) {
    ASSERT_EQ(kGlossaryLines.size(), 34u);
    for (std::size_t i = 0; i < kGlossaryLines.size(); ++i) {
        const bool continued = i == 11 || i == 17 || i == 33;
        EXPECT_EQ(kGlossaryLines[i].back() == ' ', !continued) << "line " << i + 1;
        const bool continuation = i == 12 || i == 18;
        EXPECT_EQ(kGlossaryLines[i].find(" ：") != std::string_view::npos, !continuation)
            << "line " << i + 1;
    }
}

}  // namespace
}  // namespace jx
