#include "app/DateSelection.h"

#include <array>
#include <cstdio>

#include "common/ShortYear.h"
#include "common/Text.h"

namespace jx {

namespace {

// Longer digit groups cannot name a valid part and would overflow.
constexpr std::size_t kMaxGroupDigits = 9;

std::optional<int> parseGroup(std::string_view group) {
    if (group.empty() || group.size() > kMaxGroupDigits) return std::nullopt;
    int value = 0;
    for (char c : group) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02u", value % 100);
    return buffer;
}

}  // namespace

std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text) {
    const std::size_t first = text.find('-');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = text.find('-', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view yearPart = text.substr(0, first);
    const auto year = parseGroup(yearPart);
    const auto month = parseGroup(text.substr(first + 1, second - first - 1));
    const auto day = parseGroup(text.substr(second + 1));  // a further "-" fails here
    if (!year || !month || !day) return std::nullopt;
    const int fullYear = CompleteShortYear(*year, yearPart.size());
    if (fullYear < 1 || fullYear > 9999 || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{fullYear},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return date;
}

DateCheck CheckDateSelection(std::string_view yearText, std::string_view monthText,
                             std::string_view dayText) {
    DateSelection s;
    s.year = Trim(yearText);
    if (s.year.empty()) return {std::nullopt, "请选择年!"};
    s.month = Trim(monthText);
    if (s.month.empty()) return {std::nullopt, "请选择月!"};
    s.day = Trim(dayText);
    if (s.day.empty()) return {std::nullopt, "请选择日!"};
    s.dateText = s.year + "-" + s.month + "-" + s.day;
    if (!ParseDateText(s.dateText)) return {std::nullopt, "请选择有效的日期!"};
    return {std::move(s), {}};
}

std::string YearText(std::chrono::year_month_day date) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04d", static_cast<int>(date.year()));
    return buffer;
}

std::string MonthText(std::chrono::year_month_day date) {
    return twoDigits(static_cast<unsigned>(date.month()));
}

std::string DayText(std::chrono::year_month_day date) {
    return twoDigits(static_cast<unsigned>(date.day()));
}

}  // namespace jx
