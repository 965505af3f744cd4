// Without its files the library drops to its built-in theory: the engine
// must say so once on stderr and still answer.
#include <gtest/gtest.h>

#include <thread>

#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"

namespace tavro {
namespace {

TEST(EngineFallback, ReportedOnceAndStillAnswers) {
  engine::Longitude goodSun, goodMoon;
  engine::SunAndMoonTT(2460409.265286, goodSun, goodMoon);
  ASSERT_FALSE(engine::FellBack());

  engine::Longitude sun, moon;
  testing::internal::CaptureStderr();
  std::thread worker([&] {
    engine::SetEphemerisPath("/nonexistent/ephemeris");
    engine::SunAndMoonTT(2460409.265286, sun, moon);
    engine::SunAndMoonTT(2460410.0, sun, moon);
    engine::SunAndMoonTT(2460409.265286, sun, moon);
    engine::SetEphemerisPath("/usr/share/libswe/ephe");
  });
  worker.join();
  const std::string err = testing::internal::GetCapturedStderr();

  EXPECT_TRUE(engine::FellBack());
  EXPECT_NE(err.find("built-in ephemeris"), std::string::npos) << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << err;  // one line, however many calls
  // The built-in theory is good to well under a minute of arc here.
  EXPECT_NEAR(engine::Wrap180(moon.degrees - goodMoon.degrees), 0.0, 0.01);
  EXPECT_NEAR(engine::Wrap180(sun.degrees - goodSun.degrees), 0.0, 0.01);

  engine::ForgetFallbackReport();
  engine::SunAndMoonTT(2460409.265286, sun, moon);
  EXPECT_FALSE(engine::FellBack());
  EXPECT_EQ(moon.degrees, goodMoon.degrees);
}

}  // namespace
}  // namespace tavro
