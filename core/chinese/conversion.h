// Conversion between reference-meridian day numbers and Chinese dates. Each
// conversion reads the lunar-year tables of its own moment.
#pragma once

#include <cstdint>

#include "core/chinese/chinese_date.h"
#include "core/time/settings.h"

namespace tavro {

// Result codes of ChLDateToJDN.
enum ChlResult : int16_t {
  kChlOk = 0,
  kChlFieldOutOfRange = -1,  // position, month, leap or day out of range
  kChlTooFewNewYears = -2,   // the tables hold fewer than two months "01"
  kChlPastTable = -3,        // the month was not found before the end of the tables
  kChlDayBeyondMonth = -4,   // e.g. day 30 of a 29-day month
  kChlNoSuchMonth = -5,      // e.g. a leap month the year lacks
};

// Marks a ChsDate whose solar date is not wanted by CJDateToChDates.
inline constexpr int32_t kNoSolarDate = -99;

// Fills both records for the day floor(cjd) at s.referenceLongitude, naming
// years under s.epoch. With chs.valid == kNoSolarDate only chs.valid is
// touched (set to 0). Neither record's `valid` (otherwise) nor `epoch` is
// changed. Returns false, leaving the records untouched, for a day outside
// the years of kMinTableYear..kMaxTableYear, and false with the records
// partly filled should a day fall outside its tables (never for a day of the
// admissible range).
// Solar dates always rest on true-sun terms.
[[nodiscard]] bool CJDateToChDates(double cjd, const Settings& s, ChsDate& chs, ChlDate& chl);

// Month, leap, day, cycle and position of chl.jdn, naming the year under the
// record's own epoch.
[[nodiscard]] bool JDNToChlDate(ChlDate& chl, const Settings& s);

// Day number of a lunar date; sets valid, jdn and (after the field check)
// epoch = s.epoch. Returns a ChlResult.
[[nodiscard]] int16_t ChLDateToJDN(ChlDate& chl, const Settings& s);

// Day number of a solar date by the method s.method; sets valid, epoch and,
// when the fields are in range, jdn. True when the date exists.
[[nodiscard]] bool ChSDateToJDN(ChsDate& chs, const Settings& s);

// Years whose tables are built: the admissible range (-3000-01-01 to
// 3000-01-01) with a margin. Beyond them the ephemeris gives no usable
// answers, so dates there are refused (ChLDateToJDN -1, ChSDateToJDN false,
// CJDateToChDates false) without asking it.
inline constexpr int32_t kMinTableYear = -3010;
inline constexpr int32_t kMaxTableYear = 3010;

}  // namespace tavro
