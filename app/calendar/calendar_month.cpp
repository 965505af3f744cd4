#include "app/calendar/calendar_month.h"

#include "core/arc/arc_date.h"
#include "core/arc/arc_text.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/stepping.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::calendar {

bool CellUsed(int cell, int monthLength) {
  if (cell < 0 || cell >= kCells) return false;
  const int row = RowOf(cell), column = ColumnOf(cell);
  return column < 7 || row == 1 || (row == 3 && monthLength == 30);
}

Point LunarDayTextAt(int cell) {
  return {ColumnOf(cell) * kCellWidth + kLeftMargin + kCellWidth / 5, RowOf(cell) * kCellHeight + kTopMargin + 52};
}

Point CeTextAt(int cell) {
  return {ColumnOf(cell) * kCellWidth + kLeftMargin - 4, RowOf(cell) * kCellHeight + kTopMargin + 52 + 28};
}

Point ArcTextAt(int cell) {
  return {ColumnOf(cell) * kCellWidth + kLeftMargin - 4, RowOf(cell) * kCellHeight + kTopMargin + 52 + 28 + 14};
}

Point MoonPictureAt(int cell) {
  return {ColumnOf(cell) * kCellWidth + kLeftMargin + 10, RowOf(cell) * kCellHeight + kTopMargin + 1};
}

Box TodayFrame(int cell) {
  return {ColumnOf(cell) * kCellWidth + kLeftMargin - 10, RowOf(cell) * kCellHeight + kTopMargin - 4,
          kCellWidth - 10, kCellHeight};
}

std::string DayPictureName(int cell) { return "day" + std::to_string(cell + 1) + ".gif"; }

std::string YearAndMonthText(int32_t y1, int m1, int32_t y2, int m2) {
  std::string text = "Common Era year " + std::to_string(y1);
  if (y1 != y2)
    return text + " (" + MonthName(m1) + ") - " + std::to_string(y2) + " (" + MonthName(m2) + ")";
  if (m1 == m2) return text + ", month of " + MonthName(m1);
  return text + " (" + MonthName(m1) + "-" + MonthName(m2) + ")";
}

int32_t FirstDayOfLunarMonth(double ajd, const Settings& s) {
  ChsDate chs;
  chs.valid = kNoSolarDate;
  ChlDate chl;
  if (!CJDateToChDates(ToCJDC(ajd, s.referenceLongitude), s, chs, chl)) return 0;
  chl.day = 1;
  return ChLDateToJDN(chl, s) == kChlOk ? chl.jdn : 0;
}

namespace {

ChlDate LunarDateOf(int32_t jdn, const Settings& s, bool& ok) {
  ChlDate d;
  d.epoch = static_cast<int16_t>(s.epoch);
  d.jdn = jdn;
  ok = JDNToChlDate(d, s);
  return d;
}

std::string CeLabel(int32_t jdn) {
  const EuroDate ce = GregorianOf(jdn);
  return WeekdayName(EuroDayOfWeek(jdn)).substr(0, 3) + " " + MonthName(ce.month).substr(0, 3) + " " +
         std::to_string(ce.day);
}

std::string ArcLabel(int32_t jdn) {
  ArcDate a;
  a.jdn = jdn;
  JDNToArcDate(a);
  return ArcMonthName(a.month) + " " + std::to_string(a.day);
}

}  // namespace

Month BuildMonth(int32_t firstJdn, const Settings& s, Country country, int32_t todayJdn, bool showArc) {
  Month m;
  m.firstJdn = firstJdn;
  m.showArc = showArc;
  bool ok = false;
  ChlDate first = LunarDateOf(firstJdn, s, ok);
  if (!ok) return m;
  m.title = ChlLongText(first, false, false, false, false, false, s, country);
  ChlDate probe = first;
  const int16_t length = LunarMonthLength(probe, s);
  if (length != 29 && length != 30) return m;
  m.length = length;
  m.nextStart = firstJdn + length;
  // The month before has 29 or 30 days: day 1 lies 29 days back unless it is longer.
  const ChlDate back = LunarDateOf(firstJdn - 29, s, ok);
  m.previousStart = ok && back.day == 1 ? firstJdn - 29 : firstJdn - 30;

  int k = 0;
  for (int n = 0; n < kCells; ++n) {
    Cell& c = m.cells[n];
    c.used = CellUsed(n, m.length);
    if (!c.used) continue;
    ++k;
    c.lunarDay = k;
    c.jdn = firstJdn + k - 1;
    c.lunarLabel = std::to_string(k) + (k < 10 ? " " : "");
    c.ceLabel = CeLabel(c.jdn);
    c.arcLabel = ArcLabel(c.jdn);
    const int weekday = EuroDayOfWeek(c.jdn);
    c.weekend = weekday == 6 || weekday == 0;
    c.today = c.jdn == todayJdn;
  }
  const EuroDate a = GregorianOf(firstJdn), b = GregorianOf(firstJdn + m.length - 1);
  m.yearAndMonth = YearAndMonthText(a.year, a.month, b.year, b.month);
  m.valid = true;
  return m;
}

std::string CalendarCaption(const std::string& lunarDateLine) {
  const size_t at = lunarDateLine.find("CHL");
  return at == std::string::npos ? lunarDateLine : lunarDateLine.substr(0, at + 3);
}

}  // namespace tavro::calendar
