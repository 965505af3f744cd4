#include <gtest/gtest.h>

#include "core/chinese/chinese_date.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/lunar_year.h"
#include "core/chinese/names.h"

namespace tavro {
namespace {

TEST(Cycle, ElementAndBranchOfEveryPositionGiveItBack) {
  for (int32_t p = 1; p <= 60; ++p) {
    EXPECT_EQ(CyclePositionOf(ElementIndex(p), BranchIndex(p)), p) << p;
    // Stem and branch advance together, so their parities agree.
    EXPECT_EQ((StemNumber(p) - 1) % 2, BranchIndex(p) % 2) << p;
    // Each element covers two consecutive stems.
    EXPECT_EQ(ElementIndex(p), (StemNumber(p) - 1) / 2) << p;
  }
  EXPECT_EQ(CyclePositionOf(5, 0), 0);
  EXPECT_EQ(CyclePositionOf(0, 12), 0);
}

TEST(Cycle, YearsAndPositions) {
  struct Case {
    int32_t year, epoch, cycle, position;
  } cases[] = {
      {2024, -2696, 79, 41}, {2024, -2636, 78, 41}, {-2696, -2696, 1, 1},
      {-2697, -2696, 0, 60}, {1984, -2696, 79, 1},  {-3000, -2696, -5, 57},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionOfYear(c.year), c.position) << c.year;
    EXPECT_EQ(CycleOfYear(c.year, c.epoch), c.cycle) << c.year;
    EXPECT_EQ(YearOfCyclePosition(c.cycle, c.position, c.epoch), c.year) << c.year;
  }
  for (int32_t y = -3005; y <= 3005; ++y) {
    for (int32_t e : {-2696, -2636})
      EXPECT_EQ(YearOfCyclePosition(CycleOfYear(y, e), PositionOfYear(y), e), y) << y;
  }
}

TEST(Cycle, DayAndMonthPositions) {
  EXPECT_EQ(DayCyclePosition(2451545), 55);
  EXPECT_EQ(DayCyclePosition(2451546), 56);
  EXPECT_EQ(DayCyclePosition(2451545 + 6), 1);
  EXPECT_EQ(DayCyclePosition(-1), DayCyclePosition(59));

  ChlDate d;
  d.position = 1;  // a "jia" year
  d.month = 1;
  EXPECT_EQ(StemBranchText(MonthCyclePosition(d)), "bing-yin");
  d.position = 41;  // 2024
  EXPECT_EQ(StemBranchText(MonthCyclePosition(d)), "bing-yin");
  d.month = 4;
  const int32_t ordinary = MonthCyclePosition(d);
  d.leap = 1;
  EXPECT_EQ(MonthCyclePosition(d), ordinary);
  d.month = 11;
  d.leap = 0;
  EXPECT_EQ(BranchIndex(MonthCyclePosition(d)), 0);  // a rat month
  // Month stems run on without a break from one year to the next.
  for (int32_t p = 1; p <= 60; ++p) {
    ChlDate dec{}, jan{};
    dec.position = p;
    dec.month = 12;
    jan.position = p % 60 + 1;
    jan.month = 1;
    EXPECT_EQ(MonthCyclePosition(jan), MonthCyclePosition(dec) % 60 + 1) << p;
  }
}

TEST(Cycle, OverseasYears) {
  EXPECT_EQ(OverseasChineseYear(79, 41, -2696), 4721);
  EXPECT_EQ(OverseasChineseYear(78, 41, -2636), 4721);
  struct Case {
    int32_t year, epoch, cycle, position;
  } cases[] = {{4721, -2696, 79, 41}, {4721, -2636, 78, 41}, {60, -2696, 1, 60}, {61, -2696, 2, 1}};
  for (const auto& c : cases) {
    const CyclePosition r = CycleOfOverseasYear(c.year, c.epoch);
    EXPECT_EQ(r.cycle, c.cycle) << c.year;
    EXPECT_EQ(r.position, c.position) << c.year;
    EXPECT_EQ(OverseasChineseYear(r.cycle, r.position, c.epoch), c.year);
  }
}

TEST(Names, CountryVariantsAndReverseLookup) {
  EXPECT_EQ(StemBranchText(55), "wu-wu");
  EXPECT_EQ(ElementAnimalText(55), "earth-horse");
  EXPECT_EQ(ElementAnimalText(41), "wood-dragon");
  EXPECT_EQ(StemBranchText(41), "jia-chen");
  EXPECT_EQ(ElementAnimalText(4, Country::Vietnam), "fire-cat");
  EXPECT_EQ(ElementAnimalText(60, Country::Japan), "water-boar");
  EXPECT_EQ(ElementAnimalText(60, Country::China), "water-pig");
  EXPECT_EQ(ElementAnimalText(8, Country::Vietnam), "metal-goat");
  EXPECT_EQ(AnimalIndexOfName("Cat"), 3);
  EXPECT_EQ(AnimalIndexOfName("boar"), 11);
  EXPECT_EQ(AnimalIndexOfName("goat"), 7);
  EXPECT_EQ(AnimalIndexOfName("cow"), -1);
  EXPECT_EQ(ElementIndexOfName("WATER"), 4);
  EXPECT_EQ(ElementIndexOfName(""), -1);
  EXPECT_EQ(DefaultLongitude(Country::Vietnam), 105);
  EXPECT_EQ(DefaultLongitude(Country::Japan), 135);
}

TEST(Texts, ShortDateTexts) {
  EXPECT_EQ(MonthLabel(10, true), "10*");
  EXPECT_EQ(MonthLabel(3, false), "03");
  EXPECT_EQ(MonthLabel(7, true), "7*");

  ChlDate l;
  l.cycle = 79;
  l.position = 41;
  l.month = 5;
  l.day = 12;
  EXPECT_EQ(ChlDateText(l, "CHL"), "79-41-05-12 CHL");
  l.position = 40;
  l.month = 2;
  l.leap = 1;
  l.day = 3;
  EXPECT_EQ(ChlDateText(l, "CHL"), "79-40-2*-03 CHL");
  l.cycle = -5;
  EXPECT_EQ(ChlDateText(l, "CHL"), "-5-40-2*-03 CHL");

  ChsDate s;
  s.cycle = 79;
  s.position = 41;
  s.term = 23;
  s.day = 5;
  EXPECT_EQ(ChsDateText(s, true), "79-41-23-05 CHS");
  s.day = 1;
  EXPECT_EQ(ChsDateText(s, true), "79-41-23-01 CHS (Z10)");
  EXPECT_EQ(ChsDateText(s, false), "79-41-23-01 CHS");
  s.term = 1;
  EXPECT_EQ(ChsDateText(s, true), "79-41-01-01 CHS (Z11)");
}

TEST(MonthLabels, ParseOnlyDatedLabels) {
  int32_t m = 0;
  bool leap = false;
  EXPECT_TRUE(ParseMonthLabel("01", m, leap));
  EXPECT_EQ(m, 1);
  EXPECT_FALSE(leap);
  EXPECT_TRUE(ParseMonthLabel("12*", m, leap));
  EXPECT_EQ(m, 12);
  EXPECT_TRUE(leap);
  for (const char* work : {"", "start of sui", "leap month", "stop here", "*", "1*2"})
    EXPECT_FALSE(ParseMonthLabel(work, m, leap)) << work;
}

}  // namespace
}  // namespace tavro
