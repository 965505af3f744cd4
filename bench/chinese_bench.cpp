// Costs of the Chinese calendar: single conversions with the tables cached
// and freshly built, whole-range sweeps, and the same work by ICU's Chinese
// calendar for comparison.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/time/euro_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

using namespace tavro;

constexpr int32_t kFirstDay = 625333;   // -3000-01-01
constexpr int32_t kLastDay = 2816788;   // 3000-01-01
const int32_t kFirst1901 = GregorianJDN(1901, 1, 1);
const int32_t kLast2100 = GregorianJDN(2100, 12, 31);

// The whole admissible range, day by day, from an empty cache. Registered
// first so that its first run also finds the engine's memory empty.
void BM_WholeRangeDayByDay_Cold(benchmark::State& state) {
  const Settings s;
  for (auto _ : state) {
    ClearLunarYearCache();
    int64_t sum = 0;
    for (int32_t n = kFirstDay; n <= kLastDay; ++n) {
      ChlDate l;
      ChsDate c;
      benchmark::DoNotOptimize(CJDateToChDates(n + 0.5, s, c, l));
      sum += l.day + c.day;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kLastDay - kFirstDay + 1));
}
BENCHMARK(BM_WholeRangeDayByDay_Cold)->Unit(benchmark::kSecond)->Iterations(1);

// The same conversion again and again; `cold` empties the lunar-year tables
// before each (outside the timing).
void ConvertOneDay(benchmark::State& state, bool cold) {
  const Settings s;
  const int32_t day = GregorianJDN(2024, 2, 10);
  ChlDate l;
  ChsDate c;
  benchmark::DoNotOptimize(CJDateToChDates(day + 0.5, s, c, l));
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      ClearLunarYearCache();
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(CJDateToChDates(day + 0.5, s, c, l));
    benchmark::DoNotOptimize(l.day);
  }
}

// One conversion whose tables are cached.
void BM_CJDateToChDates_Warm(benchmark::State& state) { ConvertOneDay(state, false); }
BENCHMARK(BM_CJDateToChDates_Warm);

// One conversion that must build its tables (from the engine's memoised
// values: the cost of a table build).
void BM_CJDateToChDates_Cold(benchmark::State& state) { ConvertOneDay(state, true); }
BENCHMARK(BM_CJDateToChDates_Cold);

void BM_ChLDateToJDN_Warm(benchmark::State& state) {
  const Settings s;
  ChlDate d;
  d.cycle = 79;
  d.position = 41;
  d.month = 5;
  d.day = 12;
  benchmark::DoNotOptimize(ChLDateToJDN(d, s));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChLDateToJDN(d, s));
    benchmark::DoNotOptimize(d.jdn);
  }
}
BENCHMARK(BM_ChLDateToJDN_Warm);

// 1901..2100 day by day (lunar and solar date of each day), tables cached
// after the first pass: the work ICU is measured on below.
void BM_Days1901To2100_Warm(benchmark::State& state) {
  const Settings s;
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t n = kFirst1901; n <= kLast2100; ++n) {
      ChlDate l;
      ChsDate c;
      benchmark::DoNotOptimize(CJDateToChDates(n + 0.5, s, c, l));
      sum += l.day + l.month + l.leap + l.position;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kLast2100 - kFirst1901 + 1));
}
BENCHMARK(BM_Days1901To2100_Warm)->Unit(benchmark::kMillisecond);

// ICU's Chinese calendar: year, month, leap flag and day of each day of
// 1901..2100 at 120 degrees East (UTC+8), noon local time.
void BM_Icu_Days1901To2100(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> cal(icu::Calendar::createInstance(
      icu::TimeZone::createTimeZone("GMT+08:00"), icu::Locale("en_US@calendar=chinese"), status));
  if (U_FAILURE(status) || !cal) {
    state.SkipWithError("ICU Chinese calendar unavailable");
    return;
  }
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t n = kFirst1901; n <= kLast2100; ++n) {
      // Noon at 120 degrees East is 04:00 UT of the same civil day.
      const double ms = (n - 2440588 + 4.0 / 24.0) * 86400000.0;
      cal->setTime(ms, status);
      sum += cal->get(UCAL_DATE, status) + cal->get(UCAL_MONTH, status) + cal->get(UCAL_IS_LEAP_MONTH, status) +
             cal->get(UCAL_EXTENDED_YEAR, status);
    }
    benchmark::DoNotOptimize(sum);
  }
  if (U_FAILURE(status)) state.SkipWithError("ICU conversion failed");
  state.SetItemsProcessed(state.iterations() * (kLast2100 - kFirst1901 + 1));
}
BENCHMARK(BM_Icu_Days1901To2100)->Unit(benchmark::kMillisecond);

}  // namespace
