// Names and date texts of the Archetypes Calendar.
#pragma once

#include <cstdint>
#include <string>

#include "core/arc/arc_date.h"

namespace tavro {

// "Apollo" .. "Persephone" for months 1..13; empty otherwise.
std::string ArcMonthName(int32_t month);
std::string ArcMonthShortName(int32_t month);
// By (day - 1) mod 10: days 1, 11, 21 are "Sun Day", days 10, 20, 30 "Pluto Day";
// empty for a day below 1.
std::string ArcDayName(int32_t day);
std::string ArcDayShortName(int32_t day);

// Date text styles.
inline constexpr int kArcTextShort = 1;    // 4720-01-05 ARC
inline constexpr int kArcTextFull = 2;     // 4720-01-05 ARC (Mars Day, Apollo 5,  4720)
inline constexpr int kArcTextMonthDay = 3; // Apollo 5,  4720
inline constexpr int kArcTextLong = 4;     // The 5th day of Apollo in the year 4720
inline constexpr int kArcTextNamed = 5;    // Mars Day, Apollo 5,  4720

// The date in one of the styles above; empty for any other style.
std::string ArcDateText(const ArcDate& date, int style);

// `text` preceded by enough `fill` characters to make it `width` long; a text
// already that long (or a negative width) is returned unchanged.
std::string PadLeft(const std::string& text, int width, char fill);

}  // namespace tavro
