// Shared by the astronomy commands: the --from/--to year range and the
// columns of an instant.
#pragma once

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/options.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::cli {

// Years the commands accept: the admissible range of the program.
inline constexpr int32_t kFirstYear = -3000;
inline constexpr int32_t kLastYear = 3000;

struct YearRange {
  int32_t from = 0, to = 0;
  std::string error;  // empty when the arguments are good
};

// The raw --from and --to values.
struct YearRangeArgs {
  std::string from, to;
  CLI::Option *fromOption = nullptr, *toOption = nullptr;
};

inline void AddYearRange(CLI::App& app, YearRangeArgs& a) {
  a.fromOption = app.add_option("--from", a.from, "first CE year, -3000..3000; required")->type_name("YEAR");
  a.toOption = app.add_option("--to", a.to, "last CE year, -3000..3000; required")->type_name("YEAR");
}

// Both years required, each in range, --from not after --to.
inline YearRange ParseYearRange(const YearRangeArgs& a) {
  YearRange r;
  if (!Given(a.fromOption) || !Given(a.toOption)) {
    r.error = "both --from YEAR and --to YEAR are needed";
    return r;
  }
  std::optional<int32_t> years[2];
  const std::string* texts[2] = {&a.from, &a.to};
  for (int k = 0; k < 2; ++k) {
    years[k] = ParseInt(*texts[k]);
    if (!years[k]) {
      r.error = "not a year: '" + *texts[k] + "'";
      return r;
    }
    if (*years[k] < kFirstYear || *years[k] > kLastYear) {
      r.error = "year " + *texts[k] + " is outside " + std::to_string(kFirstYear) + ".." + std::to_string(kLastYear);
      return r;
    }
  }
  if (*years[0] > *years[1]) {
    r.error = "--from year is after --to year";
  } else {
    r.from = *years[0];
    r.to = *years[1];
  }
  return r;
}

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
