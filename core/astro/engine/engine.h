// The astronomical engine: the only code that talks to the ephemeris library.
// Results are pure functions of their arguments and are memoised (thread-safe).
#pragma once

#include <cstdint>

namespace tavro {

// TT Julian date of quarter q (0 new, 1 first quarter, 2 full, 3 last quarter)
// of lunation n; lunation 0 is the new moon of 2000-01-06. `work` is unused
// scratch kept for the caller's convenience (may be null).
double _syzyg(int32_t n, int32_t q, double* work);

// Delta T = TT - UT in minutes for a CE year (evaluated at 2 July of that year).
// The constant is accepted for compatibility and ignored.
double _deltat(double year, int32_t model);

// Moon's apparent geocentric ecliptic longitude (radians, 0..2 pi) at `days`
// since J2000.0, an instant in UT (the library applies delta T).
double _moonpos(double days, double* spare1, double* spare2);

// Sun's apparent geocentric ecliptic longitude (radians, 0..2 pi) at Julian
// date `jd`, an instant in UT.
double _sun_app(double jd, double* spare);

// TT moments at which the Sun's apparent longitude reaches lambda0 + 15 j deg,
// j = 0..5, lambda0 being the multiple of 90 deg reached near t0 (TT; the
// quarter point nearest t0, which need only be within weeks of it).
void _solar_terms_true_sun(double t0, double t1, double out[6]);

}  // namespace tavro
