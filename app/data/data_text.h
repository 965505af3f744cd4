// Small text pieces shared by the data window's listings.
#pragma once

#include <cstdint>
#include <string>

#include "core/time/date_text.h"  // Spaced

namespace tavro {

inline constexpr const char* kCrLf = "\r\n";
inline constexpr const char* kDegree = "\xC2\xBA";  // "º", U+00BA

// n in decimal, a minus sign when negative.
inline std::string Plain(int64_t n) { return std::to_string(n); }

// Year-month-day text of day number `jdn` in the Julian Calendar when `julian`,
// else in the Common Era ("2024-02-10", "-43-03-15").
std::string DayText(int32_t jdn, bool julian);
// The year of day number `jdn` in that calendar.
int32_t YearOfDay(int32_t jdn, bool julian);
// Day number of 1 January of `year` in that calendar.
int32_t NewYearsDay(int32_t year, bool julian);
// DayText, right-aligned by leading blanks so that the year takes at least
// five characters (a minus sign counts as one of them).
std::string PaddedDayText(int32_t jdn, bool julian);

// Number of characters (code points) of a UTF-8 text.
size_t CharCount(const std::string& utf8);

// The number a number-of-years box stands for: every character but digits and
// one leading "+" removed; 0 when nothing is left. Values beyond 32767 (the
// box holds a 16-bit number) read as 32767.
int ReadYearCount(const std::string& text);

}  // namespace tavro
