// jixing-cli lunar YEAR MONTH DAY: every name the calendar gives one day, on one
// tab-separated line.
#include <optional>
#include <string>

#include "calendar/DateCn.h"
#include "cli/CliCommand.h"

namespace jx::cli {

int RunLunar(const Arguments& args, Context& context) {
    if (args.size() != 3) {
        context.err << "用法: jixing-cli lunar 年 月 日\n";
        return kExitBadInput;
    }
    const std::optional<Date> date = DateArgument(args[0], args[1], args[2]);
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
