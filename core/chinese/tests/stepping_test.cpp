#include <gtest/gtest.h>

#include <cmath>

#include "core/chinese/conversion.h"
#include "core/chinese/stepping.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

const Settings kChina;

ChlDate Lunar(int32_t cycle, int32_t position, int32_t month, int32_t leap, int32_t day) {
  ChlDate d;
  d.cycle = cycle;
  d.position = position;
  d.month = month;
  d.leap = leap;
  d.day = day;
  return d;
}

ChlDate LunarOfDay(int32_t jdn) {
  ChlDate d;
  d.jdn = jdn;
  EXPECT_TRUE(JDNToChlDate(d, kChina));
  return d;
}

// 2023 (cycle 79, position 40) has a leap month 2*; 2033 (cycle 79, position
// 50) has 11*.
TEST(ChlConversion, ResultCodes) {
  struct Case {
    ChlDate d;
    int16_t code;
  } cases[] = {
      {Lunar(79, 41, 1, 0, 1), kChlOk},
      {Lunar(79, 40, 2, 1, 1), kChlOk},
      {Lunar(79, 50, 11, 1, 29), kChlOk},
      {Lunar(79, 0, 1, 0, 1), kChlFieldOutOfRange},
      {Lunar(79, 61, 1, 0, 1), kChlFieldOutOfRange},
      {Lunar(79, 41, 13, 0, 1), kChlFieldOutOfRange},
      {Lunar(79, 41, 1, 2, 1), kChlFieldOutOfRange},
      {Lunar(79, 41, 1, 0, 0), kChlFieldOutOfRange},
      {Lunar(79, 41, 1, 0, 32), kChlFieldOutOfRange},
      {Lunar(2000000000, 41, 1, 0, 1), kChlFieldOutOfRange},  // no year arithmetic overflow
      {Lunar(97, 1, 1, 0, 1), kChlFieldOutOfRange},           // 3064: beyond the ephemeris
      {Lunar(-52, 1, 1, 0, 1), kChlFieldOutOfRange},          // -3056
      {Lunar(95, 56, 12, 0, 1), kChlOk},                      // the month holding 3000-01-01
      {Lunar(79, 41, 1, 0, 31), kChlDayBeyondMonth},
      {Lunar(79, 41, 3, 1, 1), kChlNoSuchMonth},
  };
  for (auto& c : cases) {
    ChlDate d = c.d;
    d.valid = 1;
    EXPECT_EQ(ChLDateToJDN(d, kChina), c.code) << d.cycle << "-" << d.position << "-" << d.month;
    EXPECT_EQ(d.valid, c.code == kChlOk ? 1 : 0);
  }
  // Day 30 of a 29-day month is -4; day 29 of it exists.
  ChlDate d = Lunar(79, 41, 1, 0, 30);
  const int16_t length = LunarMonthLength(d, kChina);
  ASSERT_TRUE(length == 29 || length == 30);
  for (int32_t month = 1; month <= 12; ++month) {
    ChlDate m = Lunar(79, 41, month, 0, 30);
    if (LunarMonthLength(m, kChina) == 29) {
      EXPECT_EQ(ChLDateToJDN(m, kChina), kChlDayBeyondMonth);
      m.day = 29;
      EXPECT_EQ(ChLDateToJDN(m, kChina), kChlOk);
    }
  }
  ChlDate missing = Lunar(79, 41, 5, 1, 1);
  EXPECT_EQ(LunarMonthLength(missing, kChina), kChlNoSuchMonth);
  EXPECT_EQ(missing.day, 30);
}

TEST(ChlConversion, EpochNamesTheSameDayDifferently) {
  Settings later;
  later.epoch = -2636;
  ChlDate d = Lunar(78, 41, 1, 0, 1);
  ASSERT_EQ(ChLDateToJDN(d, later), kChlOk);
  EXPECT_EQ(d.epoch, -2636);
  EXPECT_EQ(d.jdn, GregorianJDN(2024, 2, 10));
  ChlDate l;
  ChsDate s;
  s.valid = kNoSolarDate;
  l.valid = 7;
  EXPECT_TRUE(CJDateToChDates(d.jdn + 0.9, later, s, l));
  EXPECT_EQ(l.cycle, 78);
  EXPECT_EQ(l.valid, 7);  // untouched
  EXPECT_EQ(s.valid, 0);
  EXPECT_EQ(s.term, 0);  // no solar date was wanted
}

TEST(ChlConversion, DaysFarOutsideTheRangeAreRefusedUntouched) {
  for (double cjd : {0.0, 100000.5, 5000000.5, -1e300, std::nan("")}) {
    ChlDate l;
    ChsDate c;
    l.month = 7;
    c.term = 7;
    EXPECT_FALSE(CJDateToChDates(cjd, kChina, c, l)) << cjd;
    EXPECT_EQ(l.month, 7);
    EXPECT_EQ(c.term, 7);
  }
  ChsDate far;
  far.cycle = 200;
  far.position = 1;
  far.term = 1;
  far.day = 1;
  EXPECT_FALSE(ChSDateToJDN(far, kChina));
  EXPECT_EQ(far.valid, 0);
}

TEST(ChsConversion, SolsticeBeginsTheSolarYear) {
  ChsDate d;
  d.cycle = 79;
  d.position = 41;
  d.term = 1;
  d.day = 1;
  ASSERT_TRUE(ChSDateToJDN(d, kChina));
  const EuroDate g = GregorianOf(d.jdn);
  EXPECT_EQ(g.year, 2023);
  EXPECT_EQ(g.month, 12);
  EXPECT_EQ(g.day, 22);  // the December solstice of 2023 at 120 degrees East
  ChsDate back;
  ChlDate l;
  EXPECT_TRUE(CJDateToChDates(d.jdn, kChina, back, l));
  EXPECT_EQ(back.position, 41);
  EXPECT_EQ(back.term, 1);
  EXPECT_EQ(back.day, 1);
  EXPECT_TRUE(CJDateToChDates(d.jdn - 1, kChina, back, l));
  EXPECT_EQ(back.position, 40);
  EXPECT_EQ(back.term, 24);

  // Field checks, and a day beyond the term's length.
  for (auto [term, day] : {std::pair{0, 1}, {25, 1}, {1, 0}, {1, 17}}) {
    ChsDate bad = d;
    bad.term = term;
    bad.day = day;
    bad.jdn = 123;
    EXPECT_FALSE(ChSDateToJDN(bad, kChina));
    EXPECT_EQ(bad.jdn, 123);
  }
  int shortTerms = 0;
  for (int32_t term = 1; term <= 24; ++term) {
    ChsDate t = d;
    t.term = term;
    t.day = 16;
    if (!ChSDateToJDN(t, kChina)) {
      ++shortTerms;
      EXPECT_EQ(t.valid, 0);
    }
  }
  EXPECT_GT(shortTerms, 12);  // most terms are 14 or 15 days long
}

TEST(ChsConversion, MeanSunTermsAreEvenlySpaced) {
  Settings mean;
  mean.method = 1;
  int32_t previous = 0;
  for (int32_t term = 1; term <= 24; ++term) {
    ChsDate d;
    d.cycle = 79;
    d.position = 41;
    d.term = term;
    d.day = 1;
    ASSERT_TRUE(ChSDateToJDN(d, mean));
    if (term > 1) {
      EXPECT_TRUE(d.jdn - previous == 15 || d.jdn - previous == 16) << term;
    }
    previous = d.jdn;
  }
}

TEST(Stepping, MonthsForwardAndBackThroughALeapMonth) {
  // 2023: ..., 1, 2, 2*, 3, ...
  ChlDate d = Lunar(79, 40, 2, 0, 10);
  ASSERT_TRUE(StepChlMonth(d, true, kChina));
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.leap, 1);
  ASSERT_TRUE(StepChlMonth(d, true, kChina));
  EXPECT_EQ(d.month, 3);
  EXPECT_EQ(d.leap, 0);
  ASSERT_TRUE(StepChlMonth(d, false, kChina));
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.leap, 1);
  ASSERT_TRUE(StepChlMonth(d, false, kChina));
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.leap, 0);

  // Every month start from 2020 to 2026 is reached by single steps forward,
  // and the same way back.
  const int32_t from = GregorianJDN(2020, 1, 25), to = GregorianJDN(2026, 2, 17);
  ChlDate walk = LunarOfDay(from);
  int steps = 0;
  while (walk.jdn < to) {
    ChlDate next = LunarOfDay(walk.jdn + 1);
    while (next.day != 1) next = LunarOfDay(next.jdn + 1);
    ASSERT_TRUE(StepChlMonth(walk, true, kChina));
    ASSERT_EQ(walk.jdn, next.jdn) << steps;
    ++steps;
  }
  EXPECT_EQ(steps, 6 * 12 + 2 + 1);  // 2020 4*, 2023 2*, 2025 6*
  while (steps-- > 0) ASSERT_TRUE(StepChlMonth(walk, false, kChina));
  EXPECT_EQ(walk.jdn, from);
}

TEST(Stepping, DayThirtyShrinksOnlyWhenItMust) {
  const Settings& s = kChina;
  int shrunk = 0, kept = 0;
  ChlDate d = Lunar(79, 41, 1, 0, 1);
  for (int i = 0; i < 24; ++i) {
    ChlDate thirty = d;
    if (LunarMonthLength(thirty, s) == 30) {
      ASSERT_TRUE(StepChlMonth(thirty, true, s));
      ChlDate probe = thirty;
      const int16_t length = LunarMonthLength(probe, s);
      EXPECT_EQ(thirty.day, length);
      (length == 30 ? kept : shrunk)++;
    }
    ASSERT_TRUE(StepChlMonth(d, true, s));
  }
  EXPECT_GT(shrunk, 0);
  EXPECT_GT(kept, 0);
}

TEST(Stepping, YearsAndCyclesWrapAndFitTheDay) {
  ChlDate d = Lunar(79, 60, 1, 0, 1);
  ASSERT_TRUE(StepChlYear(d, true, kChina));
  EXPECT_EQ(d.cycle, 80);
  EXPECT_EQ(d.position, 1);
  ASSERT_TRUE(StepChlYear(d, false, kChina));
  EXPECT_EQ(d.cycle, 79);
  EXPECT_EQ(d.position, 60);
  d = Lunar(79, 1, 1, 0, 1);
  ASSERT_TRUE(StepChlYear(d, false, kChina));
  EXPECT_EQ(d.cycle, 78);
  EXPECT_EQ(d.position, 60);

  // 2033's 11* has no counterpart in 2034: the year step lands on month 11.
  d = Lunar(79, 50, 11, 1, 29);
  ASSERT_TRUE(StepChlYear(d, true, kChina));
  EXPECT_EQ(d.position, 51);
  EXPECT_EQ(d.month, 11);
  EXPECT_EQ(d.leap, 0);

  d = Lunar(79, 41, 5, 0, 10);
  ASSERT_TRUE(StepChlCycle(d, false, kChina));
  EXPECT_EQ(d.cycle, 78);
  EXPECT_EQ(d.position, 41);
  EXPECT_EQ(d.valid, 1);

  // Solar years and terms.
  ChsDate s;
  s.cycle = 79;
  s.position = 60;
  s.term = 24;
  s.day = 1;
  ASSERT_TRUE(StepChsTerm(s, true, false, kChina));
  EXPECT_EQ(s.cycle, 80);
  EXPECT_EQ(s.position, 1);
  EXPECT_EQ(s.term, 1);
  ASSERT_TRUE(StepChsTerm(s, false, false, kChina));
  EXPECT_EQ(s.position, 60);
  EXPECT_EQ(s.term, 24);
  ASSERT_TRUE(StepChsTerm(s, true, true, kChina));
  EXPECT_EQ(s.cycle, 80);
  EXPECT_EQ(s.position, 60);
  s.day = 16;
  s.term = 12;  // around the June solstice terms last about 15.7 days
  const bool ok = StepChsYear(s, true, kChina);
  EXPECT_TRUE(ok);
  EXPECT_EQ(s.position, 1);
  EXPECT_GE(s.day, 14);
}

}  // namespace
}  // namespace tavro
