#include <fstream>
#include <cmath>

#include "app/main/move_units.h"
#include "app/main/tests/main_test_support.h"
#include "core/arc/arc_date.h"
#include "core/astro/phases.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/stepping.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::testing {
namespace {

double Frac(double x) { return x - std::floor(x); }

class MoveTest : public MainWindowTest {
 protected:
  void At(double ajd) {
    f->dblCurrentAJDate = ajd;
    f->DisplayDatesAndTimes();
    logKinds.clear();
  }
  void Move(int unit, bool forward, int times = 1) {
    f->cboMoveStep.index = unit;
    f->optMoveDirection[0].value = forward;
    f->optMoveDirection[1].value = !forward;
    for (int i = 0; i < times; ++i) f->cmdMove_Click();
  }
  EuroDate Date(int letter) const {
    EuroDate d;
    d.calendar = static_cast<int16_t>(letter);
    d.jdn = static_cast<int32_t>(std::floor(f->dblCurrentAJDate + 0.5));
    JDNToEuroDate(d);
    return d;
  }
  ChlDate Lunar() const {
    ChlDate c;
    EXPECT_TRUE(ReadChlDateText(f->lblChineseLunarDate[1].caption, c)) << f->lblChineseLunarDate[1].caption;
    return c;
  }
  int32_t LocalDay() const { return static_cast<int32_t>(std::floor(ToCJDC(f->dblCurrentAJDate, 120))); }
};

TEST_F(MoveTest, EuropeanUnitsShortenDaysThatDoNotExist) {
  struct Case {
    const char* entry;
    int unit;
    bool forward;
    int times;
    int letter;
    int y, m, d;
  } cases[] = {
      {"2001-01-31 CE", kUnitCEMonth, true, 1, 'G', 2001, 2, 28},
      {"2000-01-31 CE", kUnitCEMonth, true, 1, 'G', 2000, 2, 29},
      {"2001-03-31 CE", kUnitCEMonth, false, 1, 'G', 2001, 2, 28},
      {"2001-08-31 CE", kUnitCEMonth, true, 1, 'G', 2001, 9, 30},
      {"2000-12-15 CE", kUnitCEMonth, true, 1, 'G', 2001, 1, 15},
      {"2000-01-15 CE", kUnitCEMonth, false, 1, 'G', 1999, 12, 15},
      {"2000-02-29 CE", kUnitCEYear, true, 1, 'G', 2001, 2, 28},
      {"2000-02-29 CE", kUnitCECentury, true, 1, 'G', 2100, 2, 28},
      {"2000-02-29 CE", kUnitCEYear, true, 4, 'G', 2004, 2, 28},
      {"1600-02-29 JC", kUnitJC80Years, true, 1, 'J', 1680, 2, 29},
      {"1600-02-29 JC", kUnitJC80Years, false, 2, 'J', 1440, 2, 29},
  };
  for (const Case& c : cases) {
    Convert(c.entry);
    Move(c.unit, c.forward, c.times);
    const EuroDate d = Date(c.letter);
    EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, c.y * 10000 + c.m * 100 + c.d) << c.entry << " unit " << c.unit;
    EXPECT_EQ(f->intCalendar, c.letter == 'J' ? kCalJC : kCalCE);
    EXPECT_TRUE(p.messages.empty()) << c.entry;
  }
}

TEST_F(MoveTest, TimeOfDayIsKeptOnTheUnitsClock) {
  Convert("2001-01-31 CE", "23:30");
  const double london = Frac(f->dblCurrentAJDate + 0.5);
  Move(kUnitCEMonth, true);
  EXPECT_NEAR(Frac(f->dblCurrentAJDate + 0.5), london, 1e-9);

  At(FromCJDC(2451900 + 23.5 / 24, 120));  // 23:30 on the reference meridian
  Move(kUnitCHLMonth, true);
  EXPECT_NEAR(Frac(ToCJDC(f->dblCurrentAJDate, 120)), 23.5 / 24, 1e-9);
  Move(kUnitCHSTerm, false);
  EXPECT_NEAR(Frac(ToCJDC(f->dblCurrentAJDate, 120)), 23.5 / 24, 1e-9);
  EXPECT_EQ(f->intCalendar, kCalCHS);
}

TEST_F(MoveTest, SimpleUnitsAddTheirLength) {
  const double start = 2451545.25;
  struct Case {
    int unit;
    double days;
  } cases[] = {{kUnitMinute, 1.0 / 1440}, {kUnitHour, 1.0 / 24}, {kUnitDay, 1}, {kUnit60Days, 60}};
  for (const Case& c : cases) {
    for (bool forward : {true, false}) {
      At(start);
      f->intCalendar = kCalCJDL;
      Move(c.unit, forward);
      EXPECT_NEAR(f->dblCurrentAJDate, start + (forward ? c.days : -c.days), 1e-9) << c.unit;
      EXPECT_EQ(f->intCalendar, kCalCJDL);
      EXPECT_EQ(logKinds, std::vector<int>{3});
    }
  }
}

// Month steps from day 1 land on the day of every following (or preceding)
// dark moon, through the leap month of 2020 (a fourth month after the fourth).
TEST_F(MoveTest, LunarMonthsFollowTheDarkMoonsThroughLeapMonths) {
  Convert("2020-01-25 CE");  // 1st day of the 1st month of gengzi
  ASSERT_EQ(Lunar().day, 1);
  int32_t n = LunationContaining(f->dblCurrentAJDate);
  std::vector<std::string> labels;
  for (int i = 0; i < 14; ++i) {
    Move(kUnitCHLMonth, true);
    ++n;
    EXPECT_EQ(LocalDay(), static_cast<int32_t>(std::floor(ToCJDC(SyzygyUT(n, 0), 120)))) << i;
    const ChlDate c = Lunar();
    labels.push_back(std::to_string(c.month) + (c.leap ? "*" : ""));
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"2", "3", "4", "4*", "5", "6", "7", "8", "9", "10", "11", "12", "1",
                                              "2"}));
  EXPECT_EQ(f->intCalendar, kCalCHL);
  // And back again.
  for (int i = 0; i < 14; ++i) Move(kUnitCHLMonth, false);
  EXPECT_EQ(Date('G').month * 100 + Date('G').day, 125);
}

TEST_F(MoveTest, PendingEntryIsShownBeforeTheDateLinesAreRead) {
  At(2451545.0);
  f->txbDate.text = "79-37-04-01 CHL";  // typed, not yet converted
  Move(kUnitCHLMonth, true);
  const ChlDate c = Lunar();
  EXPECT_EQ(c.position * 1000 + c.month * 10 + c.leap, 37041);
  EXPECT_EQ(c.day, 1);
}

TEST_F(MoveTest, BackwardFromMonthOneVisitsTheLeapTwelfthFirst) {
  // 2033 has the leap eleventh month; the step before month 1 of 2034 goes to 12.
  Convert("2034-02-19 CE");
  ChlDate c = Lunar();
  ASSERT_EQ(c.month * 100 + c.day, 101);
  std::vector<std::string> labels;
  for (int i = 0; i < 4; ++i) {
    Move(kUnitCHLMonth, false);
    c = Lunar();
    labels.push_back(std::to_string(c.month) + (c.leap ? "*" : ""));
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"12", "11*", "11", "10"}));
}

TEST_F(MoveTest, DayThirtyBecomesTwentyNineAndStaysThere) {
  // Find a day 30 by walking from a month start.
  Convert("2020-01-25 CE");
  for (int i = 0; i < 70 && Lunar().day != 30; ++i) Move(kUnitDay, true);
  ASSERT_EQ(Lunar().day, 30);
  bool shortened = false;
  for (int i = 0; i < 6; ++i) {
    Move(kUnitCHLMonth, true);
    const int day = Lunar().day;
    if (shortened) {
      EXPECT_EQ(day, 29) << i;
    }
    if (day == 29) shortened = true;
  }
  EXPECT_TRUE(shortened);
}

TEST_F(MoveTest, SolarTermStepCrossesTheCycle) {
  // Term 24 of the 60th year of cycle 78 is in December 1983.
  Convert("1983-12-10 CE");
  ChsDate before;
  ASSERT_TRUE(ReadChsDateText(f->lblChineseSolarDate[1].caption, before));
  ASSERT_EQ(before.cycle * 10000 + before.position * 100 + before.term, 786024);
  Move(kUnitCHSTerm, true);
  ChsDate after;
  ASSERT_TRUE(ReadChsDateText(f->lblChineseSolarDate[1].caption, after));
  EXPECT_EQ(after.cycle * 10000 + after.position * 100 + after.term, 790101);
  EXPECT_EQ(after.day, before.day);
}

TEST_F(MoveTest, ArcMonthsAndTheThirteenthMonth) {
  int32_t leapYear = 2400, common = 2400;
  while (!ArcYearHasLeapMonth(leapYear)) ++leapYear;
  while (ArcYearHasLeapMonth(common)) ++common;
  for (int32_t year : {leapYear, common}) {
    ArcDate a{year, 12, 10, 0, 0};
    ASSERT_TRUE(ArcDateToJDN(a));
    At(FromCJDC(a.jdn + 0.5, 120));
    Move(kUnitARCMonth, true);
    ArcDate b;
    b.jdn = LocalDay();
    JDNToArcDate(b);
    const int32_t expected = year == leapYear ? year * 100 + 13 : (year + 1) * 100 + 1;
    EXPECT_EQ(b.year * 100 + b.month, expected);
    EXPECT_EQ(b.day, 10);
    EXPECT_EQ(f->intCalendar, kCalARCCCT);
  }
}

TEST_F(MoveTest, RefusalsLeaveTheMomentAndShowTheirMessage) {
  struct Case {
    const char* entry;
    int unit;
    bool forward;
    const char* text;
    const char* title;
    ui::Icon icon;
  } cases[] = {
      {"-2720-06-01 CE", kUnitCHLMonth, false, "Earliest admissible date reached.", "Out of range", ui::Icon::None},
      {"-2720-06-01 CE", kUnitCHSYear, false, "Earliest admissible date reached.", "Out of range", ui::Icon::None},
      {"3000-01-01 CE", kUnitCEYear, true, "Latest admissible date reached.", "Out of range", ui::Icon::None},
      {"-3000-01-01 CE", kUnitCEMonth, false, "Earliest admissible date reached.", "Out of range", ui::Icon::None},
      // No pre-check, but the step would leave the range.
      {"3000-01-01 CE", kUnitHour, true, "Latest date exceeded.", "Out of range", ui::Icon::Warning},
      {"2950-06-01 CE", kUnitCECentury, true, "Latest date exceeded.", "Out of range", ui::Icon::Warning},
      {"-3000-02-15 CE", kUnit60Days, false, "Earliest date exceeded.", "Out of range", ui::Icon::Warning},
  };
  for (const Case& c : cases) {
    Convert(c.entry);
    p.Clear();
    logKinds.clear();
    const double before = f->dblCurrentAJDate;
    Move(c.unit, c.forward);
    ASSERT_EQ(p.messages.size(), 1u) << c.entry;
    EXPECT_EQ(LastText(), c.text) << c.entry;
    EXPECT_EQ(p.LastMessage()->title, c.title);
    EXPECT_EQ(p.LastMessage()->icon, c.icon);
    EXPECT_EQ(f->dblCurrentAJDate, before);
    EXPECT_TRUE(logKinds.empty());
  }
  // From 2999 a CE year is still allowed when it stays in range.
  Convert("2999-01-01 CE", "00:00");
  p.Clear();
  Move(kUnitCEYear, true);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(Date('G').year, 3000);
}

TEST(MoveUnits, MessagesOfFailedSteps) {
  EXPECT_EQ(InabilityText(true, "lunar month"), "Unable to add a lunar month.");
  EXPECT_EQ(InabilityText(false, "solar year"), "Unable to subtract a solar year.");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::Inability, kUnitCHLCycle, false).text,
            "Unable to subtract a 60-year cycle (CHL).");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::Inability, kUnitCHSTerm, true).text, "Unable to add a solar term.");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::LunarUnreadable, kUnitCHLCycle, true).title, "Invalid");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::LunarUnreadable, kUnitCHLYear, true).title, "");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::LunarRefused, kUnitCHLMonth, true).text, "Invalid lunar date results");
  EXPECT_EQ(MoveFailureMessage(MoveFailure::SolarRefused, kUnitCHSCycle, true).text, "Invalid solar date results.");
  // An unreadable line (an empty display) is reported, not stepped.
  const MoveStepResult r = StepMoment(kUnitCHLMonth, true, 2451545.0, "", "", Settings{});
  EXPECT_EQ(r.failure, MoveFailure::LunarUnreadable);
  EXPECT_EQ(StepMoment(kUnitCHSYear, true, 2451545.0, "", "", Settings{}).failure, MoveFailure::SolarUnreadable);
}

TEST_F(MoveTest, OneDayButton) {
  At(MinAJD + 0.5);
  f->chkRepeatedly.value = 1;
  f->optMoveDirection[0].value = false;
  f->optMoveDirection[1].value = true;
  f->cmdMoveOneDay_Click();
  EXPECT_EQ(LastText(), "Earliest date reached.");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
  EXPECT_EQ(f->dblCurrentAJDate, MinAJD + 0.5);
  EXPECT_EQ(f->chkRepeatedly.value, 0);
  EXPECT_TRUE(logKinds.empty());

  At(MaxAJD - 0.5);
  f->optMoveDirection[0].value = true;
  f->optMoveDirection[1].value = false;
  f->cmdMoveOneDay_Click();
  EXPECT_EQ(LastText(), "Latest date reached.");
  At(2451545.0);
  f->cmdMoveOneDay_Click();
  EXPECT_EQ(f->dblCurrentAJDate, 2451546.0);
  EXPECT_EQ(logKinds, std::vector<int>{5});
  EXPECT_EQ(f->focus, "cmdMove");
}

// ---- repeated runs, driven through the fake event pump ----

class RepeatedMoveTest : public MoveTest {
 protected:
  void SetUp() override {
    MoveTest::SetUp();
    At(2451545.0);
    f->cboMoveStep.index = kUnitDay;
    f->chkRepeatedly.value = 1;
  }
  // Each yield delivers one tick of the Clock when it is running.
  void TickOnEveryYield(std::function<void(int call)> script) {
    p.onDoEvents = [this, script](int call) {
      if (call > 20000) {  // a run that never ends is a failure, not a hang
        ADD_FAILURE() << "the repeated run did not end";
        f->cmdStop_Click();
        return;
      }
      script(call);
      if (p.timerEnabled && p.timerTick) p.timerTick();
    };
  }
  int Steps() const { return static_cast<int>(std::count(logKinds.begin(), logKinds.end(), 3)); }
};

TEST_F(RepeatedMoveTest, PauseResumeAndStop) {
  struct Seen {
    bool moveEnabled, nowVisible, epochEnabled, stopVisible, searchEnabled;
    int interval;
    bool timer;
  } running{}, paused{};
  std::string pausedCaption;
  bool refreshEnabledWhilePaused = false;
  int pausedAtStep = -1, stepsWhilePaused = 0, pauseCalls = 0;
  TickOnEveryYield([&](int) {
    const int steps = Steps();
    if (f->blnPause) {
      if (++pauseCalls == 1) {
        paused = {f->cmdMove.enabled, f->cmdNow.visible, f->cboEpoch.enabled, f->fraStopPauseResume.visible,
                  f->cmdSearch.enabled, p.timerInterval, p.timerEnabled};
        pausedCaption = f->cmdPauseResume.caption;
        refreshEnabledWhilePaused = f->cboRefreshPeriod.enabled;
      }
      stepsWhilePaused = steps - pausedAtStep;
      if (pauseCalls == 5) f->cmdPauseResume_Click();  // Resume
      return;
    }
    if (steps == 1)
      running = {f->cmdMove.enabled, f->cmdNow.visible, f->cboEpoch.enabled, f->fraStopPauseResume.visible,
                 f->cmdSearch.enabled, p.timerInterval, p.timerEnabled};
    if (steps == 2 && pausedAtStep < 0) {
      pausedAtStep = steps;
      f->cmdPauseResume_Click();
    }
    if (steps == 4) f->cmdStop_Click();
  });
  f->cmdMove_Click();

  EXPECT_EQ(Steps(), 4);
  EXPECT_NEAR(f->dblCurrentAJDate, 2451549.0, 1e-9);
  EXPECT_FALSE(running.moveEnabled);
  EXPECT_FALSE(running.nowVisible);
  EXPECT_FALSE(running.epochEnabled);
  EXPECT_TRUE(running.stopVisible);
  EXPECT_FALSE(running.searchEnabled);
  EXPECT_EQ(running.interval, 1000);
  EXPECT_TRUE(running.timer);
  EXPECT_FALSE(paused.timer);
  EXPECT_EQ(pausedCaption, "Resume");
  EXPECT_TRUE(refreshEnabledWhilePaused);
  EXPECT_EQ(stepsWhilePaused, 0);
  // Everything is back after the run.
  EXPECT_FALSE(f->blnRepeat);
  EXPECT_EQ(f->chkRepeatedly.value, 0);
  EXPECT_TRUE(f->cmdMove.enabled);
  EXPECT_TRUE(f->cmdNow.visible);
  EXPECT_TRUE(f->cboEpoch.enabled);
  EXPECT_TRUE(f->cmdSearch.enabled);
  EXPECT_TRUE(f->txbDate.enabled);
  EXPECT_FALSE(f->fraStopPauseResume.visible);
  EXPECT_FALSE(p.timerEnabled);
  EXPECT_EQ(f->cmdPauseResume.caption, "Pause");
  EXPECT_EQ(f->focus, "cmdMove");
  EXPECT_TRUE(p.messages.empty());
}

TEST_F(RepeatedMoveTest, FirstStepAtOnceAndStopDuringPause) {
  f->cboRefreshPeriod.index = 0;
  int intervalSeen = 0;
  p.onDoEvents = [&](int call) {
    intervalSeen = p.timerInterval;
    if (call == 1) f->cmdPauseResume_Click();
    if (call == 3) f->cmdStop_Click();
  };
  f->cmdMove_Click();
  EXPECT_EQ(intervalSeen, 500);
  EXPECT_EQ(Steps(), 1);  // no tick ever came
  EXPECT_NEAR(f->dblCurrentAJDate, 2451546.0, 1e-9);
  EXPECT_FALSE(f->blnPause);
  EXPECT_FALSE(f->blnRepeat);
}

TEST_F(RepeatedMoveTest, RunEndsAtTheEdgeOfTheRange) {
  At(MaxAJD - 2.5);
  TickOnEveryYield([](int) {});
  f->cmdMove_Click();
  EXPECT_EQ(Steps(), 2);
  EXPECT_NEAR(f->dblCurrentAJDate, MaxAJD - 0.5, 1e-9);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(LastText(), "Latest date exceeded.");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
  EXPECT_TRUE(f->cmdMove.enabled);
  EXPECT_FALSE(f->fraStopPauseResume.visible);
}

// Quit during a run, running or paused, saves the moment shown and ends the
// run at once: no step follows it.
TEST_F(RepeatedMoveTest, QuitEndsTheRunRunningOrPaused) {
  for (const bool paused : {false, true}) {
    f->chkRepeatedly.value = 1;
    double atQuit = 0;
    int yieldsAfterQuit = 0;
    TickOnEveryYield([&](int call) {
      if (call == 3 && paused) f->cmdPauseResume_Click();
      if (call == 5) {
        atQuit = f->dblCurrentAJDate;
        f->cmdQuit_Click();
      } else if (call > 5) {
        ++yieldsAfterQuit;
      }
    });
    p.doEventsCalls = 0;
    p.quitRequested = false;
    f->cmdMove_Click();
    EXPECT_TRUE(p.quitRequested);
    EXPECT_EQ(yieldsAfterQuit, 0) << "paused " << paused;
    EXPECT_EQ(f->dblCurrentAJDate, atQuit);
    EXPECT_FALSE(f->blnRepeat);
    EXPECT_FALSE(p.timerEnabled);
    double saved = 0;
    std::ifstream(StatePath()) >> saved;
    EXPECT_NEAR(saved, atQuit, 1e-9);
  }
}

TEST_F(RepeatedMoveTest, TicksDuringAStepCountOnce) {
  // Three ticks before the loop looks again still make one step.
  p.onDoEvents = [&](int call) {
    if (call == 1)
      for (int i = 0; i < 3; ++i) p.timerTick();
    if (call == 2) f->cmdStop_Click();
  };
  f->cmdMove_Click();
  EXPECT_EQ(Steps(), 2);
}

TEST_F(RepeatedMoveTest, KeptDayThirtyComesBackInLongMonths) {
  f->chkRepeatedly.value = 0;  // single steps to the first day 30
  Convert("2020-01-25 CE");
  for (int i = 0; i < 70 && Lunar().day != 30; ++i) Move(kUnitDay, true);
  ASSERT_EQ(Lunar().day, 30);
  f->cboMoveStep.index = kUnitCHLMonth;
  f->optMoveDirection[0].value = true;
  f->optMoveDirection[1].value = false;
  f->chkRepeatedly.value = 1;
  f->chkRepeatedly_Click();
  ASSERT_TRUE(f->chkKeep30th.visible);
  f->chkKeep30th.value = 1;
  std::vector<std::pair<int, int>> reached;  // (day, length of the month)
  TickOnEveryYield([&](int) {
    ChlDate c = Lunar();
    const int day = c.day;
    reached.push_back({day, LunarMonthLength(c, f->CurrentSettings())});
    if (reached.size() == 8) f->cmdStop_Click();
  });
  f->cmdMove_Click();
  ASSERT_EQ(reached.size(), 8u);
  bool sawShort = false;
  for (const auto& [day, length] : reached) {
    EXPECT_EQ(day, length);
    sawShort = sawShort || length == 29;
  }
  EXPECT_TRUE(sawShort);
}

TEST_F(RepeatedMoveTest, KeptLeapMonthComesBackInYearsThatHaveIt) {
  At(FromCJDC(2459002.5, 120));  // 2020-05-28, the leap 4th month
  ASSERT_EQ(Lunar().leap, 1);
  f->cboMoveStep.index = kUnitCHLYear;
  f->chkRepeatedly_Click();
  ASSERT_TRUE(f->chkKeepLeap.visible);
  f->chkKeepLeap.value = 1;
  int withLeap = 0, steps = 0;
  TickOnEveryYield([&](int) {
    ChlDate c = Lunar();
    ChlDate leap = c;
    leap.leap = 1;
    leap.day = 1;
    const bool yearHasLeap4 = ChLDateToJDN(leap, f->CurrentSettings()) == kChlOk;
    EXPECT_EQ(c.leap == 1, yearHasLeap4) << c.position;
    withLeap += c.leap;
    if (++steps == 40) f->cmdStop_Click();
  });
  f->cmdMove_Click();
  EXPECT_GE(withLeap, 1);  // at least one later year has it
  EXPECT_LT(withLeap, 40);
}

TEST_F(MoveTest, KeepBoxesFollowTheDateUnitAndRepeat) {
  Convert("2020-01-25 CE");
  for (int i = 0; i < 70 && Lunar().day != 30; ++i) {
    f->dblCurrentAJDate += 1;
    f->DisplayDatesAndTimes();
  }
  ASSERT_EQ(Lunar().day, 30);
  struct Case {
    int unit, repeat;
    bool keep30;
  } cases[] = {{kUnitCHLMonth, 1, true}, {kUnitCHLCycle, 1, true}, {kUnitCHLMonth, 0, false}, {kUnitDay, 1, false}};
  for (const Case& k : cases) {
    f->cboMoveStep.index = k.unit;
    f->chkRepeatedly.value = k.repeat;
    f->chkRepeatedly_Click();
    EXPECT_EQ(f->chkKeep30th.visible, k.keep30) << k.unit << " " << k.repeat;
    EXPECT_FALSE(f->chkKeepLeap.visible);
  }
  // A leap-month day (the leap 4th month of 2020) with a year unit shows the
  // leap box, drawn dim until ticked.
  Convert("2020-06-20 CE");
  ASSERT_EQ(Lunar().leap, 1);
  f->cboMoveStep.index = kUnitCHLYear;
  f->chkRepeatedly.value = 1;
  f->chkRepeatedly_Click();
  EXPECT_TRUE(f->chkKeepLeap.visible);
  EXPECT_EQ(f->chkKeepLeap.fore, f->lngDehighlight);
  f->chkKeepLeap.value = 1;
  f->chkKeepLeap_Click();
  EXPECT_EQ(f->chkKeepLeap.fore, f->lngHighlight);
  f->cboMoveStep.index = kUnitCHLMonth;
  f->cboMoveStep_Click();
  EXPECT_FALSE(f->chkKeepLeap.visible);
}

}  // namespace
}  // namespace tavro::testing
