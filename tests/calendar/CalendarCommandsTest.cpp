// The terminal tool's lunar and month commands.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunCli(const jx::cli::Arguments& args) {
    std::ostringstream out;
    std::ostringstream err;
    jx::cli::Context context{"", std::chrono::year{2010} / 5 / 1, out, err};
    const int code = jx::cli::Run(args, context);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct LunarCase {
    jx::cli::Arguments args;
    const char* line;
};

class LunarCommandCase : public testing::TestWithParam<LunarCase> {};

TEST_P(LunarCommandCase, PrintsAllNamesOfTheDay) {
    const Result result = RunCli(GetParam().args);
    EXPECT_EQ(result.code, jx::cli::kExitOk);
    EXPECT_EQ(result.out, GetParam().line);
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    LunarCommand, LunarCommandCase,
    testing::Values(
        LunarCase{{"lunar", "2008", "2", "7"}, "101\t正月\t初一\t春节\t\t\t子鼠\t水瓶座\n"},
        LunarCase{{"lunar", "2008", "08", "07"}, "707\t七月\t初七\t七夕节\t立秋\t\t子鼠\t狮子座\n"},
        LunarCase{{"lunar", "2009", "6", "27"}, "-505\t闰五\t初五\t\t\t\t丑牛\t巨蟹座\n"},
        LunarCase{{"lunar", "2008", "5", "11"}, "407\t四月\t初七\t\t\t母亲节\t子鼠\t金牛座\n"},
        LunarCase{{"lunar", "2051", "1", "1"}, "0\t\t\t\t\t元旦节\t未羊\t摩羯座\n"}));

class LunarCommandRejects : public testing::TestWithParam<jx::cli::Arguments> {};

TEST_P(LunarCommandRejects, AnInvalidDate) {
    const Result result = RunCli(GetParam());
    EXPECT_EQ(result.code, jx::cli::kExitBadInput);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "请选择有效的日期!\n");
}

INSTANTIATE_TEST_SUITE_P(LunarCommand, LunarCommandRejects,
                         testing::Values(jx::cli::Arguments{"lunar", "2021", "2", "29"},
                                         jx::cli::Arguments{"lunar", "2008", "4", "31"},
                                         jx::cli::Arguments{"lunar", "2008", "13", "1"},
                                         jx::cli::Arguments{"lunar", "2008", "0", "1"},
                                         jx::cli::Arguments{"lunar", "2008", "1", "0"},
                                         jx::cli::Arguments{"lunar", "0000", "1", "1"},
                                         jx::cli::Arguments{"lunar", "年", "1", "1"},
                                         jx::cli::Arguments{"lunar", "2008x", "1", "1"},
                                         jx::cli::Arguments{"lunar", "", "1", "1"},
                                         jx::cli::Arguments{"lunar", "99999999999", "1", "1"}));

TEST(LunarCommand, NeedsThreeArguments) {
    for (const jx::cli::Arguments& args :
         {jx::cli::Arguments{"lunar"}, jx::cli::Arguments{"lunar", "2008", "1"},
          jx::cli::Arguments{"lunar", "2008", "1", "1", "1"}}) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.code, jx::cli::kExitBadInput);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
}

// February 2008 begins on a Friday: day 1 in the sixth column, under 星期五.
TEST(MonthCommand, LaysFebruary2008OutByWeekday) {
    const Result result = RunCli({"month", "2008", "2"});
    ASSERT_EQ(result.code, jx::cli::kExitOk);
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u + 2 * 5);  // header, headings, five weeks of two lines
    EXPECT_EQ(lines[0], "2008年2月  亥猪（7日起子鼠）");
    EXPECT_EQ(lines[1], " 星期日  星期一  星期二  星期三  星期四  星期五  星期六");
    EXPECT_EQ(lines[2], std::string(40, ' ') + "   1       2");
    EXPECT_EQ(lines[3], std::string(40, ' ') + "  廿五    廿六");
    // 3–9 February: 立春 on the 4th, 除夕 on the 6th, 春节 on the 7th.
    EXPECT_EQ(lines[4], "   3       4       5       6       7       8       9");
    EXPECT_EQ(lines[5], "  廿七    立春    廿九    除夕    春节    初二    初三");
    EXPECT_EQ(lines[9], "  十一    十二    雨水    十四   元宵节   十六    十七");
    EXPECT_EQ(lines[10], "   24      25      26      27      28      29");
    EXPECT_EQ(lines[11], "  十八    十九    二十    廿一    廿二    廿三");
}

TEST(MonthCommand, UsesSixWeeksOnlyWhenTheMonthNeedsThem) {
    // February 2009 starts on a Sunday with 28 days; March 2008 starts on a
    // Saturday with 31.
    EXPECT_EQ(Lines(RunCli({"month", "2009", "2"}).out).size(), 2u + 2 * 4);
    const std::vector<std::string> march = Lines(RunCli({"month", "2008", "3"}).out);
    ASSERT_EQ(march.size(), 2u + 2 * 6);
    EXPECT_EQ(march[2], std::string(48, ' ') + "   1");
    EXPECT_EQ(march[3], std::string(48, ' ') + "  廿四");
    EXPECT_EQ(march[12], "   30      31");
}

TEST(MonthCommand, RejectsAnInvalidMonth) {
    for (const jx::cli::Arguments& args :
         {jx::cli::Arguments{"month", "2008", "13"}, jx::cli::Arguments{"month", "2008", "0"},
          jx::cli::Arguments{"month", "x", "1"}}) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.code, jx::cli::kExitBadInput);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "请选择有效的日期!\n");
    }
    EXPECT_EQ(RunCli({"month", "2008"}).code, jx::cli::kExitBadInput);
}

}  // namespace
