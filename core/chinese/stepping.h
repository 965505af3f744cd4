// Stepping Chinese dates by a month, a year, a solar term or a 60-year cycle.
// Each returns true on success and leaves the record on the date reached (on
// failure, as last tried). "Valid" means ChLDateToJDN returns 0, or
// ChSDateToJDN accepts the date, under the given settings.
#pragma once

#include <cstdint>

#include "core/chinese/chinese_date.h"
#include "core/time/settings.h"

namespace tavro {

[[nodiscard]] bool FitChlDay(ChlDate& d, const Settings& s);
[[nodiscard]] bool StepChlMonth(ChlDate& d, bool forward, const Settings& s);
[[nodiscard]] bool StepChlYear(ChlDate& d, bool forward, const Settings& s);
[[nodiscard]] bool StepChlCycle(ChlDate& d, bool forward, const Settings& s);
[[nodiscard]] bool StepChsYear(ChsDate& d, bool forward, const Settings& s);
[[nodiscard]] bool StepChsTerm(ChsDate& d, bool forward, bool wholeCycle, const Settings& s);

// 30 or 29 for the month of d; a negative ChLDateToJDN code when the month
// does not exist. The record keeps day 30.
[[nodiscard]] int16_t LunarMonthLength(ChlDate& d, const Settings& s);

// Position +/- 1, 60 -> 1 with the next cycle and 1 -> 60 with the previous.
template <typename D>
void StepCyclePosition(D& d, bool forward) {
  if (forward) {
    if (++d.position > 60) {
      d.position = 1;
      ++d.cycle;
    }
  } else if (--d.position < 1) {
    d.position = 60;
    --d.cycle;
  }
}

}  // namespace tavro
