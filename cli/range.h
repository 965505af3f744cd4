// The program's range and the --from / --to options that pick a span of it,
// read the same way by every command that takes them.
#pragma once

#include <cstdint>
#include <string>

#include "core/festivals/festivals.h"
#include "core/time/scales.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tavro::cli {

// Days -3000-01-01 .. 3000-01-01 CE (the day numbers of their noons) and the
// CE years they lie in.
inline constexpr int32_t kFirstDay = static_cast<int32_t>(MinAJD);
inline constexpr int32_t kLastDay = static_cast<int32_t>(MaxAJD);
inline constexpr int32_t kFirstYear = -3000;
inline constexpr int32_t kLastYear = 3000;
static_assert(kFirstYear == kFirstFestivalYear && kLastYear == kLastFestivalYear);

struct RangeOptions {
  std::string from, to;
  CLI::Option *fromOption = nullptr, *toOption = nullptr;
};
// `what` names a bound in the help, e.g. "CE year, -3000..3000"; `type` is
// its placeholder (empty: none).
void AddRangeOptions(CLI::App& app, RangeOptions& o, const std::string& what, const std::string& type = "");

struct Span {
  int32_t from = 0, to = 0;  // years, or day numbers
  std::string error;         // empty when the options are good
};

// Both bounds given, each a year of the range, --from not after --to.
Span ParseYearRange(const RangeOptions& o);
// The same for CE dates year-month-day (astronomical year), as day numbers.
Span ParseDayRange(const RangeOptions& o);

}  // namespace tavro::cli
