#pragma once
// The year, month and day a user picks in three editable lists, and the check
// that turns their texts into a date text or a message.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace jx {

struct DateSelection {
    std::string year;  // trimmed, as typed
    std::string month;
    std::string day;
    std::string dateText;  // year + "-" + month + "-" + day, not reformatted
};

struct DateCheck {
    std::optional<DateSelection> selection;
    std::string message;  // set when selection is empty
};

DateCheck CheckDateSelection(std::string_view yearText, std::string_view monthText,
                             std::string_view dayText);

// Reads a date text as the short-date format "yyyy-MM-dd" does: three groups of
// ASCII digits separated by "-", nothing else, naming a real Gregorian date in
// years 1 to 9999. A one- or two-digit year is completed by CompleteShortYear.
std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text);

// The texts "yyyy", "MM" and "dd" of a date.
std::string YearText(std::chrono::year_month_day date);
std::string MonthText(std::chrono::year_month_day date);
std::string DayText(std::chrono::year_month_day date);

}  // namespace jx
