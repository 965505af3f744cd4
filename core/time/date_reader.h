// Result codes and limits of the year-month-day reader `_str_to_date`.
//
// Accepted form: optional blanks, an optional '-' on the year, then
// year '-' month '-' day in decimal digits (leading zeros allowed), then
// optional blanks and nothing else; a NUL character ends the text. Letters
// 'G' and 'J' get `valid` from the calendar; 'R' (Archetypes) only checks
// month 1..13 and day 1..30. The record is written only when 0 is returned.
#pragma once

#include <cstdint>

namespace tavro {

inline constexpr int32_t kStrToDateRead = 0;
inline constexpr int32_t kStrToDateNotADate = -1;            // text is not [-]year-month-day
inline constexpr int32_t kStrToDateUnsupportedOrder = -2;    // only order 2 (year-month-day) is read
inline constexpr int32_t kStrToDateUnsupportedCalendar = -3; // letters read: 'G', 'J', 'R'
inline constexpr int32_t kStrToDateOutOfRange = -5;          // year magnitude above kMaxYearMagnitude

// Beyond this the day number of a Gregorian or Julian date leaves int32.
inline constexpr int64_t kMaxYearMagnitude = 5800000;
// A month or day field larger than this is not read as a date at all.
inline constexpr int64_t kMaxMonthOrDay = 9999;

}  // namespace tavro
