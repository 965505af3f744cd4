// Shared by the astronomy commands: the --from/--to year range and the
// columns of an instant.
#pragma once

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

// "--from YEAR --to YEAR", in either order, both required.
inline YearRange ParseYearRange(const Args& args) {
  YearRange r;
  std::optional<int32_t> from, to;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--from" && a != "--to") {
      r.error = "unexpected argument '" + a + "'";
      return r;
    }
    if (i + 1 >= args.size()) {
      r.error = a + " needs a year";
      return r;
    }
    const std::optional<int32_t> year = ParseInt(args[++i]);
    if (!year) {
      r.error = "not a year: '" + args[i] + "'";
      return r;
    }
    if (*year < kFirstYear || *year > kLastYear) {
      r.error = "year " + args[i] + " is outside " + std::to_string(kFirstYear) + ".." + std::to_string(kLastYear);
      return r;
    }
    (a == "--from" ? from : to) = year;
  }
  if (!from || !to) {
    r.error = "both --from YEAR and --to YEAR are needed";
  } else if (*from > *to) {
    r.error = "--from year is after --to year";
  } else {
    r.from = *from;
    r.to = *to;
  }
  return r;
}

// CE year of the London civil day of a UT instant.
inline int32_t CivilYearOf(double ut) {
  return GregorianYearOf(static_cast<int32_t>(std::floor(ToCJDL(ut))));
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
