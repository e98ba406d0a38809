#pragma once
// Dates in failure messages; the standard library here cannot stream them yet.
#include <chrono>
#include <cstdio>
#include <string>

inline std::string DateText(const std::chrono::year_month_day& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

inline std::string DateText(std::chrono::sys_days day) {
    return DateText(std::chrono::year_month_day{day});
}
