// Moves and searches of the main window. Targets: a single move step or a
// single search under 10 ms once the engine's memoised values are warm; the
// five syzygy-on-a-term-day searches are also run over their whole bound of
// 1000 lunations from 2000, and a CHL-month move is repeated 1000 times
// without the timer, as a repeated run would make its steps.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main/frm_main.h"
#include "app/main/move_units.h"
#include "app/main/search_targets.h"
#include "app/ui/fake_platform.h"
#include "core/astro/phases.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

std::string ExecutableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

// A started main window on 2000-01-01 (the program texts come from the
// executable's folder, where the build copies them).
struct Window {
  ui::FakePlatform platform;
  FrmMain f{platform};
  Window() {
    platform.programFolder = ExecutableFolder();
    if (!f.Form_Load()) throw std::runtime_error("program texts not found next to the benchmark");
    At(GregorianJDN(2000, 1, 1));
  }
  void At(double ajd) {
    f.dblCurrentAJDate = ajd;
    f.DisplayDatesAndTimes();
  }
};

const double kStart = GregorianJDN(2000, 1, 1);

// Every qualifying syzygy in the 1000 lunations from 2000, one search after
// the other, as the window's bound covers them.
void BM_SyzygyOnTermDayWholeBound(benchmark::State& state) {
  const int target = static_cast<int>(state.range(0));
  const Settings s;
  const int32_t last = LunationContaining(kStart) + kSyzygySearchBound;
  auto run = [&] {
    double t = kStart;
    int found = 0;
    for (;;) {
      const SearchOutcome r = SyzygyOnTermDaySearch(target, true, t, s);
      if (!r.found || LunationContaining(r.ajd) > last) break;
      t = r.ajd;
      ++found;
    }
    return found;
  };
  int found = run();  // fills the memo
  for (auto _ : state) benchmark::DoNotOptimize(found = run());
  state.counters["found"] = found;
}
BENCHMARK(BM_SyzygyOnTermDayWholeBound)
    ->DenseRange(kTargetTermDarkMoon, kTargetCardinalFullMoon)
    ->Unit(benchmark::kMillisecond);

// A repeated CHL-month move of 1000 steps, each with its display refresh.
void BM_ChlMonthMove1000(benchmark::State& state) {
  Window w;
  w.f.cboMoveStep.index = kUnitCHLMonth;
  auto run = [&] {
    w.At(kStart);
    for (int i = 0; i < 1000; ++i) w.f.cmdMove_Click();
    return w.f.dblCurrentAJDate;
  };
  run();
  for (auto _ : state) benchmark::DoNotOptimize(run());
}
BENCHMARK(BM_ChlMonthMove1000)->Unit(benchmark::kMillisecond);

// One press of Move, for every unit (display included).
void BM_SingleMoveStep(benchmark::State& state) {
  Window w;
  w.f.cboMoveStep.index = static_cast<int>(state.range(0));
  for (int i = 0; i < 3; ++i) w.f.cmdMove_Click();
  bool forward = true;
  for (auto _ : state) {
    // Back and forth, so the moment stays where the memo is warm.
    w.f.optMoveDirection[0].value = forward;
    w.f.optMoveDirection[1].value = !forward;
    w.f.cmdMove_Click();
    forward = !forward;
  }
}
BENCHMARK(BM_SingleMoveStep)->DenseRange(0, kMoveUnitCount - 1)->Unit(benchmark::kMillisecond);

// One press of Search from 2000-01-01, for every target that needs no window.
void BM_SingleSearch(benchmark::State& state) {
  Window w;
  const int target = static_cast<int>(state.range(0));
  w.f.cboTarget.index = target;
  w.f.cboElement.index = 0;  // wood-rat for the element-animal targets
  w.f.cboAnimal.index = 0;
  w.f.cmdSearch_Click();
  for (auto _ : state) {
    w.At(kStart);
    w.f.cmdSearch_Click();
  }
}
BENCHMARK(BM_SingleSearch)->DenseRange(0, kTargetTripleCoincidence)->Arg(kTargetIntercalaryMonth)->Unit(
    benchmark::kMillisecond);

}  // namespace
}  // namespace tavro
