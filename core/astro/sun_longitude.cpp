#include "core/astro/sun_longitude.h"

#include <cmath>
#include <limits>

#include "core/astro/engine/engine.h"

namespace tavro {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
constexpr double kMeanSunDegreesPerDay = 360.0 / 365.2422;

// Angle reduced to [-180, 180).
double Wrap(double degrees) { return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0); }

// How far the Sun still has to go, in degrees (negative when past).
double Remaining(double degrees, double ajd) { return Wrap(degrees - _sun_app(ajd, nullptr) * kDegreesPerRadian); }

}  // namespace

double SunAtLongitudeUT(double degrees, double nearAjd) {
  // The Sun's speed varies by only 3 % over the year, so a secant iteration
  // started with the mean speed halves the digits' error with every step and
  // settles in four or five evaluations. The first step from `nearAjd` finds
  // the crossing within half a year of it.
  double t0 = nearAjd;
  double f0 = Remaining(degrees, t0);
  double t1 = t0 + f0 / kMeanSunDegreesPerDay;
  for (int i = 0; i < 30; ++i) {
    const double f1 = Remaining(degrees, t1);
    if (f1 == 0.0) return t1;
    const double slope = (f0 - f1) / (t1 - t0);  // degrees per day, about 1
    const double step = slope > 0.9 && slope < 1.1 ? f1 / slope : f1 / kMeanSunDegreesPerDay;
    t0 = t1;
    f0 = f1;
    t1 += step;
    if (std::fabs(step) < 1e-7) return t1;  // about 0.01 second
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace tavro
