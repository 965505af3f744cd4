#include "core/ics/calendar_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/chinese/stepping.h"
#include "core/festivals/festivals.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr std::array<std::string_view, 7> kKindNames = {"festivals", "new-years", "leap-months", "terms",
                                                          "new-moons", "full-moons", "quarters"};

// The Moon's quarters (0 new .. 3 last quarter) by language.
constexpr std::array<std::array<std::string_view, 4>, kLanguageCount> kPhaseNames = {{
    {"New moon", "First quarter", "Full moon", "Last quarter"},
    {"朔（新月）", "上弦", "望（满月）", "下弦"},
    {"朔（新月）", "上弦", "望（滿月）", "下弦"},
    {"Trăng non", "Trăng thượng huyền", "Trăng tròn", "Trăng hạ huyền"},
    {"新月", "上弦", "満月", "下弦"},
}};
constexpr std::array<std::string_view, 4> kPhaseSlugs = {"new-moon", "first-quarter", "full-moon", "last-quarter"};

constexpr std::string_view kUidDomain = "@tavro";

std::string CountrySlug(Country c) {
  switch (c) {
    case Country::Vietnam: return "vietnam";
    case Country::Japan: return "japan";
    default: return "china";
  }
}

int32_t CivilYearOfInstant(double ajd) { return GregorianYearOf(FloorDay(ajd + 0.5)); }

// The first day of month `month` (the leap month with `leap`) of the lunar
// year that begins in CE year `year`.
bool FirstDayOfMonth(int32_t year, int month, bool leap, const Settings& s, ChlDate& d) {
  d = ChlDate{};
  d.cycle = CycleOfYear(year, s.epoch);
  d.position = PositionOfYear(year);
  d.month = month;
  d.leap = leap ? 1 : 0;
  d.day = 1;
  return ChLDateToJDN(d, s) == kChlOk;
}

struct Builder {
  const CalendarExport& r;
  std::vector<IcsEvent>& events;
  int32_t firstDay, lastDay;  // civil days of the span, inclusive
  double lastInstant;         // the end of the range

  bool DayInSpan(int32_t jdn) const { return jdn >= firstDay && jdn <= lastDay; }
  bool InstantInSpan(double ajd) const {
    const int32_t y = CivilYearOfInstant(ajd);
    return y >= r.fromYear && y <= r.toYear && ajd <= lastInstant;
  }
  std::string Uid(const std::string& body) const { return body + std::string(kUidDomain); }

  void Festivals() {
    std::map<std::string, int> seen;  // key and CE year -> occurrences so far
    for (const FestivalDay& f : FestivalsInYears(r.country, r.fromYear, r.toYear, r.settings)) {
      const std::string year = std::to_string(GregorianYearOf(f.jdn));
      const std::string id = std::string(f.rule->key) + "-" + year;
      const int n = ++seen[id];
      IcsEvent e;
      e.uid = Uid("festival-" + CountrySlug(r.country) + "-" + id + "-" + std::to_string(n));
      e.summary = std::string(FestivalName(*f.rule, r.language));
      e.description = ChlDateText(f.chl, "CHL") + "\n" + NativeDateText(r.language, f.chl);
      if (r.language != Language::English) e.description = std::string(f.rule->names[0]) + "\n" + e.description;
      e.category = "Festival";
      e.jdn = f.jdn;
      events.push_back(std::move(e));
    }
  }

  void NewYears() {
    for (int32_t year = r.fromYear; year <= r.toYear; ++year) {
      ChlDate d;
      if (!FirstDayOfMonth(year, 1, false, r.settings, d) || !DayInSpan(d.jdn)) continue;
      IcsEvent e;
      e.uid = Uid("new-year-" + CountrySlug(r.country) + "-" + std::to_string(year));
      e.summary = r.language == Language::English
                      ? "Lunar New Year (" + ElementAnimalText(d.position, r.country) + ", " +
                            CyclicalName(Language::English, d.position) + ")"
                      : NativeDateText(r.language, d);
      e.description = ChlDateText(d, "CHL");
      e.category = "Lunar New Year";
      e.jdn = d.jdn;
      events.push_back(std::move(e));
    }
  }

  void LeapMonths() {
    // A leap month of the lunar year begun in CE year y may start in y + 1.
    for (int32_t year = r.fromYear - 1; year <= r.toYear; ++year) {
      for (int month = 1; month <= 12; ++month) {
        ChlDate d;
        if (!FirstDayOfMonth(year, month, true, r.settings, d) || !DayInSpan(d.jdn)) continue;
        ChlDate last = d;
        const int16_t length = LunarMonthLength(last, r.settings);
        IcsEvent e;
        e.uid = Uid("leap-month-" + CountrySlug(r.country) + "-" + std::to_string(GregorianYearOf(d.jdn)) + "-" +
                    std::to_string(month));
        e.summary = r.language == Language::English
                        ? "Leap month " + MonthLabel(month, true) + " (" + CyclicalName(Language::English, d.position) +
                              " year)"
                        : CyclicalName(r.language, d.position) +
                              (r.language == Language::Vietnamese ? " " : "年") +
                              MonthNameNative(r.language, month, true);
        e.description = ChlDateText(d, "CHL");
        e.category = "Leap month";
        e.jdn = d.jdn;
        e.endJdn = d.jdn + (length > 0 ? length : 1);
        events.push_back(std::move(e));
      }
    }
  }

  void Terms() {
    const int L = r.settings.referenceLongitude;
    // Term t (1 = the December solstice) of the solar year y is read as the
    // program reads it: from the tables looked up in month (t + 1) / 2 of y.
    for (int32_t sui = r.fromYear; sui <= r.toYear + 1; ++sui) {
      for (int t = 1; t <= 24; ++t) {
        const auto tables = SolarTermsAt(GregorianJDN(sui, (t + 1) / 2, 1), L, 0);
        const double ajd = FromCJDC(tables->SolarTermCJD[t + 23], L);
        if (!InstantInSpan(ajd)) continue;
        const int index = t - 1;
        IcsEvent e;
        e.uid = Uid("term-" + SolarTermCodes[index] + "-" + std::to_string(CivilYearOfInstant(ajd)));
        e.summary = std::string(SolarTermNameNative(r.language, index)) + " (" + SolarTermCodes[index] + ")";
        e.description = SolarTermEnglish[index] + " (" + SolarTermPinyin[index] + "), " +
                        std::to_string(15 * ((index + 18) % 24)) + "°";
        e.category = "Solar term";
        e.allDay = false;
        e.ajd = ajd;
        events.push_back(std::move(e));
      }
    }
  }

  void Phases(std::initializer_list<int16_t> quarters) {
    const double start = GregorianJDN(r.fromYear, 1, 1) - 0.5;  // 00:00 UT, 1 January
    for (int32_t n = LunationContaining(start);; ++n) {
      if (CivilYearOfInstant(SyzygyUT(n, 0)) > r.toYear) break;
      for (int16_t q : quarters) {
        const double ajd = SyzygyUT(n, q);
        if (!InstantInSpan(ajd)) continue;
        IcsEvent e;
        e.uid = Uid(std::string(kPhaseSlugs[q]) + "-" + std::to_string(n));
        e.summary = std::string(kPhaseNames[static_cast<int>(r.language)][q]);
        e.category = "Moon";
        e.allDay = false;
        e.ajd = ajd;
        events.push_back(std::move(e));
      }
    }
  }
};

}  // namespace

std::string_view CalendarEventKindName(CalendarEventKind kind) { return kKindNames[static_cast<size_t>(kind)]; }

std::optional<CalendarEventKind> CalendarEventKindOfName(std::string_view name) {
  for (size_t i = 0; i < kKindNames.size(); ++i)
    if (kKindNames[i] == name) return static_cast<CalendarEventKind>(i);
  return std::nullopt;
}

bool ParseCalendarEventKinds(std::string_view list, std::vector<CalendarEventKind>& kinds, std::string& error) {
  kinds.clear();
  size_t start = 0;
  while (true) {
    const size_t comma = list.find(',', start);
    std::string_view name = list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    const auto kind = CalendarEventKindOfName(name);
    if (!kind) {
      error = "unknown event kind \"" + std::string(name) +
              "\" (festivals, new-years, leap-months, terms, new-moons, full-moons, quarters)";
      kinds.clear();
      return false;
    }
    if (std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) kinds.push_back(*kind);
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

std::vector<CalendarEventKind> DefaultCalendarEventKinds() {
  return {CalendarEventKind::Festivals, CalendarEventKind::Terms, CalendarEventKind::NewMoons,
          CalendarEventKind::FullMoons};
}

std::vector<CalendarEventKind> AllCalendarEventKinds() {
  std::vector<CalendarEventKind> all;
  for (size_t i = 0; i < kKindNames.size(); ++i) all.push_back(static_cast<CalendarEventKind>(i));
  return all;
}

CalendarExportResult BuildCalendarEvents(const CalendarExport& request) {
  CalendarExportResult result;
  if (request.fromYear < 1 || request.toYear < 1) {
    result.error = "years before 1 CE cannot be written to an iCalendar file";
    return result;
  }
  if (request.fromYear > 3000 || request.toYear > 3000) {
    result.error = "years after 3000 are outside the calendar's range";
    return result;
  }
  if (request.fromYear > request.toYear) {
    result.error = "the first year is later than the last";
    return result;
  }
  result.calendar.name = "Tavro: " + CountryNames[static_cast<int>(request.country)];
  Builder b{request, result.calendar.events, GregorianJDN(request.fromYear, 1, 1),
            std::min(GregorianJDN(request.toYear + 1, 1, 1) - 1, GregorianJDN(3000, 1, 1)), MaxAJD};
  for (CalendarEventKind kind : request.kinds) {
    switch (kind) {
      case CalendarEventKind::Festivals: b.Festivals(); break;
      case CalendarEventKind::NewYears: b.NewYears(); break;
      case CalendarEventKind::LeapMonths: b.LeapMonths(); break;
      case CalendarEventKind::Terms: b.Terms(); break;
      case CalendarEventKind::NewMoons: b.Phases({0}); break;
      case CalendarEventKind::FullMoons: b.Phases({2}); break;
      case CalendarEventKind::Quarters: b.Phases({1, 3}); break;
    }
  }
  result.ok = true;
  return result;
}

bool ExportIcs(const CalendarExport& request, double stampAjd, std::string& text, std::string& error) {
  const CalendarExportResult built = BuildCalendarEvents(request);
  if (!built.ok) {
    error = built.error;
    return false;
  }
  const auto written = WriteIcs(built.calendar, stampAjd);
  if (!written) {
    error = "a date lies outside the years an iCalendar file can hold";
    return false;
  }
  text = *written;
  return true;
}

}  // namespace tavro
