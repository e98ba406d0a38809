#include <exception>

#include "almanac/DayReport.h"
#include "app/DateSelection.h"
#include "cli/CliCommand.h"
#include "common/ConnectionStrings.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "platform/Query.h"

namespace jx::cli {

namespace {

DayFields readFields(const Query& query) {
    DayFields f;
    for (const char* column :
         {"nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"})
        f.column(column) = Trim(query.field(column));
    return f;
}

}  // namespace

// day [YEAR MONTH DAY] [--no-hours]: the almanac of a day as the day view shows it.
int RunDay(const Arguments& args, Context& context) {
    bool includeHours = true;
    Arguments date;
    for (const std::string& arg : args) {
        if (arg == "--no-hours")
            includeHours = false;
        else
            date.push_back(arg);
    }
    if (date.empty()) {
        date = {YearText(context.today), MonthText(context.today), DayText(context.today)};
    } else if (date.size() != 3) {
        context.err << "用法: jixing-cli day [年 月 日] [--no-hours]\n";
        return kExitBadInput;
    }
    const DateCheck check = CheckDateSelection(date[0], date[1], date[2]);
    if (!check.selection) {
        context.err << check.message << "\n";
        return kExitBadInput;
    }
    const std::string& dateText = check.selection->dateText;
    try {
        Query query;
        query.setConnectionString(MakeConnectionString(context.dataFolder, "SanBirth.dll"));
        query.setStatement(DayQueryText(dateText));
        query.open();
        if (query.isEmpty()) {
            context.err << "黄历中没有 " << dateText << " 这一天的记录\n";
            return kExitNotFound;
        }
        DayFields fields = readFields(query);
        if (includeHours) {
            // As in the window, a row without hours still shows the rest.
            try {
                fields.jishi = Trim(query.field("jishi"));
            } catch (const DatabaseError&) {
                includeHours = false;
            }
        }
        const DayReport report = BuildDayReport(dateText, fields, includeHours);
        context.out << report.overview << "\n";
        for (const std::string& line : report.lines) context.out << line << "\n";
        return kExitOk;
    } catch (const std::exception& error) {
        context.err << WithFullStop(error.what()) << "\n";
        return kExitDataError;
    }
}

}  // namespace jx::cli
