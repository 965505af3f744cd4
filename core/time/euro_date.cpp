// Proleptic Gregorian and Julian calendars on Julian day numbers, with exact
// integer arithmetic. Years are counted from March so that the leap day is the
// last day of the counted year; eras of 400 (Gregorian) or 4 (Julian) years
// then have a fixed length and floor division handles years before 0.
#include "core/time/euro_date.h"

#include <cstdint>
#include <limits>

#include "core/time/floor_div.h"

namespace tavro {
namespace {

constexpr int64_t kGregorianEraDays = 146097;  // 400 years
constexpr int64_t kJulianEraDays = 1461;       // 4 years
// JDN of 0000-03-01 in each calendar, the start of era 0.
constexpr int64_t kGregorianMarch1Year0 = 1721120;
constexpr int64_t kJulianMarch1Year0 = 1721118;

constexpr bool IsGregorianLeap(int64_t y) { return FloorMod<int64_t>(y, 4) == 0 && (FloorMod<int64_t>(y, 100) != 0 || FloorMod<int64_t>(y, 400) == 0); }
constexpr bool IsJulianLeap(int64_t y) { return FloorMod<int64_t>(y, 4) == 0; }

constexpr int DaysInMonth(int64_t month, bool leap) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Day of the March-based year on which month m (1..12) begins.
constexpr int64_t MarchDayOfYear(int64_t m) { return (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5; }

// JDN of the first of month m (1..12) of year y.
constexpr int64_t GregorianFirstOfMonth(int64_t y, int64_t m) {
  y -= m <= 2;
  const int64_t era = FloorDiv<int64_t>(y, 400);
  const int64_t yoe = y - era * 400;  // [0, 399]
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + MarchDayOfYear(m);
  return kGregorianMarch1Year0 + era * kGregorianEraDays + doe;
}

constexpr int64_t JulianFirstOfMonth(int64_t y, int64_t m) {
  y -= m <= 2;
  const int64_t era = FloorDiv<int64_t>(y, 4);
  const int64_t yoe = y - era * 4;  // [0, 3]
  const int64_t doe = yoe * 365 + MarchDayOfYear(m);
  return kJulianMarch1Year0 + era * kJulianEraDays + doe;
}

struct Ymd {
  int64_t year, month, day;
};

// Splits a day of the era's March-based year into month and day.
constexpr Ymd FromMarchYear(int64_t year, int64_t doy) {
  const int64_t mp = (5 * doy + 2) / 153;  // [0, 11], 0 = March
  const int64_t day = doy - (153 * mp + 2) / 5 + 1;
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  return {year + (month <= 2), month, day};
}

constexpr Ymd GregorianFromJdn(int64_t jdn) {
  const int64_t z = jdn - kGregorianMarch1Year0;
  const int64_t era = FloorDiv(z, kGregorianEraDays);
  const int64_t doe = z - era * kGregorianEraDays;                        // [0, 146096]
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
  return FromMarchYear(yoe + era * 400, doy);
}

constexpr Ymd JulianFromJdn(int64_t jdn) {
  const int64_t z = jdn - kJulianMarch1Year0;
  const int64_t era = FloorDiv(z, kJulianEraDays);
  const int64_t doe = z - era * kJulianEraDays;    // [0, 1460]
  const int64_t yoe = (doe - doe / 1460) / 365;    // [0, 3]
  const int64_t doy = doe - 365 * yoe;             // [0, 365]
  return FromMarchYear(yoe + era * 4, doy);
}

static_assert(GregorianFirstOfMonth(2000, 1) == 2451545);
static_assert(GregorianFirstOfMonth(1582, 10) + 14 == 2299161);
static_assert(JulianFirstOfMonth(1582, 10) + 4 == 2299161);
static_assert(GregorianFromJdn(2451545).year == 2000 && GregorianFromJdn(2451545).day == 1);

constexpr bool FitsInt32(int64_t v) {
  return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

}  // namespace

// Month and day outside their ranges still number a day (month 14 is February
// of the next year, day 0 the last day of the previous month) but leave `valid`
// at 0, so that a caller stepping by months can see that the date does not exist.
int32_t _euro_date_to_jdn(EuroDate& d) {
  const bool gregorian = d.calendar == 'G';
  if (!gregorian && d.calendar != 'J') {
    d.valid = 0;  // no day arithmetic for this calendar
    return d.jdn;
  }
  const int64_t y = int64_t{d.year} + FloorDiv<int64_t>(int64_t{d.month} - 1, 12);
  const int64_t m = FloorMod<int64_t>(int64_t{d.month} - 1, 12) + 1;
  const int64_t first = gregorian ? GregorianFirstOfMonth(y, m) : JulianFirstOfMonth(y, m);
  const int64_t jdn = first + int64_t{d.day} - 1;
  if (!FitsInt32(jdn)) {
    d.valid = 0;
    d.jdn = 0;
    return 0;
  }
  const bool leap = gregorian ? IsGregorianLeap(d.year) : IsJulianLeap(d.year);
  d.valid = d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.month, leap);
  d.jdn = static_cast<int32_t>(jdn);
  return d.jdn;
}

void _jdn_to_euro_date(EuroDate& d) {
  Ymd ymd;
  if (d.calendar == 'G') {
    ymd = GregorianFromJdn(d.jdn);
  } else if (d.calendar == 'J') {
    ymd = JulianFromJdn(d.jdn);
  } else {
    d.valid = 0;  // nothing to fill
    return;
  }
  // Every int32 JDN lies within about +-5.9 million years: the fields fit.
  d.year = static_cast<int32_t>(ymd.year);
  d.month = static_cast<int32_t>(ymd.month);
  d.day = static_cast<int32_t>(ymd.day);
  d.valid = 1;
}

int32_t _euro_day_of_week(int32_t jdn) { return static_cast<int32_t>(FloorMod<int64_t>(int64_t{jdn} + 1, 7)); }

// No arithmetic is defined for Annus Novus: the record is marked as not a date.
void _annus_novus_date_to_jdn(EuroDate& d) { d.valid = 0; }

int32_t EuroDateToJDN(EuroDate& d) { return _euro_date_to_jdn(d); }

void JDNToEuroDate(EuroDate& d) { _jdn_to_euro_date(d); }

void CEAndJCDates(double cjd, EuroDate& ce, EuroDate& jc) {
  // Truncation toward zero as the display has always done; every admissible
  // day number is positive, so it equals the floor there.
  int32_t jdn = 0;
  if (cjd >= std::numeric_limits<int32_t>::min() && cjd < 2147483648.0) jdn = static_cast<int32_t>(cjd);
  ce.jdn = jdn;
  ce.calendar = 'G';
  jc.jdn = jdn;
  jc.calendar = 'J';
  JDNToEuroDate(ce);
  JDNToEuroDate(jc);
}

int16_t EuroDayOfWeek(int32_t jdn) { return static_cast<int16_t>(_euro_day_of_week(jdn)); }

EuroDate GregorianOf(int32_t jdn) {
  const Ymd ymd = GregorianFromJdn(jdn);
  EuroDate d;
  d.year = static_cast<int32_t>(ymd.year);
  d.month = static_cast<int32_t>(ymd.month);
  d.day = static_cast<int32_t>(ymd.day);
  d.calendar = 'G';
  d.jdn = jdn;
  d.valid = 1;
  return d;
}

int32_t GregorianJDN(int32_t year, int32_t month, int32_t day) {
  const int64_t y = int64_t{year} + FloorDiv<int64_t>(int64_t{month} - 1, 12);
  const int64_t m = FloorMod<int64_t>(int64_t{month} - 1, 12) + 1;
  const int64_t jdn = GregorianFirstOfMonth(y, m) + int64_t{day} - 1;
  return FitsInt32(jdn) ? static_cast<int32_t>(jdn) : 0;
}

}  // namespace tavro
