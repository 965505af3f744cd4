#include "core/time/date_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "core/time/euro_date.h"

namespace tavro {
namespace {

struct ReadCase {
  std::string text;
  char letter;
  int32_t result;
  int32_t year, month, day;
  int16_t valid;
};

TEST(StrToDate, ReadsYearMonthDay) {
  const ReadCase cases[] = {
      {"2024-02-10", 'G', 0, 2024, 2, 10, 1},
      {"-43-03-15", 'J', 0, -43, 3, 15, 1},
      {"0-1-1", 'G', 0, 0, 1, 1, 1},
      {"-0-01-01", 'G', 0, 0, 1, 1, 1},
      {"  2024-2-9 \t", 'G', 0, 2024, 2, 9, 1},
      {"0002024-002-009", 'G', 0, 2024, 2, 9, 1},
      {"1900-02-29", 'G', 0, 1900, 2, 29, 0},
      {"1900-02-29", 'J', 0, 1900, 2, 29, 1},
      {"2023-04-31", 'G', 0, 2023, 4, 31, 0},
      {"2023-13-01", 'J', 0, 2023, 13, 1, 0},
      {"2023-00-01", 'G', 0, 2023, 0, 1, 0},
      {"2023-01-9999", 'G', 0, 2023, 1, 9999, 0},
      {"5800000-12-31", 'G', 0, 5800000, 12, 31, 1},
      {"-5800000-01-01", 'J', 0, -5800000, 1, 1, 1},
      {"4720-13-30", 'R', 0, 4720, 13, 30, 1},
      {"4720-14-01", 'R', 0, 4720, 14, 1, 0},
      {"4720-01-31", 'R', 0, 4720, 1, 31, 0},
      {"4720-00-01", 'R', 0, 4720, 0, 1, 0},
  };
  for (const auto& c : cases) {
    EuroDate d;
    d.jdn = 123;
    ASSERT_EQ(_str_to_date(c.text, 2, d, c.letter), c.result) << c.text;
    EXPECT_EQ(d.year, c.year) << c.text;
    EXPECT_EQ(d.month, c.month) << c.text;
    EXPECT_EQ(d.day, c.day) << c.text;
    EXPECT_EQ(d.calendar, c.letter) << c.text;
    EXPECT_EQ(d.valid, c.valid) << c.text;
    EXPECT_EQ(d.jdn, 123) << c.text;  // numbering is the caller's next step
  }
}

TEST(StrToDate, RefusesWithoutTouchingTheRecord) {
  const std::string forty(40, '9');
  const struct {
    std::string text;
    int32_t order;
    char letter;
    int32_t result;
  } cases[] = {
      {"", 2, 'G', kStrToDateNotADate},
      {"-", 2, 'G', kStrToDateNotADate},
      {"2024", 2, 'G', kStrToDateNotADate},
      {"2024-", 2, 'G', kStrToDateNotADate},
      {"2024-02", 2, 'G', kStrToDateNotADate},
      {"2024-02-", 2, 'G', kStrToDateNotADate},
      {"2024--02-10", 2, 'G', kStrToDateNotADate},
      {"--2024-02-10", 2, 'G', kStrToDateNotADate},
      {"+2024-02-10", 2, 'G', kStrToDateNotADate},
      {"2024-02-10-", 2, 'G', kStrToDateNotADate},
      {"2024-02-10CE", 2, 'G', kStrToDateNotADate},
      {"2024-02-10 x", 2, 'G', kStrToDateNotADate},
      {"2024/02/10", 2, 'G', kStrToDateNotADate},
      {"2024-02-1.5", 2, 'G', kStrToDateNotADate},
      {"2024-10000-01", 2, 'G', kStrToDateNotADate},
      {"2024-01-" + forty, 2, 'G', kStrToDateNotADate},
      {forty + "-" + forty + "-1", 2, 'G', kStrToDateNotADate},
      {forty + "-01-01", 2, 'G', kStrToDateOutOfRange},
      {"-" + forty + "-01-01", 2, 'J', kStrToDateOutOfRange},
      {"5800001-01-01", 2, 'G', kStrToDateOutOfRange},
      {"-5800001-01-01", 2, 'G', kStrToDateOutOfRange},
      {"2024-02-10", 0, 'G', kStrToDateUnsupportedOrder},
      {"2024-02-10", 1, 'G', kStrToDateUnsupportedOrder},
      {"2024-02-10", 2, 'A', kStrToDateUnsupportedCalendar},
      {"2024-02-10", 2, 'X', kStrToDateUnsupportedCalendar},
  };
  for (const auto& c : cases) {
    EuroDate d;
    d.year = 7;
    d.valid = 1;
    EXPECT_EQ(_str_to_date(c.text, c.order, d, c.letter), c.result) << c.text;
    EXPECT_EQ(d.year, 7) << c.text;
    EXPECT_EQ(d.valid, 1) << c.text;
  }
}

TEST(StrToDate, StopsAtTheEndOfTheText) {
  // A NUL ends the text as in a C buffer, and a text cut off mid-date is not a date.
  EuroDate d;
  EXPECT_EQ(_str_to_date(std::string("2024-02-10\0garbage", 18), 2, d, 'G'), 0);
  EXPECT_EQ(d.day, 10);
  EXPECT_EQ(_str_to_date(std::string("2024-02\0-10", 11), 2, d, 'G'), kStrToDateNotADate);
  const std::string full = "2024-02-10";
  for (size_t n = 0; n < full.size() - 1; ++n) {
    // Copied to an exact-size heap buffer so that a read past the end is caught by the sanitizer.
    const std::string cut(full.data(), n);
    EXPECT_NE(_str_to_date(cut, 2, d, 'G'), 0) << cut;
  }
}

TEST(StrToDate, ReadDatesNumberLikeTheCalendar) {
  EuroDate d;
  ASSERT_EQ(_str_to_date("2000-01-01", 2, d, 'G'), 0);
  EXPECT_EQ(EuroDateToJDN(d), 2451545);
  ASSERT_EQ(_str_to_date("1582-10-05", 2, d, 'J'), 0);
  EXPECT_EQ(EuroDateToJDN(d), 2299161);
}

TEST(SeparateThousands, GroupsTheDigits) {
  const struct {
    const char* in;
    int32_t sep;
    const char* out;
  } cases[] = {
      {"-1234567", ',', "-1,234,567"}, {"1234567", ',', "1,234,567"}, {"12345", ',', "12,345"},
      {"123", ',', "123"},             {"-123", ',', "-123"},         {"1000", '.', "1.000"},
      {"", ',', ""},                   {"-", ',', "-"},               {"+123456", ',', "+123,456"},
      {"1234567.891", ',', "1,234,567.891"},
      {"123456", 0x2009, "123\xE2\x80\x89" "456"},  // thin space, written as UTF-8
      {"123456", 0, "123456"},
  };
  for (const auto& c : cases) EXPECT_EQ(_separate_thousands(c.in, c.sep), c.out) << c.in;
}

}  // namespace
}  // namespace tavro
