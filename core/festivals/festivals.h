// The festival days of a country over a span of CE years: civil days at the
// reference meridian of the settings, on the program's own month and
// solar-term tables (true sun, whatever the settings' term method).
#pragma once

#include <cstdint>
#include <vector>

#include "core/chinese/chinese_date.h"
#include "core/festivals/festival_rules.h"
#include "core/time/settings.h"

namespace tavro {

struct FestivalDay {
  int32_t jdn = 0;                      // civil day at s.referenceLongitude
  const FestivalRule* rule = nullptr;   // key and names; points into FestivalRules
  ChlDate chl;                          // the lunar date of that day, years under s.epoch
};

// Festivals are given for days of the admissible range only (-3000-01-01 to
// 3000-01-01 CE); years outside -3000..3000 contribute nothing.
inline constexpr int32_t kFirstFestivalYear = -3000;
inline constexpr int32_t kLastFestivalYear = 3000;

// Every festival of `country` whose day falls in the CE years fromYear..toYear
// (astronomical numbering), in date order; festivals of one day in the order
// of FestivalRules. Empty when fromYear > toYear.
std::vector<FestivalDay> FestivalsInYears(Country country, int32_t fromYear, int32_t toYear, const Settings& s);

// The festivals of one civil day.
std::vector<FestivalDay> FestivalsOnDay(Country country, int32_t jdn, const Settings& s);

}  // namespace tavro
