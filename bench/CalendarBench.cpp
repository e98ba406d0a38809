// Lunar conversion of every day from 1901 to 2050: the table-driven LunarDate
// against ICU's astronomical Chinese calendar, in the same run. Both report
// seconds per day ("per_day") and days per second.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>
#include <vector>

#include "calendar/DateCn.h"

namespace {

using namespace std::chrono;

const std::vector<year_month_day>& AllDays() {
    static const std::vector<year_month_day> days = [] {
        std::vector<year_month_day> all;
        for (sys_days d{1901y / January / 1}; d <= sys_days{2050y / December / 31};
             d += std::chrono::days{1}) {
            all.emplace_back(d);
        }
        return all;
    }();
    return days;
}

void ReportPerDay(benchmark::State& state, std::size_t daysPerIteration) {
    const auto processed = static_cast<double>(daysPerIteration);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * daysPerIteration));
    state.counters["per_day"] = benchmark::Counter(
        processed, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LunarDate(benchmark::State& state) {
    const std::vector<year_month_day>& days = AllDays();
    for (auto _ : state) {
        for (const year_month_day& day : days) benchmark::DoNotOptimize(jx::LunarDate(day));
    }
    ReportPerDay(state, days.size());
}
BENCHMARK(BM_LunarDate)->Unit(benchmark::kMillisecond);

void BM_IcuChineseCalendar(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::createTimeZone("UTC"), icu::Locale("@calendar=chinese"), status));
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU has no Chinese calendar");
        return;
    }
    const std::vector<year_month_day>& days = AllDays();
    for (auto _ : state) {
        for (const year_month_day& day : days) {
            const double noon = (sys_days{day}.time_since_epoch().count() + 0.5) * U_MILLIS_PER_DAY;
            calendar->setTime(noon, status);
            const int month = calendar->get(UCAL_MONTH, status) + 1;
            const int dayOfMonth = calendar->get(UCAL_DATE, status);
            const bool leap = calendar->get(UCAL_IS_LEAP_MONTH, status) != 0;
            benchmark::DoNotOptimize(leap ? -(month * 100 + dayOfMonth) : month * 100 + dayOfMonth);
        }
    }
    ReportPerDay(state, days.size());
}
BENCHMARK(BM_IcuChineseCalendar)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
