// iCalendar (RFC 5545) text: a VCALENDAR of all-day and timed VEVENTs, lines
// ended by CR LF and folded at 75 octets, TEXT values escaped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavro {

struct IcsEvent {
  std::string uid;          // stable: the same event gets the same UID on every run
  std::string summary;
  std::string description;  // optional
  std::string category;     // optional, one CATEGORIES value
  bool allDay = true;
  int32_t jdn = 0;          // all-day: the first day (its Gregorian date is written)
  int32_t endJdn = 0;       // all-day: the day after the last; jdn + 1 when not after jdn
  double ajd = 0;           // timed: the UT instant, written in UTC to the minute
};

struct IcsCalendar {
  std::string prodId = "-//Velmora//Tavro//EN";
  std::string name;  // optional X-WR-CALNAME
  std::vector<IcsEvent> events;
};

// Backslash, semicolon, comma and line breaks escaped for a TEXT value.
std::string EscapeIcsText(std::string_view text);
// One content line folded at 75 octets (continuations begin with a blank)
// without splitting a UTF-8 character, each physical line ended by CR LF.
std::string FoldIcsLine(std::string_view line);

// "20240210": the Gregorian date of a day number; nullopt outside years 1..9999.
[[nodiscard]] std::optional<std::string> IcsDate(int32_t jdn);
// "20240210T031900Z": a UT instant floored to the minute (seconds with
// `seconds`, else ":00"); nullopt outside years 1..9999.
[[nodiscard]] std::optional<std::string> IcsDateTimeUTC(double ajd, bool seconds = false);

// The whole file; `stampAjd` (UT) is every event's DTSTAMP. nullopt when a
// date lies outside the years the format holds (1..9999).
[[nodiscard]] std::optional<std::string> WriteIcs(const IcsCalendar& calendar, double stampAjd);

}  // namespace tavro
