#include <cmath>
#include <limits>

#include "app/main/tests/main_test_support.h"
#include "app/main/text_util.h"
#include "core/chinese/conversion.h"

namespace tavro::testing {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

struct EntryCase {
  std::string entry;
  int error;
  double ajd;           // expected moment (NaN: not checked)
  std::string box;      // expected normalised entry ("" : not checked)
  std::string time;     // expected time box ("" : not checked)
  int zone;             // expected zone selection (-2 : not checked)
};

TEST_F(MainWindowTest, EntryGrammar) {
  const EntryCase cases[] = {
      {"  2000-01-01 ce ", 0, 2451545.0, "2000-01-01 CE", "12:00", 0},
      {"2,455,000.5 AJD", 0, 2455000.5, "2,455,000.5 AJD", "00:00", 0},
      {"2455000.5AJD", 0, 2455000.5, "", "00:00", 0},
      {"2451545.25 CJDL", 0, 2451544.75, "", "06:00", 0},
      {"2451545.5 CJDC", 0, 2451545.5 - 120 / 360.0 - 0.5, "", "12:00", 1},
      {"1582-10-05 JC", 0, 2299161.0, "", "12:00", 0},
      {"-5-3 AJD", kErrDayCount, kNoValue, "", "", -2},
      {"12CE-5 CHL", kErrCalendar, kNoValue, "", "", -2},
      {"+2000-01-01 CE", kErrNoDate, kNoValue, "", "", -2},
      {"hello", kErrNoDate, kNoValue, "", "", -2},
      {"nan AJD", kErrNoDate, kNoValue, "", "", -2},
      {"2000/01/01 CE", kErrSeparator, kNoValue, "", "", -2},
      {"2000.01.01 CE", kErrSeparator, kNoValue, "", "", -2},
      {"2000-01-01 12:00 CE", kErrTimeInDate, kNoValue, "", "", -2},
      {"2000 01 01", kErrCalendar, kNoValue, "", "", -2},
      {"2000-02-30 CE", kErrCE, kNoValue, "", "", -2},
      {"1900-02-29 CE", kErrCE, kNoValue, "", "", -2},
      {"2000-02-31 JC", kErrJC, kNoValue, "", "", -2},
      {"4721-13-01 ARC", kErrARC, kNoValue, "", "", -2},
      {"79-41-25-01 CHS", kErrCHS, kNoValue, "", "", -2},
      {"79-41-13-01 CHL", kErrCHL, kNoValue, "", "", -2},
      {"-3001-12-31 CE", kErrTooEarly, kNoValue, "", "", -2},
      {"625332.9 AJD", kErrTooEarly, kNoValue, "", "", -2},
      {"-1e999 AJD", kErrTooEarly, kNoValue, "", "", -2},
      {"0x10 AJD", kErrTooEarly, kNoValue, "", "", -2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    f->txbDate.text = c.entry;
    f->txbTime.text.clear();
    f->cboTimeZone.index = -1;
    const auto r = Parse(c.entry);
    EXPECT_EQ(r.error, c.error);
    if (!std::isnan(c.ajd)) {
      EXPECT_NEAR(r.ajd, c.ajd, 1e-9);
    }
    if (!c.box.empty()) {
      EXPECT_EQ(f->txbDate.text, c.box);
    }
    if (!c.time.empty()) {
      EXPECT_EQ(f->txbTime.text, c.time);
    }
    if (c.zone != -2) {
      EXPECT_EQ(f->cboTimeZone.index, c.zone);
    }
  }
  // None of these asked whether a calendar was meant.
  EXPECT_TRUE(p.messages.empty());
}

TEST_F(MainWindowTest, CalendarOfEachEntryBecomesCurrentAndIsHighlighted) {
  const std::pair<const char*, int> cases[] = {{"2000-01-01 CE", kCalCE},   {"2000-01-01 JC", kCalJC},
                                               {"79-41-01-01 CHL", kCalCHL}, {"79-41-01-01 CHS", kCalCHS},
                                               {"4720-01-05 ARC", kCalARCGMT}, {"2451545 AJD", kCalAJD},
                                               {"2451545 CJDC", kCalCJDC}, {"2451545 CJDL", kCalCJDL}};
  for (const auto& [entry, calendar] : cases) {
    SCOPED_TRACE(entry);
    f->txbTime.text.clear();
    f->cboTimeZone.index = -1;
    ASSERT_EQ(Parse(entry).error, 0);
    EXPECT_EQ(f->intCalendar, calendar);
  }
  EXPECT_EQ(f->lblChronologicalJulianDateLondon[0].back, f->lngHighlight);
  EXPECT_EQ(f->lblArchetypesCalendarGMT[0].back, f->lngDehighlight);
  ASSERT_EQ(Parse("4720-01-05 ARC").error, 0);
  EXPECT_EQ(f->lblArchetypesCalendarGMT[0].back, f->lngHighlight);
  EXPECT_EQ(f->lblCommonEraDate[0].back, f->lngDehighlight);
}

TEST_F(MainWindowTest, GetCalendarPrefersEntryCodes) {
  EXPECT_EQ(GetCalendar("ARC"), 7);
  EXPECT_EQ(GetCalendar("ARCCCT"), 8);
  EXPECT_EQ(GetCalendar("CJDC"), 5);
  EXPECT_EQ(GetCalendar("chl"), -1);
}

TEST_F(MainWindowTest, EntryWithoutCodeAsksAboutTheCurrentCalendar) {
  f->intCalendar = kCalCE;
  p.answers = {ui::Answer::Yes};
  auto r = Parse("2000-01-01");
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(f->txbDate.text, "2000-01-01 CE");
  EXPECT_DOUBLE_EQ(r.ajd, 2451545.0);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, "Is this a CE Calendar date?");
  EXPECT_EQ(p.messages[0].title, "Calendar?");
  EXPECT_EQ(p.messages[0].buttons, ui::Buttons::YesNo);

  f->intCalendar = kCalCHL;
  p.answers = {ui::Answer::No};
  EXPECT_EQ(Parse("79-41-01-01").error, kErrCalendar);
  EXPECT_EQ(p.messages.back().text, "Is this a CHL Calendar date?");
}

TEST_F(MainWindowTest, OverseasChineseYearOnlyInChina) {
  const auto overseas = Parse("4709-1-1 CHL");
  ASSERT_EQ(overseas.error, 0);
  const auto cyclic = Parse("79-29-1-1 CHL");
  ASSERT_EQ(cyclic.error, 0);
  EXPECT_DOUBLE_EQ(overseas.ajd, cyclic.ajd);

  f->cboRefLong.index = kCountryVietnam;
  f->cboRefLong_Click();
  EXPECT_EQ(Parse("4709-1-1 CHL").error, kErrCHL);
  f->ShowEntryError(kErrCHL);
  EXPECT_EQ(LastText(),
            "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n\r\n"
            "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
            "and specify element-animal using the drop-down boxes.");
  EXPECT_EQ(p.LastMessage()->title, "Invalid date or time entry");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
}

TEST_F(MainWindowTest, ChlDayBeyondTheMonthIsItsOwnError) {
  // Find a 29-day month of the year at position 41 of cycle 79.
  int shortMonth = 0;
  for (int m = 1; m <= 12 && !shortMonth; ++m) {
    ChlDate d;
    d.cycle = 79, d.position = 41, d.month = m, d.day = 30;
    if (ChLDateToJDN(d, f->CurrentSettings()) == kChlDayBeyondMonth) shortMonth = m;
  }
  ASSERT_NE(shortMonth, 0);
  EXPECT_EQ(Parse("79-41-" + std::to_string(shortMonth) + "-30 CHL").error, kErrCHLDay);
  EXPECT_EQ(Parse("79-41-" + std::to_string(shortMonth) + "-29 CHL").error, 0);
}

TEST_F(MainWindowTest, QuestionMarkPositionTakesTheElementAnimalLists) {
  // 2024 (position 41) is a wood-dragon year.
  const auto plain = Parse("79-41-01-01 CHL");
  f->txbDate.text = "79-?-01-01 CHL";
  f->txbDate_Change();
  f->cboElement.index = 0;  // wood
  f->cboAnimal.index = 4;   // dragon
  const auto r = Parse("79-?-01-01 CHL");
  ASSERT_EQ(r.error, 0);
  EXPECT_DOUBLE_EQ(r.ajd, plain.ajd);
  f->cboElement.index = 5;  // none: no single position
  EXPECT_EQ(Parse("79-?-01-01 CHL").error, kErrCHL);
}

TEST_F(MainWindowTest, TimeOfDay) {
  const std::pair<const char*, int> cases[] = {{"7:05", 425}, {"07.05", 425}, {"7:5", 425},  {"9:5", 545},
                                               {"23:59", 1439}, {"0:00", 0},    {"24:00", -1}, {"12:60", -1},
                                               {"9", -1},      {"123:00", -1}, {":30", -1},   {"-1:00", -1},
                                               {" 9 : 30 ", 570}};
  for (const auto& [text, minutes] : cases) EXPECT_EQ(f->TimeOfDayMinutes(text), minutes) << text;
  f->TimeOfDayMinutes("09.30");
  EXPECT_EQ(f->txbTime.text, "09:30");
  f->txbTime.text = "24:00";
  EXPECT_EQ(Parse("2000-01-01 CE").error, kErrTime);
}

TEST_F(MainWindowTest, PlusMinusNumbers) {
  const std::pair<const char*, bool> cases[] = {{"1", true},    {" 0.25 ", true}, {"-3", true},   {"+1,000", true},
                                                {"1-", false},  {"1+2", false},   {"1e5", false}, {"", false},
                                                {"abc", false}, {"   ", false}};
  for (const auto& [text, ok] : cases) {
    f->txbPlusMinus.text = text;
    EXPECT_EQ(f->IsPlusMinusNumber(), ok) << text;
  }
  f->txbPlusMinus.text = " +1,000.5 ";
  ASSERT_TRUE(f->IsPlusMinusNumber());
  EXPECT_EQ(f->txbPlusMinus.text, "+1,000.5");
  EXPECT_DOUBLE_EQ(f->PlusMinusValue(), 1000.5);
}

TEST_F(MainWindowTest, EveryEntryMessage) {
  const std::pair<int, const char*> cases[] = {
      {1, "No date specified."},
      {2, "Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD)."},
      {3, "Time specification not permitted in date string."},
      {4, "Invalid time specification.  Times must be, e.g., 23:50."},
      {5, "Date separator must be a dash, '-'."},
      {6, "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"},
      {7, "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"},
      {9, "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n"},
      {10, "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD."},
      {11, "Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day"},
      {12, "Error when parsing date string."},
      {13, "Invalid CHL date.  Day number exceeds number of days in the month."},
      {14, "Invalid plus/minus days."},
      {15, "Date too early."},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(EntryErrorMessage(code, true), text) << code;
  EXPECT_EQ(EntryErrorMessage(8, true),
            "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'\r\n"
            "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\r\n\r\n"
            "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
            "and specify element-animal using the drop-down boxes.");
}

// A Chinese date written correctly for a year beyond the range is a date out
// of range, not a badly written one; a far date written badly still is.
TEST_F(MainWindowTest, FarChineseDatesGetTheRangeMessages) {
  const std::pair<std::string, std::string> cases[] = {
      {"200-01-01-01 CHL", "Date is later than 3000-01-01 CE."},
      {"200-01-12*-30 CHL", "Date is later than 3000-01-01 CE."},
      {"9999-01-01 CHL", "Date is later than 3000-01-01 CE."},  // Overseas Chinese year
      {"200-01-24-16 CHS", "Date is later than 3000-01-01 CE."},
      {"-5-01-01-01 CHL", "Date too early."},
      {"-5-01-01-01 CHS", "Date too early."},
      {"200-01-13-01 CHL", EntryErrorMessage(kErrCHL, true)},
      {"200-01-01-31 CHL", EntryErrorMessage(kErrCHL, true)},
      {"200-01-25-01 CHS", EntryErrorMessage(kErrCHS, true)},
  };
  for (const auto& [entry, message] : cases) {
    const double before = f->dblCurrentAJDate;
    p.Clear();
    Convert(entry);
    EXPECT_EQ(LastText(), message) << entry;
    EXPECT_EQ(f->dblCurrentAJDate, before) << entry;
    // Days added or taken do not bring it into the range.
    p.Clear();
    f->txbPlusMinus.text = "5000000";
    f->optMinus.value = 1;
    Convert(entry);
    EXPECT_EQ(LastText(), message) << entry << " less 5000000 days";
    f->txbPlusMinus.text.clear();
    f->optMinus.value = 0;
  }
}

TEST_F(MainWindowTest, RangeCheck) {
  EXPECT_FALSE(f->CheckRange(625333.0));
  EXPECT_FALSE(f->CheckRange(2816788.0));
  EXPECT_TRUE(p.messages.empty());
  EXPECT_TRUE(f->CheckRange(625332.9));
  EXPECT_EQ(LastText(), "Date is earlier than -3000-01-01 CE.");
  EXPECT_EQ(p.LastMessage()->title, "Date out of range");
  const auto r = Parse("2816788.5 AJD");
  ASSERT_EQ(r.error, 0);
  EXPECT_TRUE(f->CheckRange(r.ajd));
  EXPECT_EQ(LastText(), "Date is later than 3000-01-01 CE.");
  // An overflowing number reads as out of range, never as infinity.
  const auto huge = Parse("1e999 AJD");
  ASSERT_EQ(huge.error, 0);
  EXPECT_TRUE(std::isfinite(huge.ajd));
  EXPECT_TRUE(f->CheckRange(huge.ajd));
  // The window says what the core's range check says, NaN included.
  EXPECT_TRUE(f->CheckRange(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(LastText(), "Date is earlier than -3000-01-01 CE.");
}

TEST(Numbers, ReaderAndFormats) {
  const std::pair<const char*, double> cases[] = {{"12.5abc", 12.5}, {"-3", -3},   {"+4", 4},     {"", 0},
                                                  {"abc", 0},        {".5", 0.5},  {"1e3x", 1000}, {"1e", 1},
                                                  {"nan", 0},        {"inf", 0},   {"0x1A", 0},   {"2.", 2}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ReadNumberPrefix(text), value) << text;
  bool overflow = false;
  EXPECT_EQ(ReadNumberPrefix("9e999", &overflow), 1e300);
  EXPECT_TRUE(overflow);
  EXPECT_EQ(ReadNumberPrefix("1e-999", &overflow), 0.0);
  EXPECT_FALSE(overflow);
  EXPECT_EQ(GroupedNumber(2455900.92, 4), "2,455,900.9200");
  EXPECT_EQ(GroupedNumber(-625333.5, 4), "-625,333.5000");
  EXPECT_EQ(GroupedNumber(999.99999, 4), "1,000.0000");
  EXPECT_EQ(GroupedNumber(-0.00001, 4), "0.0000");
  EXPECT_EQ(ExactNumber(2451545.123456789), "2451545.123456789");
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
}

}  // namespace
}  // namespace tavro::testing
