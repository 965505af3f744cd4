// The lists of windows 1, 2 and 5, checked against the conversions.
#include <cstdio>

#include <cmath>

#include "app/data/data_text.h"
#include "app/data/nian_stats.h"
#include "app/data/tests/data_fixture.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"

namespace tavro::testing_data {
namespace {

class ListsTest : public DataWindowTest {
 protected:
  std::vector<std::string> List(int window, const std::string& years, double ajd) {
    At(ajd);
    data.intWindow = window;
    data.txbNumYears.text = years;
    data.cmdList_Click();
    return Lines(data.txbText.text);
  }
  // Lines of the list proper: the dates (a cycle number first) and anomalies.
  static std::vector<std::string> Rows(const std::vector<std::string>& lines) {
    std::vector<std::string> r;
    for (const auto& l : lines)
      if (!l.empty() && ((l[0] >= '0' && l[0] <= '9') || l[0] == '-' || l == "Anomaly")) r.push_back(l);
    return r;
  }
};

// N = 1 lists the current year, 2 it and the next, 3 the previous to the next.
TEST_F(ListsTest, MonthStartYearRanges) {
  struct Case {
    const char* years;
    const char* first;
    const char* last;
    const char* heading;
  } cases[] = {
      {"1", "79-41-01-01", "79-41-12-01", "and Julian day number for 1 year from 2024 CE"},
      {"2", "79-41-01-01", "79-42-12-01", "and Julian day number for 2 years from 2024 CE"},
      {"3", "79-40-01-01", "79-42-12-01", "and Julian day number for 3 years from 2023 CE"},
  };
  for (const Case& c : cases) {
    const auto lines = List(kWindowMonthStarts, c.years, NoonAJD(2024, 7, 1));
    EXPECT_EQ(lines[1], c.heading);
    const auto rows = Rows(lines);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().substr(0, 11), c.first) << c.years;
    EXPECT_EQ(rows.back().substr(0, 11), c.last) << c.years;
  }
}

TEST_F(ListsTest, MonthStartsWithLeapMonthAfterItsNamesake) {
  const auto lines = List(kWindowMonthStarts, "3", NoonAJD(2024, 7, 1));
  EXPECT_EQ(lines[0], "Starts of all months with corresponding date CE");
  EXPECT_EQ(lines[2], "(epoch = -2696, method = true sun, longitude 120\xC2\xBA E, China):");
  const auto rows = Rows(lines);
  ASSERT_EQ(rows.size(), 38u);  // 2023 and 2025 have a leap month
  const Settings s;
  for (size_t i = 0; i < rows.size(); ++i) {
    // The columns line up whatever the label.
    ASSERT_EQ(rows[i].find(" =  "), 16u) << rows[i];
    int y = 0, mo = 0, d = 0, jdn = 0, days = 0;
    ASSERT_EQ(std::sscanf(rows[i].c_str() + 20, "%d-%d-%d CE = %d JDN %d days", &y, &mo, &d, &jdn, &days), 5)
        << rows[i];
    if (rows[i].find('*') != std::string::npos) {
      ASSERT_GT(i, 0u);
      const std::string namesake = "0" + rows[i].substr(6, 1);
      EXPECT_EQ(rows[i - 1].substr(6, 2), namesake) << rows[i];
    }
    // The date and day number agree, and the month length is the distance
    // to the next month start.
    EXPECT_EQ(GregorianJDN(y, mo, d), jdn);
    ChlDate back;
    ChsDate none;
    none.valid = kNoSolarDate;
    ASSERT_TRUE(CJDateToChDates(jdn + 0.5, s, none, back));
    EXPECT_EQ(ChlDateText(back, "CHL").substr(0, 11), rows[i].substr(0, 11));
    ASSERT_TRUE(CJDateToChDates(jdn + 29.5, s, none, back));
    EXPECT_EQ(days, back.day == 30 ? 30 : 29) << rows[i];
  }
  EXPECT_EQ(data.lblYears.caption, "years");
  EXPECT_EQ(data.cmdClose.caption, "Close");
}

TEST_F(ListsTest, LeapMonthsOnly) {
  data.chkLeapMonthsOnly.value = 1;
  const auto lines = List(kWindowMonthStarts, "3", NoonAJD(2024, 7, 1));
  EXPECT_EQ(lines[0], "Leap months with corresponding date CE and Julian day number");
  EXPECT_EQ(lines[1], "for 3 years from 2023 CE (epoch = -2696, method = true sun,");
  EXPECT_EQ(lines[2], "longitude 120\xC2\xBA E, China):");
  const auto rows = Rows(lines);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "79-40-2*-01  CHL =  2023-03-22 CE =  2460026 JDN  29 days");
  EXPECT_EQ(rows[1], "79-42-6*-01  CHL =  2025-07-25 CE =  2460882 JDN  29 days");
}

// A typed number that is not positive gives the kind's default, written back.
TEST_F(ListsTest, NumberOfYearsDefaults) {
  struct Case {
    int window;
    int leapOnly;
    const char* typed;
    const char* stored;
  } cases[] = {{kWindowMonthStarts, 0, "0", "3"},       {kWindowMonthStarts, 1, "abc", "30"},
               {kWindowJcCeNewYears, 0, "", "20"},       {kWindowNewYears, 0, "-0", "20"},
               {kWindowMonthStarts, 0, "+2 years", "2"}, {kWindowJcCeNewYears, 0, "99999999", "32767"}};
  for (const Case& c : cases) {
    data.chkLeapMonthsOnly.value = c.leapOnly;
    data.intWindow = c.window;
    data.txbNumYears.text = c.typed;
    // Only the number matters here: stop each list at its first yield.
    platform.onDoEvents = [&](int) { data.cmdStop_Click(); };
    data.cmdList_Click();
    EXPECT_EQ(data.txbNumYears.text, c.stored) << c.typed;
  }
}

// 2024's nian has no Li chun (J1:0), 2025's has two (J1:2).
TEST_F(ListsTest, NewYearsWithNianStatistics) {
  const auto lines = List(kWindowNewYears, "3", NoonAJD(2024, 2, 10) - 0.1);
  EXPECT_EQ(lines[0], "Lunar New Year's Day with corresponding European date and JDN");
  EXPECT_EQ(lines[1], "(epoch = -2696, method = true sun, longitude 120\xC2\xBA E, China)");
  EXPECT_EQ(lines[2], "plus number of months, J1's and Z1's in the nian:");
  const auto rows = Rows(lines);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1");
  EXPECT_EQ(rows[1], "79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1");
  EXPECT_EQ(rows[2], "79-43-01-01 CHL = 2026-02-17 CE =  2461089 JDN 12m J1:1 Z1:1");
}

// The statistics against an independent count: the days of term 4 (J1) and
// term 5 (Z1) from the solar-date conversion, between two new years.
TEST_F(ListsTest, NianStatisticsAgreeWithSolarDates) {
  const Settings s;
  for (int32_t year = 1990; year < 2010; ++year) {
    ChlDate ny;
    ny.cycle = CycleOfYear(year, s.epoch);
    ny.position = PositionOfYear(year);
    ny.month = ny.day = 1;
    ASSERT_EQ(ChLDateToJDN(ny, s), kChlOk);
    ChlDate next = ny;
    next.cycle = CycleOfYear(year + 1, s.epoch);
    next.position = PositionOfYear(year + 1);
    ASSERT_EQ(ChLDateToJDN(next, s), kChlOk);
    int j1 = 0, z1 = 0;
    for (int32_t sui = year; sui <= year + 1; ++sui) {
      for (int term : {4, 5}) {
        ChsDate d;
        d.cycle = CycleOfYear(sui, s.epoch);
        d.position = PositionOfYear(sui);
        d.term = term;
        d.day = 1;
        ASSERT_TRUE(ChSDateToJDN(d, s));
        if (d.jdn >= ny.jdn && d.jdn < next.jdn) ++(term == 4 ? j1 : z1);
      }
    }
    const NianStats st = NianStatistics(ny, s.referenceLongitude);
    EXPECT_EQ(st.j1, j1) << year;
    EXPECT_EQ(st.z1, z1) << year;
    const int months = static_cast<int>(std::lround((next.jdn - ny.jdn) / 29.53));
    EXPECT_EQ(st.months, months) << year;
  }
}

// Day 30 of month 2 of 2024 (79-41): in years whose month 2 has 29 days the
// date is reported invalid and listed for day 29.
TEST_F(ListsTest, AnniversaryOfDay30) {
  const Settings s;
  ChlDate start;
  start.cycle = 79;
  start.position = 41;
  start.month = 2;
  start.day = 30;
  ASSERT_EQ(ChLDateToJDN(start, s), kChlOk);
  const auto lines = List(kWindowNewYears, "6", start.jdn + 0.1);
  EXPECT_EQ(lines[0], "Chinese Lunar Calendar anniversaries");
  const auto rows = Rows(lines);
  int invalid = 0, count = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].find(" is invalid") != std::string::npos) {
      ++invalid;
      ASSERT_LT(i + 1, rows.size());
      const std::string date = rows[i].substr(0, 9);  // "79-42-02-"
      EXPECT_EQ(rows[i], date + "30 CHL is invalid");
      EXPECT_EQ(rows[i + 1].substr(0, 17), date + "29 CHL =");
      continue;
    }
    EXPECT_EQ(rows[i].substr(rows[i].rfind(' ')), " " + std::to_string(count)) << rows[i];
    ++count;
  }
  EXPECT_EQ(count, 6);
  EXPECT_GE(invalid, 1);

  data.chkOmitInvalidDates.value = 1;
  const auto omitted = Rows(List(kWindowNewYears, "6", start.jdn + 0.1));
  EXPECT_EQ(omitted.size(), 6u);
  for (const auto& r : omitted) EXPECT_EQ(r.find("invalid"), std::string::npos);
}

// A leap month the later years lack becomes the ordinary month of its number.
TEST_F(ListsTest, AnniversaryOfLeapMonth) {
  const Settings s;
  ChlDate start;
  start.cycle = 79;
  start.position = 40;
  start.month = 2;
  start.leap = 1;
  start.day = 10;
  ASSERT_EQ(ChLDateToJDN(start, s), kChlOk);
  const auto rows = Rows(List(kWindowNewYears, "2", start.jdn + 0.1));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].substr(0, 18), "79-40-2*-10 CHL = ");
  EXPECT_EQ(rows[1], "79-41-2*-10 CHL is invalid");
  EXPECT_EQ(rows[2].substr(0, 18), "79-41-02-10 CHL = ");
}

// Close during a long list stops it after the current year; the caption
// "Stop" goes back to "Close" and the window stays.
TEST_F(ListsTest, StopEndsLongList) {
  platform.onDoEvents = [&](int call) {
    if (call == 1) {
      // Nothing else starts while the list runs.
      EXPECT_FALSE(data.cmdList.enabled || data.chkIncludeMajorSolarTerms.enabled || data.optJC.enabled);
      data.DisplayYearData();
      data.DoTest();
      data.cmdList_Click();
      EXPECT_EQ(data.intWindow, kWindowNewYears);
    }
    if (call == 3) {
      EXPECT_EQ(data.cmdClose.caption, "Stop");
      data.cmdClose_Click();
    }
  };
  const auto rows = Rows(List(kWindowNewYears, "40", NoonAJD(2024, 2, 10) - 0.1));
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_TRUE(data.cmdList.enabled && data.chkIncludeMajorSolarTerms.enabled && data.optJC.enabled);
  EXPECT_TRUE(data.visible);
  EXPECT_EQ(data.cmdClose.caption, "Close");
  EXPECT_EQ(data.lblYears.caption, "years");
  EXPECT_FALSE(data.busyPointer);
}

TEST_F(ListsTest, JulianAndCENewYears) {
  const Settings s;
  data.optJC_Click();
  const auto lines = List(kWindowJcCeNewYears, "12", NoonAJD(2024, 7, 1));
  EXPECT_EQ(lines[0], "Lunar calendar dates of New Years Day in the Julian Calendar");
  EXPECT_EQ(lines[1], "(epoch = -2696, method = true sun, longitude 120\xC2\xBA E, China)");
  ASSERT_EQ(lines.size(), 2u + 24u);
  for (int i = 0; i < 12; ++i) {
    const std::string& l = lines[2 + 2 * i];
    const int32_t year = 2024 + i;
    EXPECT_EQ(l.substr(0, 16), std::to_string(year) + "-01-01 JC = ");
    ChlDate d;
    ASSERT_TRUE(ReadChlDateText(l.substr(16), d));
    ASSERT_EQ(ChLDateToJDN(d, s), kChlOk) << l;
    EXPECT_EQ(d.jdn, NewYearsDay(year, true)) << l;
    EXPECT_EQ(lines[3 + 2 * i], ChlCycleText(d, s));
  }
}

TEST_F(ListsTest, JulianAndCENewYearsStopWhenWindowIsFull) {
  const auto lines = List(kWindowJcCeNewYears, "2000", NoonAJD(1000, 7, 1));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Output window is full.");
  EXPECT_EQ(platform.messages[0].title, "Julian and CE new years");
  EXPECT_GE(CharCount(data.txbText.text), kOutputWindowLimit);
  const size_t years = (lines.size() - 2) / 2;
  EXPECT_LT(years, 2000u);
  EXPECT_EQ(years % 10, 0u);
}

// The lists end at the admissible range, with one message, instead of
// reporting every refused date.
TEST_F(ListsTest, ListsEndAtAdmissibleRange) {
  struct Case {
    int window;
    const char* years;
    int year;
    const char* lastRowStart;
  } cases[] = {
      {kWindowMonthStarts, "5", 2999, "95-57-12-01"},  // 2997..3001: 3001 is left out
      {kWindowJcCeNewYears, "20", 2995, "3000-01-01 CE"},
      {kWindowNewYears, "20", 2995, "95-57-"},
  };
  for (const Case& c : cases) {
    platform.messages.clear();
    const auto lines = List(c.window, c.years, NoonAJD(c.year, 6, 1));
    ASSERT_EQ(platform.messages.size(), 1u) << c.window;
    EXPECT_EQ(platform.messages[0].text, "Years beyond the admissible range (-3000 to 3000 CE) are not listed.");
    const auto rows = Rows(lines);
    ASSERT_FALSE(rows.empty());
    const std::string& last = c.window == kWindowJcCeNewYears ? lines[lines.size() - 2] : rows.back();
    EXPECT_EQ(last.rfind(c.lastRowStart, 0), 0u) << last;
  }
}

}  // namespace
}  // namespace tavro::testing_data
