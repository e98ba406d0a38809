// Whole-range properties of the generated SanBirth.dll beside the executables.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/DayReport.h"
#include "calendar/DateCn.h"
#include "common/ConnectionStrings.h"
#include "data/AlmanacRules.h"
#include "platform/Query.h"

namespace jx {
namespace {

using namespace std::chrono;

constexpr std::array<const char*, 12> kColumns = {
    "gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji", "jishi"};
constexpr std::array<std::string_view, 12> kJianChu = {"建", "除", "满", "平", "定", "执",
                                                       "破", "危", "成", "收", "开", "闭"};
constexpr std::array<std::string_view, 12> kZhiShen = {
    "青龙", "明堂", "天刑", "朱雀", "金匮", "天德", "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};

using Row = std::array<std::string, 12>;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

template <std::size_t N>
int IndexIn(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

int CycleIndex(std::string_view name) {
    for (int i = 0; i < 60; ++i)
        if (almanac::CycleName(i) == name) return i;
    return -1;
}

class GeneratedAlmanac : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        path_ = ExecutableFolder() + "SanBirth.dll";
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK)
            << path_;
        sqlite3_stmt* statement = nullptr;
        ASSERT_EQ(
            sqlite3_prepare_v2(db, "SELECT * FROM huangdao ORDER BY gn", -1, &statement, nullptr),
            SQLITE_OK)
            << sqlite3_errmsg(db);
        ASSERT_EQ(sqlite3_column_count(statement), 12);
        for (int i = 0; i < 12; ++i) EXPECT_STREQ(sqlite3_column_name(statement, i), kColumns[i]);
        rows_ = new std::vector<Row>;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            Row row;
            for (int i = 0; i < 12; ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row[static_cast<std::size_t>(i)] = text ? reinterpret_cast<const char*>(text) : "";
            }
            rows_->push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    static void TearDownTestSuite() {
        delete rows_;
        rows_ = nullptr;
    }
    static std::string path_;
    static std::vector<Row>* rows_;
};
std::string GeneratedAlmanac::path_;
std::vector<Row>* GeneratedAlmanac::rows_ = nullptr;

TEST_F(GeneratedAlmanac, HasOneRowForEveryDayFrom1901To2050WithNoEmptyField) {
    ASSERT_EQ(rows_->size(), 54787u);
    sys_days expected{1901y / January / 1};
    for (const Row& row : *rows_) {
        const year_month_day date{expected};
        char gn[16];
        std::snprintf(gn, sizeof gn, "%04d-%02u-%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
        ASSERT_EQ(row[0], gn);
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_FALSE(row[i].empty()) << row[0] << " " << kColumns[i];
        expected += days{1};
    }
}

TEST_F(GeneratedAlmanac, DayCycleAdvancesByOneEveryDay) {
    int previous = -1;
    for (const Row& row : *rows_) {
        const auto words = Words(row[2]);  // 庚寅年 庚辰月 辛亥日
        ASSERT_EQ(words.size(), 3u) << row[0];
        const int cycle = CycleIndex(words[2].substr(0, words[2].size() - 3));
        ASSERT_GE(cycle, 0) << row[0];
        if (previous >= 0) {
            ASSERT_EQ(cycle, (previous + 1) % 60) << row[0];
        }
        previous = cycle;
    }
    // 1949-10-01 was a 甲子 day.
    const auto index = (sys_days{1949y / October / 1} - sys_days{1901y / January / 1}).count();
    EXPECT_EQ(Words((*rows_)[static_cast<std::size_t>(index)][2])[2], "甲子日");
}

TEST_F(GeneratedAlmanac, JianChuAndZhiShenAdvanceDailyAndTheMonthTurnsOnItsJie) {
    int previousJianChu = -1, previousZhiShen = -1;
    std::string previousMonth;
    int monthStarts = 0;
    for (const Row& row : *rows_) {
        const std::string month = Words(row[2])[1];
        const auto wuhang = Words(row[4]);  // 钗钏金 危执位
        ASSERT_EQ(wuhang.size(), 2u) << row[0];
        const int jianChu = IndexIn(kJianChu, wuhang[1].substr(0, wuhang[1].size() - 6));
        const auto nn = Words(row[1]);  // 农历三月十八 星期六 玉堂(黄道)
        ASSERT_EQ(nn.size(), 3u) << row[0];
        const std::string zhiShenName = nn[2].substr(0, nn[2].find('('));
        const int zhiShen = IndexIn(kZhiShen, zhiShenName);
        ASSERT_GE(jianChu, 0) << row[0];
        ASSERT_GE(zhiShen, 0) << row[0];
        EXPECT_EQ(nn[2].substr(zhiShenName.size()),
                  almanac::IsHuangDao(zhiShen) ? "(黄道)" : "(黑道)");

        const int y = std::stoi(row[0].substr(0, 4));
        const int m = std::stoi(row[0].substr(5, 2));
        const int d = std::stoi(row[0].substr(8, 2));
        const bool jieDay = SolarTermIndex(y, m, d) == 2 * m - 1;
        if (!previousMonth.empty()) {
            EXPECT_EQ(month != previousMonth, jieDay) << row[0];
            if (jieDay) {
                ++monthStarts;
                // The month's branch and the day's both step on: 建除 repeats,
                // and 值神, whose start moves two places, falls back one.
                EXPECT_EQ(jianChu, previousJianChu) << row[0];
                EXPECT_EQ(zhiShen, (previousZhiShen + 11) % 12) << row[0];
            } else {
                EXPECT_EQ(jianChu, (previousJianChu + 1) % 12) << row[0];
                EXPECT_EQ(zhiShen, (previousZhiShen + 1) % 12) << row[0];
            }
        }
        previousMonth = month;
        previousJianChu = jianChu;
        previousZhiShen = zhiShen;
    }
    EXPECT_EQ(monthStarts, 150 * 12);
}

TEST_F(GeneratedAlmanac, NoActivityBothSuitsAndDoesNotSuitADay) {
    for (const Row& row : *rows_) {
        const auto yi = Words(row[8]);
        const auto jiWords = Words(row[10]);
        const std::set<std::string> ji(jiWords.begin(), jiWords.end());
        for (const auto& word : yi)
            if (word != "无") {
                EXPECT_EQ(ji.count(word), 0u) << row[0] << " " << word;
            }
    }
}

TEST_F(GeneratedAlmanac, EveryDayHasSixAuspiciousHoursStartingWithItsOwnZiHour) {
    for (const Row& row : *rows_) {
        const auto hours = Words(row[11]);
        ASSERT_EQ(hours.size(), 6u) << row[0];
        const std::string dayName = Words(row[2])[2];
        const int day = CycleIndex(dayName.substr(0, dayName.size() - 3));
        // The stems run on from the 子 hour's without a break.
        for (const auto& hour : hours) {
            const std::string branch = hour.substr(3, 3);
            int h = 0;
            while (almanac::BranchName(h) != branch) ++h;
            EXPECT_EQ(hour.substr(0, 3), almanac::StemName(almanac::ZiHourStem(day % 10) + h))
                << row[0];
        }
    }
}

TEST_F(GeneratedAlmanac, TheYearOfSuiciChangesOnTheFirstOfTheFirstLunarMonth) {
    std::string previousYear;
    int changes = 0;
    for (const Row& row : *rows_) {
        const std::string year = Words(row[2])[0];
        if (!previousYear.empty() && year != previousYear) {
            ++changes;
            EXPECT_EQ(Words(row[1])[0], "农历正月初一") << row[0];
        }
        previousYear = year;
    }
    EXPECT_EQ(changes, 150);  // every 春节 from 1901 to 2050
}

TEST_F(GeneratedAlmanac, TheDayViewsStatementFindsTheDayThroughAnIndex) {
    Query query;
    query.setConnectionString(SanBirthConnectionString());
    query.setStatement(DayQueryText("2010-5-1"));
    query.open();
    ASSERT_FALSE(query.isEmpty());
    EXPECT_EQ(query.field("gn"), "2010-05-01");
    EXPECT_EQ(query.field("nn"), "农历三月十八 星期六 玉堂(黄道)");
    EXPECT_EQ(query.field("jishi"), query.field(11));
    query.close();

    query.setStatement(DayQueryText("1900-12-31"));
    query.open();
    EXPECT_TRUE(query.isEmpty());

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* plan = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(db, "EXPLAIN QUERY PLAN SELECT * FROM huangdao WHERE gn = ? LIMIT 1", -1,
                           &plan, nullptr),
        SQLITE_OK);
    std::string steps;
    while (sqlite3_step(plan) == SQLITE_ROW)
        steps += reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)) + std::string("\n");
    sqlite3_finalize(plan);
    sqlite3_close(db);
    EXPECT_EQ(steps.find("SCAN"), std::string::npos) << steps;
    EXPECT_NE(steps.find("SEARCH"), std::string::npos) << steps;
}

}  // namespace
}  // namespace jx
