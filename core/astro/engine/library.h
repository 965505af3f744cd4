// Checked, serialised access to the ephemeris library. Internal to the engine:
// the rest of the system uses engine.h.
#pragma once

#include <cstdint>
#include <string>

namespace tavro::engine {

// Apparent geocentric ecliptic longitude of date (nutation and aberration
// included), degrees in [0, 360), and its rate in degrees per day.
struct Longitude {
  double degrees = 0;
  double speed = 0;
};

// Sun and Moon at one TT instant, under one lock: one evaluation of the
// elongation.
void SunAndMoonTT(double jdTT, Longitude& sun, Longitude& moon);
Longitude SunTT(double jdTT);

// Longitudes (degrees) for an instant given in Universal Time.
double SunLongitudeUT(double jdUT);
double MoonLongitudeUT(double jdUT, double* latitude);

// Delta T (TT - UT) in days from the library's model, with the tidal
// acceleration of the file ephemeris.
double DeltaTDays(double jdUT);

// Julian date of a Gregorian calendar date at 0h.
double GregorianJulianDate(int32_t year, int month, int day);

// Number of body positions computed so far (for benchmarks and tests).
uint64_t PositionCount();

// True once any call had to fall back to the built-in ephemeris (reported
// once on stderr).
bool FellBack();

// For tests: another folder of ephemeris files, and a fresh fallback report.
void SetEphemerisPath(const std::string& path);
void ForgetFallbackReport();

}  // namespace tavro::engine
