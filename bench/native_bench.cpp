// Costs of the festival lists and calendar files: the festivals of a
// thousand years for each country, and a file of a hundred years with every
// event kind. Both run warm: the first iteration fills the engine's memory
// and the lunar-year cache, as a program that has shown a date already has.
#include <benchmark/benchmark.h>

#include <string>

#include "core/festivals/festivals.h"
#include "core/ics/calendar_events.h"

namespace {

using namespace tavro;

void BM_Festivals1000Years(benchmark::State& state) {
  const auto country = static_cast<Country>(state.range(0));
  Settings s;
  s.referenceLongitude = DefaultLongitude(country);
  size_t count = FestivalsInYears(country, 1500, 2499, s).size();  // warm-up
  for (auto _ : state) {
    const auto list = FestivalsInYears(country, 1500, 2499, s);
    count = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["festivals"] = static_cast<double>(count);
}
BENCHMARK(BM_Festivals1000Years)
    ->Arg(static_cast<int>(Country::China))
    ->Arg(static_cast<int>(Country::Vietnam))
    ->Arg(static_cast<int>(Country::Japan))
    ->Unit(benchmark::kMillisecond);

void BM_Ics100YearsEveryKind(benchmark::State& state) {
  CalendarExport request;
  request.country = static_cast<Country>(state.range(0));
  request.settings.referenceLongitude = DefaultLongitude(request.country);
  request.language = Language::Japanese;
  request.fromYear = 1950;
  request.toYear = 2049;
  request.kinds = AllCalendarEventKinds();
  size_t bytes = 0;
  {
    std::string text, error;
    benchmark::DoNotOptimize(ExportIcs(request, 2461383.0, text, error));  // warm-up
  }
  for (auto _ : state) {
    std::string text, error;
    benchmark::DoNotOptimize(ExportIcs(request, 2461383.0, text, error));
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Ics100YearsEveryKind)->Arg(static_cast<int>(Country::Japan))->Unit(benchmark::kMillisecond);

}  // namespace
