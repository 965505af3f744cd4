#include "core/ics/calendar_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

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

TEST(CalendarEvents, KindLists) {
  std::vector<CalendarEventKind> kinds;
  std::string error;
  ASSERT_TRUE(ParseCalendarEventKinds("terms, festivals,terms", kinds, error));
  EXPECT_EQ(kinds, (std::vector{CalendarEventKind::Terms, CalendarEventKind::Festivals}));
  EXPECT_FALSE(ParseCalendarEventKinds("festivals,moons", kinds, error));
  EXPECT_NE(error.find("\"moons\""), std::string::npos);
  EXPECT_FALSE(ParseCalendarEventKinds("", kinds, error));
  EXPECT_FALSE(ParseCalendarEventKinds("festivals,", kinds, error));
  for (CalendarEventKind k : AllCalendarEventKinds())
    EXPECT_EQ(CalendarEventKindOfName(CalendarEventKindName(k)), k);
  EXPECT_EQ(DefaultCalendarEventKinds().size(), 4u);
}

TEST(CalendarEvents, RefusesYearsTheFormatCannotHold) {
  const auto all = AllCalendarEventKinds();
  for (auto [from, to] : {std::pair{0, 5}, {-100, 2000}, {2000, 1999}, {2990, 3001}}) {
    const auto r = BuildCalendarEvents(Request(Country::China, from, to, all));
    EXPECT_FALSE(r.ok) << from << " " << to;
    EXPECT_FALSE(r.error.empty());
  }
  EXPECT_NE(BuildCalendarEvents(Request(Country::China, 0, 5, all)).error.find("before 1"), std::string::npos);
  // The first year the format holds works, and so does the range's end.
  EXPECT_TRUE(BuildCalendarEvents(Request(Country::Japan, 1, 1, all)).ok);
  const auto last = BuildCalendarEvents(Request(Country::China, 2999, 3000, all));
  ASSERT_TRUE(last.ok);
  for (const IcsEvent& e : last.calendar.events) {
    if (e.allDay)
      EXPECT_LE(e.jdn, GregorianJDN(3000, 1, 1));
    else
      EXPECT_LE(e.ajd, MaxAJD);
  }
}

TEST(CalendarEvents, EventsOfOneYear) {
  const auto r = BuildCalendarEvents(Request(Country::China, 2025, 2025, AllCalendarEventKinds(), Language::ZhHans));
  ASSERT_TRUE(r.ok);
  const auto& ev = r.calendar.events;
  std::map<std::string, int> byCategory;
  std::set<std::string> uids;
  for (const IcsEvent& e : ev) {
    ++byCategory[e.category];
    EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
  }
  EXPECT_EQ(byCategory["Solar term"], 24);
  EXPECT_EQ(byCategory["Lunar New Year"], 1);
  EXPECT_EQ(byCategory["Leap month"], 1);
  EXPECT_GE(byCategory["Moon"], 48);
  EXPECT_LE(byCategory["Moon"], 52);

  const IcsEvent* midAutumn = Find(ev, "festival-china-mid-autumn-2025-1@tavro");
  ASSERT_NE(midAutumn, nullptr);
  EXPECT_EQ(midAutumn->summary, "中秋节");
  EXPECT_EQ(midAutumn->jdn, GregorianJDN(2025, 10, 6));
  EXPECT_NE(midAutumn->description.find("79-42-08-15 CHL"), std::string::npos);
  EXPECT_NE(midAutumn->description.find("乙巳年八月十五"), std::string::npos);

  // The leap sixth month of 2025 runs 2025-07-25 .. 2025-08-22 (29 days).
  const IcsEvent* leap = Find(ev, "leap-month-china-2025-6@tavro");
  ASSERT_NE(leap, nullptr);
  EXPECT_EQ(leap->summary, "乙巳年闰六月");
  EXPECT_EQ(leap->jdn, GregorianJDN(2025, 7, 25));
  EXPECT_EQ(leap->endJdn, GregorianJDN(2025, 8, 23));

  const IcsEvent* newYear = Find(ev, "new-year-china-2025@tavro");
  ASSERT_NE(newYear, nullptr);
  EXPECT_EQ(newYear->jdn, GregorianJDN(2025, 1, 29));
  EXPECT_EQ(newYear->summary, "乙巳年正月初一");

  // The Beginning of spring 2025 came at 2025-02-03 14:10 UT.
  const IcsEvent* lichun = Find(ev, "term-J1-2025@tavro");
  ASSERT_NE(lichun, nullptr);
  EXPECT_EQ(lichun->summary, "立春 (J1)");
  EXPECT_EQ(IcsDateTimeUTC(lichun->ajd), "20250203T141000Z");
  // Phases are the program's own instants.
  const int32_t n = LunationContaining(GregorianJDN(2025, 1, 29) - 0.5 + 0.6);
  const IcsEvent* newMoon = Find(ev, "new-moon-" + std::to_string(n) + "@tavro");
  ASSERT_NE(newMoon, nullptr);
  EXPECT_EQ(newMoon->ajd, SyzygyUT(n, 0));
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
