#include <gtest/gtest.h>

#include "app/DateSelection.h"

namespace jx {
namespace {

TEST(CheckDateSelection, ReportsTheFirstMissingPartOnly) {
    struct Case {
        std::string year, month, day, message;
    };
    const Case cases[] = {
        {"", "", "", "请选择年!"},
        {"  ", "05", "01", "请选择年!"},
        {"2010", "", "", "请选择月!"},
        {"2010", "05", " \t", "请选择日!"},
        {"2011", "02", "29", "请选择有效的日期!"},
        {"2010", "04", "31", "请选择有效的日期!"},
        {"abcd", "05", "01", "请选择有效的日期!"},
        {"2010", "05", "1a", "请选择有效的日期!"},
        {"2010", "13", "01", "请选择有效的日期!"},
        {"2010", "00", "01", "请选择有效的日期!"},
        {"2010", "05", "00", "请选择有效的日期!"},
        {"2010", "5-1", "1", "请选择有效的日期!"},  // four groups
        {"2010", "+5", "1", "请选择有效的日期!"},
        {"2010", "５", "1", "请选择有效的日期!"},  // full-width digit
        {"10000", "1", "1", "请选择有效的日期!"},
        {"1900", "02", "29", "请选择有效的日期!"},
        {"2010", "05", "1234567890123", "请选择有效的日期!"},
    };
    for (const Case& c : cases) {
        const DateCheck check = CheckDateSelection(c.year, c.month, c.day);
        EXPECT_FALSE(check.selection) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(check.message, c.message) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(CheckDateSelection, AcceptsRealDatesAsTypedAndTrimmed) {
    struct Case {
        std::string year, month, day, dateText;
    };
    const Case cases[] = {
        {"2010", "05", "01", "2010-05-01"},
        {"2010", "4", "5", "2010-4-5"},
        {"2012", "02", "29", "2012-02-29"},
        {"2000", "2", "29", "2000-2-29"},
        {" 2025 ", "\t12", "31\r\n", "2025-12-31"},
        {"1", "1", "1", "1-1-1"},      // completed to 2001
        {"04", "2", "29", "04-2-29"},  // 2004 is a leap year
        {"9999", "12", "31", "9999-12-31"},
    };
    for (const Case& c : cases) {
        const DateCheck check = CheckDateSelection(c.year, c.month, c.day);
        ASSERT_TRUE(check.selection) << c.dateText << ": " << check.message;
        EXPECT_EQ(check.selection->dateText, c.dateText);
        EXPECT_EQ(check.selection->year + "-" + check.selection->month + "-" + check.selection->day,
                  c.dateText);
    }
}

TEST(ParseDateText, CompletesShortYearsInTheWindow1930To2029) {
    using namespace std::chrono;
    EXPECT_EQ(ParseDateText("29-1-1"), year{2029} / 1 / 1);
    EXPECT_EQ(ParseDateText("30-1-1"), year{1930} / 1 / 1);
    EXPECT_EQ(ParseDateText("0-1-1"), year{2000} / 1 / 1);
    EXPECT_EQ(ParseDateText("099-1-1"), year{99} / 1 / 1);  // three digits are taken as written
    EXPECT_FALSE(ParseDateText("0000-1-1"));
    EXPECT_FALSE(ParseDateText("30-2-29"));  // 1930 is no leap year
    EXPECT_FALSE(ParseDateText("2010-05-01-"));
    EXPECT_FALSE(ParseDateText("-2010-05-01"));
    EXPECT_FALSE(ParseDateText("2010/05/01"));
}

TEST(DateTexts, AreFourAndTwoDigits) {
    using namespace std::chrono;
    const year_month_day d = year{2012} / 3 / 5;
    EXPECT_EQ(YearText(d), "2012");
    EXPECT_EQ(MonthText(d), "03");
    EXPECT_EQ(DayText(d), "05");
}

}  // namespace
}  // namespace jx
