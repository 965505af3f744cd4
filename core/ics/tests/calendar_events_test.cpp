#include "core/ics/calendar_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "core/astro/phases.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

CalendarExport Request(Country c, int32_t from, int32_t to, std::vector<CalendarEventKind> kinds,
                       Language language = Language::English) {
  CalendarExport r;
  r.country = c;
  r.settings.referenceLongitude = DefaultLongitude(c);
  r.language = language;
  r.fromYear = from;
  r.toYear = to;
  r.kinds = std::move(kinds);
  return r;
}

const IcsEvent* Find(const std::vector<IcsEvent>& events, const std::string& uid) {
  for (const IcsEvent& e : events)
    if (e.uid == uid) return &e;
  return nullptr;
}

TEST(CalendarEvents, KindListsAndRefusedYears) {
  std::vector<CalendarEventKind> kinds;
  std::string error;
  ASSERT_TRUE(ParseCalendarEventKinds("terms, festivals,terms", kinds, error));
  EXPECT_EQ(kinds, (std::vector{CalendarEventKind::Terms, CalendarEventKind::Festivals}));
  for (const char* bad : {"festivals,moons", "", "festivals,"}) EXPECT_FALSE(ParseCalendarEventKinds(bad, kinds, error));
  for (CalendarEventKind k : AllCalendarEventKinds()) EXPECT_EQ(CalendarEventKindOfName(CalendarEventKindName(k)), k);

  const auto all = AllCalendarEventKinds();
  for (auto [from, to] : {std::pair{0, 5}, {-100, 2000}, {2000, 1999}, {2990, 3001}})
    EXPECT_FALSE(BuildCalendarEvents(Request(Country::China, from, to, all)).ok) << from << " " << to;
  EXPECT_NE(BuildCalendarEvents(Request(Country::China, 0, 5, all)).error.find("before 1"), std::string::npos);
  // The first year the format holds works, and the range's end is kept.
  EXPECT_TRUE(BuildCalendarEvents(Request(Country::Japan, 1, 1, all)).ok);
  const auto last = BuildCalendarEvents(Request(Country::China, 2999, 3000, all));
  ASSERT_TRUE(last.ok);
  for (const IcsEvent& e : last.calendar.events)
    EXPECT_TRUE(e.allDay ? e.jdn <= GregorianJDN(3000, 1, 1) : e.ajd <= MaxAJD) << e.uid;
}

// The events of 2025 in China: the leap sixth month runs 2025-07-25 ..
// 2025-08-22, the Beginning of spring came at 14:10 UT on 3 February and the
// new moon of the new year at 12:35 UT on 29 January.
TEST(CalendarEvents, EventsOfOneYear) {
  const auto r = BuildCalendarEvents(Request(Country::China, 2025, 2025, AllCalendarEventKinds(), Language::ZhHans));
  ASSERT_TRUE(r.ok);
  const auto& ev = r.calendar.events;
  std::map<std::string, int> byCategory;
  for (const IcsEvent& e : ev) ++byCategory[e.category];
  EXPECT_EQ(byCategory["Solar term"], 24);
  EXPECT_EQ(byCategory["Lunar New Year"] + byCategory["Leap month"], 2);
  EXPECT_GE(byCategory["Moon"], 12 * 4);  // 12.4 lunations a year
  EXPECT_LE(byCategory["Moon"], 13 * 4);

  const IcsEvent* midAutumn = Find(ev, "festival-china-mid-autumn-2025-1@tavro");
  ASSERT_NE(midAutumn, nullptr);
  EXPECT_EQ(midAutumn->summary + " " + midAutumn->description, "中秋节 Mid-Autumn Festival\n79-42-08-15 CHL\n乙巳年八月十五");
  EXPECT_EQ(midAutumn->jdn, GregorianJDN(2025, 10, 6));
  const IcsEvent* leap = Find(ev, "leap-month-china-2025-6@tavro");
  ASSERT_NE(leap, nullptr);
  EXPECT_EQ(leap->summary, "乙巳年闰六月");
  EXPECT_EQ(leap->endJdn - leap->jdn, 29);
  EXPECT_EQ(leap->jdn, GregorianJDN(2025, 7, 25));
  const IcsEvent* newYear = Find(ev, "new-year-china-2025@tavro");
  ASSERT_NE(newYear, nullptr);
  EXPECT_EQ(newYear->summary, "乙巳年正月初一");
  const IcsEvent* lichun = Find(ev, "term-J1-2025@tavro");
  ASSERT_NE(lichun, nullptr);
  EXPECT_EQ(lichun->summary + " " + *IcsDateTimeUTC(lichun->ajd), "立春 (J1) 20250203T141000Z");
  const int32_t n = LunationContaining(GregorianJDN(2025, 1, 29) + 0.1);
  const IcsEvent* newMoon = Find(ev, "new-moon-" + std::to_string(n) + "@tavro");
  ASSERT_NE(newMoon, nullptr);
  EXPECT_EQ(newMoon->ajd, SyzygyUT(n, 0));  // the program's own instant
  EXPECT_EQ(IcsDateTimeUTC(newMoon->ajd), "20250129T123500Z");
}

TEST(CalendarEvents, UidsAreStableAcrossSpansAndLanguages) {
  const auto kinds = AllCalendarEventKinds();
  const auto narrow = BuildCalendarEvents(Request(Country::Japan, 2024, 2024, kinds, Language::Japanese));
  const auto wide = BuildCalendarEvents(Request(Country::Japan, 2023, 2025, kinds, Language::Vietnamese));
  ASSERT_TRUE(narrow.ok && wide.ok);
  std::map<std::string, const IcsEvent*> wideByUid;
  for (const IcsEvent& e : wide.calendar.events) wideByUid[e.uid] = &e;
  for (const IcsEvent& e : narrow.calendar.events) {
    const auto it = wideByUid.find(e.uid);
    ASSERT_NE(it, wideByUid.end()) << e.uid;
    EXPECT_EQ(it->second->jdn, e.jdn) << e.uid;
    EXPECT_EQ(it->second->ajd, e.ajd) << e.uid;
  }
}

// A real iCalendar reader must accept the file: every kind, every country,
// each language's text.
TEST(CalendarEvents, RealReaderAcceptsTheFile) {
  if (std::system("/usr/bin/python3 -c 'import icalendar' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3-icalendar is not installed";
  const std::string script = testing::TempDir() + "check_ics.py";
  {
    std::ofstream py(script);
    py << R"PY(import sys, datetime, icalendar
raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines[-1] == b'', 'file must end with CR LF'
for l in lines[:-1]:
    assert b'\n' not in l and b'\r' not in l, 'bare line break'
    assert len(l) <= 75, 'line longer than 75 octets: %r' % l
    l.decode('utf-8')
cal = icalendar.Calendar.from_ical(raw)
events = cal.walk('VEVENT')
uids = [str(e['UID']) for e in events]
assert len(uids) == len(set(uids)), 'duplicate UID'
for e in events:
    start = e.decoded('DTSTART')
    if isinstance(start, datetime.datetime):
        assert start.utcoffset() == datetime.timedelta(0), 'timed event not in UTC'
    else:
        assert e.decoded('DTEND') > start
summaries = set(str(e['SUMMARY']) for e in events)
for want in sys.argv[3:]:
    assert want in summaries, 'missing summary ' + want
assert len(events) == int(sys.argv[2]), 'event count %d' % len(events)
)PY";
  }
  const struct {
    Country country;
    Language language;
    const char* summary;  // one summary the file must hold, read back through the reader
  } files[] = {{Country::China, Language::ZhHant, "中秋節"},
               {Country::Vietnam, Language::Vietnamese, "Giỗ Tổ Hùng Vương"},
               {Country::Japan, Language::Japanese, "土用の丑の日"},
               {Country::China, Language::English, "Winter Solstice Festival"}};
  for (const auto& f : files) {
    std::string text, error;
    const auto request = Request(f.country, 2023, 2025, AllCalendarEventKinds(), f.language);
    ASSERT_TRUE(ExportIcs(request, GregorianJDN(2026, 12, 8), text, error)) << error;
    const std::string path = testing::TempDir() + "tavro_export.ics";
    std::ofstream(path, std::ios::binary) << text;
    const size_t count = BuildCalendarEvents(request).calendar.events.size();
    const std::string command = "/usr/bin/python3 " + script + " " + path + " " + std::to_string(count) + " '" +
                                f.summary + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::remove(path.c_str());
  }
  std::remove(script.c_str());
}

}  // namespace
}  // namespace tavro
