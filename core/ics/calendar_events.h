// The events of a calendar file: festivals, lunar new years, leap months,
// solar terms and the Moon's phases of a span of CE years, from the same
// engine values and tables the program shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/chinese/names.h"
#include "core/ics/ics_writer.h"
#include "core/names/native_names.h"
#include "core/time/settings.h"

namespace tavro {

enum class CalendarEventKind {
  Festivals,   // all-day, the country's festivals
  NewYears,    // all-day, the first day of each lunar year
  LeapMonths,  // all-day, the whole leap month
  Terms,       // timed, the 24 solar terms (true sun)
  NewMoons,    // timed
  FullMoons,   // timed
  Quarters,    // timed, first and last quarters
};

// "festivals", "new-years", "leap-months", "terms", "new-moons",
// "full-moons", "quarters".
std::string_view CalendarEventKindName(CalendarEventKind kind);
[[nodiscard]] std::optional<CalendarEventKind> CalendarEventKindOfName(std::string_view name);
// A comma-separated list of those names (blanks around names ignored, each
// kind kept once, in the order given); false with a message for an unknown
// or empty name.
[[nodiscard]] bool ParseCalendarEventKinds(std::string_view list, std::vector<CalendarEventKind>& kinds, std::string& error);
// festivals, terms, new-moons, full-moons.
std::vector<CalendarEventKind> DefaultCalendarEventKinds();
std::vector<CalendarEventKind> AllCalendarEventKinds();

struct CalendarExport {
  Country country = Country::China;
  Settings settings;  // referenceLongitude (the civil days) and epoch (CHL texts)
  Language language = Language::English;
  int32_t fromYear = 0;
  int32_t toYear = 0;
  std::vector<CalendarEventKind> kinds;
};

struct CalendarExportResult {
  bool ok = false;
  std::string error;  // one line, when not ok
  IcsCalendar calendar;
};

// Years before 1 CE (which the format cannot hold), after 3000, or a first
// year after the last are refused with a message. Events come by kind in the
// order of `kinds`, each kind in date order; instants after 3000-01-01 12:00
// UT are left out, as the program's range ends there.
[[nodiscard]] CalendarExportResult BuildCalendarEvents(const CalendarExport& request);

// BuildCalendarEvents and WriteIcs with `stampAjd` (UT) as DTSTAMP; false
// with the message in `error`.
[[nodiscard]] bool ExportIcs(const CalendarExport& request, double stampAjd, std::string& text, std::string& error);

}  // namespace tavro
