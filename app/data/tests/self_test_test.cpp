// The conversion self-test: rejected dates, round trips, mismatches, Stop.
#include "app/data/tests/data_fixture.h"
#include "core/chinese/conversion.h"

namespace tavro::testing_data {
namespace {

class SelfTestTest : public DataWindowTest {
 protected:
  std::string Pair(ChsDate chs, ChlDate chl) {
    data.txbText.text.clear();
    data.TestDatePair(chs, chl);
    return data.txbText.text;
  }
  static ChsDate Solar(int cycle, int position, int term, int day) {
    ChsDate d;
    d.cycle = cycle;
    d.position = position;
    d.term = term;
    d.day = day;
    return d;
  }
  static ChlDate Lunar(int cycle, int position, int month, int day, int leap = 0) {
    ChlDate d;
    d.cycle = cycle;
    d.position = position;
    d.month = month;
    d.day = day;
    d.leap = leap;
    return d;
  }
};

// Fields outside their ranges are rejected ("0"), never reported as mismatches.
TEST_F(SelfTestTest, RejectedDatesGiveZero) {
  struct Case {
    ChsDate chs;
    ChlDate chl;
    const char* expected;
  } cases[] = {
      {Solar(79, 0, 5, 3), Lunar(79, 0, 5, 3), "00"},
      {Solar(79, 61, 5, 3), Lunar(79, 61, 5, 3), "00"},
      {Solar(79, 41, 0, 3), Lunar(79, 41, 0, 3), "00"},
      {Solar(79, 41, 25, 3), Lunar(79, 41, -1, 3), "00"},
      {Solar(79, 41, 5, -2), Lunar(79, 41, 5, -2), "00"},
      {Solar(79, 41, 5, 16), Lunar(79, 41, 5, 31), "00"},
      {Solar(79, 41, 5, 3), Lunar(79, 41, 5, 3, 1), "10"},  // 2024 has no leap month 5
      {Solar(79, 41, 5, 3), Lunar(79, 41, 5, 3), "11"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Pair(c.chs, c.chl), c.expected);
    EXPECT_FALSE(data.blnStop);
  }
}

// Under the mean sun a solar date need not come back: the mismatch prints its
// two lines and stops the test.
TEST_F(SelfTestTest, MismatchPrintsBothDatesAndStops) {
  data.inputs.settings.method = 1;
  ChsDate equinox = Solar(79, 41, 7, 1);
  ASSERT_TRUE(ChSDateToJDN(equinox, data.inputs.settings));
  const std::string out = Pair(Solar(79, 41, 7, 1), Lunar(79, 41, 5, 3));
  EXPECT_TRUE(data.blnStop);
  const auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 4u) << out;
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "79-41-07-01 CHS -> " + std::to_string(equinox.jdn) + " but");
  // The mean-sun term 7 begins two days after the true-sun one.
  EXPECT_EQ(lines[2], " " + std::to_string(equinox.jdn) + " -> 79-41-07-03 CHS");
  EXPECT_EQ(lines[3], "1");  // the lunar date is still tested
}

TEST_F(SelfTestTest, TypedMoment) {
  data.parseDate = [](const std::string& text) {
    if (text == "2024-05-01 CE") return DataParseResult{0, NoonAJD(2024, 5, 1)};
    return DataParseResult{7, 0.0};
  };
  data.txbText.text = "before";
  data.txbStart.text = "2024-05-01 CE";
  data.DoTest();
  EXPECT_EQ(data.txbText.text, "before11");
  data.txbStart.text = "nonsense";
  data.txbStart_Enter();
  EXPECT_EQ(data.txbText.text, "before11Error code = 7\r\n");
  EXPECT_EQ(data.caption, "Second test");
  EXPECT_EQ(data.intWindow, kWindowTest);
  EXPECT_TRUE(data.txbStart.visible && data.cmdStop.visible);
  EXPECT_FALSE(data.cmdList.visible || data.chkIncludeMajorSolarTerms.visible);
}

// Stop during the random test ends it after the current pair; a seed repeats
// the same dates.
TEST_F(SelfTestTest, RandomTestStopsAndRepeatsWithSeed) {
  data.useSeed = true;
  data.seed = 20240501;
  platform.onDoEvents = [&](int call) {
    if (call == 31) data.cmdStop_Click();
  };
  data.DoTest();
  const std::string first = data.txbText.text;
  const std::string heading = "Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n";
  ASSERT_EQ(first.substr(0, heading.size()), heading);
  const std::string digits = first.substr(heading.size());
  EXPECT_EQ(digits.size(), 60u);
  EXPECT_EQ(digits.find_first_not_of("01"), std::string::npos);
  EXPECT_NE(digits.find('1'), std::string::npos);
  EXPECT_NE(digits.find('0'), std::string::npos);
  EXPECT_FALSE(data.busyPointer);
  EXPECT_FALSE(data.cmdStop.visible);  // nothing left to stop

  platform.doEventsCalls = 0;
  data.DoTest();  // the earlier Stop does not end this run at once
  EXPECT_EQ(data.txbText.text, first);
}

}  // namespace
}  // namespace tavro::testing_data
