#include <gtest/gtest.h>

#include "app/calendar/calendar_month.h"
#include "core/time/euro_date.h"

namespace tavro::calendar {
namespace {

const Settings kChina{};  // 120 E, epoch -2696, true sun

int32_t Jdn(int y, int m, int d) { return GregorianJDN(y, m, d); }
double NoonAjd(int y, int m, int d) { return Jdn(y, m, d) + 0.0; }

TEST(CalendarLayout, UsedCellsFollowTheQuartersOfTheMonth) {
  for (int length : {29, 30}) {
    SCOPED_TRACE(length);
    int used = 0, day = 0;
    std::array<int, kCells> dayOfCell{};
    for (int n = 0; n < kCells; ++n)
      if (CellUsed(n, length)) dayOfCell[n] = ++day, ++used;
    EXPECT_EQ(used, length);
    EXPECT_FALSE(CellUsed(7, length));
    EXPECT_FALSE(CellUsed(23, length));
    EXPECT_TRUE(CellUsed(15, length));
    EXPECT_EQ(CellUsed(31, length), length == 30);
    // Rows 0 and 2 hold seven days, row 1 eight (days 8 to 15).
    EXPECT_EQ(dayOfCell[6], 7);
    EXPECT_EQ(dayOfCell[8], 8);
    EXPECT_EQ(dayOfCell[15], 15);
    EXPECT_EQ(dayOfCell[16], 16);
    EXPECT_EQ(dayOfCell[22], 22);
    EXPECT_EQ(dayOfCell[24], 23);
    EXPECT_EQ(dayOfCell[30], 29);
  }
}

TEST(CalendarLayout, PositionsOfACell) {
  // Cell 13: row 1, column 5.
  EXPECT_EQ(LunarDayTextAt(13).x, 5 * 110 + 20 + 22);
  EXPECT_EQ(LunarDayTextAt(13).y, 122 + 80 + 52);
  EXPECT_EQ(CeTextAt(13).y, 122 + 80 + 80);
  EXPECT_EQ(ArcTextAt(13).x, 5 * 110 + 16);
  EXPECT_EQ(ArcTextAt(13).y, 122 + 80 + 94);
  EXPECT_EQ(MoonPictureAt(13).x, 5 * 110 + 30);
  EXPECT_EQ(MoonPictureAt(13).y, 122 + 81);
  const Box f = TodayFrame(13);
  EXPECT_EQ(f.x, 5 * 110 + 10);
  EXPECT_EQ(f.y, 122 + 76);
  EXPECT_EQ(f.width, 100);
  EXPECT_EQ(f.height, 122);
  EXPECT_EQ(kWidth, 920);
  EXPECT_EQ(DayPictureName(0), "day1.gif");
  EXPECT_EQ(DayPictureName(31), "day32.gif");
}

TEST(CalendarLayout, YearAndMonthLabel) {
  struct Case {
    int y1, m1, y2, m2;
    const char* text;
  } cases[] = {
      {2024, 2, 2024, 3, "Common Era year 2024 (February-March)"},
      {2023, 12, 2024, 1, "Common Era year 2023 (December) - 2024 (January)"},
      {2022, 3, 2022, 3, "Common Era year 2022, month of March"},
      {-1, 12, 0, 1, "Common Era year -1 (December) - 0 (January)"},
  };
  for (const Case& c : cases) EXPECT_EQ(YearAndMonthText(c.y1, c.m1, c.y2, c.m2), c.text);
}

TEST(CalendarMonth, MonthsAroundTheYear2024) {
  struct Case {
    int y, m, d;  // a day inside the lunar month
    int32_t first;
    int length;
    const char* yearAndMonth;
  } cases[] = {
      {2024, 2, 20, Jdn(2024, 2, 10), 29, "Common Era year 2024 (February-March)"},
      {2024, 1, 1, Jdn(2023, 12, 13), 29, "Common Era year 2023 (December) - 2024 (January)"},
      {2022, 3, 15, Jdn(2022, 3, 3), 29, "Common Era year 2022, month of March"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.yearAndMonth);
    const int32_t first = FirstDayOfLunarMonth(NoonAjd(c.y, c.m, c.d), kChina);
    ASSERT_EQ(first, c.first);
    const Month m = BuildMonth(first, kChina, Country::China, 0, false);
    ASSERT_TRUE(m.valid);
    EXPECT_EQ(m.length, c.length);
    EXPECT_EQ(m.yearAndMonth, c.yearAndMonth);
    EXPECT_EQ(m.nextStart, first + c.length);
  }
}

TEST(CalendarMonth, CellTextsOfTheFirstMonthOf2024) {
  const int32_t first = Jdn(2024, 2, 10);  // a Saturday, and ARC 4721-01-01
  const Month m = BuildMonth(first, kChina, Country::China, first + 4, true);
  ASSERT_TRUE(m.valid);
  EXPECT_EQ(m.title.rfind("Month 1", 0), 0u) << m.title;
  EXPECT_NE(m.title.find("wood-dragon"), std::string::npos) << m.title;
  EXPECT_EQ(m.cells[0].lunarLabel, "1 ");
  EXPECT_EQ(m.cells[0].ceLabel, "Sat Feb 10");
  EXPECT_EQ(m.cells[0].arcLabel, "Apollo 1");
  EXPECT_TRUE(m.cells[0].weekend);
  EXPECT_TRUE(m.cells[1].weekend);    // Sunday
  EXPECT_FALSE(m.cells[2].weekend);   // Monday
  EXPECT_EQ(m.cells[8].lunarLabel, "8 ");
  EXPECT_EQ(m.cells[10].lunarLabel, "10");
  EXPECT_EQ(m.cells[10].ceLabel, "Mon Feb 19");
  // A 29-day month: day 29 closes row 3 and the last cell stays empty.
  EXPECT_EQ(m.cells[30].lunarDay, 29);
  EXPECT_EQ(m.cells[30].ceLabel, "Sat Mar 9");
  EXPECT_FALSE(m.cells[31].used);
  int today = 0;
  for (int n = 0; n < kCells; ++n) today += m.cells[n].today ? 1 : 0;
  EXPECT_EQ(today, 1);
  EXPECT_TRUE(m.cells[4].today);
}

TEST(CalendarMonth, ThirtyDayMonthFillsTheLastCell) {
  // Step through a year of months; at least one has 30 days, and stepping
  // back from the next month always returns to this one, whichever length
  // the month before has.
  int32_t first = FirstDayOfLunarMonth(NoonAjd(2024, 2, 20), kChina);
  int thirty = 0;
  for (int i = 0; i < 13; ++i) {
    const Month m = BuildMonth(first, kChina, Country::China, 0, false);
    ASSERT_TRUE(m.valid);
    if (m.length == 30) {
      ++thirty;
      EXPECT_TRUE(m.cells[31].used);
      EXPECT_EQ(m.cells[31].lunarDay, 30);
    }
    const Month next = BuildMonth(m.nextStart, kChina, Country::China, 0, false);
    ASSERT_TRUE(next.valid);
    EXPECT_EQ(next.previousStart, first);
    EXPECT_EQ(next.previousStart, m.nextStart - m.length);
    first = m.nextStart;
  }
  EXPECT_GT(thirty, 0);
}

TEST(CalendarMonth, CaptionIsTheLunarLineUpToItsCode) {
  EXPECT_EQ(CalendarCaption("79-41-01-12 CHL 12:00 CCT"), "79-41-01-12 CHL");
  EXPECT_EQ(CalendarCaption("no code"), "no code");
}

}  // namespace
}  // namespace tavro::calendar
