// Time-of-day text, the admissible range and the zone designations.
#include "core/time/scales.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/time/settings.h"

namespace tavro {
namespace {

// n in [0, 99].
std::string TwoDigits(int n) { return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; }

}  // namespace

std::string TimeOfDayText(double fraction, bool seconds) {
  if (!(fraction >= 0.0 && fraction < 1.0)) return "XX:XX:XX";  // also NaN
  const int t = SecondOfDay(fraction);
  std::string text = TwoDigits(t / 3600);
  text += ':';
  text += TwoDigits((t / 60) % 60);
  if (seconds) {
    text += ':';
    text += TwoDigits(t % 60);
  }
  return text;
}

int SecondOfDay(double fraction) {
  if (fraction > 0.0 && fraction < 0.99999999) fraction += 1e-8;
  const int t = static_cast<int>(std::floor(fraction * 86400.0));  // [0, 86400]
  return t >= 86400 ? 86399 : t;
}

RangeCheck CheckRange(double ajd) {
  RangeCheck r;
  // Written so that NaN is refused too rather than slipping through both tests.
  if (!(ajd >= MinAJD)) {
    r.message = "Date is earlier than -3000-01-01 CE.";
  } else if (ajd > MaxAJD) {
    r.message = "Date is later than 3000-01-01 CE.";
  } else {
    return r;
  }
  r.code = -1;
  r.title = "Date out of range";
  return r;
}

std::string ZoneDesignation(int longitude) {
  if (longitude < kFirstLongitude || longitude > kLastLongitude) return "";
  switch (longitude) {
    case 105: return "ICT";
    case 106: return "HAN";
    case 109: return "CHA";
    case 116: return "BEI";
    case 120: return "CCT";
    case 135: return "JST";
    case 140: return "EDO";
    default: break;
  }
  char buf[8];
  std::snprintf(buf, sizeof buf, "L%02d", longitude - kFirstLongitude);
  return buf;
}

}  // namespace tavro
