#include "core/ics/ics_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "core/time/euro_date.h"

namespace tavro {
namespace {

// Splits on CR LF; false when a bare LF or CR appears.
bool PhysicalLines(const std::string& text, std::vector<std::string>& lines) {
  lines.clear();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) return false;
    const std::string line = text.substr(start, end - start);
    if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) return false;
    lines.push_back(line);
    start = end + 2;
  }
  return true;
}

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    const int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (int k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

TEST(IcsWriter, EscapesText) {
  const struct {
    const char* in;
    const char* out;
  } rows[] = {{"a,b;c\\d", "a\\,b\\;c\\\\d"},
              {"line\nnext", "line\\nnext"},
              {"crlf\r\nnext\rlast", "crlf\\nnext\\nlast"},
              {"tab\there", "tabhere"},
              {"甲辰年正月初一", "甲辰年正月初一"}};
  for (const auto& r : rows) EXPECT_EQ(EscapeIcsText(r.in), r.out) << r.in;
}

TEST(IcsWriter, FoldsAt75OctetsWithoutSplittingCharacters) {
  // Lines of every length in ASCII and in 2-, 3- and 4-octet characters.
  for (const std::string unit : {"a", "ệ", "中", "𠀀"}) {
    for (int count = 1; count < 120; count += 7) {
      std::string content = "SUMMARY:";
      for (int i = 0; i < count; ++i) content += unit;
      const std::string folded = FoldIcsLine(content);
      std::vector<std::string> lines;
      ASSERT_TRUE(PhysicalLines(folded, lines));
      std::string unfolded;
      for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 75u) << unit << count;
        EXPECT_TRUE(ValidUtf8(lines[i])) << unit << count << " line " << i;
        if (i > 0) {
          ASSERT_EQ(lines[i][0], ' ');
          unfolded += lines[i].substr(1);
        } else {
          unfolded += lines[i];
        }
      }
      EXPECT_EQ(unfolded, content);
      // Folding only where needed: a line of 75 octets stays whole.
      if (content.size() <= 75) {
        EXPECT_EQ(lines.size(), 1u);
      }
    }
  }
}

TEST(IcsWriter, DatesAndInstants) {
  EXPECT_EQ(IcsDate(GregorianJDN(2024, 2, 10)), "20240210");
  EXPECT_EQ(IcsDate(GregorianJDN(1, 1, 1)), "00010101");
  EXPECT_FALSE(IcsDate(GregorianJDN(0, 12, 31)).has_value());
  // 2024-02-10 00:00 UT is AJD jdn - 0.5; 22:59:59.9 stays in minute 22:59.
  const double midnight = GregorianJDN(2024, 2, 10) - 0.5;
  EXPECT_EQ(IcsDateTimeUTC(midnight), "20240210T000000Z");
  EXPECT_EQ(IcsDateTimeUTC(midnight + (22 * 3600 + 59 * 60 + 59.9) / 86400.0), "20240210T225900Z");
  EXPECT_EQ(IcsDateTimeUTC(midnight + (3 * 3600 + 7 * 60 + 5) / 86400.0, true), "20240210T030705Z");
  EXPECT_EQ(IcsDateTimeUTC(midnight - 1e-9), "20240209T235900Z");
  // A moment without a day number is refused, not cast.
  EXPECT_FALSE(IcsDateTimeUTC(1e300).has_value());
}

TEST(IcsWriter, WholeCalendar) {
  IcsCalendar cal;
  cal.name = "Tavro: China";
  IcsEvent month;
  month.uid = "leap-month-china-2025-6@tavro";
  month.summary = "乙巳年闰六月";
  month.description = "79-42-6*-01 CHL\nleap, month";
  month.category = "Leap month";
  month.jdn = GregorianJDN(2025, 7, 25);
  month.endJdn = month.jdn + 29;
  IcsEvent timed;
  timed.uid = "new-moon-300@tavro";
  timed.summary = "New moon";
  timed.allDay = false;
  timed.ajd = GregorianJDN(2024, 2, 9) - 0.5 + (22 * 60 + 59) / 1440.0;
  cal.events = {month, timed};
  const auto text = WriteIcs(cal, GregorianJDN(2026, 12, 8));
  ASSERT_TRUE(text.has_value());
  std::vector<std::string> lines;
  ASSERT_TRUE(PhysicalLines(*text, lines));
  const std::vector<std::string> expected = {
      "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Velmora//Tavro//EN", "CALSCALE:GREGORIAN", "METHOD:PUBLISH",
      "X-WR-CALNAME:Tavro: China", "BEGIN:VEVENT", "UID:leap-month-china-2025-6@tavro",
      "DTSTAMP:20261208T120000Z", "DTSTART;VALUE=DATE:20250725", "DTEND;VALUE=DATE:20250823",
      "TRANSP:TRANSPARENT", "SUMMARY:乙巳年闰六月", "DESCRIPTION:79-42-6*-01 CHL\\nleap\\, month",
      "CATEGORIES:Leap month", "END:VEVENT", "BEGIN:VEVENT", "UID:new-moon-300@tavro",
      "DTSTAMP:20261208T120000Z", "DTSTART:20240209T225900Z", "TRANSP:TRANSPARENT", "SUMMARY:New moon",
      "END:VEVENT", "END:VCALENDAR"};
  EXPECT_EQ(lines, expected);
  // A day the format cannot hold fails the whole file rather than write a
  // wrong year.
  cal.events[0].jdn = GregorianJDN(0, 6, 1);
  EXPECT_FALSE(WriteIcs(cal, 2461383.0).has_value());
}

}  // namespace
}  // namespace tavro
