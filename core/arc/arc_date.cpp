#include "core/arc/arc_date.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/time/floor_div.h"

namespace tavro {
namespace {

// Day offset of the start of every year of a cycle from the cycle's start:
// kYearStarts[i] is the sum of the lengths of years 442 .. 442 + i - 1, so the
// last entry is the length of a whole cycle.
using YearStarts = std::array<int32_t, kArcCycleYears + 1>;

YearStarts MakeYearStarts() {
  YearStarts starts{};
  for (int32_t i = 0; i < kArcCycleYears; ++i) {
    starts[i + 1] = starts[i] + ArcYearLength(kArcEpochYear + i);
  }
  return starts;
}

const YearStarts& CycleYearStarts() {
  static const YearStarts starts = MakeYearStarts();
  return starts;
}

bool FitsInt32(int64_t v) {
  return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

void ClampDay30(ArcDate& d) {
  if (d.day == 30 && ArcMonthLength(d.year, d.month) == 29) d.day = 29;
}

}  // namespace

int32_t ArcCyclePosition(int32_t year) {
  return static_cast<int32_t>(FloorMod<int64_t>(int64_t{year} + 1361, kArcCycleYears)) + 1;
}

bool ArcYearHasLeapMonth(int32_t year) {
  return (664 * ArcCyclePosition(year) + 901) % kArcCycleYears < 664;
}

bool ArcYearIsLong(int32_t year) {
  return (350 * ArcCyclePosition(year) + 901) % kArcCycleYears < 350;
}

int32_t ArcYearLength(int32_t year) {
  return 354 + (ArcYearHasLeapMonth(year) ? 30 : 0) + (ArcYearIsLong(year) ? 1 : 0);
}

int32_t ArcMonthLength(int32_t year, int32_t month) {
  if (month < 1 || month > 13) return -1;
  if (month == 13 && !ArcYearHasLeapMonth(year)) return -2;
  if (month % 2 == 1) return 30;
  if (month == 10 && ArcYearIsLong(year)) return 30;
  return 29;
}

bool ArcDateIsValid(int32_t year, int32_t month, int32_t day) {
  return day >= 1 && day <= ArcMonthLength(year, month);
}

bool ArcDateToJDN(ArcDate& date) {
  date.valid = 0;
  date.jdn = 0;
  if (!ArcDateIsValid(date.year, date.month, date.day)) return false;

  const int64_t k = FloorDiv<int64_t>(int64_t{date.year} - kArcEpochYear, kArcCycleYears);
  const int64_t y0 = date.year - kArcCycleYears * k;  // 442 .. 2244
  int64_t jdn = kArcEpochJDN + kArcCycleDays * k + CycleYearStarts()[y0 - kArcEpochYear];
  for (int32_t m = 1; m < date.month; ++m) jdn += ArcMonthLength(date.year, m);
  jdn += date.day - 1;
  // Years beyond about +-5.8 million have day numbers outside 32 bits.
  if (!FitsInt32(jdn)) return false;

  date.jdn = static_cast<int32_t>(jdn);
  date.valid = 1;
  return true;
}

void JDNToArcDate(ArcDate& date) {
  int64_t n = int64_t{date.jdn} - kArcEpochJDN;
  const int64_t k = FloorDiv<int64_t>(n, kArcCycleDays);
  n -= kArcCycleDays * k;  // 0 .. kArcCycleDays - 1

  // The last year whose start is not after n.
  const YearStarts& starts = CycleYearStarts();
  const auto after = std::upper_bound(starts.begin(), starts.end(), n);
  const int32_t i = static_cast<int32_t>(after - starts.begin()) - 1;
  n -= starts[i];
  const int32_t year = static_cast<int32_t>(kArcEpochYear + i + kArcCycleYears * k);

  int32_t month = 1;
  while (n >= ArcMonthLength(year, month)) {
    n -= ArcMonthLength(year, month);
    ++month;
  }
  date.year = year;
  date.month = month;
  date.day = static_cast<int32_t>(n) + 1;
  date.valid = 1;
}

bool ArcStepMonth(ArcDate& date, bool forward) {
  if (date.month < 1 || date.month > 13) return false;
  ArcDate d = date;
  if (forward) {
    if (d.month <= 11 || (d.month == 12 && ArcYearHasLeapMonth(d.year))) {
      ++d.month;
    } else {
      if (d.year == std::numeric_limits<int32_t>::max()) return false;
      ++d.year;
      d.month = 1;
    }
  } else if (d.month >= 2) {
    --d.month;
  } else {
    if (d.year == std::numeric_limits<int32_t>::min()) return false;
    --d.year;
    d.month = ArcYearHasLeapMonth(d.year) ? 13 : 12;
  }
  ClampDay30(d);
  d.valid = 0;
  date = d;
  return true;
}

bool ArcStepYear(ArcDate& date, bool forward) {
  if (date.month < 1 || date.month > 13) return false;
  const int64_t year = int64_t{date.year} + (forward ? 1 : -1);
  if (!FitsInt32(year)) return false;
  date.year = static_cast<int32_t>(year);
  if (date.month == 13 && !ArcYearHasLeapMonth(date.year)) date.month = 12;
  ClampDay30(date);
  date.valid = 0;
  return true;
}

}  // namespace tavro
