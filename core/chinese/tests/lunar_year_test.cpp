#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/lunar_year.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

// Hand-made tables: months of 30 days from day 1000, and the major terms on
// the given month starts (one entry per major term 0, 2, ..., 78 - the last
// index is a minor term and shares the previous day). Minor terms sit one day
// after the major term before them.
LunarYearTables MadeTables(const std::vector<int>& majorMonths, int firstMonthDay = 1000) {
  LunarYearTables t;
  for (int k = 0; k < kDarkMoonCapacity; ++k) t.DarkMoonDays[k] = firstMonthDay + 30 * k;
  for (int i = 0; i < kSolarTermCount; ++i) {
    const int major = i / 2;
    const int month = majorMonths[std::min<int>(major, majorMonths.size() - 1)];
    t.SolarTermDays[i] = firstMonthDay + 30 * month + (i % 2);
  }
  int count = 0;
  while (count < kDarkMoonCapacity && t.DarkMoonDays[count] <= t.SolarTermDays[78] + 40) ++count;
  t.DarkMoonCount = static_cast<int16_t>(count);
  return t;
}

// Major terms one per month, except that each sui listed in `thirteen`
// gets a month without one right after its solstice month + `gapAfter`.
std::vector<int> RegularMajors(std::vector<bool> thirteen, int first = 0, int gapAfter = 4) {
  std::vector<int> months;
  int month = first;
  for (size_t sui = 0; sui < 4; ++sui) {
    for (int j = 0; j < 12; ++j) {
      months.push_back(month);
      ++month;
      if (j == gapAfter && sui < thirteen.size() && thirteen[sui]) ++month;
    }
  }
  return months;
}

TEST(LabelMonths, TwelveAndThirteenMonthSuis) {
  LunarYearTables t = MadeTables(RegularMajors({false, true, false}));
  LabelMonths(t);
  const char* expected[] = {"11", "12", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
                            "11", "12", "01", "02", "03", "3*", "04", "05", "06", "07", "08", "09", "10",
                            "11", "12", "01"};
  for (int k = 0; k < 28; ++k) EXPECT_EQ(t.MonthLabels[k], expected[k]) << k;
  EXPECT_EQ(t.MajorTermCount[17], 0);
  // Labelling ends at the last solstice month.
  EXPECT_EQ(t.MonthLabels[37], kStopHere);
}

TEST(LabelMonths, OnlyTheFirstMonthWithoutAMajorTermIsLeap) {
  // Sui 0 has 13 months; months 3 and 9 have no major term because two major
  // terms share month 6, each of them on the first day of a month.
  std::vector<int> majors = {0, 1, 2, 4, 5, 6, 6, 7, 8, 10, 11, 12};
  for (int j = 0; j < 36; ++j) majors.push_back(13 + j);
  LunarYearTables t = MadeTables(majors);
  LabelMonths(t);
  EXPECT_EQ(t.MajorTermCount[3], 0);
  EXPECT_EQ(t.MajorTermCount[9], 0);
  EXPECT_EQ(t.MajorTermCount[6], 2);
  const char* expected[] = {"11", "12", "01", "1*", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"};
  for (int k = 0; k < 14; ++k) EXPECT_EQ(t.MonthLabels[k], expected[k]) << k;
}

TEST(LabelMonths, AMajorTermOnTheDayOfADarkMoonBelongsToTheMonthItBegins) {
  LunarYearTables t = MadeTables(RegularMajors({}));
  t.SolarTermDays[4] = t.DarkMoonDays[2] - 1;  // last day of month 1
  t.SolarTermDays[6] = t.DarkMoonDays[3];      // first day of month 3
  LabelMonths(t);
  EXPECT_EQ(t.MajorTermCount[1], 2);
  EXPECT_EQ(t.MajorTermCount[2], 0);
  EXPECT_EQ(t.MajorTermCount[3], 1);
}

TEST(LabelMonths, SolsticeOnTheDayOfTheSecondDarkMoon) {
  // The December solstice of b - 2 (term 0) falls on the first day of month 1:
  // month 0 holds no "start of sui". The sui that follow must still be
  // labelled by the rules, and month 0 must not pass for a dated month.
  LunarYearTables t = MadeTables(RegularMajors({false, true, false}, 1));
  ASSERT_EQ(t.SolarTermDays[0], t.DarkMoonDays[1]);
  LabelMonths(t);
  int32_t m = 0;
  bool leap = false;
  EXPECT_FALSE(ParseMonthLabel(t.MonthLabels[0], m, leap));
  EXPECT_EQ(t.MonthLabels[1], "11");
  EXPECT_EQ(t.MonthLabels[3], "01");
  EXPECT_EQ(t.MonthLabels[12], "10");
  EXPECT_EQ(t.MonthLabels[13], "11");
  EXPECT_EQ(t.MonthLabels[18], "3*");
  EXPECT_EQ(t.MonthLabels[26], "11");
  EXPECT_EQ(t.MonthLabels[37], "10");
  EXPECT_EQ(t.MonthLabels[38], kStopHere);
}

TEST(LunarYear, SuiYearTurnsOnTheDayOfTheSolstice) {
  for (int L : {105, 120, 135}) {
    for (int32_t y : {-2500, 1000, 2023, 2999}) {
      const double solsticeDay = std::floor(DecemberSolsticeCJDC(y, L));
      EXPECT_EQ(SuiYearOf(solsticeDay, L), y + 1) << y;
      EXPECT_EQ(SuiYearOf(solsticeDay + 0.99, L), y + 1) << y;
      EXPECT_EQ(SuiYearOf(solsticeDay - 0.01, L), y) << y;
      EXPECT_EQ(SuiYearOf(GregorianJDN(y, 1, 1), L), y) << y;
    }
  }
}

TEST(LunarYear, TablesSpanAndMonthStarts) {
  const LunarYearTables t = BuildLunarYear(GregorianJDN(2024, 6, 1), 120);
  EXPECT_EQ(t.anchorYear, 2024);
  EXPECT_GE(t.DarkMoonCount, 40);
  EXPECT_LE(t.DarkMoonCount, kDarkMoonCapacity);
  // Month 0 is the lunation in progress at the solstice of b - 2.
  EXPECT_LE(t.DarkMoonDays[0], t.SolarTermDays[0]);
  EXPECT_GT(t.DarkMoonDays[1], t.SolarTermDays[0] - 1);
  EXPECT_GT(t.DarkMoonDays[t.DarkMoonCount - 1], t.SolarTermDays[78] + 10);
  for (int k = 0; k < t.DarkMoonCount; ++k) {
    EXPECT_EQ(t.DarkMoonDays[k], static_cast<int32_t>(std::floor(t.DarkMoonCJD[k])));
    EXPECT_DOUBLE_EQ(t.DarkMoonCJD[k], ToCJDC(SyzygyUT(t.FirstLunation + k, 0), 120));
  }
  EXPECT_DOUBLE_EQ(t.SolarTermCJD[78], t.CardinalPoints[13]);
  for (int i = 0; i + 1 < kSolarTermCount; ++i) EXPECT_LT(t.SolarTermCJD[i], t.SolarTermCJD[i + 1]);
  // The refined solstice stays within minutes of the computed one.
  EXPECT_NEAR(t.SolarTermCJD[48], t.CardinalPoints[8], 0.01);
}

TEST(LunarYear, ADarkMoonLateInTheUtDayBeginsTheNextReferenceDay) {
  // At 120 degrees East a conjunction after 16:00 UT starts the month on the
  // next civil day. Find such a lunation near 2024 and check the table.
  for (int32_t n = 290; n < 330; ++n) {
    const double ut = SyzygyUT(n, 0);
    const double frac = ut + 0.5 - std::floor(ut + 0.5);
    if (frac < 16.5 / 24 || frac > 23.5 / 24) continue;
    const LunarYearTables t = BuildLunarYear(ToCJDC(ut, 120), 120);
    const int k = n - t.FirstLunation;
    ASSERT_GE(k, 0);
    EXPECT_EQ(t.DarkMoonDays[k], static_cast<int32_t>(std::floor(ut + 0.5)) + 1);
    return;
  }
  FAIL() << "no late conjunction found";
}

TEST(LunarYear, MeanSunCutsEachSolarYearIntoEqualParts) {
  LunarYearTables t;
  BuildSolarTerms(t, GregorianJDN(2024, 6, 1), 120, 1);
  EXPECT_EQ(t.method, 1);
  for (int f = 0; f < 3; ++f) {
    EXPECT_DOUBLE_EQ(t.SolarTermCJD[24 * f], t.CardinalPoints[f]);
    const double step = (t.CardinalPoints[f + 1] - t.CardinalPoints[f]) / 24;
    EXPECT_NEAR(t.SolarTermCJD[24 * f + 13] - t.SolarTermCJD[24 * f + 12], step, 1e-9);
  }
  // Lunar months are built on the true sun whatever the method.
  const auto mean = SolarTermsAt(GregorianJDN(2024, 6, 1), 120, 1);
  const auto lunar = LunarYearAt(GregorianJDN(2024, 6, 1), 120);
  EXPECT_EQ(lunar->method, 0);
  EXPECT_NE(mean->SolarTermDays, lunar->SolarTermDays);
  EXPECT_EQ(SolarTermsAt(GregorianJDN(2024, 6, 1), 120, 0), lunar);
}

TEST(LunarYearCache, SharedTablesEqualAFreshBuild) {
  ClearLunarYearCache();
  for (int L : {105, 120, 135}) {
    for (int32_t jdn : {625333, 1721426, 2451545, 2460000, 2816788}) {
      const auto shared = LunarYearAt(jdn + 0.25, L);
      const LunarYearTables fresh = BuildLunarYear(jdn + 0.25, L);
      EXPECT_EQ(shared->anchorYear, fresh.anchorYear);
      EXPECT_EQ(shared->longitude, L);
      EXPECT_EQ(shared->SolarTermDays, fresh.SolarTermDays);
      EXPECT_EQ(shared->DarkMoonDays, fresh.DarkMoonDays);
      EXPECT_EQ(shared->MonthLabels, fresh.MonthLabels);
      EXPECT_EQ(LunarYearAt(jdn + 0.75, L), shared);  // same sui, same tables
    }
  }
}

TEST(LunarYearCache, ThreadsGetTheTablesOfTheirOwnMoments) {
  // The ephemeris library keeps per-thread buffers it never frees; warm the
  // engine's memory here so that the threads below never reach it.
  for (int32_t year = 1700; year < 2000; ++year) BuildLunarYear(GregorianJDN(year, 6, 1), 120);
  ClearLunarYearCache();
  // Two threads sweep the same years in opposite directions, evicting each
  // other's tables; each must always read tables of its own anchor year.
  auto sweep = [](bool forward, int& wrong) {
    for (int i = 0; i < 300; ++i) {
      const int32_t year = forward ? 1700 + i : 1999 - i;
      const auto t = LunarYearAt(GregorianJDN(year, 6, 1), 120);
      if (t->anchorYear != year || t->longitude != 120) ++wrong;
    }
  };
  int wrongA = 0, wrongB = 0;
  std::thread a(sweep, true, std::ref(wrongA));
  std::thread b(sweep, false, std::ref(wrongB));
  a.join();
  b.join();
  EXPECT_EQ(wrongA, 0);
  EXPECT_EQ(wrongB, 0);
}

}  // namespace
}  // namespace tavro
