#pragma once
// What the day view shows of one almanac row, without window or database.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace jx {

// "Select top 1 * from huangdao where gn = #" + date text + "#"; the date text is used as typed.
std::string DayQueryText(std::string_view dateText);

// One labelled result line and the column it shows.
struct DayReportLine {
    std::string_view label;
    std::string_view column;
};

// The labelled lines of the result, in order; an empty line follows each but the last.
inline constexpr std::array<DayReportLine, 9> kDayReportLines{{
    {"岁次:", "suici"},
    {"每日胎神占方:", "tszf"},
    {"五行:", "wuhang"},
    {"冲:", "cong"},
    {"彭祖百忌:", "pzbj"},
    {"吉神宜趋:", "jsyq"},
    {"宜:", "yi"},
    {"凶神宜忌:", "xsyq"},
    {"忌:", "ji"},
}};

inline constexpr std::string_view kHoursHeading = "本日吉时如下:";

// The eleven values of a row, already trimmed.
struct DayFields {
    std::string nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji, jishi;

    // The value of a column named in kDayReportLines (or "nn", "jishi").
    const std::string& column(std::string_view name) const;
    std::string& column(std::string_view name) {
        return const_cast<std::string&>(std::as_const(*this).column(name));
    }
};

struct DayReport {
    std::string overview;            // date text, two blanks, nn
    std::vector<std::string> lines;  // 17 lines, or 20 with the hours
};

DayReport BuildDayReport(std::string_view dateText, const DayFields& fields, bool includeHours);

// The 34 lines of the glossary below the result.
extern const std::array<std::string_view, 34> kGlossaryLines;

}  // namespace jx
