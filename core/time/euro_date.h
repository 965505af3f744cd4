// European calendars (proleptic Gregorian "G", Julian "J") on Julian day numbers.
#pragma once

#include <cstdint>
#include <string>

namespace tavro {

// Field order is that of the record exchanged with the calendar library.
struct EuroDate {
  int32_t year = 0;      // astronomical: 0 is 1 BC
  int32_t month = 1;
  int32_t day = 1;
  int16_t calendar = 'G';  // 'G', 'J', 'A' (Annus Novus), 'R' (ARC, never converted here)
  int32_t jdn = 0;
  int16_t valid = 0;
};

// Calendar library (our own arithmetic).
int32_t _euro_date_to_jdn(EuroDate& d);
void _jdn_to_euro_date(EuroDate& d);
int32_t _euro_day_of_week(int32_t jdn);
void _annus_novus_date_to_jdn(EuroDate& d);
// Reads year-month-day (optional leading '-') for date order 2; 0 = read,
// -5 = out of range, other = not a date. Never reads past `text`.
[[nodiscard]] int32_t _str_to_date(const std::string& text, int32_t order, EuroDate& d, int32_t calendarLetter);
// Groups the digits of a number text with `separator` ("-1234567" -> "-1,234,567").
std::string _separate_thousands(const std::string& number, int32_t separator);
// Seconds west of UT of the computer's standard time (no daylight saving).
int32_t _get_timezone();

// System wrappers.
int32_t EuroDateToJDN(EuroDate& d);
void JDNToEuroDate(EuroDate& d);
void CEAndJCDates(double cjd, EuroDate& ce, EuroDate& jc);
int16_t EuroDayOfWeek(int32_t jdn);

// Conveniences used across the core: the Gregorian date of a JDN, and the JDN of
// a Gregorian date (no validity check).
EuroDate GregorianOf(int32_t jdn);
int32_t GregorianJDN(int32_t year, int32_t month, int32_t day);
inline int32_t GregorianYearOf(int32_t jdn) { return GregorianOf(jdn).year; }

}  // namespace tavro
