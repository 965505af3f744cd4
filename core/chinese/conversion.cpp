#include "core/chinese/conversion.h"

#include <cmath>

#include "core/chinese/lunar_year_cache.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

bool InTableYears(int64_t y) { return y >= kMinTableYear && y <= kMaxTableYear; }

bool IsNewYearLabel(const std::string& label) { return label == "01"; }

}  // namespace

bool CJDateToChDates(double cjd, const Settings& s, ChsDate& chs, ChlDate& chl) {
  static const int32_t firstDay = GregorianJDN(kMinTableYear, 1, 1);
  static const int32_t lastDay = GregorianJDN(kMaxTableYear, 12, 31);
  if (!(cjd >= firstDay && cjd < lastDay + 1.0)) return false;  // also refuses NaN
  const auto tables = LunarYearAt(cjd, s.referenceLongitude);
  const LunarYearTables& t = *tables;
  const int32_t c = FloorDay(cjd);
  chl.jdn = c;
  bool found = true;

  if (chs.valid == kNoSolarDate) {
    chs.valid = 0;
  } else {
    // The solar year that begins at the December solstice of Y - 1 is named
    // by Y; the table starts at the solstice of b - 2.
    const int32_t y0 = GregorianYearOf(t.SolarTermDays[0]);
    int32_t p = PositionOfYear(y0);
    int32_t k = CycleOfYear(y0, s.epoch);
    bool termFound = false;
    for (int i = 0; i < 72; ++i) {
      if (i % 24 == 0) {
        if (++p > 60) {
          p = 1;
          ++k;
        }
      }
      if (t.SolarTermDays[i] <= c && c < t.SolarTermDays[i + 1]) {
        chs.term = i % 24 + 1;
        chs.day = c - t.SolarTermDays[i] + 1;
        chs.jdn = c;
        chs.position = p;
        chs.cycle = k;
        termFound = true;
        break;
      }
    }
    found = termFound;
  }

  const int i = MonthIndexOfDay(t, c);
  int32_t month = 0;
  bool leap = false;
  if (i < 0 || !ParseMonthLabel(t.MonthLabels[i], month, leap)) return false;
  chl.month = month;
  chl.leap = leap ? 1 : 0;
  chl.day = c - t.DarkMoonDays[i] + 1;
  // The nearest month "01" at or before month i begins the date's year.
  for (int j = i; j >= 0; --j) {
    if (IsNewYearLabel(t.MonthLabels[j])) {
      const int32_t y = GregorianYearOf(t.DarkMoonDays[j]);
      chl.cycle = CycleOfYear(y, s.epoch);
      chl.position = PositionOfYear(y);
      return found;
    }
  }
  return false;
}

bool JDNToChlDate(ChlDate& chl, const Settings& s) {
  Settings own = s;
  own.epoch = chl.epoch;
  ChsDate scratch;
  scratch.valid = kNoSolarDate;
  return CJDateToChDates(chl.jdn + 0.5, own, scratch, chl);
}

int16_t ChLDateToJDN(ChlDate& chl, const Settings& s) {
  chl.valid = 0;
  if (chl.position < 1 || chl.position > 60 || chl.month < 1 || chl.month > 12 ||
      (chl.leap != 0 && chl.leap != 1) || chl.day < 1 || chl.day > 31)
    return kChlFieldOutOfRange;
  const int64_t y64 = YearOfCyclePosition64(chl.cycle, chl.position, s.epoch);
  if (!InTableYears(y64)) return kChlFieldOutOfRange;
  chl.epoch = static_cast<int16_t>(s.epoch);

  // Tables around y-month-15 start at the December solstice of y - 2, so
  // their second month "01" begins the wanted year.
  const int32_t y = static_cast<int32_t>(y64);
  const auto tables = LunarYearAt(GregorianJDN(y, chl.month, 15), s.referenceLongitude);
  const LunarYearTables& t = *tables;
  const int count = t.DarkMoonCount;

  int i = 0;
  for (int seen = 0; i < count; ++i) {
    if (IsNewYearLabel(t.MonthLabels[i]) && ++seen == 2) break;
  }
  if (i >= count) return kChlTooFewNewYears;

  const std::string wanted = MonthLabel(chl.month, chl.leap == 1);
  while (t.MonthLabels[i] != wanted) {
    if (i + 1 >= count) return kChlPastTable;
    if (IsNewYearLabel(t.MonthLabels[i + 1])) return kChlNoSuchMonth;
    ++i;
  }
  // A labelled month is never the last entry, so its end is known.
  if (i + 1 >= count) return kChlPastTable;
  if (t.DarkMoonDays[i + 1] - t.DarkMoonDays[i] < chl.day) return kChlDayBeyondMonth;
  chl.valid = 1;
  chl.jdn = t.DarkMoonDays[i] + chl.day - 1;
  return kChlOk;
}

bool ChSDateToJDN(ChsDate& chs, const Settings& s) {
  if (chs.position < 1 || chs.position > 60 || chs.term < 1 || chs.term > 24 || chs.day < 1 ||
      chs.day > 16) {
    chs.valid = 0;
    return false;
  }
  chs.epoch = static_cast<int16_t>(s.epoch);
  const int64_t y64 = YearOfCyclePosition64(chs.cycle, chs.position, s.epoch);
  if (!InTableYears(y64)) {
    chs.valid = 0;
    return false;
  }
  // Terms 1 and 2 are looked up from January, 23 and 24 from December.
  const int32_t month = (chs.term + 1) / 2;
  const auto tables =
      SolarTermsAt(GregorianJDN(static_cast<int32_t>(y64), month, 1), s.referenceLongitude, s.method);
  const LunarYearTables& t = *tables;
  chs.jdn = t.SolarTermDays[chs.term + 23] + chs.day - 1;
  chs.valid = chs.jdn < t.SolarTermDays[chs.term + 24] ? 1 : 0;
  return chs.valid == 1;
}

}  // namespace tavro
