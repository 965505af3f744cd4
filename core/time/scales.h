// Time scales: AJD (UT, days from 12:00 GMT), CJDL (London civil), CJDC
// (civil at the reference meridian), JDN (floor of a chronological date).
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace tavro {

inline constexpr double MinAJD = 625333.0;   // 12:00 GMT, -3000-01-01 CE
inline constexpr double MaxAJD = 2816788.0;  // 12:00 GMT,  3000-01-01 CE

// L = reference longitude in whole degrees East.
inline double ToCJDC(double ajd, int longitude) { return ajd + 0.5 + longitude / 360.0; }
inline double FromCJDC(double cjdc, int longitude) { return cjdc - longitude / 360.0 - 0.5; }
inline double ToCJDL(double ajd) { return ajd + 0.5; }

// The day number of a chronological date: its floor, also before day 0.
[[nodiscard]] inline int32_t FloorDay(double cjd) { return static_cast<int32_t>(std::floor(cjd)); }

// The whole second [0, 86399] of a day fraction in [0, 1). A fraction a hair
// below a whole second, as a sum of day and fraction gives it, counts as that
// second, so every time text and file shows the same minute.
[[nodiscard]] int SecondOfDay(double fraction);

// "HH:MM" or "HH:MM:SS"; "XX:XX:XX" outside [0, 1).
std::string TimeOfDayText(double fraction, bool seconds);

// Range check of an instant: 0 accepted, -1 rejected with message and title.
struct RangeCheck {
  int code = 0;
  std::string message;  // empty when accepted
  std::string title;    // "Date out of range"
};
[[nodiscard]] RangeCheck CheckRange(double ajd);

// Zone designation shown after the reference-meridian time ("CCT", "L01", ...).
std::string ZoneDesignation(int longitude);

// The computer clock.
int16_t TimezoneMinutesEast();
int32_t TodayJDN();
double CurrentAJD();

}  // namespace tavro
