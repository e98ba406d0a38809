// jixing-cli month YEAR MONTH: the month as the perpetual calendar shows it, each
// day's number over its lunar line, Sunday to Saturday.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/DateCn.h"
#include "calendar/LunarLine.h"
#include "cli/CliCommand.h"

namespace jx::cli {

namespace {

using namespace std::chrono;

constexpr int kColumnWidth = 8;  // terminal columns per weekday

constexpr std::string_view kWeekdayNames[] = {"星期日", "星期一", "星期二", "星期三",
                                              "星期四", "星期五", "星期六"};

// The text centred in its column.
std::string Cell(std::string_view text) {
    const int spare = kColumnWidth - DisplayWidth(text);
    const int left = spare > 0 ? spare / 2 : 0;
    const int right = spare > 0 ? spare - left : 0;
    return std::string(static_cast<std::size_t>(left), ' ') + std::string(text) +
           std::string(static_cast<std::size_t>(right), ' ');
}

void WriteLine(std::ostream& out, std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

// "2008年2月  亥猪", with the new animal and its first day when 春节 falls in the month.
std::string Header(const year_month& shown) {
    const year_month_day first{shown / 1};
    const std::string animal = ZodiacAnimal(first);
    std::string header = std::to_string(static_cast<int>(shown.year())) + "年" +
                         std::to_string(static_cast<unsigned>(shown.month())) + "月  " + animal;
    const unsigned length = static_cast<unsigned>(year_month_day_last{shown / last}.day());
    for (unsigned d = 2; d <= length; ++d) {
        const std::string next = ZodiacAnimal(shown / day{d});
        if (next != animal) {
            header += "（" + std::to_string(d) + "日起" + next + "）";
            break;
        }
    }
    return header;
}

}  // namespace

int RunMonth(const Arguments& args, Context& context) {
    if (args.size() != 2) {
        context.err << "用法: jixing-cli month 年 月\n";
        return kExitBadInput;
    }
    const std::optional<year_month_day> first = DateArgument(args[0], args[1], "1");
    if (!first) {
        context.err << "请选择有效的日期!\n";
        return kExitBadInput;
    }
    const year_month shown{first->year(), first->month()};

    WriteLine(context.out, Header(shown));
    std::string headings;
    for (std::string_view name : kWeekdayNames) headings += Cell(name);
    WriteLine(context.out, headings);

    // Day 1 sits in the column of its weekday; each row is a line of day numbers
    // and a line of lunar texts.
    const unsigned firstColumn = weekday{sys_days{shown / 1}}.c_encoding();  // 0 = Sunday
    const unsigned length = static_cast<unsigned>(year_month_day_last{shown / last}.day());
    std::string numbers(firstColumn * kColumnWidth, ' ');
    std::string lunar = numbers;
    for (unsigned d = 1; d <= length; ++d) {
        numbers += Cell(std::to_string(d));
        lunar += Cell(LunarLineOf(shown / day{d}).text);
        if ((firstColumn + d) % 7 == 0 || d == length) {
            WriteLine(context.out, numbers);
            WriteLine(context.out, lunar);
            numbers.clear();
            lunar.clear();
        }
    }
    return kExitOk;
}

}  // namespace jx::cli
