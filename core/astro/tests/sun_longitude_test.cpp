#include "core/astro/sun_longitude.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"

namespace tavro {
namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// At multiples of 15 degrees the crossing is a solar term, which the engine
// finds by its own root-finder in TT: both must name the same minute, across
// the range and from a start weeks away.
TEST(SunAtLongitude, AgreesWithTheSolarTermsAcrossTheRange) {
  for (int32_t year : {-2999, -1500, 0, 1000, 2024, 2999}) {
    double out[6];
    _solar_terms_true_sun(QuarterPointJDE(MarchEquinox, year), 0, out);
    for (int j = 0; j < 6; ++j) {
      const double degrees = 15.0 * j;
      const double termUT = out[j] - DeltaTAt(out[j]) / 1440.0;
      for (double start : {-40.0, 0.0, 35.0}) {
        const double ut = SunAtLongitudeUT(degrees, termUT + start);
        EXPECT_NEAR(ut, termUT, 1.0 / 1440) << year << " " << degrees << " from " << start;
      }
    }
  }
}

TEST(SunAtLongitude, ReachesOddLongitudesAndWrapsAround) {
  for (double degrees : {297.0, -63.0, 657.0}) {
    const double ut = SunAtLongitudeUT(degrees, 2460300.5);  // from 2023-12-21
    EXPECT_NEAR(_sun_app(ut, nullptr) * kDegreesPerRadian, 297.0, 1e-5);
    EXPECT_NEAR(ut, 2460327.0, 2.0);  // about 2024-01-17
  }
}

}  // namespace
}  // namespace tavro
