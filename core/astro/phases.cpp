#include "core/astro/phases.h"

#include <cmath>
#include <limits>

#include "core/astro/engine/engine.h"
#include "core/time/euro_date.h"

namespace tavro {

double DeltaTMinutes(int32_t year) { return _deltat(static_cast<double>(year), 1915); }

double DeltaTAt(double jd) {
  // Round to the nearest integer, ties to the even neighbour.
  double r = std::floor(jd);
  const double frac = jd - r;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  if (!(r > std::numeric_limits<int32_t>::min() && r < std::numeric_limits<int32_t>::max())) return 0.0;
  // Every phase and term instant passes through here; callers go through
  // instants in order, so the days of the last year found answer most calls
  // without a calendar conversion.
  struct YearDays {
    int32_t first = 1, end = 0, year = 0;  // days [first, end) of CE year `year`
  };
  thread_local YearDays last;
  const int32_t day = static_cast<int32_t>(r);
  if (!(day >= last.first && day < last.end)) {
    const int32_t year = GregorianYearOf(day);
    last = {GregorianJDN(year, 1, 1), GregorianJDN(year + 1, 1, 1), year};
    if (!(day >= last.first && day < last.end)) last = {day, day + 1, year};  // beyond the day arithmetic
  }
  return DeltaTMinutes(last.year);
}

double UTOfTT(double jdTT) { return jdTT - DeltaTAt(jdTT) / 1440.0; }

double SyzygyUT(int32_t n, int16_t q) { return UTOfTT(_syzyg(n, q, nullptr)); }

double DarkMoonZero() {
  static const double value = SyzygyUT(0, 0);
  return value;
}

int32_t LunationContaining(double ajd) {
  // A moment that is no number or far outside any calendar has no lunation;
  // the estimate is clamped so the search below stays finite.
  if (std::isnan(ajd)) return std::numeric_limits<int32_t>::min();
  double estimate = std::floor((ajd - DarkMoonZero()) / MeanSynodicMonth);
  estimate = std::fmax(-1.0e8, std::fmin(1.0e8, estimate));
  int32_t n = static_cast<int32_t>(estimate);
  for (int step = 0; step < 1000; ++step) {
    const double a = SyzygyUT(n, 0);
    const double b = SyzygyUT(n + 1, 0);
    if (a <= ajd && ajd < b) return n;
    n += (a > ajd) ? -1 : 1;
  }
  return n;
}

int16_t PhaseInLunationTT(int32_t n, double jdTT, bool& exact) {
  exact = false;
  if (_syzyg(n + 1, 0, nullptr) <= jdTT) return -1;
  for (int16_t q = 3; q >= 0; --q) {
    const double t = _syzyg(n, q, nullptr);
    if (t <= jdTT) {
      exact = std::fabs(t - jdTT) < 0.00005;
      return q;
    }
  }
  return -2;
}

int16_t GetPhase(int32_t n, double ajd, bool& exact) {
  // Moving the moment to TT with the delta T of its own year would disagree
  // with SyzygyUT wherever the moment and the phase lie in different years
  // (in antiquity delta T is hours and changes by tens of seconds a year):
  // a phase instant would then not be at its own phase, and a moment of
  // lunation n could lie outside it. The phases are read in UT instead, by
  // the same rule that LunationContaining uses.
  exact = false;
  if (SyzygyUT(n + 1, 0) <= ajd) return -1;
  for (int16_t q = 3; q >= 0; --q) {
    const double t = SyzygyUT(n, q);
    if (t <= ajd) {
      exact = ajd - t < 0.00005;
      return q;
    }
  }
  return -2;
}

double MoonPosition(double ajd, double& spare) {
  const double d = std::floor(ajd + 0.5);
  if (!(d >= 2305448.0)) return -99.0;  // before 1600-01-01 CE (or no number)
  if (d > 2488069.0) return -100.0;  // after 2099-12-31 CE
  double zero = 0.0;
  return _moonpos(ajd - 2451545.0, &spare, &zero);
}

}  // namespace tavro
