#pragma once
// The line of Chinese-calendar text under a day of the month view, shared by
// the perpetual-calendar window and the terminal tool.
#include <string>

#include "calendar/DateCn.h"

namespace jx {

// What the line shows, weakest first; each later kind replaces the earlier ones
// when the day has it. The window colours the line by kind.
enum class LunarLineKind {
    LunarDay,           // "初二" … "三十"
    LunarMonth,         // the month's name on its first day: "三月", "闰四"
    GregorianFestival,  // "妇女节"
    SolarTerm,          // "立春"
    LunarFestival,      // "春节", "除夕"
};

struct LunarLine {
    std::string text;
    LunarLineKind kind = LunarLineKind::LunarDay;
};

// The line under the date's cell.
LunarLine LunarLineOf(const Date& date);

}  // namespace jx
