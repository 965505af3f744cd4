// Properties that must hold on every day of the admissible range: these run
// over -3000..3000 at the Chinese meridian with the true sun.
#include <gtest/gtest.h>

#include <cmath>

#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

constexpr int32_t kFirstDay = 625333;   // -3000-01-01
constexpr int32_t kLastDay = 2816788;   // 3000-01-01

TEST(WholeRange, EveryDayConvertsBackAndMonthsAndTermsFollowOn) {
  const Settings s;
  ChlDate prevL;
  ChsDate prevS;
  int monthsInYear = 0;
  int failures = 0;
  for (int32_t day = kFirstDay; day <= kLastDay && failures < 20; ++day) {
    ChlDate l;
    ChsDate c;
    ASSERT_TRUE(CJDateToChDates(day + 0.5, s, c, l)) << day;

    ChlDate backL = l;
    ChsDate backS = c;
    const bool lunarBack = ChLDateToJDN(backL, s) == kChlOk && backL.jdn == day;
    const bool solarBack = ChSDateToJDN(backS, s) && backS.jdn == day;
    if (day % 97 == 0) {
      // The displayed lines read back to the same dates.
      ChlDate readL;
      ChsDate readS;
      ASSERT_TRUE(ReadChlDateText(ChlDateText(l, "CHL") + " 10:32 CCT", readL)) << day;
      ASSERT_TRUE(ReadChsDateText(ChsDateText(c, true) + " 10:32 CCT", readS)) << day;
      ASSERT_EQ(ChLDateToJDN(readL, s), kChlOk) << day;
      ASSERT_TRUE(ChSDateToJDN(readS, s)) << day;
      ASSERT_EQ(readL.jdn, day);
      ASSERT_EQ(readS.jdn, day);
    }
    bool follows = true;
    if (day > kFirstDay) {
      if (l.day != 1) {
        follows = l.day == prevL.day + 1 && l.month == prevL.month && l.leap == prevL.leap &&
                  l.position == prevL.position && l.cycle == prevL.cycle;
      } else {
        const bool leapOfSame = l.leap == 1 && prevL.leap == 0 && l.month == prevL.month;
        const bool next = l.leap == 0 && l.month == prevL.month % 12 + 1;
        follows = (prevL.day == 29 || prevL.day == 30) && (leapOfSame || next);
        ++monthsInYear;
        if (next && l.month == 1) {
          // A new nian: 12 months, or 13 with a leap month (the first may be partial).
          follows = follows && (day < kFirstDay + 400 || monthsInYear == 12 || monthsInYear == 13);
          follows = follows && l.position == prevL.position % 60 + 1;
          monthsInYear = 0;
        }
      }
      if (c.day != 1) {
        follows = follows && c.day == prevS.day + 1 && c.term == prevS.term && c.position == prevS.position;
      } else {
        follows = follows && prevS.day >= 14 && prevS.day <= 16 && c.term == prevS.term % 24 + 1;
        if (c.term == 1) follows = follows && c.position == prevS.position % 60 + 1;
      }
    }
    if (!lunarBack || !solarBack || !follows) {
      ++failures;
      ADD_FAILURE() << "day " << day << " lunar back " << lunarBack << " solar back " << solarBack
                    << " follows " << follows << " (" << l.cycle << "-" << l.position << "-" << l.month
                    << (l.leap ? "*" : "") << "-" << l.day << ", term " << c.term << " day " << c.day << ")";
    }
    prevL = l;
    prevS = c;
  }
}

// The sui ending in b runs from the month holding the December solstice of
// b - 1 up to the month before the one holding that of b.
TEST(WholeRange, EverySuiHasTwelveOrThirteenMonthsAndTheRightLeapMonth) {
  const Settings s;
  for (int32_t b = -2999; b <= 3000; ++b) {
    const double solstice = DecemberSolsticeCJDC(b - 1, s.referenceLongitude);
    const auto t = LunarYearAt(std::floor(solstice), s.referenceLongitude);
    ASSERT_EQ(t->anchorYear, b);
    const int first = MonthIndexOfDay(*t, t->SolarTermDays[24]);
    const int next = MonthIndexOfDay(*t, t->SolarTermDays[48]);
    ASSERT_GE(first, 0) << b;
    const int months = next - first;
    ASSERT_TRUE(months == 12 || months == 13) << b << ": " << months;
    int leapAt = -1, leapCount = 0, firstWithoutMajor = -1;
    for (int k = first; k < next; ++k) {
      int32_t m = 0;
      bool leap = false;
      ASSERT_TRUE(ParseMonthLabel(t->MonthLabels[k], m, leap)) << b << " month " << k;
      const int length = t->DarkMoonDays[k + 1] - t->DarkMoonDays[k];
      ASSERT_TRUE(length == 29 || length == 30) << b;
      if (leap) {
        ++leapCount;
        leapAt = k;
      }
      if (firstWithoutMajor < 0 && t->MajorTermCount[k] == 0) firstWithoutMajor = k;
      if (m == 1 && !leap && b >= 1901 && b <= 2100) {
        const EuroDate ny = GregorianOf(t->DarkMoonDays[k]);
        const int md = ny.month * 100 + ny.day;
        EXPECT_TRUE(md >= 121 && md <= 220) << "new year " << ny.year << "-" << ny.month << "-" << ny.day;
      }
    }
    EXPECT_EQ(t->MonthLabels[first], "11") << b;
    if (months == 12) {
      EXPECT_EQ(leapCount, 0) << b;
    } else {
      EXPECT_EQ(leapCount, 1) << b;
      EXPECT_EQ(leapAt, firstWithoutMajor) << b;
    }
  }
}

// Every true-sun term of the range, found quarter by quarter as a listing of
// the terms finds it and taken to UT by the one rule for engine instants,
// begins its solar term on the day the solar dates of the tables say. The
// tables once took a whole quarter to UT with the delta T of its opening
// year, so January terms near midnight fell on another day in antiquity.
TEST(WholeRange, EveryTermBeginsOnTheDayItsSolarDateSays) {
  const Settings s;
  int faults = 0;
  for (int32_t year = -3001; year <= 3000 && faults < 10; ++year) {
    for (int kind = 0; kind < 4; ++kind) {
      const int32_t nextYear = kind == DecemberSolstice ? year + 1 : year;
      double out[6];
      _solar_terms_true_sun(QuarterPointJDE(kind, year), QuarterPointJDE((kind + 1) % 4, nextYear), out);
      for (int j = 0; j < 6; ++j) {
        const double ut = UTOfTT(out[j]);
        if (ut < MinAJD || ut > MaxAJD) continue;
        const int term = (kind == DecemberSolstice ? 0 : 6 * (kind + 1)) + j;  // 0 = winter solstice
        const double cjdc = ToCJDC(ut, s.referenceLongitude);
        ChsDate c;
        ChlDate l;
        const bool converted = CJDateToChDates(std::floor(cjdc) + 0.5, s, c, l);
        if (!converted || c.term != term + 1 || c.day != 1) {
          ++faults;
          ADD_FAILURE() << "term " << term + 1 << " at " << std::fixed << cjdc << " CJDC: solar date term "
                        << c.term << " day " << c.day;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavro
