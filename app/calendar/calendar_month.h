// The drawn lunar month: which cell shows which day, the texts of each cell,
// weekend underlining, today's frame and the two labels above the grid. Pure
// values, so the window, the picture writer and the tests share one layout.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/ui/image.h"
#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace tavro::calendar {

// Layout in pixels.
inline constexpr int kColumns = 8, kRows = 4, kCells = kColumns * kRows;
inline constexpr int kCellWidth = 110;   // W
inline constexpr int kCellHeight = 122;  // H
inline constexpr int kLeftMargin = 20;   // L
inline constexpr int kTopMargin = 80;    // T
inline constexpr int kWidth = kColumns * kCellWidth + 2 * kLeftMargin;  // 920
// The drawing above the buttons: the grid plus a strip below the last row for
// its texts. This is also the size of the saved picture.
inline constexpr int kDrawingHeight = kRows * kCellHeight + kTopMargin + 20;  // 588
inline constexpr ui::Rgb kBackground{198, 0, 0};
inline constexpr ui::Rgb kTextColour{255, 255, 0};
inline constexpr int kLunarDayPoints = 18, kCellTextPoints = 10;

struct Point {
  int x = 0, y = 0;
};
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

inline int RowOf(int cell) { return cell / kColumns; }
inline int ColumnOf(int cell) { return cell % kColumns; }

// Cells 7 and 23 are never used, cell 15 always, cell 31 only in a 30-day month.
bool CellUsed(int cell, int monthLength);

// Top-left corners of the three texts and the moon picture, and today's frame.
Point LunarDayTextAt(int cell);
Point CeTextAt(int cell);
Point ArcTextAt(int cell);
Point MoonPictureAt(int cell);
Box TodayFrame(int cell);

// "day1.gif" .. "day32.gif" (cells 7 and 23 have none).
std::string DayPictureName(int cell);

struct Cell {
  bool used = false;
  int lunarDay = 0;       // 1..30 for a used cell
  int32_t jdn = 0;        // reference-meridian day number of that day
  std::string lunarLabel; // "5 ", "12"
  std::string ceLabel;    // "Wed Jan 5"
  std::string arcLabel;   // "Apollo 1"
  bool weekend = false;   // Saturday or Sunday
  bool today = false;
};

struct Month {
  bool valid = false;          // day 1 could be read as a lunar date
  int32_t firstJdn = 0;        // lngJDN1stOfMonth
  int length = 0;              // 29 or 30
  int32_t nextStart = 0, previousStart = 0;
  std::string title;           // lblTitle
  std::string yearAndMonth;    // lblYearAndMonth
  bool showArc = false;        // the ARC line is drawn
  std::array<Cell, kCells> cells;
};

// "Common Era year 2024 (February-March)", "Common Era year 2023 (December) -
// 2024 (January)", "Common Era year 2024, month of May".
std::string YearAndMonthText(int32_t y1, int m1, int32_t y2, int m2);

// Day number of day 1 of the lunar month that holds the moment `ajd`; 0 when
// that month cannot be found.
int32_t FirstDayOfLunarMonth(double ajd, const Settings& s);

// Everything the window draws for the month that begins on `firstJdn`.
Month BuildMonth(int32_t firstJdn, const Settings& s, Country country, int32_t todayJdn, bool showArc);

// The window caption: the main window's lunar date line up to and including
// its code "CHL" (the whole line when it has none).
std::string CalendarCaption(const std::string& lunarDateLine);

}  // namespace tavro::calendar
