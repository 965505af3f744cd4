#include "core/astro/moon_data.h"

#include <gtest/gtest.h>

#include "core/astro/phases.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

double NoonOf(int32_t year, int32_t month, int32_t day) { return GregorianJDN(year, month, day) - 0.5 + 0.5; }

TEST(MoonAge, TextTruncatesAndPluralises) {
  struct Case {
    double age;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0 days, 0 hrs, 0 mins"},
      {1.0 + 1.0 / 1440.0, "1 day, 0 hrs, 1 min"},
      {12.0 + 5.0 / 24.0 + 30.5 / 1440.0, "12 days, 5 hrs, 30 mins"},
      {2.0 + 1.0 / 24.0 + 59.99 / 1440.0, "2 days, 1 hr, 59 mins"},
      {29.999, "29 days, 23 hrs, 58 mins"},
  };
  for (const Case& c : cases) EXPECT_EQ(MoonAgeText(c.age), c.text) << c.age;
}

TEST(MoonAge, LabelAtAndJustBeforeADarkMoon) {
  const double start = SyzygyUT(305, 0);
  const MoonData at = ComputeMoonData(start);
  EXPECT_EQ(at.lunation, 305);
  EXPECT_EQ(at.ageText, "[305] 0 days, 0 hrs, 0 mins (0.0%)");

  const MoonData before = ComputeMoonData(start - 0.001 / 86400.0);
  EXPECT_EQ(before.lunation, 304);
  EXPECT_GT(before.percent, 99.99);
  EXPECT_LT(before.percent, 100.0);

  const MoonData early = ComputeMoonData(SyzygyUT(-3, 0) + 12.0);
  EXPECT_EQ(early.ageText.rfind("[-3] 12 days, 0 hrs, ", 0), 0u) << early.ageText;
}

TEST(AngularSeparation, SmallerAngleEitherWay) {
  const double pi = 3.14159265358979323846;
  struct Case {
    double a, b, expected;
  };
  const Case cases[] = {
      {0.1, 0.3, 0.2}, {0.3, 0.1, 0.2}, {0.1, 2 * pi - 0.1, 0.2}, {2 * pi - 0.1, 0.1, 0.2},
      {0.0, pi, pi},   {1.0, 1.0, 0.0},
  };
  for (const Case& c : cases) EXPECT_NEAR(AngularSeparation(c.a, c.b), c.expected, 1e-12) << c.a << " " << c.b;
}

TEST(MoonPhase, NamesSuffixesAndPercent) {
  struct Case {
    double fraction;
    bool waxing;
    const char* text;
  };
  const Case cases[] = {
      {0.0004, true, "Dark moon, 0.0%"},
      {0.0005, true, "Dark moon (waxing), 0.1%"},
      {0.0099, false, "Dark moon (waning), 1.0%"},
      {0.01, true, "Crescent moon (waxing), 1.0%"},
      {0.4499, false, "Crescent moon (waning), 45.0%"},
      {0.45, true, "Half moon (waxing), 45.0%"},
      {0.47, true, "Half moon (waxing), 47.0%"},
      {0.55, false, "Gibbous moon (waning), 55.0%"},
      {0.873, false, "Gibbous moon (waning), 87.3%"},
      {0.99, true, "Full moon (waxing), 99.0%"},
      {0.9996, false, "Full moon, 100.0%"},
  };
  for (const Case& c : cases) EXPECT_EQ(MoonPhaseText(c.fraction, c.waxing), c.text) << c.fraction;
}

TEST(MoonPicture, CaseTable) {
  struct Case {
    double fraction;
    bool waxing;
    MoonCase kind;
    const char* base;
    bool disc;
    int cx, cy, shadeFrom, shadeTo;
    bool inside;
  };
  const Case cases[] = {
      {0.005, true, MoonCase::DarkMoon, "darkmoon", false, 44, 45, 0, -1, false},
      {0.5, true, MoonCase::FirstQuarter, "1stquarter", false, 44, 45, 0, -1, false},
      {0.995, false, MoonCase::FullMoon, "fullmoon", false, 44, 45, 0, -1, false},
      {0.495, false, MoonCase::LastQuarter, "lastquarter", false, 44, 45, 0, -1, false},
      {0.47, true, MoonCase::WaxingCrescent, "1stquarter", true, 44, 45, 44, 89, true},
      {0.7, true, MoonCase::WaxingGibbous, "fullmoon", true, 44, 45, 0, 44, false},
      {0.7, false, MoonCase::WaningGibbous, "fullmoon", true, 44, 45, 44, 89, false},
      {0.2, false, MoonCase::WaningCrescent, "lastquarter", true, 46, 44, 0, 46, true},
  };
  for (const Case& c : cases) {
    const MoonPicture p = ChooseMoonPicture(c.fraction, c.waxing);
    EXPECT_EQ(p.kind, c.kind) << c.fraction;
    EXPECT_EQ(p.baseName, c.base) << c.fraction;
    EXPECT_EQ(p.disc, c.disc) << c.fraction;
    EXPECT_EQ(p.cx, c.cx) << c.fraction;
    EXPECT_EQ(p.cy, c.cy) << c.fraction;
    EXPECT_EQ(p.r, c.cx) << c.fraction;
    if (c.disc) {
      EXPECT_EQ(p.shadeFrom, c.shadeFrom) << c.fraction;
      EXPECT_EQ(p.shadeTo, c.shadeTo) << c.fraction;
      EXPECT_EQ(p.paintInside, c.inside) << c.fraction;
    }
  }
  EXPECT_NEAR(ChooseMoonPicture(0.7, true).e, 0.4, 1e-12);
  EXPECT_NEAR(ChooseMoonPicture(0.2, true).e, 0.6, 1e-12);
}

TEST(MoonPicture, ShadeMaskLeavesTheLitPart) {
  auto painted = [](const std::vector<bool>& m, int x, int y) { return m[static_cast<size_t>(y) * 90 + x]; };
  // Waxing crescent at a quarter lit: the terminator ellipse is half as wide
  // as the disc, so the right limb stays lit and the inside is darkened.
  const MoonPicture crescent = ChooseMoonPicture(0.25, true);
  const std::vector<bool> m = MoonShadeMask(crescent);
  ASSERT_EQ(m.size(), 90u * 90u);
  EXPECT_TRUE(painted(m, 0, 0));           // outside the disc
  EXPECT_TRUE(painted(m, 45, 45));         // inside the ellipse on the lit half
  EXPECT_FALSE(painted(m, 86, 45));        // near the lit limb
  EXPECT_FALSE(painted(m, 10, 45));        // the bitmap's own dark half is not touched
  // Waxing gibbous: the dark left half is lit back except outside the ellipse.
  const std::vector<bool> g = MoonShadeMask(ChooseMoonPicture(0.75, true));
  EXPECT_TRUE(painted(g, 2, 45));
  EXPECT_FALSE(painted(g, 40, 45));
  EXPECT_FALSE(painted(g, 80, 45));
  // Plain bitmaps are shown as they are.
  const std::vector<bool> plain = MoonShadeMask(ChooseMoonPicture(0.5, true));
  EXPECT_EQ(std::count(plain.begin(), plain.end(), true), 0);
}

TEST(MoonData, MethodChangesAt1600) {
  EXPECT_FALSE(ComputeMoonData(NoonOf(1599, 12, 31)).elongationMethod);
  EXPECT_TRUE(ComputeMoonData(NoonOf(1600, 1, 1)).elongationMethod);
  EXPECT_TRUE(ComputeMoonData(NoonOf(2099, 12, 31)).elongationMethod);
  EXPECT_FALSE(ComputeMoonData(NoonOf(2100, 1, 1)).elongationMethod);
}

TEST(MoonData, FirstQuarterBefore1600IsExactlyHalf) {
  const int32_t n = LunationContaining(NoonOf(1500, 6, 1));
  const MoonData d = ComputeMoonData(SyzygyUT(n, 1));
  ASSERT_TRUE(d.valid);
  EXPECT_FALSE(d.elongationMethod);
  EXPECT_NEAR(d.fraction, 0.5, 1e-12);
  EXPECT_EQ(d.phaseText, "Half moon (waxing), 50.0%");
  EXPECT_EQ(d.picture.kind, MoonCase::FirstQuarter);
  EXPECT_EQ(d.picture.baseName, "1stquarter");
  EXPECT_FALSE(d.picture.disc);
}

// Both methods must describe the same Moon: at each quarter of a lunation in
// 1900 the elongation method gives the fraction the interpolation assumes.
TEST(MoonData, ElongationMethodAgreesAtTheQuarters) {
  const int32_t n = LunationContaining(NoonOf(1900, 3, 1));
  const double expected[4] = {0.0, 0.5, 1.0, 0.5};
  for (int16_t q = 0; q < 4; ++q) {
    const MoonData d = ComputeMoonData(SyzygyUT(n, q) + 1e-4);
    ASSERT_TRUE(d.valid);
    EXPECT_TRUE(d.elongationMethod);
    EXPECT_NEAR(d.fraction, expected[q], 0.003) << q;
    EXPECT_EQ(d.waxing, q < 2) << q;
    EXPECT_EQ(d.quarter, q);
  }
}

TEST(MoonData, WaningGibbousLabel) {
  const int32_t n = 305;
  const MoonData d = ComputeMoonData(SyzygyUT(n, 2) + 3.0);
  ASSERT_TRUE(d.valid);
  EXPECT_FALSE(d.waxing);
  EXPECT_EQ(d.phaseText.rfind("Gibbous moon (waning), ", 0), 0u) << d.phaseText;
  EXPECT_EQ(d.picture.kind, MoonCase::WaningGibbous);
}

TEST(MoonData, ErrorText) {
  EXPECT_EQ(GetPhaseErrorText(-1), "Error-1 when calling GetPhase() in DisplayMoonData().");
  EXPECT_EQ(GetPhaseErrorText(-2), "Error-2 when calling GetPhase() in DisplayMoonData().");
}

}  // namespace
}  // namespace tavro
