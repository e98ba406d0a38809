#include "calendar/MonthGrid.h"

#include <algorithm>

namespace jx {

using namespace std::chrono;

int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const year_month_day_last last{std::chrono::year{year} / std::chrono::month{unsigned(month)} /
                                   std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int MonthLengthOf(const Date& date) { return MonthLength(YearOfDate(date), MonthOfDate(date)); }

Date ClampedDate(int year, int month, int day) {
    const int length = std::max(MonthLength(year, month), 1);
    return std::chrono::year{year} / std::chrono::month{unsigned(month)} /
           std::chrono::day{unsigned(std::clamp(day, 1, length))};
}

int WeekdayOf(const Date& date) {
    return static_cast<int>(weekday{sys_days{date}}.c_encoding()) + 1;  // [1, 7]
}

int CellOfDay(const Date& date, int day) {
    const Date first = date.year() / date.month() / std::chrono::day{1};
    return WeekdayOf(first) + day - 1;  // [1, 37]
}

}  // namespace jx
