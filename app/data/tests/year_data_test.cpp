// The year data: headings, counters and summaries, and every dark-moon line
// checked against the conversions.
#include <cstdio>

#include "app/data/tests/data_fixture.h"
#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year.h"

namespace tavro::testing_data {
namespace {

class YearDataTest : public DataWindowTest {
 protected:
  std::vector<std::string> Run(double ajd, bool major, bool minor, bool names = false) {
    At(ajd);
    data.chkIncludeMajorSolarTerms.value = major;
    data.chkIncludeMinorSolarTerms.value = minor;
    data.chkDisplaySolarTermNames.value = names;
    data.DisplayYearData();
    return Lines(data.txbText.text);
  }
  static bool IsDarkMoonLine(const std::string& l) { return l.find("  LN") != std::string::npos; }
};

TEST_F(YearDataTest, HeadingWithTerms) {
  const auto lines = Run(NoonAJD(2024, 5, 1), true, false);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Dates, times and chronological Julian dates of dark moons");
  EXPECT_EQ(lines[1], "and solar terms for 3 solar years beginning 79-40 (2023 CE),");
  EXPECT_EQ(lines[2], "epoch = -2696, method = true sun.  Times are CCT times,");
  EXPECT_EQ(lines[3], "which assume longitude 120\xC2\xBA E (China) as reference meridian.");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "---------- Sui 79-40");
  EXPECT_EQ(data.caption, "Dates, times and CJDs of dark moons and solar terms");
  EXPECT_EQ(data.intWindow, kWindowYearData);
  EXPECT_TRUE(data.chkIncludeMajorSolarTerms.visible);
  EXPECT_FALSE(data.cmdList.visible);
  EXPECT_FALSE(data.cmdStop.visible);
}

TEST_F(YearDataTest, OptionsInHeading) {
  data.inputs.settings = {135, -2636, 1};
  data.inputs.country = 2;
  data.inputs.zone = "JST";
  data.optJC_Click();
  const auto lines = Run(NoonAJD(2024, 5, 1), false, false);
  EXPECT_EQ(lines[1], "for 3 solar years beginning 78-40 (2023 JC),");
  EXPECT_EQ(lines[2], "epoch = -2636, method = mean sun.  Times are JST times,");
  EXPECT_EQ(lines[3], "which assume longitude 135\xC2\xBA E (Japan) as reference meridian.");
}

// Without terms: no "----------" lines, no blank line before ordinary months,
// and the first "11" and "01" only give a blank line (their counts were negative).
TEST_F(YearDataTest, WithoutTermsFirstSuiAndNianOpenWithBlankLine) {
  const auto lines = Run(NoonAJD(2024, 5, 1), false, false);
  for (const auto& l : lines) EXPECT_EQ(l.find("----------"), std::string::npos) << l;
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "Sui 79-40");
  EXPECT_TRUE(IsDarkMoonLine(lines[6]) && lines[6].find("M11 (1 zq)") != std::string::npos) << lines[6];
  EXPECT_TRUE(IsDarkMoonLine(lines[7]) && lines[7].find("M12") != std::string::npos) << lines[7];
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[9], "Nian  79-40");
  // Neither the first sui nor the first nian is summarised.
  const std::string& text = data.txbText.text;
  EXPECT_EQ(text.find(" was a"), text.find("Sui 79-40 was a long sui, with 13 months.") + 9);
  EXPECT_NE(text.find("\r\nSui 79-40 was a long sui, with 13 months.\r\n\r\nSui 79-41\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nNian 79-40 was a long nian, with 13 months.\r\n\r\nNian  79-41\r\n"), std::string::npos);
  // The listing ends with the third sui and its summary.
  EXPECT_EQ(lines.back(), "Sui 79-42 was a long sui, with 13 months.");
}

TEST_F(YearDataTest, SummariesAndLeapMonthLine) {
  const auto lines = Run(NoonAJD(2024, 5, 1), true, true, true);
  const std::string& text = data.txbText.text;
  EXPECT_NE(text.find("Sui 79-40 was a long sui, with 13 months."), std::string::npos);
  EXPECT_NE(text.find("Sui 79-41 was a normal sui, with 12 months."), std::string::npos);
  EXPECT_NE(text.find(" M2* (0 zq)\r\n"), std::string::npos);
  EXPECT_NE(text.find("  ST 1 Z11 Dong zhi (Winter solstice)\r\n"), std::string::npos);
  EXPECT_NE(text.find("  ST 4 J1 Li chun (Beginning of spring)\r\n"), std::string::npos);
  // 13 + 12 + 13 months, each opened by one dark-moon line.
  int darkMoons = 0, terms = 0;
  for (const auto& l : lines) {
    darkMoons += IsDarkMoonLine(l);
    terms += l.find("  ST") != std::string::npos;
  }
  EXPECT_EQ(darkMoons, 38);
  EXPECT_GE(terms, 72);
}

// Every dark-moon line names the first day of a lunar month of the three sui:
// the conversion of its date must give day 1 of the month in its label, and
// the listing opens with month 11. In 1986 and 2016 the December solstice
// that opens the listing falls on the day of a dark moon, and the month before
// it (of an earlier sui) must not be listed.
TEST_F(YearDataTest, DarkMoonLinesAreTheMonthsOfTheThreeSui) {
  const Settings s;
  for (const double ajd : {NoonAJD(1985, 3, 1), NoonAJD(1986, 6, 1), NoonAJD(2016, 6, 1)}) {
    int checked = 0;
    for (const auto& l : Run(ajd, true, false)) {
      if (!IsDarkMoonLine(l)) continue;
      int y = 0, mo = 0, d = 0;
      ASSERT_EQ(std::sscanf(l.c_str(), "%d-%d-%d CE", &y, &mo, &d), 3) << l;
      const size_t at = l.find(" M", l.find("  LN")) + 2;
      const std::string label = l.substr(at, l.find(" (", at) - at);
      if (checked == 0) EXPECT_EQ(label, "11") << l;
      const int32_t jdn = GregorianJDN(y, mo, d);
      ChsDate chs;
      chs.valid = kNoSolarDate;
      ChlDate chl;
      ASSERT_TRUE(CJDateToChDates(jdn + 0.5, s, chs, chl));
      EXPECT_EQ(chl.day, 1) << l;
      EXPECT_EQ(MonthLabel(chl.month, chl.leap), label) << l;
      ++checked;
    }
    EXPECT_GE(checked, 36) << ajd;
  }
}

// Years are right-aligned to five characters; the minus sign counts.
TEST_F(YearDataTest, YearsAlignedToFiveCharacters) {
  struct Case {
    int year;
    const char* start;
  } cases[] = {{500, "  500-"}, {-500, " -500-"}, {-2500, "-2500-"}, {2024, " 2024-"}, {50, "   50-"}};
  for (const Case& c : cases) {
    for (const auto& l : Run(NoonAJD(c.year, 6, 1), true, true)) {
      if (!IsDarkMoonLine(l) && l.find("  ST") == std::string::npos) continue;
      // Neighbouring years may be one digit longer or shorter, yet every
      // year ends at the fifth character.
      ASSERT_GT(l.size(), 5u);
      EXPECT_EQ(l[5], '-') << c.year << ": " << l;
    }
    bool found = false;
    for (const auto& l : Lines(data.txbText.text)) found = found || l.rfind(c.start, 0) == 0;
    EXPECT_TRUE(found) << c.start;
  }
}

TEST_F(YearDataTest, LunationNumbersBefore2000AreNegative) {
  Run(NoonAJD(1985, 3, 1), false, false);
  EXPECT_NE(data.txbText.text.find("  LN-"), std::string::npos);
  EXPECT_EQ(data.txbText.text.find("  LN -"), std::string::npos);
}

// 2043 is position 60 of cycle 79; the counters go on to position 1 of cycle 80.
TEST_F(YearDataTest, CountersWrapIntoNextCycle) {
  Run(NoonAJD(2044, 6, 1), false, false);
  const std::string& text = data.txbText.text;
  EXPECT_NE(text.find("beginning 79-60 (2043 CE)"), std::string::npos);
  EXPECT_NE(text.find("\r\nSui 80-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nNian  80-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("Sui 79-60 was a"), std::string::npos);
}

TEST_F(YearDataTest, JulianDatesAndCheckBoxesRedisplay) {
  At(NoonAJD(2024, 5, 1));
  data.optJC_Click();  // not the year data yet: nothing listed
  EXPECT_TRUE(data.txbText.text.empty());
  data.DisplayYearData();
  EXPECT_NE(data.txbText.text.find(" 2022-11-11 JC 06:57 CCT"), std::string::npos);
  data.chkDisplaySolarTermNames.value = 1;
  data.chkDisplaySolarTermNames_Click();
  EXPECT_NE(data.txbText.text.find("Dong zhi (Winter solstice)"), std::string::npos);
  data.mainStartingUp = true;
  data.chkIncludeMajorSolarTerms.value = 0;
  data.chkIncludeMajorSolarTerms_Click();
  EXPECT_NE(data.txbText.text.find("Dong zhi"), std::string::npos);  // not redisplayed
}

}  // namespace
}  // namespace tavro::testing_data
