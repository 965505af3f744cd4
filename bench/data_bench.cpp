// The data window's long listings, each run as the user starts it: the
// month-start and new-year lists over 1000 years, the Julian/CE new years over
// 500 years, the random self-test (a fixed seed) and the year data. Target:
// under a second each once the engine's memoised values are warm, so each
// benchmark runs its work once before timing it.
#include <benchmark/benchmark.h>

#include "app/data/frm_data.h"
#include "app/ui/fake_platform.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

struct Window {
  ui::FakePlatform platform;
  FrmData data{platform};
  explicit Window(int year, int month, int day) { data.inputs.ajd = GregorianJDN(year, month, day); }
};

void RunList(int window, const char* years, int year, int month, int day) {
  Window w(year, month, day);
  w.data.intWindow = window;
  w.data.txbNumYears.text = years;
  w.data.cmdList_Click();
  benchmark::DoNotOptimize(w.data.txbText.text.size());
}

// The first run fills the engine's memo; the timed runs are the warm ones.
void List(benchmark::State& state, int window, const char* years, int year, int month, int day) {
  RunList(window, years, year, month, day);
  for (auto _ : state) RunList(window, years, year, month, day);
}

void BM_MonthStartsList1000(benchmark::State& state) { List(state, kWindowMonthStarts, "1000", 2000, 6, 1); }
void BM_LunarNewYearList1000(benchmark::State& state) { List(state, kWindowNewYears, "1000", 1500, 2, 9); }
void BM_JcCeNewYears500(benchmark::State& state) { List(state, kWindowJcCeNewYears, "500", 1800, 6, 1); }

void RunSelfTest() {
  Window w(2000, 1, 1);
  w.data.useSeed = true;
  w.data.seed = 1;
  w.data.DoTest();
  benchmark::DoNotOptimize(w.data.txbText.text.size());
}

void BM_SelfTest(benchmark::State& state) {
  RunSelfTest();
  for (auto _ : state) RunSelfTest();
}

void BM_YearData(benchmark::State& state) {
  for (auto _ : state) {
    Window w(2024, 6, 1);
    w.data.chkIncludeMajorSolarTerms.value = 1;
    w.data.chkIncludeMinorSolarTerms.value = 1;
    w.data.chkDisplaySolarTermNames.value = 1;
    w.data.DisplayYearData();
    benchmark::DoNotOptimize(w.data.txbText.text.size());
  }
}

BENCHMARK(BM_MonthStartsList1000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LunarNewYearList1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JcCeNewYears500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelfTest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_YearData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavro
