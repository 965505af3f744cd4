// The Archetypes Calendar (ARC): an arithmetic lunisolar calendar whose cycle
// of 1803 years holds 22300 months and 658532 days. Years with a 13th month
// and years whose 10th month has 30 days are spread evenly over the cycle.
#pragma once

#include <cstdint>

namespace tavro {

struct ArcDate {
  int32_t year = 0;   // any integer; there is a year 0 and negative years
  int32_t month = 1;  // 1..13; 13 only in leap years
  int32_t day = 1;    // 1..30
  int32_t jdn = 0;    // Julian day number of the date
  int32_t valid = 0;  // 1 when tested and found valid
};

inline constexpr int32_t kArcCycleYears = 1803;
inline constexpr int32_t kArcCycleDays = 658532;
inline constexpr int32_t kArcCycleMonths = 22300;
inline constexpr int32_t kArcEpochYear = 442;     // first year of a cycle
inline constexpr int32_t kArcEpochJDN = 897474;   // 442-01-01 ARC = -2255-02-05 CE

// Position of a year in its cycle, 1..1803 (year 442 is 1), for any year.
int32_t ArcCyclePosition(int32_t year);

bool ArcYearHasLeapMonth(int32_t year);  // 13 months
bool ArcYearIsLong(int32_t year);        // month 10 has 30 days
int32_t ArcYearLength(int32_t year);     // 354, 355, 384 or 385
// 29 or 30; -2 for month 13 of a common year, -1 for a month outside 1..13.
int32_t ArcMonthLength(int32_t year, int32_t month);

bool ArcDateIsValid(int32_t year, int32_t month, int32_t day);

// Checks the date and sets valid and jdn (both 0 when invalid, or when the
// day number would not fit 32 bits); returns whether it is valid.
[[nodiscard]] bool ArcDateToJDN(ArcDate& date);
// Sets year, month, day and valid = 1 from jdn.
void JDNToArcDate(ArcDate& date);

// Move the year, month and day by one month or one year; a day 30 that does
// not exist afterwards becomes 29. The date is left untested (valid = 0):
// call ArcDateToJDN next. False, with the date unchanged, for a month outside
// 1..13 or a year that would leave the 32-bit range.
[[nodiscard]] bool ArcStepMonth(ArcDate& date, bool forward);
[[nodiscard]] bool ArcStepYear(ArcDate& date, bool forward);

}  // namespace tavro
