// The computer clock and time zone, read from the C library.
#include "core/time/clock.h"

#include <time.h>

#include <cstdint>

#include "core/time/euro_date.h"
#include "core/time/floor_div.h"
#include "core/time/scales.h"

namespace tavro {

int32_t _get_timezone() {
  tzset();
  return static_cast<int32_t>(timezone);  // POSIX: seconds west, standard time
}

int16_t MinutesEastOfSecondsWest(int32_t secondsWest) {
  const int64_t east = -int64_t{secondsWest};
  int64_t q = FloorDiv<int64_t>(east, 60);
  const int64_t r = FloorMod<int64_t>(east, 60);
  if (r > 30 || (r == 30 && FloorMod<int64_t>(q, 2) != 0)) ++q;
  return static_cast<int16_t>(q);
}

int16_t TimezoneMinutesEast() { return MinutesEastOfSecondsWest(_get_timezone()); }

double AJDFromLocalClock(int32_t jdn, int hour, int minute, int second, int64_t secondsEast) {
  const int64_t s = 3600 * int64_t{hour} + 60 * int64_t{minute} + second - secondsEast;
  return jdn + static_cast<double>(s) / 86400.0 - 0.5;
}

namespace {

bool LocalNow(struct tm& local) {
  tzset();
  const time_t now = time(nullptr);
  return localtime_r(&now, &local) != nullptr;
}

int32_t LocalJDN(const struct tm& local) {
  return GregorianJDN(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace

int32_t TodayJDN() {
  struct tm local {};
  if (!LocalNow(local)) return 0;
  return LocalJDN(local);
}

// The local clock is taken with the offset actually in force, so while daylight
// saving is on the instant is still the true present moment. With the
// standard-time offset alone (TimezoneMinutesEast) the same clock reading would
// give an instant one hour late all summer; outside daylight saving the two
// offsets agree and so do the results.
double CurrentAJD() {
  struct tm local {};
  if (!LocalNow(local)) return 0.0;
  return AJDFromLocalClock(LocalJDN(local), local.tm_hour, local.tm_min, local.tm_sec, local.tm_gmtoff);
}

}  // namespace tavro
