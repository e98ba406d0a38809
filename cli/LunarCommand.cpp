// jixing-cli lunar YEAR MONTH DAY: every name the calendar gives one day, on one
// tab-separated line.
#include <charconv>
#include <optional>
#include <string>

#include "calendar/DateCn.h"
#include "cli/CliCommand.h"

namespace jx::cli {

namespace {

std::optional<int> ParseNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || rest != end) return std::nullopt;
    return value;
}

std::optional<Date> ParseDate(const Arguments& args) {
    const std::optional<int> y = ParseNumber(args[0]);
    const std::optional<int> m = ParseNumber(args[1]);
    const std::optional<int> d = ParseNumber(args[2]);
    if (!y || !m || !d || *y < 1 || *y > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > 31) {
        return std::nullopt;
    }
    const Date date{std::chrono::year{*y}, std::chrono::month{static_cast<unsigned>(*m)},
                    std::chrono::day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    return date;
}

}  // namespace

int RunLunar(const Arguments& args, Context& context) {
    if (args.size() != 3) {
        context.err << "用法: jixing-cli lunar 年 月 日\n";
        return kExitBadInput;
    }
    const std::optional<Date> date = ParseDate(args);
    if (!date) {
        context.err << "请选择有效的日期!\n";
        return kExitBadInput;
    }
    context.out << LunarDate(*date) << '\t' << LunarMonthName(*date) << '\t' << LunarDayName(*date)
                << '\t' << LunarFestival(*date) << '\t' << SolarTerm(*date) << '\t'
                << GregorianFestival(DayOfDate(*date), *date) << '\t' << ZodiacAnimal(*date) << '\t'
                << Constellation(*date) << '\n';
    return kExitOk;
}

}  // namespace jx::cli
