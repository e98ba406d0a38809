#include "calendar/LunarLine.h"

namespace jx {

LunarLine LunarLineOf(const Date& date) {
    LunarLine line{LunarDayName(date), LunarLineKind::LunarDay};
    if (line.text == "初一") line = {LunarMonthName(date), LunarLineKind::LunarMonth};
    if (std::string text = GregorianFestival(DayOfDate(date), date); !text.empty()) {
        line = {std::move(text), LunarLineKind::GregorianFestival};
    }
    if (std::string text = SolarTerm(date); !text.empty()) {
        line = {std::move(text), LunarLineKind::SolarTerm};
    }
    if (std::string text = LunarFestival(date); !text.empty()) {
        line = {std::move(text), LunarLineKind::LunarFestival};
    }
    return line;
}

}  // namespace jx
