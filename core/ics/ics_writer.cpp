#include "core/ics/ics_writer.h"

#include <cmath>
#include <cstdio>

#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr size_t kMaxOctets = 75;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool WritableYear(int32_t year) { return year >= 1 && year <= 9999; }

}  // namespace

std::string EscapeIcsText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case ';': out += "\\;"; break;
      case ',': out += "\\,"; break;
      case '\n': out += "\\n"; break;
      case '\r':
        // CR LF and a lone CR are both one line break.
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
        break;
      default:
        // Other control characters are not allowed in TEXT.
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        break;
    }
  }
  return out;
}

std::string FoldIcsLine(std::string_view line) {
  std::string out;
  size_t start = 0;
  size_t room = kMaxOctets;  // a continuation's leading blank takes one octet
  while (line.size() - start > room) {
    size_t cut = start + room;
    while (cut > start && IsContinuationByte(line[cut])) --cut;
    if (cut == start) cut = start + room;  // not UTF-8: cut where the octets end
    out.append(line.substr(start, cut - start));
    out += "\r\n ";
    start = cut;
    room = kMaxOctets - 1;
  }
  out.append(line.substr(start));
  out += "\r\n";
  return out;
}

std::optional<std::string> IcsDate(int32_t jdn) {
  const EuroDate d = GregorianOf(jdn);
  if (!WritableYear(d.year)) return std::nullopt;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
  return buf;
}

std::optional<std::string> IcsDateTimeUTC(double ajd, bool seconds) {
  if (!std::isfinite(ajd)) return std::nullopt;
  const double cjdl = ajd + 0.5;  // London civil day and time
  const double dayPart = std::floor(cjdl);
  if (std::fabs(dayPart) > 1e9) return std::nullopt;  // no day number, and far beyond year 9999
  // Counted as the program's time texts count them (TimeOfDayText), so the
  // file shows the minute the program shows.
  const int s = SecondOfDay(cjdl - dayPart);
  const auto date = IcsDate(static_cast<int32_t>(dayPart));
  if (!date) return std::nullopt;
  char buf[16];
  std::snprintf(buf, sizeof buf, "T%02d%02d%02dZ", s / 3600, s / 60 % 60, seconds ? s % 60 : 0);
  return *date + buf;
}

std::optional<std::string> WriteIcs(const IcsCalendar& calendar, double stampAjd) {
  const auto stamp = IcsDateTimeUTC(stampAjd, true);
  if (!stamp) return std::nullopt;
  std::string out;
  auto line = [&out](std::string_view text) { out += FoldIcsLine(text); };
  line("BEGIN:VCALENDAR");
  line("VERSION:2.0");
  line("PRODID:" + calendar.prodId);
  line("CALSCALE:GREGORIAN");
  line("METHOD:PUBLISH");
  if (!calendar.name.empty()) line("X-WR-CALNAME:" + EscapeIcsText(calendar.name));
  for (const IcsEvent& e : calendar.events) {
    line("BEGIN:VEVENT");
    line("UID:" + e.uid);
    line("DTSTAMP:" + *stamp);
    if (e.allDay) {
      const auto first = IcsDate(e.jdn);
      const auto end = IcsDate(e.endJdn > e.jdn ? e.endJdn : e.jdn + 1);
      if (!first || !end) return std::nullopt;
      line("DTSTART;VALUE=DATE:" + *first);
      line("DTEND;VALUE=DATE:" + *end);
      // Whole days are marks on the calendar, not busy time.
      line("TRANSP:TRANSPARENT");
    } else {
      const auto start = IcsDateTimeUTC(e.ajd);
      if (!start) return std::nullopt;
      line("DTSTART:" + *start);
      line("TRANSP:TRANSPARENT");
    }
    line("SUMMARY:" + EscapeIcsText(e.summary));
    if (!e.description.empty()) line("DESCRIPTION:" + EscapeIcsText(e.description));
    if (!e.category.empty()) line("CATEGORIES:" + EscapeIcsText(e.category));
    line("END:VEVENT");
  }
  line("END:VCALENDAR");
  return out;
}

}  // namespace tavro
