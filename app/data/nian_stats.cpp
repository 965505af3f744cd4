#include "app/data/nian_stats.h"

#include <array>

#include "core/chinese/lunar_year_cache.h"

namespace tavro {

NianStats NianStatistics(const ChlDate& newYear, int longitude) {
  const auto tables = LunarYearAt(static_cast<double>(newYear.jdn), longitude);
  const LunarYearTables& t = *tables;

  struct Nian {
    int32_t cycle = 0, position = 0;
    int months = 0;
    std::array<int, 24> terms{};
  };
  std::array<Nian, 4> stored;
  int storedCount = 0;

  // The counter starts two positions before the record's year: the first
  // month "01" in the tables begins the year before it.
  Nian current;
  current.cycle = newYear.cycle;
  current.position = newYear.position - 2;
  if (current.position < 1) {
    current.position += 60;
    --current.cycle;
  }
  bool begun = false;

  int k = 0;
  while (k < kSolarTermCount && t.SolarTermDays[k] < t.DarkMoonDays[0]) ++k;
  for (int m = 0; m < t.DarkMoonCount; ++m) {
    const std::string& label = t.MonthLabels[m];
    if (label == kStopHere) break;
    if (label == "01") {
      if (begun && storedCount < 4) stored[storedCount++] = current;
      if (++current.position > 60) {
        current.position = 1;
        ++current.cycle;
      }
      current.months = 0;
      current.terms.fill(0);
      begun = true;
    }
    ++current.months;
    const int32_t nextStart = m + 1 < kDarkMoonCapacity ? t.DarkMoonDays[m + 1] : t.DarkMoonDays[m];
    while (k < kSolarTermCount && t.SolarTermDays[k] >= t.DarkMoonDays[m] && t.SolarTermDays[k] < nextStart) {
      if (begun) ++current.terms[k % 24];
      ++k;
    }
  }

  NianStats r;
  for (int i = 0; i < storedCount; ++i) {
    if (stored[i].cycle == newYear.cycle && stored[i].position == newYear.position) {
      r.months = stored[i].months;
      r.j1 = stored[i].terms[3];
      r.z1 = stored[i].terms[4];
      break;
    }
  }
  return r;
}

}  // namespace tavro
