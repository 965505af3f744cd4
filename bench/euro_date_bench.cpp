// Day-number conversions of the European calendars, which the Chinese calendar
// and the listings call for every day they touch.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/time/euro_date.h"

namespace {

void BM_GregorianOf(benchmark::State& state) {
  int32_t jdn = 625333;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavro::GregorianOf(jdn));
    jdn = jdn < 2816788 ? jdn + 1 : 625333;
  }
}
BENCHMARK(BM_GregorianOf);

void BM_GregorianJDN(benchmark::State& state) {
  int32_t day = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tavro::GregorianJDN(-2500 + day, 1 + day % 12, 1 + day % 28));
    day = day < 5000 ? day + 1 : 1;
  }
}
BENCHMARK(BM_GregorianJDN);

void BM_JulianRoundTrip(benchmark::State& state) {
  tavro::EuroDate d;
  d.calendar = 'J';
  int32_t jdn = 625333;
  for (auto _ : state) {
    d.jdn = jdn;
    tavro::JDNToEuroDate(d);
    benchmark::DoNotOptimize(tavro::EuroDateToJDN(d));
    jdn = jdn < 2816788 ? jdn + 1 : 625333;
  }
}
BENCHMARK(BM_JulianRoundTrip);

}  // namespace
