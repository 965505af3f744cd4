// Costs of the astronomical engine: cold solves against the library's own
// cost, and memoised lookups.
#include <benchmark/benchmark.h>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/time/euro_date.h"

namespace {

using namespace tavro;

// Positions computed per iteration, so the figures can be read as
// evaluations per solve.
struct PositionCounter {
  uint64_t start = engine::PositionCount();
  void Report(benchmark::State& state, double perItems) {
    state.counters["positions_per_item"] =
        static_cast<double>(engine::PositionCount() - start) / (static_cast<double>(state.iterations()) * perItems);
  }
};

// Scattered samples over -3000..3000: instants, lunations and years.
double NextInstant(double t, double step) { return t + step > 2816000.0 ? 626000.0 : t + step; }
int32_t NextLunation(int32_t n) { return n < 12000 ? n + 1013 : -60000; }
int32_t NextYear(int32_t year) { return year < 2990 ? year + 97 : -2990; }

// Empties the engine's caches and moves to the next sample, outside the timing.
template <class Step>
void ColdStep(benchmark::State& state, Step step) {
  state.PauseTiming();
  engine::ClearCaches();
  step();
  state.ResumeTiming();
}

// Lunations 300..363 solved once, then again and again.
template <class Solve>
void WarmSyzygies(benchmark::State& state, Solve solve) {
  int32_t n = 300;
  for (int32_t k = 300; k < 364; ++k) solve(k);
  for (auto _ : state) {
    benchmark::DoNotOptimize(solve(n));
    n = n < 363 ? n + 1 : 300;
  }
}

// One evaluation of the elongation (Sun and Moon with rates), at scattered dates.
void BM_Raw_ElongationEvaluation(benchmark::State& state) {
  double t = 2451550.0;
  for (auto _ : state) {
    engine::Longitude sun, moon;
    engine::SunAndMoonTT(t, sun, moon);
    benchmark::DoNotOptimize(moon.degrees);
    t = NextInstant(t, 29.53 * 7 + 0.37);
  }
}
BENCHMARK(BM_Raw_ElongationEvaluation);

// A new-moon solve as it comes without our starting point: Newton from the
// mean lunation.
void BM_Raw_NewMoonSolveFromMeanLunation(benchmark::State& state) {
  int32_t n = -60000;
  PositionCounter counter;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::SolveSyzygyFromMeanLunation(n, 0));
    n = NextLunation(n);
  }
  counter.Report(state, 1);
}
BENCHMARK(BM_Raw_NewMoonSolveFromMeanLunation);

// The library's own search for the Sun reaching a longitude.
void BM_Raw_LibrarySolarTermCrossing(benchmark::State& state) {
  double t = 626000.0;
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::LibrarySunCrossing(15.0 * (k % 24), t));
    ++k;
    t = NextInstant(t, 365.2422 * 13 + 15.2);
  }
}
BENCHMARK(BM_Raw_LibrarySolarTermCrossing);

void BM_SyzygyUT_Cold(benchmark::State& state) {
  int32_t n = -60000;
  PositionCounter counter;
  for (auto _ : state) {
    ColdStep(state, [&] { n = NextLunation(n); });
    benchmark::DoNotOptimize(SyzygyUT(n, 0));
  }
  counter.Report(state, 1);
}
BENCHMARK(BM_SyzygyUT_Cold);

void BM_SyzygyUT_Warm(benchmark::State& state) {
  WarmSyzygies(state, [](int32_t n) { return SyzygyUT(n, 0); });
}
BENCHMARK(BM_SyzygyUT_Warm);

void BM_Syzygy_TT_Warm(benchmark::State& state) {
  WarmSyzygies(state, [](int32_t n) { return _syzyg(n, 0, nullptr); });
}
BENCHMARK(BM_Syzygy_TT_Warm);

void BM_SixTermInterval_Cold(benchmark::State& state) {
  int32_t year = -2990;
  PositionCounter counter;
  for (auto _ : state) {
    double t0 = 0, t1 = 0;
    ColdStep(state, [&] {
      year = NextYear(year);
      t0 = QuarterPointJDE(MarchEquinox, year);
      t1 = QuarterPointJDE(JuneSolstice, year);
    });
    double out[6];
    _solar_terms_true_sun(t0, t1, out);
    benchmark::DoNotOptimize(out[5]);
  }
  counter.Report(state, 6);
}
BENCHMARK(BM_SixTermInterval_Cold);

void BM_SixTermInterval_Warm(benchmark::State& state) {
  const double t0 = QuarterPointJDE(MarchEquinox, 2024), t1 = QuarterPointJDE(JuneSolstice, 2024);
  double out[6];
  _solar_terms_true_sun(t0, t1, out);
  for (auto _ : state) {
    _solar_terms_true_sun(t0, t1, out);
    benchmark::DoNotOptimize(out[5]);
  }
}
BENCHMARK(BM_SixTermInterval_Warm);

// The engine work of one lunar year: 14 quarter points, the 13 intervals
// between them, 42 syzygies.
void LunarYearWork(int32_t year) {
  double quarter[14];
  for (int k = 0; k < 14; ++k) {
    const int kind = (k + 3) % 4;
    const int32_t y = year - 1 + (k + 3) / 4;
    quarter[k] = QuarterPointJDE(kind, y);
    benchmark::DoNotOptimize(QuarterPointUT(kind, y));
  }
  double out[6];
  for (int k = 0; k < 13; ++k) _solar_terms_true_sun(quarter[k], quarter[k + 1], out);
  const int32_t n0 = LunationContaining(quarter[0] - 30.0);
  for (int i = 0; i < 42; ++i) benchmark::DoNotOptimize(SyzygyUT(n0 + i / 4, static_cast<int16_t>(i % 4)));
}

void BM_LunarYearEngineWork_Cold(benchmark::State& state) {
  int32_t year = -2990;
  PositionCounter counter;
  for (auto _ : state) {
    ColdStep(state, [&] { year = NextYear(year); });
    LunarYearWork(year);
  }
  counter.Report(state, 1);
}
BENCHMARK(BM_LunarYearEngineWork_Cold)->Unit(benchmark::kMicrosecond);

void BM_LunarYearEngineWork_Warm(benchmark::State& state) {
  LunarYearWork(2024);
  for (auto _ : state) LunarYearWork(2024);
}
BENCHMARK(BM_LunarYearEngineWork_Warm)->Unit(benchmark::kMicrosecond);

// Every new moon and every solar term of -3000..3000, from empty caches.
void BM_AllNewMoonsAndTerms_Cold(benchmark::State& state) {
  const double first = GregorianJDN(-3000, 1, 1) - 0.5, last = GregorianJDN(3001, 1, 1) - 0.5;
  for (auto _ : state) {
    ColdStep(state, [] {});
    const int32_t n0 = LunationContaining(first), n1 = LunationContaining(last);
    for (int32_t n = n0; n <= n1; ++n) benchmark::DoNotOptimize(SyzygyUT(n, 0));
    double out[6];
    for (int32_t year = -3001; year <= 3000; ++year) {
      for (int kind = 0; kind < 4; ++kind) {
        if (year == -3001 && kind != DecemberSolstice) continue;
        _solar_terms_true_sun(QuarterPointJDE(kind, year), 0.0, out);
      }
    }
    state.counters["new_moons"] = n1 - n0 + 1;
  }
}
BENCHMARK(BM_AllNewMoonsAndTerms_Cold)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
