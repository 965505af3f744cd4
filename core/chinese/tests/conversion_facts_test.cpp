#include <gtest/gtest.h>

#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/chinese/stepping.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

Settings China() { return Settings{}; }

ChlDate LunarOf(int32_t jdn, const Settings& s = China()) {
  ChlDate d;
  d.epoch = static_cast<int16_t>(s.epoch);
  d.jdn = jdn;
  EXPECT_TRUE(JDNToChlDate(d, s)) << jdn;
  return d;
}

// Lunar new years 2000-2030 at 120 degrees East.
TEST(ChineseFacts, NewYears2000To2030) {
  const int newYears[][3] = {
      {2000, 2, 5},  {2001, 1, 24}, {2002, 2, 12}, {2003, 2, 1},  {2004, 1, 22}, {2005, 2, 9},
      {2006, 1, 29}, {2007, 2, 18}, {2008, 2, 7},  {2009, 1, 26}, {2010, 2, 14}, {2011, 2, 3},
      {2012, 1, 23}, {2013, 2, 10}, {2014, 1, 31}, {2015, 2, 19}, {2016, 2, 8},  {2017, 1, 28},
      {2018, 2, 16}, {2019, 2, 5},  {2020, 1, 25}, {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22},
      {2024, 2, 10}, {2025, 1, 29}, {2026, 2, 17}, {2027, 2, 6},  {2028, 1, 26}, {2029, 2, 13},
      {2030, 2, 3},
  };
  for (const auto& ny : newYears) {
    const int32_t jdn = GregorianJDN(ny[0], ny[1], ny[2]);
    const ChlDate d = LunarOf(jdn);
    EXPECT_EQ(d.month, 1) << ny[0];
    EXPECT_EQ(d.day, 1) << ny[0];
    EXPECT_EQ(d.leap, 0) << ny[0];
    EXPECT_EQ(YearOfCyclePosition(d.cycle, d.position, -2696), ny[0]);
    const ChlDate before = LunarOf(jdn - 1);
    EXPECT_EQ(before.month, 12) << ny[0];
    EXPECT_GE(before.day, 29) << ny[0];

    ChlDate back;
    back.cycle = d.cycle;
    back.position = d.position;
    back.month = 1;
    back.day = 1;
    ASSERT_EQ(ChLDateToJDN(back, China()), kChlOk) << ny[0];
    EXPECT_EQ(back.jdn, jdn) << ny[0];
  }
}

TEST(ChineseFacts, LeapMonths2000To2040) {
  struct Leap {
    int year, month, gy, gm, gd, days;
  } leaps[] = {
      {2001, 4, 2001, 5, 23, 29},  {2004, 2, 2004, 3, 21, 29},  {2006, 7, 2006, 8, 24, 29},
      {2009, 5, 2009, 6, 23, 29},  {2012, 4, 2012, 5, 21, 29},  {2014, 9, 2014, 10, 24, 29},
      {2017, 6, 2017, 7, 23, 30},  {2020, 4, 2020, 5, 23, 29},  {2023, 2, 2023, 3, 22, 29},
      {2025, 6, 2025, 7, 25, 29},  {2028, 5, 2028, 6, 23, 29},  {2031, 3, 2031, 4, 22, 29},
      {2033, 11, 2033, 12, 22, 29}, {2036, 6, 2036, 7, 23, 30}, {2039, 5, 2039, 6, 22, 29},
  };
  const Settings s = China();
  for (int year = 2000; year <= 2040; ++year) {
    const Leap* expected = nullptr;
    for (const auto& l : leaps)
      if (l.year == year) expected = &l;
    for (int month = 1; month <= 12; ++month) {
      ChlDate d;
      d.cycle = CycleOfYear(year, -2696);
      d.position = PositionOfYear(year);
      d.month = month;
      d.leap = 1;
      d.day = 1;
      const int16_t code = ChLDateToJDN(d, s);
      if (expected && expected->month == month) {
        ASSERT_EQ(code, kChlOk) << year << " " << month;
        EXPECT_EQ(d.jdn, GregorianJDN(expected->gy, expected->gm, expected->gd)) << year;
        EXPECT_EQ(LunarMonthLength(d, s), expected->days) << year;
        const ChlDate round = LunarOf(GregorianJDN(expected->gy, expected->gm, expected->gd));
        EXPECT_EQ(round.month, month) << year;
        EXPECT_EQ(round.leap, 1) << year;
        EXPECT_EQ(round.day, 1) << year;
      } else {
        EXPECT_TRUE(code == kChlNoSuchMonth || code == kChlPastTable) << year << " " << month << " " << code;
      }
    }
  }
}

TEST(ChineseFacts, KnownDays) {
  const ChlDate d = LunarOf(GregorianJDN(2024, 2, 10));
  EXPECT_EQ(ChlDateText(d, "CHL"), "79-41-01-01 CHL");
  EXPECT_EQ(ElementAnimalText(d.position), "wood-dragon");
  EXPECT_EQ(StemBranchText(d.position), "jia-chen");

  // Vietnam's meridian moves the new year of 1985 a month earlier.
  Settings vietnam;
  vietnam.referenceLongitude = 105;
  const ChlDate vn = LunarOf(GregorianJDN(1985, 1, 21), vietnam);
  EXPECT_EQ(vn.month, 1);
  EXPECT_EQ(vn.day, 1);
  EXPECT_EQ(YearOfCyclePosition(vn.cycle, vn.position, -2696), 1985);
  const ChlDate cn = LunarOf(GregorianJDN(1985, 2, 20));
  EXPECT_EQ(cn.month, 1);
  EXPECT_EQ(cn.day, 1);
  EXPECT_NE(LunarOf(GregorianJDN(1985, 1, 21)).month, 1);
}

TEST(ChineseFacts, ChlCycleAndLongTexts) {
  const Settings s = China();
  ChlDate d;
  d.cycle = 79;
  d.position = 41;
  d.month = 1;
  d.day = 12;
  EXPECT_EQ(ChlCycleText(d, s), "(yi-mao) day 12, (bing-yin) month 1, (jia-chen) year 41 of cycle 79");
  EXPECT_EQ(d.jdn, GregorianJDN(2024, 2, 21));

  d.month = 5;
  EXPECT_EQ(ChlLongText(d, false, false, false, false, true, s),
            "The 12th day of month 5 \r\nin the wood-dragon year (nian) at position 41 of cycle 79 (year 4721).");
  EXPECT_EQ(ChlLongText(d, false, false, false, false, false, s),
            "Month 5  in the wood-dragon year (nian) at position 41 of cycle 79 (year 4721)");
  // The fifth month of a jia year is geng-wu (metal-horse).
  EXPECT_EQ(ChlLongText(d, false, true, true, true, false, s),
            "Month 5 (geng-wu metal-horse)  in the wood-dragon jia-chen year (nian) at position 41 of cycle "
            "79 (year 4721)");
  d.month = 1;
  const std::string withDay = ChlLongText(d, true, true, true, false, true, s);
  EXPECT_EQ(withDay, "The 12th day (wood-rabbit yi-mao) of month 1 (fire-tiger bing-yin) \r\nin the wood-dragon "
                     "jia-chen year (nian) at position 41 of cycle 79 (year 4721).");
  Settings later = s;
  later.epoch = -2636;
  d.cycle = 78;
  d.month = 2;
  d.leap = 1;
  EXPECT_EQ(ChlLongText(d, false, false, false, false, false, later),
            "Leap month 2*  in the wood-dragon year (nian) at position 41 of cycle 78 (year 4721)");

  ChsDate c;
  c.cycle = 1;
  c.position = 59;
  c.term = 24;
  c.day = 14;
  EXPECT_EQ(ChsLongText(c, false, false, s),
            "The 14th day of solar term 24 (J11) in the year (sui) at position 59 of cycle 1.");
  c.cycle = 79;
  c.position = 41;
  c.term = 1;
  c.day = 1;
  const std::string chs = ChsLongText(c, true, true, s);
  EXPECT_EQ(c.valid, 1);
  EXPECT_EQ(GregorianOf(c.jdn).month, 12);
  EXPECT_EQ(GregorianOf(c.jdn).year, 2023);
  EXPECT_EQ(chs.substr(0, 17), "The 1st day (" + ElementAnimalText(DayCyclePosition(c.jdn)).substr(0, 4));
}

}  // namespace
}  // namespace tavro
