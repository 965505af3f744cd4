#include "core/time/date_text.h"

#include <gtest/gtest.h>

namespace tavro {
namespace {

EuroDate Make(int32_t y, int32_t m, int32_t d, char letter = 'G') {
  EuroDate e;
  e.year = y;
  e.month = m;
  e.day = d;
  e.calendar = letter;
  return e;
}

TEST(EuroDateText, OrdersSeparatorsAndCodes) {
  struct Case {
    EuroDate date;
    int order;
    const char* sep;
    bool code;
    const char* want;
  };
  const Case cases[] = {
      {Make(0, 1, 1), 2, "-", false, "0-01-01"},
      {Make(2001, 12, 31), 2, "-", false, "2001-12-31"},
      {Make(-43, 3, 15), 2, "-", false, "-43-03-15"},
      {Make(-5, 7, 3), 1, "/", false, "03/07/(-5)"},
      {Make(-5, 7, 3), 0, "/", false, "07/03/(-5)"},
      {Make(1999, 7, 3), 0, ".", false, "07.03.1999"},
      {Make(1999, 7, 3), 1, ".", false, "03.07.1999"},
      {Make(2001, 12, 31), 2, "-", true, "2001-12-31 CE"},
      {Make(2001, 12, 31, 'J'), 1, "-", true, "31-12-2001 JC"},
      // Annus Novus ignores order and separator.
      {Make(-12, 2, 9, 'A'), 1, "/", true, "-12-02-09 AN"},
      {Make(7, 2, 9, 'A'), 0, ".", false, "7-02-09"},
      // Unknown letters get no code rather than a wrong one.
      {Make(4720, 1, 5, 'R'), 2, "-", true, "4720-01-05"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EuroDateText(c.date, c.order, c.sep, ",", c.code), c.want) << c.want;
  }
}

TEST(EuroDateText, YearsBeyondFourDigitsAreGrouped) {
  EXPECT_EQ(EuroDateText(Make(9999, 1, 2), 2, "-", ",", false), "9999-01-02");
  EXPECT_EQ(EuroDateText(Make(-9999, 1, 2), 1, "-", ",", false), "02-01-(-9999)");
  EXPECT_EQ(EuroDateText(Make(10000, 1, 2), 2, "-", ",", false), "10,000-01-02");
  EXPECT_EQ(EuroDateText(Make(-1234567, 1, 2), 1, "/", ".", false), "02/01/(-1.234.567)");
  EXPECT_EQ(EuroDateText(Make(12345, 1, 2, 'A'), 2, "-", ",", false), "12345-01-02");
  EXPECT_EQ(EuroDateText(Make(12345, 1, 2), 2, "-", "", false), "12345-01-02");
}

TEST(EuroDateLongText, Sentence) {
  EXPECT_EQ(EuroDateLongText(Make(2001, 12, 31)),
            "The 31st day of December in the year 2001 in the Common Era Calendar");
  EXPECT_EQ(EuroDateLongText(Make(-43, 3, 15, 'J')),
            "The 15th day of March in the year -43 in the Julian Calendar");
  EXPECT_EQ(EuroDateLongText(Make(5, 2, 2, 'A')),
            "The 2nd day of February in the year 5 in the Annus Novus Calendar");
  EXPECT_EQ(EuroDateLongText(Make(-20000, 6, 3)),
            "The 3rd day of June in the year -20,000 in the Common Era Calendar");
}

TEST(DateTextNames, WeekdaysAndMonthsWithBounds) {
  EXPECT_EQ(WeekdayName(0), "Sunday");
  EXPECT_EQ(WeekdayName(3), "Wednesday");
  EXPECT_EQ(WeekdayName(6), "Saturday");
  EXPECT_EQ(WeekdayName(7), "");
  EXPECT_EQ(WeekdayName(-1), "");
  EXPECT_EQ(MonthName(1), "January");
  EXPECT_EQ(MonthName(12), "December");
  EXPECT_EQ(MonthName(0), "");
  EXPECT_EQ(MonthName(13), "");
}

TEST(OrdinalText, Suffixes) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
      {10, "10th"},   {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},
      {22, "22nd"},   {23, "23rd"},   {30, "30th"},   {101, "101st"}, {111, "111th"},
      {112, "112th"}, {113, "113th"}, {122, "122nd"}, {-3, "-3"},     {-21, "-21"},
  };
  for (const auto& [n, want] : cases) EXPECT_EQ(OrdinalText(n), want) << n;
}

TEST(DurationText, Parts) {
  const std::pair<int32_t, const char*> cases[] = {
      {-5, "0 minutes"},
      {0, "0 minutes"},
      {1, "1 minute"},
      {59, "59 minutes"},
      {60, "1 hour"},
      {61, "1 hour and 1 minute"},
      {120, "2 hours"},
      {1440, "1 day"},
      {1441, "1 day and 1 minute"},
      {1500, "1 day and 1 hour"},
      {2885, "2 days and 5 minutes"},
      {1440 + 120 + 3, "1 day, 2 hours and 3 minutes"},
      {3723, "2 days, 14 hours and 3 minutes"},
      {1440 + 60 + 1, "1 day, 1 hour and 1 minute"},
  };
  for (const auto& [m, want] : cases) EXPECT_EQ(DurationText(m), want) << m;
}

}  // namespace
}  // namespace tavro
