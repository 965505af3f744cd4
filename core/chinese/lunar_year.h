// Construction of the lunar-year tables: 79 solar terms from the December
// solstice two years before a sui ends, the dark moons over the same span,
// and a label for every month (with the leap month).
//
// The tables depend only on the anchor year b, the reference longitude and
// the solar-term method, so they are a value: build them with BuildLunarYear
// (or fetch the shared, cached copy with LunarYearAt in lunar_year_cache.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavro {

// Work labels of months that are not dated months.
inline constexpr const char* kStartOfSui = "start of sui";
inline constexpr const char* kLeapMonth = "leap month";
inline constexpr const char* kStopHere = "stop here";

inline constexpr int kSolarTermCount = 79;
inline constexpr int kDarkMoonCapacity = 51;

struct LunarYearTables {
  int32_t anchorYear = 0;  // b: the sui ending at the December solstice of b
  int longitude = 120;     // reference longitude the tables were built for
  int method = 0;          // solar-term method: 1 mean sun, anything else true sun

  std::array<double, 14> CardinalPoints{};  // CJDC of solstices and equinoxes
  std::array<double, kSolarTermCount> SolarTermCJD{};
  std::array<int32_t, kSolarTermCount> SolarTermDays{};
  std::array<double, kDarkMoonCapacity> DarkMoonCJD{};
  std::array<int32_t, kDarkMoonCapacity> DarkMoonDays{};  // the day each month begins
  int16_t DarkMoonCount = 0;
  int32_t FirstLunation = 0;
  std::array<int16_t, kDarkMoonCapacity> MajorTermCount{};
  std::array<std::string, kDarkMoonCapacity> MonthLabels{};
};

// The anchor year b of the sui that contains the day floor(cjd): the sui runs
// from the day of the December solstice of b - 1 to the day before that of b.
int32_t SuiYearOf(double cjd, int longitude);

// Fills CardinalPoints, SolarTermCJD, SolarTermDays (and anchorYear,
// longitude, method). Method 1 is the mean sun, anything else the true sun.
void BuildSolarTerms(LunarYearTables& t, double cjd, int longitude, int method);
// Fills FirstLunation, DarkMoonCJD, DarkMoonDays, DarkMoonCount from the terms.
void BuildDarkMoons(LunarYearTables& t);
// Fills MajorTermCount and MonthLabels from the term and dark-moon tables.
void LabelMonths(LunarYearTables& t);
// True-sun terms, dark moons and labels for the sui containing floor(cjd).
LunarYearTables BuildLunarYear(double cjd, int longitude);

// "01".."12" for an ordinary month, "7*" for a leap month.
std::string MonthLabel(int32_t month, bool leap);
// The month number of a dated label ("7*" -> 7, leap), false for work labels.
[[nodiscard]] bool ParseMonthLabel(const std::string& label, int32_t& month, bool& leap);

// Index i with DarkMoonDays[i] <= day < DarkMoonDays[i + 1], or -1.
int MonthIndexOfDay(const LunarYearTables& t, int32_t day);

}  // namespace tavro
