// Properties that must hold everywhere in the supported range, checked on a
// sparse sample (the engine's solves are ephemeris work, about 35 us each).
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"

namespace tavro {
namespace {

// From before the December solstice of -3002 to after the spring of 3003.
constexpr int32_t kFirstLunation = -61880;
constexpr int32_t kLastLunation = 12420;

std::vector<int32_t> SampleLunations(int32_t stride) {
  std::vector<int32_t> out;
  for (int32_t n = kFirstLunation; n <= kLastLunation; n += stride) out.push_back(n);
  for (int32_t n : {-1, 0, 1, kLastLunation - 1, kLastLunation}) out.push_back(n);
  return out;
}

TEST(EngineInvariants, PhasesIncreaseAndLunationsHaveSaneLengths) {
  for (int32_t n : SampleLunations(11)) {
    double previous = _syzyg(n, 0, nullptr);
    for (int q = 1; q <= 4; ++q) {
      const double t = _syzyg(n, q, nullptr);  // q = 4 is the next dark moon
      ASSERT_GT(t - previous, 5.5) << "lunation " << n << " quarter " << q;
      ASSERT_LT(t - previous, 8.5) << "lunation " << n << " quarter " << q;
      previous = t;
    }
    const double length = _syzyg(n + 1, 0, nullptr) - _syzyg(n, 0, nullptr);
    ASSERT_GT(length, 29.2) << "lunation " << n;
    ASSERT_LT(length, 29.9) << "lunation " << n;
    ASSERT_DOUBLE_EQ(_syzyg(n, 4, nullptr), _syzyg(n + 1, 0, nullptr));
    for (int16_t q = 0; q < 4; ++q) {
      const double next = q < 3 ? SyzygyUT(n, static_cast<int16_t>(q + 1)) : SyzygyUT(n + 1, 0);
      ASSERT_LT(SyzygyUT(n, q), next) << "lunation " << n << " quarter " << q << " in UT";
    }
  }
}

TEST(EngineInvariants, PhaseInstantsAreRootsOfTheElongation) {
  for (int32_t n : SampleLunations(997)) {
    for (int q = 0; q < 4; ++q) {
      engine::Longitude sun, moon;
      engine::SunAndMoonTT(_syzyg(n, q, nullptr), sun, moon);
      // 0.1 s of lunar motion is about 0.00035 degree.
      EXPECT_NEAR(engine::Wrap180(moon.degrees - sun.degrees - 90.0 * q), 0.0, 0.0003)
          << "lunation " << n << " quarter " << q;
    }
  }
}

TEST(EngineInvariants, LunationContainingAgreesWithDarkMoonsAtTheBoundaries) {
  const double oneMs = 0.001 / 86400.0;
  for (int32_t n : SampleLunations(311)) {
    const double start = SyzygyUT(n, 0);
    EXPECT_EQ(LunationContaining(start), n);
    EXPECT_EQ(LunationContaining(start - oneMs), n - 1);
    EXPECT_EQ(LunationContaining(start + oneMs), n);
    EXPECT_EQ(LunationContaining(SyzygyUT(n + 1, 0) - oneMs), n);
    EXPECT_EQ(LunationContaining(start + 15.0), n);
  }
}

// The 24 terms of a year from its four quarter intervals: in order, about
// 15 days apart, each exactly at its longitude, and each interval ending
// where the next begins.
TEST(EngineInvariants, TwentyFourTermsAYearInOrder) {
  for (int32_t year = -3002; year <= 3003; year += 13) {
    std::vector<double> terms;
    double next0 = 0;
    for (int k = 0; k < 4; ++k) {
      const int kind = (k + 3) % 4;  // December of year - 1, then March, June, September
      const int32_t y = k == 0 ? year - 1 : year;
      const double t0 = QuarterPointJDE(kind, y);
      const double t1 = kind == 3 ? QuarterPointJDE(0, y + 1) : QuarterPointJDE(kind + 1, y);
      double out[6];
      _solar_terms_true_sun(t0, t1, out);
      EXPECT_NEAR(out[0], t0, 20.0 / 1440.0) << year << " kind " << kind;
      if (k > 0) {
        EXPECT_NEAR(out[0], next0, 1e-9);
      }
      for (double t : out) terms.push_back(t);
      double following[6];
      _solar_terms_true_sun(t1, 0, following);
      next0 = following[0];
    }
    ASSERT_EQ(terms.size(), 24u);
    for (size_t i = 0; i < terms.size(); ++i) {
      const engine::Longitude sun = engine::SunTT(terms[i]);
      EXPECT_NEAR(engine::Wrap180(sun.degrees - (270.0 + 15.0 * i)), 0.0, 1e-6) << year << " term " << i;
      if (i > 0) {
        EXPECT_GT(terms[i] - terms[i - 1], 14.0) << year << " term " << i;
        EXPECT_LT(terms[i] - terms[i - 1], 16.2) << year << " term " << i;
      }
    }
  }
}

// The two ends of what the lunar-year tables of the admissible range need.
TEST(EngineInvariants, AnswersAtBothEndsOfTheRange) {
  const double solstice = QuarterPointJDE(DecemberSolstice, -3002);
  double out[6];
  _solar_terms_true_sun(solstice, QuarterPointJDE(MarchEquinox, -3001), out);
  EXPECT_NEAR(out[0], solstice, 20.0 / 1440.0);
  const double spring = QuarterPointJDE(MarchEquinox, 3003);
  _solar_terms_true_sun(spring, QuarterPointJDE(JuneSolstice, 3003), out);
  EXPECT_NEAR(out[0], spring, 5.0 / 1440.0);
  EXPECT_NEAR(out[5] - out[0], 77.0, 2.0);

  for (double t : {solstice - 60.0, spring + 60.0}) {
    const double ut = t - DeltaTAt(t) / 1440.0;
    const int32_t n = LunationContaining(ut);
    EXPECT_LE(SyzygyUT(n, 0), ut);
    EXPECT_GT(SyzygyUT(n + 1, 0), ut);
    bool exact = false;
    EXPECT_GE(GetPhase(n, ut, exact), 0);
  }
  EXPECT_GT(DeltaTMinutes(-3002), 1200.0);
  EXPECT_FALSE(engine::FellBack()) << "ephemeris files missing: results came from the built-in theory";
}

// Several threads filling the same memo slots must all read the one answer.
TEST(EngineInvariants, MemoisedResultsAreSharedSafelyBetweenThreads) {
  constexpr int kThreads = 4;
  std::vector<std::vector<double>> seen(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([i, &seen] {
      for (int32_t n = 20000 + 5 * i; n < 20080; ++n) seen[i].push_back(_syzyg(n % 2 ? -n : n, n % 4, nullptr));
      double out[6];
      _solar_terms_true_sun(QuarterPointJDE(JuneSolstice, 1234), 0, out);
      seen[i].push_back(out[5]);
      seen[i].push_back(DeltaTMinutes(1234 + i));
    });
  }
  for (std::thread& t : threads) t.join();
  for (int i = 0; i < kThreads; ++i) {
    size_t k = 0;
    for (int32_t n = 20000 + 5 * i; n < 20080; ++n, ++k)
      EXPECT_EQ(seen[i][k], engine::SolveSyzygy(n % 2 ? -n : n, n % 4)) << "thread " << i << " lunation " << n;
    EXPECT_EQ(seen[i][k], seen[0][80]);
  }
}

}  // namespace
}  // namespace tavro
