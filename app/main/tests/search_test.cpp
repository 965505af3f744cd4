#include <cmath>
#include <cstdio>

#include "app/main/search_targets.h"
#include "app/main/tests/main_test_support.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/chinese/names.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::testing {
namespace {

double Frac(double x) { return x - std::floor(x); }

class SearchTest : public MainWindowTest {
 protected:
  void At(double ajd) {
    f->dblCurrentAJDate = ajd;
    f->DisplayDatesAndTimes();
    logKinds.clear();
    p.Clear();
  }
  void Search(int target, bool next) {
    f->cboTarget.index = target;
    f->optNext.value = next;
    f->optPrevious.value = !next;
    f->cmdSearch_Click();
  }
  double SearchFrom(double ajd, int target, bool next) {
    At(ajd);
    Search(target, next);
    EXPECT_TRUE(p.messages.empty()) << (p.messages.empty() ? "" : p.messages[0].text);
    return f->dblCurrentAJDate;
  }
  ChlDate Lunar() const {
    ChlDate c;
    EXPECT_TRUE(ReadChlDateText(f->lblChineseLunarDate[1].caption, c));
    return c;
  }
  ChlDate LunarOf(int32_t day) const {
    ChsDate chs;
    ChlDate chl;
    EXPECT_TRUE(CJDateToChDates(day, f->CurrentSettings(), chs, chl));
    return chl;
  }
  int32_t LocalDay() const { return static_cast<int32_t>(std::floor(ToCJDC(f->dblCurrentAJDate, 120))); }
  bool AtNoonOnMeridian() const { return std::fabs(Frac(ToCJDC(f->dblCurrentAJDate, 120)) - 0.5) < 1e-6; }
  void Choose(int element, int animal) {
    f->cboElement.index = element;
    f->cboAnimal.index = animal;
  }
};

constexpr int32_t kN = 300;  // a lunation of 2024

TEST_F(SearchTest, MoonPhasesAroundExactMoments) {
  const double full = SyzygyUT(kN, 2);
  struct Case {
    double from;
    int target;
    bool next;
    double expected;
  } cases[] = {
      {full, kTargetFullMoon, true, SyzygyUT(kN + 1, 2)},
      {full, kTargetFullMoon, false, SyzygyUT(kN - 1, 2)},
      {full + 0.5, kTargetFullMoon, false, full},
      {full - 0.5, kTargetFullMoon, true, full},
      {SyzygyUT(kN, 3) + 1, kTargetLunarQuarter, true, SyzygyUT(kN + 1, 0)},
      {SyzygyUT(kN, 0), kTargetLunarQuarter, false, SyzygyUT(kN - 1, 3)},
      {SyzygyUT(kN, 1), kTargetLunarQuarter, true, SyzygyUT(kN, 2)},
      {SyzygyUT(kN, 1) + 0.25, kTargetLunarQuarter, false, SyzygyUT(kN, 1)},
      {SyzygyUT(kN, 0), kTargetDarkMoon, true, SyzygyUT(kN + 1, 0)},
      {SyzygyUT(kN, 0), kTargetDarkMoon, false, SyzygyUT(kN - 1, 0)},
      {full, kTargetDarkMoon, false, SyzygyUT(kN, 0)},
      // A hair before a phase is before it: "next" gives that very phase.
      {full - 1e-7, kTargetFullMoon, true, full},
      {full - 1e-7, kTargetFullMoon, false, SyzygyUT(kN - 1, 2)},
      {full + 0.00004, kTargetFullMoon, false, SyzygyUT(kN - 1, 2)},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(SearchFrom(c.from, c.target, c.next), c.expected, 1e-9)
        << "target " << c.target << " next " << c.next << " from " << c.from - full;
    EXPECT_EQ(logKinds, std::vector<int>{4});
  }
}

// In antiquity delta T is hours and changes by tens of seconds a year, so a
// full moon near New Year is where the UT of a phase and the reading of a
// moment against it once disagreed (the search stayed on its own moment).
TEST_F(SearchTest, PreviousFullMoonFromAFullMoonNearNewYearInAntiquity) {
  SearchFrom(1009202.024942, kTargetFullMoon, false);
  EXPECT_EQ(f->lblCommonEraDate[1].caption.substr(0, 24), "-1950-12-01 CE 19:03 GMT");
}

// A time typed to the minute lies up to a minute before the phase it names:
// 11:13 for a dark moon at 11:13:04 searches forward to that dark moon.
TEST_F(SearchTest, AnEntryAHairBeforeADarkMoonSearchesToIt) {
  int32_t n = kN;
  double seconds = 0;
  for (; n < kN + 200; ++n) {
    seconds = std::fmod((SyzygyUT(n, 0) + 0.5) * 86400.0, 60.0);
    if (seconds > 0.5 && seconds < 4.0) break;
  }
  ASSERT_LT(n, kN + 200) << "no dark moon in the first seconds of a minute";
  const double darkMoon = SyzygyUT(n, 0);
  const double minuteStart = darkMoon - seconds / 86400.0;
  const EuroDate day = GregorianOf(static_cast<int32_t>(std::floor(minuteStart + 0.5)));
  const int minutes = static_cast<int>(std::lround(Frac(minuteStart + 0.5) * 1440.0));
  char date[32], time[8];
  std::snprintf(date, sizeof date, "%d-%02d-%02d CE", day.year, day.month, day.day);
  std::snprintf(time, sizeof time, "%02d:%02d", minutes / 60, minutes % 60);
  for (bool next : {true, false}) {
    At(2451545.0);
    f->txbDate.text = date;
    f->txbTime.text = time;
    f->cboTimeZone.index = 0;
    Search(kTargetDarkMoon, next);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_NEAR(f->dblCurrentAJDate, next ? darkMoon : SyzygyUT(n - 1, 0), 1e-9) << date << " " << time;
  }
}

// Every quarter instant of the range is at its own phase in the lunation
// that holds it, and every search moves from it to its neighbours; the last
// moment before each dark moon still reads as a phase of its lunation.
TEST(SearchTargets, EveryQuarterOfTheRangeIsExactAndSearchesMoveFromIt) {
  const int32_t first = LunationContaining(MinAJD), last = LunationContaining(MaxAJD);
  int faults = 0;
  for (int32_t n = first; n <= last && faults < 10; ++n) {
    bool exact = false;
    const int16_t lastPhase = GetPhase(n, std::nextafter(SyzygyUT(n + 1, 0), 0.0), exact);
    if (lastPhase != 3) {
      ++faults;
      ADD_FAILURE() << "lunation " << n << ": GetPhase " << lastPhase << " just before the next dark moon";
    }
    for (int16_t q = 0; q < 4; ++q) {
      const double t = SyzygyUT(n, q);
      const double before = q > 0 ? SyzygyUT(n, static_cast<int16_t>(q - 1)) : SyzygyUT(n - 1, 3);
      const double after = q < 3 ? SyzygyUT(n, static_cast<int16_t>(q + 1)) : SyzygyUT(n + 1, 0);
      int32_t m = 0;
      int16_t got = -9;
      QuarterPhaseAt(t, m, got, exact);
      bool ok = m == n && got == q && exact && MoonPhaseSearch(kTargetLunarQuarter, true, t) == after &&
                MoonPhaseSearch(kTargetLunarQuarter, false, t) == before;
      if (q == 0 || q == 2) {
        const int target = q == 0 ? kTargetDarkMoon : kTargetFullMoon;
        ok = ok && MoonPhaseSearch(target, true, t) == SyzygyUT(n + 1, q) &&
             MoonPhaseSearch(target, false, t) == SyzygyUT(n - 1, q);
      }
      if (!ok) {
        ++faults;
        ADD_FAILURE() << "lunation " << n << " quarter " << q << " at AJD " << t << ": read as lunation " << m
                      << " quarter " << got << " exact " << exact;
      }
    }
  }
}

TEST_F(SearchTest, SolarTermsAreSkippedAtTheExactMoment) {
  const double c = ToCJDC(2460480.0, 120);  // June 2024
  const auto t = LunarYearAt(c, 120);
  int i = 0;
  while (t->SolarTermCJD[i] < c) ++i;  // the next term after mid-June
  const double exact = FromCJDC(t->SolarTermCJD[i], 120);
  EXPECT_NEAR(SearchFrom(exact, kTargetSolarTerm, true), FromCJDC(t->SolarTermCJD[i + 1], 120), 1e-9);
  EXPECT_NEAR(SearchFrom(exact, kTargetSolarTerm, false), FromCJDC(t->SolarTermCJD[i - 1], 120), 1e-9);

  // From mid-June, the December solstice of the same year (checked against
  // the quarter points, not the term table; the two are computed differently
  // and agree to a few seconds).
  constexpr double kSeconds = 1e-3;
  const double winter = SearchFrom(2460477.0, kTargetWinterSolstice, true);  // 2024-06-15
  EXPECT_NEAR(ToCJDC(winter, 120), DecemberSolsticeCJDC(2024, 120), kSeconds);
  EXPECT_NEAR(ToCJDC(SearchFrom(2460477.0, kTargetVernalEquinox, false), 120), MarchEquinoxCJDC(2024, 120), kSeconds);
  EXPECT_NEAR(ToCJDC(SearchFrom(2460477.0, kTargetSolsticeOrEquinox, true), 120), JuneSolsticeCJDC(2024, 120), kSeconds);
  EXPECT_NEAR(ToCJDC(SearchFrom(2460477.0, kTargetAutumnalEquinox, true), 120), SeptemberEquinoxCJDC(2024, 120),
              kSeconds);
  EXPECT_NEAR(ToCJDC(SearchFrom(2460477.0, kTargetSummerSolstice, false), 120), JuneSolsticeCJDC(2023, 120), kSeconds);
}

TEST_F(SearchTest, LunarNewYear) {
  // The new years of 2024 and 2025: 10 February 2024 and 29 January 2025.
  const int32_t ny2024 = 2460351, ny2025 = 2460705;
  struct Case {
    double from;
    bool next;
    int32_t day;
  } cases[] = {
      {FromCJDC(2460500.3, 120), false, ny2024},      // mid-year, previous: this year's
      {FromCJDC(2460500.3, 120), true, ny2025},       // next
      {FromCJDC(ny2024 + 0.95, 120), false, 2459967},  // on new year's day itself: the year before (22 Jan 2023)
      {FromCJDC(ny2024 + 0.01, 120), true, ny2025},
      {FromCJDC(2460105.5, 120), true, ny2024},       // June 2023
  };
  for (const Case& c : cases) {
    SearchFrom(c.from, kTargetLunarNewYear, c.next);
    EXPECT_EQ(LocalDay(), c.day) << c.from;
    EXPECT_TRUE(AtNoonOnMeridian());
    const ChlDate d = Lunar();
    EXPECT_EQ(d.month * 1000 + d.leap * 100 + d.day, 1001);
  }
}

TEST_F(SearchTest, PendingEntryIsShownBeforeTheLunarLineIsRead) {
  At(2451545.0);
  f->txbDate.text = "2024-06-01 CE";
  Search(kTargetLunarNewYear, false);
  EXPECT_EQ(LocalDay(), 2460351);
}

TEST_F(SearchTest, NewYearFromALeapMonthIsTheOrdinaryFirstMonth) {
  // 2023 has a leap 2nd month (from 22 March).
  At(FromCJDC(2460031.5, 120));
  ASSERT_EQ(Lunar().leap, 1);
  Search(kTargetLunarNewYear, true);
  EXPECT_EQ(LocalDay(), 2460351);
}

TEST_F(SearchTest, ElementAnimalTargetTexts) {
  struct Case {
    int element, animal, kind;
    const char* text;
  } cases[] = {
      {0, 12, 0, "wood- (jia-, yi-) day"},     {5, 0, 1, "-rat (-zi) month"},
      {0, 0, 2, "wood-rat (jia-zi) year"},     {5, 12, 0, "Element-animal day"},
      {4, 11, 0, "water-pig (gui-hai) day"},   {2, 5, 1, "earth-snake (ji-si) month"},
  };
  for (const Case& c : cases) {
    Choose(c.element, c.animal);
    EXPECT_EQ(f->ElementAnimalTargetText(c.kind), c.text);
  }
  // The list text follows the choice when an element-animal target is selected.
  f->cboTarget.index = kTargetElementAnimalDay;
  f->cboTarget_Click();
  Choose(0, 12);
  f->cboElement_Click();
  EXPECT_EQ(f->cboTarget.items[kTargetElementAnimalDay], "wood- (jia-, yi-) day");
  f->cboTarget.index = kTargetFullMoon;
  f->cboTarget_Click();
  EXPECT_EQ(f->cboTarget.items[kTargetElementAnimalDay], "Element-animal day");
}

TEST_F(SearchTest, ElementAnimalDays) {
  const double start = FromCJDC(2460500.8, 120);
  const int32_t today = 2460500;
  const int32_t pos = DayCyclePosition(today);
  struct Case {
    int element, animal;
    bool next;
    int maxDistance;
  } cases[] = {
      {ElementIndex(pos), BranchIndex(pos), true, 60},  {ElementIndex(pos), BranchIndex(pos), false, 60},
      {5, BranchIndex(pos), true, 12},                 {ElementIndex(pos), 12, false, 10},
      {3, 12, true, 10},                               {5, 7, false, 12},
  };
  for (const Case& c : cases) {
    Choose(c.element, c.animal);
    SearchFrom(start, kTargetElementAnimalDay, c.next);
    const int32_t day = LocalDay();
    const int distance = c.next ? day - today : today - day;
    EXPECT_GT(distance, 0);
    EXPECT_LE(distance, c.maxDistance);
    EXPECT_TRUE(NamesMatch(c.element, c.animal, DayCyclePosition(day)));
    // No day in between matches.
    for (int k = 1; k < distance; ++k)
      EXPECT_FALSE(NamesMatch(c.element, c.animal, DayCyclePosition(today + (c.next ? k : -k))));
    EXPECT_TRUE(AtNoonOnMeridian());
  }
  // With the day's own names exactly 60 days.
  Choose(ElementIndex(pos), BranchIndex(pos));
  SearchFrom(start, kTargetElementAnimalDay, true);
  EXPECT_EQ(LocalDay(), today + 60);
}

TEST_F(SearchTest, ElementAnimalSearchesNeedAChoiceAndSwitchOffTheDayCounts) {
  for (int target : {kTargetElementAnimalDay, kTargetElementAnimalMonth, kTargetElementAnimalYear}) {
    At(2460500.0);
    Choose(5, 12);
    Search(target, true);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(LastText(), "You must specify an element, an animal or both.");
    EXPECT_EQ(p.LastMessage()->title, "Error");
    EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
    EXPECT_EQ(f->dblCurrentAJDate, 2460500.0);
    EXPECT_TRUE(logKinds.empty());
  }
  f->chkShowCJDs.value = 1;
  f->chkShowCJDs_Click();
  At(2460500.0);
  Choose(1, 12);
  Search(kTargetElementAnimalMonth, false);
  EXPECT_EQ(f->chkShowCJDs.value, 0);
  EXPECT_FALSE(f->lblChronologicalJulianDateLondon[1].visible);
}

TEST_F(SearchTest, ElementAnimalMonthsAndYears) {
  const double start = FromCJDC(2460500.5, 120);
  for (bool next : {true, false}) {
    Choose(2, 4);  // fire-dragon
    SearchFrom(start, kTargetElementAnimalMonth, next);
    ChlDate m = Lunar();
    EXPECT_EQ(m.day, 1);
    EXPECT_TRUE(NamesMatch(2, 4, MonthCyclePosition(m)));
    EXPECT_EQ(next, LocalDay() > 2460500);
    EXPECT_FALSE(f->lblSearching.visible);

    Choose(0, 12);  // any wood year
    SearchFrom(start, kTargetElementAnimalYear, next);
    m = Lunar();
    EXPECT_EQ(m.month * 100 + m.day, 101);
    EXPECT_EQ(ElementIndex(m.position), 0);
  }
  // The year's own names: 60 years on (2024 is wood-dragon, jia-chen).
  Choose(0, 4);
  SearchFrom(start, kTargetElementAnimalYear, true);
  EXPECT_EQ(Lunar().position, LunarOf(2460500).position);
  EXPECT_EQ(Lunar().cycle, LunarOf(2460500).cycle + 1);
}

TEST_F(SearchTest, IntercalaryMonths) {
  // From inside the leap 4th month of 2020 the previous leap month is the
  // leap 6th of 2017; the next one the leap 2nd of 2023.
  const double inLeap = FromCJDC(2459015.5, 120);  // 2020-06-10
  At(inLeap);
  ASSERT_EQ(Lunar().leap, 1);
  f->intCalendar = kCalCE;
  Search(kTargetIntercalaryMonth, false);
  ChlDate d = Lunar();
  EXPECT_EQ(d.leap * 1000 + d.month * 10 + d.day / 10, 1060);
  EXPECT_EQ(d.day, 1);
  EXPECT_EQ(f->intCalendar, kCalCHL);
  EXPECT_EQ(f->lblChineseLunarDate[0].back, f->lngHighlight);
  SearchFrom(inLeap, kTargetIntercalaryMonth, true);
  d = Lunar();
  EXPECT_EQ(d.leap * 100 + d.month, 102);
  EXPECT_EQ(LocalDay(), 2460026);  // 2023-03-22
}

TEST_F(SearchTest, SyzygyOnATermDay) {
  for (int target : {kTargetTermDarkMoon, kTargetTermFullMoon, kTargetWinterSolsticeDarkMoon, kTargetCardinalDarkMoon,
                     kTargetCardinalFullMoon}) {
    const double start = 2451545.0;
    const double t = SearchFrom(start, target, true);
    EXPECT_GT(t, start);
    // The syzygy falls on the day of a solar term, found in the term table.
    const int32_t day = static_cast<int32_t>(std::floor(ToCJDC(t, 120)));
    const auto tables = LunarYearAt(ToCJDC(t, 120), 120);
    int index = -1;
    for (int i = 0; i < kSolarTermCount; ++i)
      if (static_cast<int32_t>(std::floor(tables->SolarTermCJD[i])) == day) index = i;
    ASSERT_GE(index, 0) << target;
    if (target == kTargetWinterSolsticeDarkMoon) {
      EXPECT_EQ(index % 24, 0);
    } else if (target == kTargetCardinalDarkMoon || target == kTargetCardinalFullMoon) {
      EXPECT_EQ(index % 6, 0);
    }
    // It is a syzygy of the right phase.
    const int32_t n = LunationContaining(t + 1e-6);
    const int16_t phase = target == kTargetTermFullMoon || target == kTargetCardinalFullMoon ? 2 : 0;
    EXPECT_NEAR(SyzygyUT(n, phase), t, 1e-9);
    EXPECT_FALSE(f->lblSearching.visible);
    // And searching back from it finds an earlier one.
    Search(target, false);
    EXPECT_LT(f->dblCurrentAJDate, t);
  }
}

TEST_F(SearchTest, TripleCoincidenceDay) {
  for (bool next : {true, false}) {
    const int32_t today = 2460500;
    SearchFrom(FromCJDC(today + 0.5, 120), kTargetTripleCoincidence, next);
    const int32_t found = LocalDay();
    const ChlDate d = LunarOf(found);
    EXPECT_EQ(DayCyclePosition(found), d.position);
    EXPECT_EQ(MonthCyclePosition(d), d.position);
    // No day in between is one (a brute-force walk).
    for (int32_t day = today + (next ? 1 : -1); day != found; day += next ? 1 : -1) {
      if (DayCyclePosition(day) != LunarOf(day).position) continue;
      const ChlDate between = LunarOf(day);
      EXPECT_NE(MonthCyclePosition(between), between.position) << day;
    }
  }
}

TEST_F(SearchTest, SearchesPastTheRangeAreRefused) {
  At(MaxAJD - 1);
  Search(kTargetFullMoon, true);
  EXPECT_EQ(LastText(), "Latest date exceeded.");
  EXPECT_EQ(f->dblCurrentAJDate, MaxAJD - 1);
  EXPECT_TRUE(logKinds.empty());
}

TEST_F(SearchTest, MultipleWindowTargets) {
  FrmMultipleElAn w(p);
  f->multipleWindow = &w;
  const int32_t today = 2460500;
  At(FromCJDC(today + 0.5, 120));
  f->chkShowCJDs.value = 1;
  f->chkShowCJDs_Click();
  w.modalLoop = [&] { w.cmdSearch_Click(); };
  Search(kTargetSameDayAndMonth, true);
  const int32_t dayPos = DayCyclePosition(today), monthPos = MonthCyclePosition(LunarOf(today));
  EXPECT_EQ(w.cboElement[0].index, ElementIndex(dayPos));
  EXPECT_EQ(w.cboAnimal[0].index, BranchIndex(dayPos));
  EXPECT_EQ(w.cboElement[1].index, ElementIndex(monthPos));
  EXPECT_EQ(w.cboAnimal[2].index, 12);
  const int32_t found = LocalDay();
  EXPECT_GT(found, today);
  EXPECT_EQ(DayCyclePosition(found), dayPos);
  EXPECT_EQ(MonthCyclePosition(LunarOf(found)), monthPos);
  EXPECT_FALSE(f->multipleSearchCancelled);
  EXPECT_EQ(f->chkShowCJDs.value, 0);
  EXPECT_EQ(logKinds, std::vector<int>{4});
  EXPECT_EQ(f->multiplePairs[0], ElementIndex(dayPos));

  // The multiple element-animal day opens with the rows of the saved state.
  f->multiplePairs = {5, 0, 5, 12, 5, 12};  // any rat day
  At(FromCJDC(today + 0.5, 120));
  Search(kTargetMultipleElementAnimal, true);
  EXPECT_EQ(BranchIndex(DayCyclePosition(LocalDay())), 0);
  EXPECT_GT(LocalDay(), today);
  EXPECT_LE(LocalDay(), today + 12);
  EXPECT_EQ(f->multipleSearchDescription, "-rat (-zi) day");

  // Closed without a result: the moment stays, the display is recomputed and
  // the search is marked cancelled for the log.
  At(FromCJDC(today + 0.5, 120));
  w.modalLoop = [&] { w.cmdClose_Click(); };
  Search(kTargetMultipleElementAnimal, false);
  EXPECT_NEAR(f->dblCurrentAJDate, FromCJDC(today + 0.5, 120), 1e-12);
  EXPECT_TRUE(f->multipleSearchCancelled);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(logKinds, std::vector<int>{4});
  EXPECT_FALSE(f->lblSearching.visible);
}

TEST_F(SearchTest, UnreadableLunarLine) {
  for (int target : {kTargetLunarNewYear, kTargetIntercalaryMonth}) {
    At(2460500.0);
    f->lblChineseLunarDate[1].caption = "";
    Search(target, true);
    EXPECT_EQ(LastText(), "Lunar date is invalid.");
    EXPECT_EQ(p.LastMessage()->title, ui::kProgramTitle);
    EXPECT_EQ(f->dblCurrentAJDate, 2460500.0);
  }
}

TEST(SearchTargets, FailuresAtTheEdgeOfTheCalendar) {
  Settings s;
  // Stepping past the last lunar year the calendar can build.
  const SearchOutcome r = IntercalaryMonthSearch(true, "102-01-01-01 CHL", s);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.text, "Unable to add a intercalary month.");
  EXPECT_EQ(r.title, "Inability");
  const SearchOutcome m = ElementAnimalMonthSearch(0, 0, true, "102-01-01-01 CHL", s);
  EXPECT_FALSE(m.found);
  EXPECT_EQ(m.text, "Unable to add a lunar month.");
}

}  // namespace
}  // namespace tavro::testing
