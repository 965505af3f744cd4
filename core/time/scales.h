// Time scales: AJD (UT, days from 12:00 GMT), CJDL (London civil), CJDC
// (civil at the reference meridian), JDN (floor of a chronological date).
#pragma once

#include <cstdint>
#include <string>

namespace tavro {

inline constexpr double MinAJD = 625333.0;   // 12:00 GMT, -3000-01-01 CE
inline constexpr double MaxAJD = 2816788.0;  // 12:00 GMT,  3000-01-01 CE

// L = reference longitude in whole degrees East.
inline double ToCJDC(double ajd, int longitude) { return ajd + 0.5 + longitude / 360.0; }
inline double FromCJDC(double cjdc, int longitude) { return cjdc - longitude / 360.0 - 0.5; }
inline double ToCJDL(double ajd) { return ajd + 0.5; }

// "HH:MM" or "HH:MM:SS"; "XX:XX:XX" outside [0, 1).
std::string TimeOfDayText(double fraction, bool seconds);

// Range check of an instant: 0 accepted, -1 rejected with message and title.
struct RangeCheck {
  int code = 0;
  std::string message;  // empty when accepted
  std::string title;    // "Date out of range"
};
RangeCheck CheckRange(double ajd);

// Zone designation shown after the reference-meridian time ("CCT", "L01", ...).
std::string ZoneDesignation(int longitude);

// The computer clock.
int16_t TimezoneMinutesEast();
int32_t TodayJDN();
double CurrentAJD();

}  // namespace tavro
