#include "core/arc/arc_date.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/time/euro_date.h"

namespace tavro {
namespace {

ArcDate Arc(int32_t y, int32_t m, int32_t d) {
  ArcDate a;
  a.year = y;
  a.month = m;
  a.day = d;
  return a;
}

ArcDate FromJDN(int32_t jdn) {
  ArcDate a;
  a.jdn = jdn;
  JDNToArcDate(a);
  return a;
}

TEST(ArcYear, LeapAndLongYearsNearThePresent) {
  for (int32_t y = 4715; y <= 4729; ++y) {
    const bool leap = y == 4717 || y == 4720 || y == 4722 || y == 4725 || y == 4728;
    const bool long10 = y == 4715 || y == 4720 || y == 4725;
    EXPECT_EQ(ArcYearHasLeapMonth(y), leap) << y;
    EXPECT_EQ(ArcYearIsLong(y), long10) << y;
  }
  EXPECT_EQ(ArcYearLength(4720), 385);
  EXPECT_EQ(ArcYearLength(4721), 354);
  EXPECT_EQ(ArcYearLength(4725), 385);
  EXPECT_EQ(ArcYearLength(4715), 355);
  EXPECT_EQ(ArcYearLength(4722), 384);
}

TEST(ArcYear, CyclePositionForAnyYear) {
  EXPECT_EQ(ArcCyclePosition(442), 1);
  EXPECT_EQ(ArcCyclePosition(441), 1803);
  EXPECT_EQ(ArcCyclePosition(442 + 1803), 1);
  EXPECT_EQ(ArcCyclePosition(442 - 1803), 1);
  EXPECT_EQ(ArcCyclePosition(-1361), 1);  // (Y + 1361) mod 1803 = 0
  EXPECT_EQ(ArcCyclePosition(-1362), 1803);
  for (int32_t y : {std::numeric_limits<int32_t>::min(), -1000000, -1, 0,
                    std::numeric_limits<int32_t>::max()}) {
    const int32_t p = ArcCyclePosition(y);
    EXPECT_GE(p, 1) << y;
    EXPECT_LE(p, 1803) << y;
  }
}

// Each cycle, wherever it lies, holds the advertised numbers of leap and long
// years, months and days.
TEST(ArcYear, CycleTotals) {
  for (int32_t start : {442, 442 - 3 * 1803, 442 + 1000 * 1803, 442 - 1000 * 1803}) {
    int leap = 0, long10 = 0, months = 0;
    int64_t days = 0;
    for (int32_t y = start; y < start + 1803; ++y) {
      leap += ArcYearHasLeapMonth(y);
      long10 += ArcYearIsLong(y);
      months += ArcYearHasLeapMonth(y) ? 13 : 12;
      days += ArcYearLength(y);
      int32_t sum = 0;
      for (int32_t m = 1; m <= 13; ++m) sum += std::max(ArcMonthLength(y, m), 0);
      ASSERT_EQ(sum, ArcYearLength(y)) << y;
    }
    EXPECT_EQ(leap, 664);
    EXPECT_EQ(long10, 350);
    EXPECT_EQ(months, kArcCycleMonths);
    EXPECT_EQ(days, kArcCycleDays);
  }
}

TEST(ArcMonthLength, Cases) {
  struct Case {
    int32_t year, month, want;
  };
  const Case cases[] = {
      {4720, 1, 30}, {4720, 2, 29},  {4720, 9, 30},  {4720, 10, 30}, {4721, 10, 29},
      {4720, 12, 29}, {4720, 13, 30}, {4721, 13, -2}, {4720, 0, -1},  {4720, 14, -1},
      {4720, -1, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ArcMonthLength(c.year, c.month), c.want) << c.year << "-" << c.month;
}

TEST(ArcDateToJDN, KnownDays) {
  struct Case {
    int32_t y, m, d, jdn;
  };
  const Case cases[] = {
      {442, 1, 1, 897474},
      {441 + 1803, 12, 29, 897474 + 658532 - 1},  // last day of the cycle (common year)
      {442 + 1803, 1, 1, 897474 + 658532},
      {442 - 1803, 1, 1, 897474 - 658532},
      {4720, 1, 1, 2459966},  // 2023-01-21 CE
      {4720, 2, 5, 2460000},
      {4721, 1, 1, 2459966 + 385},
  };
  for (const Case& c : cases) {
    ArcDate a = Arc(c.y, c.m, c.d);
    ASSERT_TRUE(ArcDateIsValid(c.y, c.m, c.d)) << c.y;
    EXPECT_TRUE(ArcDateToJDN(a)) << c.y;
    EXPECT_EQ(a.jdn, c.jdn) << c.y;
    EXPECT_EQ(a.valid, 1);

    ArcDate b = FromJDN(c.jdn);
    EXPECT_EQ(b.year, c.y);
    EXPECT_EQ(b.month, c.m);
    EXPECT_EQ(b.day, c.d);
    EXPECT_EQ(b.valid, 1);
  }
}

TEST(ArcDateToJDN, AgreesWithTheCommonEra) {
  ArcDate epoch = Arc(442, 1, 1), recent = Arc(4720, 1, 1);
  ASSERT_TRUE(ArcDateToJDN(epoch));
  ASSERT_TRUE(ArcDateToJDN(recent));
  EXPECT_EQ(epoch.jdn, GregorianJDN(-2255, 2, 5));
  EXPECT_EQ(recent.jdn, GregorianJDN(2023, 1, 21));
}

TEST(ArcDateToJDN, InvalidDatesClearTheRecord) {
  struct Case {
    int32_t y, m, d;
  };
  const Case cases[] = {
      {4721, 10, 30},  // 10th month of a common year
      {4720, 12, 30},  // even month
      {4720, 2, 30},   {4721, 13, 1},  {4720, 13, 31}, {4720, 0, 1},
      {4720, 14, 1},   {4720, 1, 0},   {4720, 1, -1},  {4720, 1, 31},
  };
  for (const Case& c : cases) {
    ArcDate a = Arc(c.y, c.m, c.d);
    a.jdn = 123;
    a.valid = 1;
    EXPECT_FALSE(ArcDateToJDN(a)) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(a.valid, 0);
    EXPECT_EQ(a.jdn, 0);
  }
  ArcDate ok = Arc(4720, 10, 30);  // long year
  EXPECT_TRUE(ArcDateToJDN(ok));
}

// Years whose day numbers do not fit 32 bits are refused instead of wrapping.
TEST(ArcDateToJDN, DayNumberOverflowIsInvalid) {
  const int32_t extremes[] = {std::numeric_limits<int32_t>::max(), 6000000, -6000000,
                              std::numeric_limits<int32_t>::min()};
  for (int32_t y : extremes) {
    ArcDate a = Arc(y, 1, 1);
    EXPECT_FALSE(ArcDateToJDN(a)) << y;
    EXPECT_EQ(a.valid, 0);
  }
  for (int32_t jdn : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
    ArcDate a = FromJDN(jdn);
    ArcDate b = a;
    EXPECT_TRUE(ArcDateToJDN(b)) << jdn;
    EXPECT_EQ(b.jdn, jdn);
  }
}

// Walk every day of the admissible range: each day converts back to itself and
// follows its predecessor as the next day of the calendar.
TEST(JDNToArcDate, EveryDayOfTheRangeRoundTripsAndIsContiguous) {
  ArcDate prev = FromJDN(625333 - 1);
  for (int32_t jdn = 625333; jdn <= 2816788; ++jdn) {
    ArcDate a = FromJDN(jdn);
    ArcDate back = a;
    ASSERT_TRUE(ArcDateToJDN(back)) << jdn;
    ASSERT_EQ(back.jdn, jdn);

    const bool nextDay = a.year == prev.year && a.month == prev.month && a.day == prev.day + 1;
    const bool nextMonth = a.year == prev.year && a.month == prev.month + 1 && a.day == 1 &&
                           prev.day == ArcMonthLength(prev.year, prev.month);
    const bool nextYear = a.year == prev.year + 1 && a.month == 1 && a.day == 1 &&
                          prev.month == (ArcYearHasLeapMonth(prev.year) ? 13 : 12) &&
                          prev.day == ArcMonthLength(prev.year, prev.month);
    ASSERT_TRUE(nextDay || nextMonth || nextYear) << jdn;
    prev = a;
  }
}

// Far from the present: negative years and several cycles away, including the
// days around cycle starts.
TEST(JDNToArcDate, FarYearsRoundTrip) {
  const int32_t years[] = {-5000000, -1000000, -20000, -1362, -1361, -1, 0, 1,
                           441,      442,      2244,   2245,  9000,  5000000};
  for (int32_t y : years) {
    const int32_t lastMonth = ArcYearHasLeapMonth(y) ? 13 : 12;
    for (const ArcDate& start : {Arc(y, 1, 1), Arc(y, lastMonth, ArcMonthLength(y, lastMonth)),
                                 Arc(y, 10, ArcMonthLength(y, 10))}) {
      ArcDate a = start;
      ASSERT_TRUE(ArcDateToJDN(a)) << y;
      for (int32_t jdn = a.jdn - 40; jdn <= a.jdn + 40; ++jdn) {
        ArcDate b = FromJDN(jdn);
        ASSERT_TRUE(ArcDateToJDN(b)) << jdn;
        ASSERT_EQ(b.jdn, jdn) << y;
      }
      ArcDate c = FromJDN(a.jdn);
      EXPECT_EQ(c.year, start.year);
      EXPECT_EQ(c.month, start.month);
      EXPECT_EQ(c.day, start.day);
    }
  }
  // One cycle earlier is exactly one cycle of days earlier.
  ArcDate a = Arc(-3000, 5, 17), b = Arc(-3000 - 1803, 5, 17);
  ASSERT_TRUE(ArcDateToJDN(a));
  ASSERT_TRUE(ArcDateToJDN(b));
  EXPECT_EQ(a.jdn - b.jdn, kArcCycleDays);
}

TEST(ArcStep, Months) {
  struct Case {
    ArcDate from;
    bool forward;
    ArcDate want;
  };
  const Case cases[] = {
      {Arc(4720, 12, 15), true, Arc(4720, 13, 15)},
      {Arc(4721, 12, 15), true, Arc(4722, 1, 15)},
      {Arc(4720, 13, 30), true, Arc(4721, 1, 30)},
      {Arc(4721, 9, 30), true, Arc(4721, 10, 29)},
      {Arc(4720, 9, 30), true, Arc(4720, 10, 30)},
      {Arc(4720, 1, 30), true, Arc(4720, 2, 29)},
      {Arc(4722, 1, 15), false, Arc(4721, 12, 15)},
      {Arc(4721, 1, 30), false, Arc(4720, 13, 30)},
      {Arc(4720, 13, 30), false, Arc(4720, 12, 29)},
      {Arc(4720, 11, 30), false, Arc(4720, 10, 30)},
      {Arc(4721, 11, 30), false, Arc(4721, 10, 29)},
      {Arc(0, 1, 5), false, Arc(-1, ArcYearHasLeapMonth(-1) ? 13 : 12, 5)},
      {Arc(-1, 12, 5), true, Arc(ArcYearHasLeapMonth(-1) ? -1 : 0, ArcYearHasLeapMonth(-1) ? 13 : 1, 5)},
  };
  for (const Case& c : cases) {
    ArcDate d = c.from;
    d.valid = 1;
    ASSERT_TRUE(ArcStepMonth(d, c.forward));
    EXPECT_EQ(d.year, c.want.year) << c.from.year << "-" << c.from.month << "-" << c.from.day;
    EXPECT_EQ(d.month, c.want.month) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(d.day, c.want.day) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(d.valid, 0);
    EXPECT_TRUE(ArcDateToJDN(d));
  }
}

TEST(ArcStep, Years) {
  struct Case {
    ArcDate from;
    bool forward;
    ArcDate want;
  };
  const Case cases[] = {
      {Arc(4720, 13, 30), true, Arc(4721, 12, 29)},
      {Arc(4720, 13, 30), false, Arc(4719, 12, 29)},
      {Arc(4721, 13, 30), true, Arc(4722, 13, 30)},  // invalid start, leap target keeps 13
      {Arc(4720, 10, 30), true, Arc(4721, 10, 29)},
      {Arc(4720, 10, 30), false, Arc(4719, 10, 29)},
      {Arc(4714, 10, 30), true, Arc(4715, 10, 30)},
      {Arc(4720, 3, 30), true, Arc(4721, 3, 30)},
      {Arc(0, 6, 12), false, Arc(-1, 6, 12)},
  };
  for (const Case& c : cases) {
    ArcDate d = c.from;
    ASSERT_TRUE(ArcStepYear(d, c.forward));
    EXPECT_EQ(d.year, c.want.year) << c.from.year << "-" << c.from.month << "-" << c.from.day;
    EXPECT_EQ(d.month, c.want.month) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(d.day, c.want.day) << c.from.year << "-" << c.from.month;
  }
}

TEST(ArcStep, RefusesWhatCannotBeStepped) {
  for (int32_t month : {0, 14, -3}) {
    ArcDate d = Arc(4720, month, 5);
    EXPECT_FALSE(ArcStepMonth(d, true));
    EXPECT_FALSE(ArcStepYear(d, false));
    EXPECT_EQ(d.month, month);
  }
  const int32_t maxYear = std::numeric_limits<int32_t>::max();
  ArcDate top = Arc(maxYear, ArcYearHasLeapMonth(maxYear) ? 13 : 12, 1);
  EXPECT_FALSE(ArcStepYear(top, true));
  EXPECT_FALSE(ArcStepMonth(top, true));
  EXPECT_EQ(top.year, std::numeric_limits<int32_t>::max());
  ArcDate bottom = Arc(std::numeric_limits<int32_t>::min(), 1, 1);
  EXPECT_FALSE(ArcStepMonth(bottom, false));
  EXPECT_FALSE(ArcStepYear(bottom, false));
  EXPECT_EQ(bottom.month, 1);
}

}  // namespace
}  // namespace tavro
