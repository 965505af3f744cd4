#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/log/log_entry.h"

namespace tavro {
namespace {

// 2000-01-01 12:00 GMT, with the texts the main window shows for it.
LogSnapshot Noon2000() {
  LogSnapshot s;
  s.ajd = 2451545.0;
  s.mainTitle = "TAVRO";
  s.chlText = "79-16-11-25 CHL 20:00 CCT";
  s.chsText = "79-17-01-11 CHS 20:00 CCT";
  s.ceText = "2000-01-01 CE 12:00 GMT Saturday";
  s.jcText = "1999-12-19 JC 12:00 GMT Saturday";
  s.phaseText = "Crescent moon (waning), 26.1%";
  s.ageText = "[-1] 24 days, 8 hrs, 20 mins (82.5%)";
  return s;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  EXPECT_EQ(from, text.size()) << "every line ends with CR LF";
  return lines;
}

LogPreferences Only(std::initializer_list<LogPreference> on) {
  LogPreferences p{};
  for (LogPreference x : on) p[x] = 1;
  return p;
}

TEST(LogEntry, DefaultPreferencesIntoAnEmptyLog) {
  const LogEntryResult r = BuildLogEntry(Noon2000(), DefaultLogPreferences(false), true);
  ASSERT_TRUE(r.error.empty()) << r.error;
  const auto lines = Lines(r.text);
  ASSERT_EQ(lines.size(), 11u) << r.text;
  EXPECT_EQ(lines[0], "TAVRO");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "79-16-11-25 CHL 20:00 CCT");
  EXPECT_EQ(lines[3], "= the 25th day (earth-horse wu-wu) of month 11 (fire-rat bing-zi) ");
  EXPECT_EQ(lines[4], "in the earth-rabbit ji-mao year (nian) at position 16 of cycle 79 (year 4696).");
  EXPECT_EQ(lines[5], std::string(20, '-'));
  EXPECT_EQ(lines[6], "2000-01-01 CE 12:00 GMT");
  EXPECT_EQ(lines[7], "= the 1st day of January in the year 2000 in the Common Era Calendar, a Saturday.");
  EXPECT_EQ(lines[8], std::string(20, '-'));
  EXPECT_EQ(lines[9], "Crescent moon (waning), 26.1% illumination");
  EXPECT_EQ(lines[10], "");
  // Not an empty log: no title.
  const auto again = Lines(BuildLogEntry(Noon2000(), DefaultLogPreferences(false), false).text);
  EXPECT_EQ(again.front(), "79-16-11-25 CHL 20:00 CCT");
}

TEST(LogEntry, MinimalPreferences) {
  struct Case {
    LogPreferences prefs;
    const char* text;
  } cases[] = {
      {Only({kLogCE}), "2000-01-01 CE 12:00 GMT\r\n\r\n"},
      {Only({kLogJC}), "1999-12-19 JC 12:00 GMT\r\n\r\n"},
      {Only({kLogAJD}), "2,451,545.0000 AJD\r\n\r\n"},
      {Only({kLogCJDL, kLogVerbose}), "2,451,545.5000 CJDL (chronological Julian date, London)\r\n\r\n"},
      // The epoch line needs a Chinese line beside it.
      {Only({kLogEpochEtc, kLogCE}), "2000-01-01 CE 12:00 GMT\r\n\r\n"},
      {Only({kLogCJDC, kLogEpochEtc}),
       "2,451,545.8333 CJDC\r\nEpoch = -2696, method = true sun, longitude = 120\xC2\xBA E, China.\r\n\r\n"},
      {Only({kLogLunation}), "Lunation -1, age of Moon = 24 days, 8 hrs, 20 mins (82.5%)\r\n\r\n"},
      {Only({kLogLunation, kLogVerbose}), "Lunation -1, age of Moon = 24 days, 8 hrs, 20 mins (82.5% of lunation)\r\n\r\n"},
  };
  for (const Case& c : cases) {
    const LogEntryResult r = BuildLogEntry(Noon2000(), c.prefs, false);
    EXPECT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.text, c.text);
  }
}

TEST(LogEntry, EverythingExpanded) {
  LogPreferences all;
  all.fill(1);
  LogSnapshot s = Noon2000();
  s.country = Country::Japan;
  s.settings.referenceLongitude = 135;
  const LogEntryResult r = BuildLogEntry(s, all, false);
  ASSERT_TRUE(r.error.empty()) << r.error;
  const auto lines = Lines(r.text);
  auto index = [&](const std::string& start) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].rfind(start, 0) == 0) return static_cast<int>(i);
    return -1;
  };
  const int chs = index("79-17-01-11 CHS"), cjdc = index("2,451,545.8750 CJDC"), sep1 = index("-----");
  ASSERT_GE(chs, 0);
  EXPECT_EQ(lines[chs + 1].rfind("= the 11th day (earth-horse, wu-wu) ", 0), 0u) << lines[chs + 1];
  EXPECT_NE(lines[chs + 1].find("of solar term 1 (Z11, Winter solstice, Dong zhi)"), std::string::npos)
      << lines[chs + 1];
  EXPECT_EQ(lines[chs + 2].rfind("in the year (sui) at position 17", 0), 0u) << lines[chs + 2];
  EXPECT_EQ(lines[cjdc], "2,451,545.8750 CJDC (chronological Julian date, longitude  135\xC2\xBA E, Japan)");
  EXPECT_EQ(lines[cjdc + 1], "Epoch = -2696, method = true sun, longitude = 135\xC2\xBA E, Japan.");
  EXPECT_EQ(sep1, cjdc + 2);
  const int jc = index("1999-12-19 JC 12:00 GMT");
  EXPECT_EQ(lines[jc + 1], "= the 19th day of December in the year 1999 in the Julian Calendar, a Saturday.");
  EXPECT_EQ(lines[jc + 3], std::string(20, '-'));
  EXPECT_EQ(lines[jc + 4], "2,451,545.0000 AJD (astronomical Julian date)");
  EXPECT_EQ(lines.back(), "");
}

TEST(LogEntry, TextWithoutItsMarkerStopsTheEntry) {
  LogSnapshot s = Noon2000();
  s.ceText = "2000-01-01 CE";
  LogEntryResult r = BuildLogEntry(s, Only({kLogChL, kLogCE, kLogPhase}), false);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(r.text, "79-16-11-25 CHL 20:00 CCT\r\n");  // what came before stays

  s = Noon2000();
  s.ageText = "no bracket";
  r = BuildLogEntry(s, Only({kLogLunation}), false);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(r.text, "");
}

AutoLogContext PlusMinus(const std::string& text, bool plus = true) {
  AutoLogContext c;
  c.plusMinusText = text;
  c.plus = plus;
  return c;
}

AutoLogContext Move(bool forward, const std::string& unit = "") {
  AutoLogContext c;
  c.forward = forward;
  c.moveUnit = unit;
  return c;
}

AutoLogContext Search(bool next, int target, const std::string& text, const std::string& multiple = "") {
  AutoLogContext c;
  c.next = next;
  c.target = target;
  c.targetText = text;
  c.multipleDescription = multiple;
  return c;
}

TEST(AutoLogHeading, Kinds) {
  struct Case {
    int kind;
    AutoLogContext c;
    const char* heading;
  } cases[] = {
      {kAutoLogNow, {}, "Now"},
      {kAutoLogConvert, {}, ""},
      {kAutoLogConvert, PlusMinus("1"), "Plus 1 day"},
      {kAutoLogConvert, PlusMinus("-1"), "Plus -1 day"},
      {kAutoLogConvert, PlusMinus("1,000"), "Plus 1,000 days"},
      {kAutoLogConvert, PlusMinus(" 2.5 ", false), "Minus 2.5 days"},
      {kAutoLogConvert, PlusMinus("1.0", false), "Minus 1.0 day"},
      {kAutoLogConvert, PlusMinus("0"), "Plus 0 days"},
      {kAutoLogMove, Move(true, "hour"), "Move forward 1 hour"},
      {kAutoLogMove, Move(false, "CHL month"), "Move back 1 CHL month"},
      {kAutoLogSearch, Search(true, 0, "Full moon"), "Search for next full moon"},
      {kAutoLogSearch, Search(false, 20, "Multiple element-animal day", "wood-rat day"),
       "Search for previous wood-rat day"},
      {kAutoLogOneDay, Move(true), "Move forward one day "},
      {kAutoLogOneDay, Move(false), "Move back one day"},
      {0, {}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(AutoLogHeading(c.kind, c.c), c.heading) << c.kind;
}

TEST(AutoLogHeading, UnderlineWhenExpanded) {
  EXPECT_EQ(AutoLogHeadingLines("", true), "\r\n\r\n");
  EXPECT_EQ(AutoLogHeadingLines("", false), "\r\n");
  EXPECT_EQ(AutoLogHeadingLines("Plus 1 day", true), "Plus 1 day\r\n----------\r\n");
  EXPECT_EQ(AutoLogHeadingLines(std::string(300, 'x'), true).size(), 300u + 2 + 255 + 2);
}

}  // namespace
}  // namespace tavro
