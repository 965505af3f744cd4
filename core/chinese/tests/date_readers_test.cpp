#include <gtest/gtest.h>

#include <string>

#include "core/chinese/date_readers.h"

namespace tavro {
namespace {

TEST(ChlReader, AcceptedForms) {
  struct Case {
    const char* text;
    int32_t cycle, position, month, leap, day;
  } cases[] = {
      {"79-41-05-12 CHL 10:32 CCT", 79, 41, 5, 0, 12},
      {"79-31-9*-12", 79, 31, 9, 1, 12},
      {"-5-12-01-01", -5, 12, 1, 0, 1},
      {"79-7-5-3", 79, 7, 5, 0, 3},
      {"0079-041-005-012", 79, 41, 5, 0, 12},
      {"  79-40-12*-30 CHL", 79, 40, 12, 1, 30},
      {"70-?-12-30 wood-rabbit", 70, 52, 12, 0, 30},
      {"70-?-12-30 wood-rabbit CHL", 70, 52, 12, 0, 30},
      {"-5-?-4*-01 fire-cat", -5, 4, 4, 1, 1},
      {"1-?-1-1 water-boar", 1, 60, 1, 0, 1},
      {"79-41-05-12", 79, 41, 5, 0, 12},
      // Form only: ranges are for the conversion to judge.
      {"1-99-13-40", 1, 99, 13, 0, 40},
  };
  for (const auto& c : cases) {
    ChlDate d;
    ASSERT_TRUE(ReadChlDateText(c.text, d)) << c.text;
    EXPECT_EQ(d.valid, 1);
    EXPECT_EQ(d.cycle, c.cycle) << c.text;
    EXPECT_EQ(d.position, c.position) << c.text;
    EXPECT_EQ(d.month, c.month) << c.text;
    EXPECT_EQ(d.leap, c.leap) << c.text;
    EXPECT_EQ(d.day, c.day) << c.text;
  }
}

TEST(ChlReader, RejectedFormsLeaveTheFieldsAndClearValid) {
  const char* texts[] = {
      "",
      "79",
      "79-41-05",
      "79-41-05-",
      "79-41-05-12x",
      "79-41-05-12-3",
      "79-41-5**-12",
      "79--41-05-12",
      "--5-12-01-01",
      "79-41-*-12",
      "x79-41-05-12",
      "70-?-12-30",              // no element-animal: no unique position
      "70-?-12-30 wood",         // animal missing
      "70-?-12-30 -rabbit",      // element missing
      "70-?-12-30 wood-",        // animal missing
      "70-?-12-30 wood-unicorn",
      "70-?-12-30 woodrabbit",
      "70-?-12-30 wood-rabbits",
      "99999999999999999999999999-41-05-12",  // no overflow, not a date
      "79-41-05-123456789012345678901234567890",
  };
  for (const char* text : texts) {
    ChlDate d;
    d.cycle = 7;
    d.position = 8;
    d.valid = 1;
    EXPECT_FALSE(ReadChlDateText(text, d)) << text;
    EXPECT_EQ(d.valid, 0) << text;
    EXPECT_EQ(d.cycle, 7) << text;
    EXPECT_EQ(d.position, 8) << text;
  }
}

TEST(ChlReader, NeverReadsPastTheGivenText) {
  // A view into a longer buffer: the reader must stop at the view's end.
  const std::string buffer = "79-41-05-1234";
  ChlDate d;
  ASSERT_TRUE(ReadChlDateText(std::string_view(buffer).substr(0, 11), d));
  EXPECT_EQ(d.day, 12);
  const std::string asked = "70-?-12-30 wood-rabbit";
  EXPECT_FALSE(ReadChlDateText(std::string_view(asked).substr(0, 16), d));  // "70-?-12-30 wood-"
  // Every prefix of a long text is safe to read.
  const std::string line = "-79-?-12*-30 metal-rooster CHL";
  for (size_t n = 0; n <= line.size(); ++n) static_cast<void>(ReadChlDateText(std::string_view(line).substr(0, n), d));
}

TEST(ChsReader, Forms) {
  ChsDate d;
  ASSERT_TRUE(ReadChsDateText("79-41-23-05 CHS 10:32 CCT", d));
  EXPECT_EQ(d.cycle, 79);
  EXPECT_EQ(d.position, 41);
  EXPECT_EQ(d.term, 23);
  EXPECT_EQ(d.day, 5);
  ASSERT_TRUE(ReadChsDateText("79-41-23-01 CHS (Z10)", d));
  EXPECT_EQ(d.day, 1);
  ASSERT_TRUE(ReadChsDateText("-1-?-1-16 metal-monkey", d));
  EXPECT_EQ(d.cycle, -1);
  EXPECT_EQ(d.position, 57);
  EXPECT_EQ(d.term, 1);
  EXPECT_EQ(d.day, 16);
  EXPECT_FALSE(ReadChsDateText("79-41-2*-05", d));  // terms have no leap form
  EXPECT_EQ(d.valid, 0);
  EXPECT_FALSE(ReadChsDateText("79-?-23-05", d));
}

}  // namespace
}  // namespace tavro
