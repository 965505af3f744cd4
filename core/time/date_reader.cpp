// Reading year-month-day texts and grouping the digits of year numbers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/time/euro_date.h"
#include "core/time/date_reader.h"

namespace tavro {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a run of digits at `pos`. Values above `cap` saturate at cap + 1 so a
// run of any length neither overflows nor passes for a small number.
bool ReadNumber(const std::string& text, size_t& pos, int64_t cap, int64_t& value) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (value <= cap) value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (value > cap) value = cap + 1;
  return pos > start;
}

bool Expect(const std::string& text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

// Form: [blanks] [-]year - month - day [blanks], nothing else; a NUL character
// ends the text as it would end a C buffer. The record is written only when 0
// is returned; `jdn` is left to the day-number conversion.
int32_t _str_to_date(const std::string& text, int32_t order, EuroDate& d, int32_t calendarLetter) {
  if (order != 2) return kStrToDateUnsupportedOrder;
  if (calendarLetter != 'G' && calendarLetter != 'J' && calendarLetter != 'R') return kStrToDateUnsupportedCalendar;

  const std::string s = text.substr(0, text.find('\0'));
  size_t pos = 0;
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  const bool negative = pos < s.size() && s[pos] == '-';
  if (negative) ++pos;
  int64_t year = 0, month = 0, day = 0;
  if (!ReadNumber(s, pos, kMaxYearMagnitude, year)) return kStrToDateNotADate;
  if (!Expect(s, pos, '-') || !ReadNumber(s, pos, kMaxMonthOrDay, month)) return kStrToDateNotADate;
  if (!Expect(s, pos, '-') || !ReadNumber(s, pos, kMaxMonthOrDay, day)) return kStrToDateNotADate;
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  if (pos != s.size()) return kStrToDateNotADate;
  if (month > kMaxMonthOrDay || day > kMaxMonthOrDay) return kStrToDateNotADate;
  if (year > kMaxYearMagnitude) return kStrToDateOutOfRange;

  EuroDate r = d;
  r.year = static_cast<int32_t>(negative ? -year : year);
  r.month = static_cast<int32_t>(month);
  r.day = static_cast<int32_t>(day);
  r.calendar = static_cast<int16_t>(calendarLetter);
  if (calendarLetter == 'R') {
    // Only the shape of an Archetypes date is checked here; its own
    // conversion decides whether month 13 or day 30 exists in that year.
    r.valid = r.month >= 1 && r.month <= 13 && r.day >= 1 && r.day <= 30;
  } else {
    EuroDate probe = r;
    _euro_date_to_jdn(probe);
    r.valid = probe.valid;
  }
  d = r;
  return 0;
}

std::string _separate_thousands(const std::string& number, int32_t separator) {
  if (separator <= 0 || separator > 0x10FFFF) return number;
  std::string sep;
  AppendUtf8(sep, static_cast<uint32_t>(separator));

  size_t start = 0;
  if (start < number.size() && (number[start] == '-' || number[start] == '+')) ++start;
  size_t end = start;
  while (end < number.size() && IsDigit(number[end])) ++end;

  std::string out = number.substr(0, start);
  for (size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) out += sep;
    out += number[i];
  }
  out += number.substr(end);  // a fraction or anything else stays as it was
  return out;
}

}  // namespace tavro
