// Shared by the astronomy commands: the columns of an instant.
#pragma once

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/options.h"
#include "cli/range.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::cli {

// CE year of the London civil day of a UT instant.
inline int32_t CivilYearOf(double ut) {
  return GregorianYearOf(FloorDay(ToCJDL(ut)));
}

// "YYYY-MM-DD HH:MM:SS" of a UT instant (seconds truncated).
inline std::string CivilDateTime(double ut) {
  const double cjdl = ToCJDL(ut);
  const double day = std::floor(cjdl);
  const EuroDate date = GregorianOf(static_cast<int32_t>(day));
  return EuroDateText(date, kOrderYearMonthDay, "-", ",", false) + " " + TimeOfDayText(cjdl - day, true);
}

inline std::string Fixed6(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", value);
  return buf;
}

}  // namespace tavro::cli
