// The multiple element-animal scan over its longest spans. A year named by
// wood alone never has a wood-tiger month (its first month is fire or earth),
// so that pair is never found and the scan examines every day of every wood
// year in the span, with a year jump over the others.
#include <benchmark/benchmark.h>

#include "app/multisearch/frm_multiple_el_an.h"
#include "app/multisearch/scan.h"
#include "app/ui/fake_platform.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

ElementAnimalRows NeverMet() {
  ElementAnimalRows rows;
  rows[kRowMonth] = {0, 2};  // wood-tiger month
  rows[kRowYear] = {0, kNoAnimal};  // wood year
  return rows;
}

// From 1900 forward, or from 2900 back: the whole span inside the range.
int32_t StartDay(int direction) { return GregorianJDN(direction > 0 ? 1900 : 2900, 1, 1); }

void ScanNothing(benchmark::State& state, int years, int direction) {
  Settings s;
  const int32_t start = StartDay(direction);
  const int32_t end = ScanEndDay(start, direction, years, s);
  int64_t candidates = 0;
  for (auto _ : state) {
    ScanResult r = ScanDays(NeverMet(), start, direction, end, s, [](int64_t, int32_t, const ChlDate&) { return true; });
    if (r.end != ScanEnd::NotFound) state.SkipWithError("found a day that cannot exist");
    candidates = r.candidates;
  }
  state.counters["candidates"] = static_cast<double>(candidates);
}

void BM_Scan1000YearsNothingFound(benchmark::State& state) { ScanNothing(state, 1000, +1); }
BENCHMARK(BM_Scan1000YearsNothingFound)->Unit(benchmark::kMillisecond);

void BM_Scan1000YearsBackNothingFound(benchmark::State& state) { ScanNothing(state, 1000, -1); }
BENCHMARK(BM_Scan1000YearsBackNothingFound)->Unit(benchmark::kMillisecond);

// The same with the lunar-year tables rebuilt for every year (the engine's
// own memoised values stay warm).
void BM_Scan1000YearsNothingFoundTablesCold(benchmark::State& state) {
  Settings s;
  const int32_t start = StartDay(+1);
  const int32_t end = ScanEndDay(start, +1, 1000, s);
  for (auto _ : state) {
    state.PauseTiming();
    ClearLunarYearCache();
    state.ResumeTiming();
    benchmark::DoNotOptimize(ScanDays(NeverMet(), start, +1, end, s));
  }
}
BENCHMARK(BM_Scan1000YearsNothingFoundTablesCold)->Unit(benchmark::kMillisecond);

void BM_Scan100YearsNothingFound(benchmark::State& state) { ScanNothing(state, 100, +1); }
BENCHMARK(BM_Scan100YearsNothingFound)->Unit(benchmark::kMillisecond);

// The whole window on a fake platform: a yield, a flag check and (every 20
// candidates) a progress text per day examined.
void BM_Window1000YearsNothingFound(benchmark::State& state) {
  ui::FakePlatform platform;
  FrmMultipleElAn w(platform);
  const ElementAnimalRows rows = NeverMet();
  for (int r = 0; r < 3; ++r) {
    w.cboElement[r].index = rows[r].element;
    w.cboAnimal[r].index = rows[r].animal;
  }
  w.cboWithin.index = 3;
  MultipleSearchInputs in;
  in.currentAJD = StartDay(+1);
  for (auto _ : state) {
    w.Show(in);
    w.cmdSearch_Click();
    if (!w.blnCancel) state.SkipWithError("found a day that cannot exist");
  }
}
BENCHMARK(BM_Window1000YearsNothingFound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavro
