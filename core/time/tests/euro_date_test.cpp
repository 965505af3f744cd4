#include "core/time/euro_date.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tavro {
namespace {

EuroDate Date(int32_t y, int32_t m, int32_t d, char cal) {
  EuroDate e;
  e.year = y;
  e.month = m;
  e.day = d;
  e.calendar = cal;
  return e;
}

struct JdnCase {
  int32_t year, month, day;
  char calendar;
  int32_t jdn;
};

TEST(EuroDate, KnownDayNumbers) {
  const JdnCase cases[] = {
      {2000, 1, 1, 'G', 2451545},     {1582, 10, 15, 'G', 2299161}, {1582, 10, 5, 'J', 2299161},
      {1582, 10, 4, 'J', 2299160},    {1970, 1, 1, 'G', 2440588},   {-4713, 11, 24, 'G', 0},
      {-4712, 1, 1, 'J', 0},          {-3000, 1, 1, 'G', 625333},   {3000, 1, 1, 'G', 2816788},
      {0, 1, 1, 'G', 1721060},        {0, 1, 1, 'J', 1721058},      {-1, 12, 31, 'J', 1721057},
      {0, 2, 29, 'G', 1721119},       {0, 3, 1, 'G', 1721120},      {-43, 3, 15, 'J', 1705426},
      {1900, 2, 29, 'J', 2415092},    {2024, 2, 29, 'G', 2460370},  {-4800, 3, 1, 'G', -32044},
      {-4713, 1, 1, 'J', -365},       {2023, 1, 21, 'G', 2459966},  {-2255, 2, 5, 'G', 897474},
  };
  for (const auto& c : cases) {
    EuroDate d = Date(c.year, c.month, c.day, c.calendar);
    EXPECT_EQ(EuroDateToJDN(d), c.jdn) << c.year << "-" << c.month << "-" << c.day << " " << c.calendar;
    EXPECT_EQ(d.jdn, c.jdn);
    EXPECT_EQ(d.valid, 1);
    EuroDate back;
    back.jdn = c.jdn;
    back.calendar = c.calendar;
    JDNToEuroDate(back);
    EXPECT_EQ(back.year, c.year) << c.jdn;
    EXPECT_EQ(back.month, c.month) << c.jdn;
    EXPECT_EQ(back.day, c.day) << c.jdn;
    if (c.calendar == 'G') {
      EXPECT_EQ(GregorianJDN(c.year, c.month, c.day), c.jdn);
      const EuroDate g = GregorianOf(c.jdn);
      EXPECT_EQ(g.year, c.year);
      EXPECT_EQ(g.month, c.month);
      EXPECT_EQ(g.day, c.day);
    }
  }
}

struct ValidCase {
  int32_t year, month, day;
  char calendar;
  bool valid;
};

TEST(EuroDate, ValidExactlyWhenTheDateExists) {
  const ValidCase cases[] = {
      {2023, 4, 31, 'G', false}, {2023, 4, 30, 'G', true},   {1900, 2, 29, 'G', false},
      {1900, 2, 29, 'J', true},  {2000, 2, 29, 'G', true},   {2100, 2, 29, 'G', false},
      {2023, 2, 29, 'J', false}, {0, 2, 29, 'G', true},      {-100, 2, 29, 'G', false},
      {-100, 2, 29, 'J', true},  {-400, 2, 29, 'G', true},   {-1, 2, 29, 'J', false},
      {-4, 2, 29, 'J', true},   {-5, 2, 29, 'J', false},    {2023, 13, 1, 'G', false},  {2023, 0, 1, 'G', false},
      {2023, 1, 0, 'G', false},  {2023, 12, 32, 'J', false}, {2023, 12, 31, 'J', true},
      {2023, -1, 5, 'G', false},
  };
  for (const auto& c : cases) {
    EuroDate d = Date(c.year, c.month, c.day, c.calendar);
    EuroDateToJDN(d);
    EXPECT_EQ(d.valid != 0, c.valid) << c.year << "-" << c.month << "-" << c.day << " " << c.calendar;
  }
}

TEST(EuroDate, InvalidDatesStillNumberByOverflow) {
  // 31 April is 1 May; month 13 is January of the next year; day 0 the day before the 1st.
  EuroDate april31 = Date(2023, 4, 31, 'G');
  EXPECT_EQ(EuroDateToJDN(april31), GregorianJDN(2023, 5, 1));
  EuroDate month13 = Date(2023, 13, 1, 'J');
  EuroDate jan = Date(2024, 1, 1, 'J');
  EXPECT_EQ(EuroDateToJDN(month13), EuroDateToJDN(jan));
  EuroDate month0 = Date(2023, 0, 1, 'G');
  EXPECT_EQ(EuroDateToJDN(month0), GregorianJDN(2022, 12, 1));
}

TEST(EuroDate, ExtremeFieldsDoNotOverflow) {
  const int32_t big = std::numeric_limits<int32_t>::max();
  const int32_t small = std::numeric_limits<int32_t>::min();
  for (EuroDate d : {Date(big, big, big, 'G'), Date(small, small, small, 'J'), Date(big, 1, 1, 'G'),
                     Date(small, 12, 31, 'J')}) {
    d.valid = 1;
    EXPECT_EQ(EuroDateToJDN(d), 0);
    EXPECT_EQ(d.valid, 0);
  }
  // The extreme day numbers convert to dates and back.
  for (int32_t jdn : {big, small, big - 1, small + 1}) {
    for (char cal : {'G', 'J'}) {
      EuroDate d;
      d.jdn = jdn;
      d.calendar = cal;
      JDNToEuroDate(d);
      EuroDate back = Date(d.year, d.month, d.day, cal);
      EXPECT_EQ(EuroDateToJDN(back), jdn) << cal;
      EXPECT_EQ(back.valid, 1);
    }
  }
}

TEST(EuroDate, OtherCalendarsAreNotConverted) {
  for (char cal : {'A', 'R', 'X'}) {
    EuroDate d = Date(2000, 1, 1, cal);
    d.jdn = 77;
    d.valid = 1;
    EXPECT_EQ(EuroDateToJDN(d), 77);
    EXPECT_EQ(d.valid, 0);
  }
  EuroDate an = Date(2000, 1, 1, 'A');
  an.valid = 1;
  _annus_novus_date_to_jdn(an);
  EXPECT_EQ(an.valid, 0);
}

// Every day of the admissible range and well beyond, both ways, both calendars:
// consecutive day numbers must give consecutive dates.
void RoundTrip(char calendar, int32_t from, int32_t to) {
  EuroDate prev;
  prev.jdn = from - 1;
  prev.calendar = calendar;
  JDNToEuroDate(prev);
  int failures = 0;
  for (int64_t jdn = from; jdn <= to && failures < 5; ++jdn) {
    EuroDate d;
    d.jdn = static_cast<int32_t>(jdn);
    d.calendar = calendar;
    JDNToEuroDate(d);
    const bool next = (d.year == prev.year && d.month == prev.month && d.day == prev.day + 1) ||
                      (d.year == prev.year && d.month == prev.month + 1 && d.day == 1) ||
                      (d.year == prev.year + 1 && d.month == 1 && d.day == 1 && prev.month == 12 && prev.day == 31);
    EuroDate back = Date(d.year, d.month, d.day, calendar);
    EuroDateToJDN(back);
    if (!next || back.jdn != jdn || back.valid != 1) {
      ++failures;
      ADD_FAILURE() << calendar << " jdn " << jdn << " -> " << d.year << "-" << d.month << "-" << d.day;
    }
    prev = d;
  }
}

TEST(EuroDate, RoundTripEveryDay) {
  for (char cal : {'G', 'J'}) {
    RoundTrip(cal, -1500000, 4500000);  // about -8800 .. 7600, covering -3000 .. 3000
    RoundTrip(cal, std::numeric_limits<int32_t>::min() + 1, std::numeric_limits<int32_t>::min() + 2000);
    RoundTrip(cal, std::numeric_limits<int32_t>::max() - 2000, std::numeric_limits<int32_t>::max());
  }
}

TEST(EuroDate, GregorianHelpersAgreeWithTheLibrary) {
  for (int32_t jdn = 625333 - 800; jdn <= 2816788 + 800; jdn += 37) {
    const EuroDate g = GregorianOf(jdn);
    EuroDate d;
    d.jdn = jdn;
    d.calendar = 'G';
    JDNToEuroDate(d);
    ASSERT_EQ(g.year, d.year);
    ASSERT_EQ(g.month, d.month);
    ASSERT_EQ(g.day, d.day);
    ASSERT_EQ(g.jdn, jdn);
    ASSERT_EQ(GregorianYearOf(jdn), d.year);
    ASSERT_EQ(GregorianJDN(g.year, g.month, g.day), jdn);
  }
}

TEST(EuroDate, DayOfWeek) {
  EXPECT_EQ(EuroDayOfWeek(2451545), 6);  // 2000-01-01, Saturday
  EXPECT_EQ(EuroDayOfWeek(2299161), 5);  // 1582-10-15, Friday
  EXPECT_EQ(EuroDayOfWeek(0), 1);        // Monday
  EXPECT_EQ(EuroDayOfWeek(-1), 0);
  EXPECT_EQ(EuroDayOfWeek(-7), 1);
  EXPECT_EQ(EuroDayOfWeek(std::numeric_limits<int32_t>::max()), (int64_t{std::numeric_limits<int32_t>::max()} + 1) % 7);
  EXPECT_EQ(EuroDayOfWeek(std::numeric_limits<int32_t>::min()), (int64_t{std::numeric_limits<int32_t>::min()} % 7 + 8) % 7);
}

TEST(EuroDate, CEAndJCDatesTruncateTowardZero) {
  EuroDate ce, jc;
  CEAndJCDates(2451545.99, ce, jc);
  EXPECT_EQ(ce.jdn, 2451545);
  EXPECT_EQ(ce.calendar, 'G');
  EXPECT_EQ(jc.calendar, 'J');
  EXPECT_EQ(ce.year, 2000);
  EXPECT_EQ(ce.month, 1);
  EXPECT_EQ(ce.day, 1);
  EXPECT_EQ(jc.year, 1999);
  EXPECT_EQ(jc.month, 12);
  EXPECT_EQ(jc.day, 19);
  CEAndJCDates(-0.5, ce, jc);  // truncation, not floor
  EXPECT_EQ(ce.jdn, 0);
  CEAndJCDates(-1.5, ce, jc);
  EXPECT_EQ(jc.jdn, -1);
  CEAndJCDates(1e300, ce, jc);  // not representable: no undefined conversion
  EXPECT_EQ(ce.jdn, 0);
}

}  // namespace
}  // namespace tavro
