// Apparent longitudes of the Moon and the Sun at an instant in Universal Time.
#include <cmath>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"

namespace tavro {

namespace {
constexpr double kTwoPi = 6.28318530717958647692;
constexpr double kJ2000 = 2451545.0;

double Radians(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0) r += 360.0;
  return r * (kTwoPi / 360.0);
}
}  // namespace

// The argument is an instant in UT (the system's moments are UT); the library
// applies delta T itself. spare1 receives the latitude in radians.
double _moonpos(double days, double* spare1, double* /*spare2*/) {
  double latitude = 0;
  const double lon = engine::MoonLongitudeUT(days + kJ2000, &latitude);
  if (spare1) *spare1 = latitude * (kTwoPi / 360.0);
  return Radians(lon);
}

double _sun_app(double jd, double* /*spare*/) { return Radians(engine::SunLongitudeUT(jd)); }

}  // namespace tavro

namespace tavro::engine {

void ClearCaches() {
  ClearSyzygyCache();
  ClearSolarTermCache();
  ClearDeltaTCache();
}

}  // namespace tavro::engine
