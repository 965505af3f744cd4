// English texts of European dates, weekdays, ordinals and durations.
#pragma once

#include <cstdint>
#include <string>

#include "core/time/euro_date.h"

namespace tavro {

// Date order codes.
inline constexpr int kOrderMonthDayYear = 0;
inline constexpr int kOrderDayMonthYear = 1;
inline constexpr int kOrderYearMonthDay = 2;  // the order used throughout the program

// Short date text, e.g. "2001-12-31", "15-03-(-44)". Years beyond +-9999 are
// grouped with the first character of `thousands` (none when it is empty),
// except Annus Novus dates, which are always year-month-day with "-". With
// `withCode`, " CE", " JC" or " AN" follows by calendar letter.
std::string EuroDateText(const EuroDate& date, int order, const std::string& separator,
                         const std::string& thousands, bool withCode);

// "The 31st day of December in the year 2001 in the Common Era Calendar".
std::string EuroDateLongText(const EuroDate& date);

// n in decimal with a leading blank when not negative, so that signed
// numbers line up in the messages and listings.
std::string Spaced(int64_t n);

// 0 = Sunday .. 6 = Saturday; empty outside that range.
std::string WeekdayName(int weekday);
// 1 = January .. 12 = December; empty outside that range.
std::string MonthName(int month);

// "1st", "22nd", "13th"; a negative number gets no suffix.
std::string OrdinalText(int32_t n);

// "1 day, 2 hours and 3 minutes"; zero or negative reads "0 minutes".
std::string DurationText(int32_t minutes);

}  // namespace tavro
