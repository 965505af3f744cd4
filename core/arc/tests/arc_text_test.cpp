#include "core/arc/arc_text.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

ArcDate Arc(int32_t y, int32_t m, int32_t d) {
  ArcDate a;
  a.year = y;
  a.month = m;
  a.day = d;
  return a;
}

TEST(ArcDateText, FiveStyles) {
  struct Case {
    ArcDate date;
    int style;
    const char* want;
  };
  const Case cases[] = {
      {Arc(4720, 1, 5), 1, "4720-01-05 ARC"},
      {Arc(4720, 1, 5), 2, "4720-01-05 ARC (Mars Day, Apollo 5,  4720)"},
      {Arc(4720, 1, 5), 3, "Apollo 5,  4720"},
      {Arc(4720, 1, 5), 4, "The 5th day of Apollo in the year 4720"},
      {Arc(4720, 1, 5), 5, "Mars Day, Apollo 5,  4720"},
      {Arc(-5, 13, 22), 1, "-5-13-22 ARC"},
      {Arc(-5, 13, 22), 2, "-5-13-22 ARC (Mercury Day, Persephone 22, -5)"},
      {Arc(-5, 13, 22), 3, "Persephone 22, -5"},
      // "in the year" is followed by the spaced year, so a minus sign abuts it.
      {Arc(-5, 13, 22), 4, "The 22nd day of Persephone in the year-5"},
      {Arc(-5, 13, 22), 5, "Mercury Day, Persephone 22, -5"},
      {Arc(0, 10, 30), 2, "0-10-30 ARC (Pluto Day, Sophia 30,  0)"},
      {Arc(0, 10, 11), 4, "The 11th day of Sophia in the year 0"},
      {Arc(4720, 1, 5), 0, ""},
      {Arc(4720, 1, 5), 6, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ArcDateText(c.date, c.style), c.want);
}

TEST(ArcNames, MonthsAndDays) {
  EXPECT_EQ(ArcMonthName(1), "Apollo");
  EXPECT_EQ(ArcMonthName(13), "Persephone");
  EXPECT_EQ(ArcMonthShortName(12), "Demet");
  EXPECT_EQ(ArcMonthShortName(4), "Aphro");
  for (int32_t m : {0, 14, -1}) {
    EXPECT_EQ(ArcMonthName(m), "");
    EXPECT_EQ(ArcMonthShortName(m), "");
  }
  const std::pair<int32_t, const char*> days[] = {
      {1, "Sun Day"}, {10, "Pluto Day"}, {11, "Sun Day"}, {20, "Pluto Day"},
      {21, "Sun Day"}, {30, "Pluto Day"}, {17, "Saturn Day"}, {0, ""}, {-9, ""},
  };
  for (const auto& [d, want] : days) EXPECT_EQ(ArcDayName(d), want) << d;
  EXPECT_EQ(ArcDayShortName(6), "Jupit");
  EXPECT_EQ(ArcDayShortName(29), "Nept");
  EXPECT_EQ(ArcDayShortName(0), "");
}

TEST(PadLeft, Cases) {
  struct Case {
    const char* text;
    int width;
    char fill;
    const char* want;
  };
  const Case cases[] = {
      {"5", 2, '0', "05"},  {"12", 2, '0', "12"}, {"123", 2, '0', "123"},
      {"", 3, '*', "***"},  {"ab", 5, ' ', "   ab"}, {"x", -1, '0', "x"},
      {"x", 0, '0', "x"},   {"-5", 2, '0', "-5"},
  };
  for (const Case& c : cases) EXPECT_EQ(PadLeft(c.text, c.width, c.fill), c.want) << c.text;
}

}  // namespace
}  // namespace tavro
