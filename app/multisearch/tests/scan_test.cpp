// The scan against a plain day-by-day walk over the same span, and its span
// ends, year jumps and stops.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/multisearch/scan.h"
#include "core/chinese/conversion.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

bool RowMet(const ElementAnimalRow& r, int32_t p) {
  return (r.element == kNoElement || ElementIndex(p) == r.element) && (r.animal == kNoAnimal || BranchIndex(p) == r.animal);
}

ChlDate LunarDate(int32_t day, const Settings& s) {
  ChlDate c;
  c.epoch = static_cast<int16_t>(s.epoch);
  c.jdn = day;
  EXPECT_TRUE(JDNToChlDate(c, s));
  return c;
}

// Every day from start + direction to end, in order, no jumps.
std::optional<int32_t> WalkEveryDay(const ElementAnimalRows& rows, int32_t start, int direction, int32_t end,
                                    const Settings& s) {
  for (int32_t i = start + direction; direction > 0 ? i <= end : i >= end; i += direction) {
    const ChlDate c = LunarDate(i, s);
    if (RowMet(rows[kRowDay], DayCyclePosition(i)) && RowMet(rows[kRowMonth], MonthCyclePosition(c)) &&
        RowMet(rows[kRowYear], c.position))
      return i;
  }
  return std::nullopt;
}

ElementAnimalRows Rows(ElementAnimalRow day, ElementAnimalRow month, ElementAnimalRow year) { return {day, month, year}; }

constexpr ElementAnimalRow kAny{};

struct Case {
  const char* name;
  ElementAnimalRows rows;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"day wood-rat", Rows({0, 0}, kAny, kAny)},
      {"day ox", Rows({kNoElement, 1}, kAny, kAny)},
      {"day fire", Rows({1, kNoAnimal}, kAny, kAny)},
      {"month fire-horse", Rows(kAny, {1, 6}, kAny)},
      {"day water in a tiger month", Rows({4, kNoAnimal}, {kNoElement, 2}, kAny)},
      {"day monkey in a metal month", Rows({kNoElement, 8}, {3, kNoAnimal}, kAny)},
      {"year wood", Rows(kAny, kAny, {0, kNoAnimal})},
      {"year rabbit, month metal", Rows(kAny, {3, kNoAnimal}, {kNoElement, 3})},
      {"earth-dog day in a dragon month of a fire year", Rows({2, 10}, {kNoElement, 4}, {1, kNoAnimal})},
      {"water-pig day in a wood-rat month", Rows({4, 11}, {0, 0}, kAny)},
      {"wood-tiger month of a wood year (never)", Rows(kAny, {0, 2}, {0, kNoAnimal})},
  };
  return cases;
}

void ExpectSameAsWalk(const Settings& s, int32_t start, int years) {
  for (const Case& c : Cases()) {
    for (int direction : {+1, -1}) {
      SCOPED_TRACE(std::string(c.name) + (direction > 0 ? " forward" : " backward") + " from " +
                   std::to_string(start));
      const int32_t end = ScanEndDay(start, direction, years, s);
      const ScanResult r = ScanDays(c.rows, start, direction, end, s);
      const auto want = WalkEveryDay(c.rows, start, direction, end, s);
      if (want) {
        EXPECT_EQ(r.end, ScanEnd::Found);
        EXPECT_EQ(r.day, *want);
      } else {
        EXPECT_EQ(r.end, ScanEnd::NotFound) << "day " << r.day;
      }
    }
  }
}

TEST(ScanDays, AgreesWithADayByDayWalkOverTenYears) {
  Settings s;
  ExpectSameAsWalk(s, GregorianJDN(2025, 6, 1), 10);
}

TEST(ScanDays, AgreesWithADayByDayWalkInOtherSettings) {
  Settings s;
  s.epoch = -2636;
  s.referenceLongitude = 105;
  ExpectSameAsWalk(s, GregorianJDN(-1500, 2, 20), 1);
  s.referenceLongitude = 135;
  ExpectSameAsWalk(s, GregorianJDN(1984, 12, 31), 1);
}

TEST(ScanDays, YearRowAloneFindsTheNextDayOrAYearBoundary) {
  Settings s;
  const ElementAnimalRows woodDragon = Rows(kAny, kAny, {0, 4});  // 2024 (jia-chen)
  const int32_t inside = GregorianJDN(2024, 6, 1);
  struct {
    int32_t start;
    int direction;
    int32_t want;
  } cases[] = {
      {inside, +1, inside + 1},  // the year itself matches: the next day
      {inside, -1, inside - 1},
      {GregorianJDN(2023, 6, 1), +1, GregorianJDN(2024, 2, 10)},  // its new year's day
      {GregorianJDN(2025, 6, 1), -1, GregorianJDN(2025, 1, 28)},  // its last day
      {GregorianJDN(2024, 2, 10), -1, GregorianJDN(1965, 2, 1)},  // the wood-dragon year before
  };
  for (const auto& c : cases) {
    const ScanResult r = ScanDays(woodDragon, c.start, c.direction, ScanEndDay(c.start, c.direction, 100, s), s);
    EXPECT_EQ(r.end, ScanEnd::Found);
    EXPECT_EQ(r.day, c.want) << GregorianOf(r.day).year << "-" << GregorianOf(r.day).month << "-"
                             << GregorianOf(r.day).day;
  }
}

TEST(ScanDays, ALeapMonthCarriesTheNamesOfItsOrdinaryMonth) {
  Settings s;
  // 2025-08-01 lies in the leap month 6* (from 2025-07-25), whose names are
  // those of month 6, water-sheep; the same day name 60 days earlier falls in
  // month 5.
  const int32_t target = GregorianJDN(2025, 8, 1);
  const int32_t p = DayCyclePosition(target);
  const ElementAnimalRows rows = Rows({ElementIndex(p), BranchIndex(p)}, {4, 7}, kAny);
  const int32_t start = GregorianJDN(2025, 6, 1);
  const ScanResult r = ScanDays(rows, start, +1, ScanEndDay(start, +1, 1, s), s);
  EXPECT_EQ(r.end, ScanEnd::Found);
  EXPECT_EQ(r.day, target);
}

TEST(ScanDays, TheDayRowAloneNeverReturnsTheStartDay) {
  Settings s;
  const int32_t start = GregorianJDN(2000, 1, 1);
  const int32_t p = DayCyclePosition(start);
  const ScanResult r = ScanDays(Rows({ElementIndex(p), BranchIndex(p)}, kAny, kAny), start, +1,
                                ScanEndDay(start, +1, 1, s), s);
  EXPECT_EQ(r.day, start + 60);
  const ScanResult back = ScanDays(Rows({ElementIndex(p), BranchIndex(p)}, kAny, kAny), start, -1,
                                   ScanEndDay(start, -1, 1, s), s);
  EXPECT_EQ(back.day, start - 60);
}

TEST(ScanEndDay, FixedSpansAndLunarYears) {
  Settings s;
  const int32_t a = GregorianJDN(2000, 1, 1);
  EXPECT_EQ(ScanEndDay(a, +1, 100, s), a + 36890);
  EXPECT_EQ(ScanEndDay(a, -1, 100, s), a - 36890);
  EXPECT_EQ(ScanEndDay(a, -1, 1000, s), a - 365608);
  for (int years : {1, 10}) {
    for (int direction : {+1, -1}) {
      const ChlDate from = LunarDate(a, s);
      const ChlDate to = LunarDate(ScanEndDay(a, direction, years, s), s);
      EXPECT_EQ(to.month, from.month);
      EXPECT_EQ(to.day, from.day);
      EXPECT_EQ(to.leap, from.leap);
      EXPECT_EQ((to.cycle * 60 + to.position) - (from.cycle * 60 + from.position), years * direction);
    }
  }
}

TEST(ScanEndDay, StaysInsideTheAdmissibleRange) {
  Settings s;
  EXPECT_EQ(ScanEndDay(GregorianJDN(2900, 1, 1), +1, 1000, s), LastScanDay(120));
  EXPECT_EQ(ScanEndDay(GregorianJDN(-2950, 1, 1), -1, 1000, s), FirstScanDay(120));
  EXPECT_EQ(ScanEndDay(GregorianJDN(2999, 6, 1), +1, 10, s), LastScanDay(120));
  // Noon on the reference meridian of the edge days is inside the range.
  EXPECT_EQ(FirstScanDay(120), 625334);
  EXPECT_EQ(LastScanDay(120), 2816788);
}

TEST(ScanDays, WindowOfOneYearIncludesItsLastDayAndNothingBeyond) {
  Settings s;
  const int32_t start = GregorianJDN(2030, 3, 15);
  const int32_t end = ScanEndDay(start, +1, 1, s);
  auto namesOf = [&](int32_t day) {
    const ChlDate c = LunarDate(day, s);
    const int32_t d = DayCyclePosition(day), m = MonthCyclePosition(c);
    return Rows({ElementIndex(d), BranchIndex(d)}, {ElementIndex(m), BranchIndex(m)}, kAny);
  };
  // The names of the last day occur nowhere earlier in the span.
  ASSERT_EQ(WalkEveryDay(namesOf(end), start, +1, end, s), std::optional<int32_t>(end));
  const ScanResult last = ScanDays(namesOf(end), start, +1, end, s);
  EXPECT_EQ(last.end, ScanEnd::Found);
  EXPECT_EQ(last.day, end);
  // The names of the day after it occur nowhere in the span.
  ASSERT_EQ(WalkEveryDay(namesOf(end + 1), start, +1, end, s), std::nullopt);
  EXPECT_EQ(ScanDays(namesOf(end + 1), start, +1, end, s).end, ScanEnd::NotFound);
}

TEST(ScanDays, AYearJumpPastTheSpanIsNoResult) {
  Settings s;
  // Within one lunar year of 2024-06-01 there is no metal-rat year (2020, 2080).
  const int32_t start = GregorianJDN(2024, 6, 1);
  const ElementAnimalRows metalRat = Rows(kAny, kAny, {3, 0});
  for (int direction : {+1, -1})
    EXPECT_EQ(ScanDays(metalRat, start, direction, ScanEndDay(start, direction, 1, s), s).end, ScanEnd::NotFound);
}

TEST(ScanDays, EndsQuietlyAtTheEdgeOfTheRange) {
  Settings s;
  const ElementAnimalRows never = Rows(kAny, {0, 2}, {0, kNoAnimal});
  const ScanResult up = ScanDays(never, GregorianJDN(2990, 1, 1), +1, ScanEndDay(GregorianJDN(2990, 1, 1), +1, 1000, s), s);
  EXPECT_EQ(up.end, ScanEnd::NotFound);
  const ScanResult down =
      ScanDays(never, GregorianJDN(-2990, 1, 1), -1, ScanEndDay(GregorianJDN(-2990, 1, 1), -1, 1000, s), s);
  EXPECT_EQ(down.end, ScanEnd::NotFound);
  // A year that begins beyond the range is not returned either (metal-monkey:
  // 3000, from February).
  const int32_t start = GregorianJDN(2999, 12, 1);
  const ScanResult late = ScanDays(Rows(kAny, kAny, {3, 8}), start, +1, ScanEndDay(start, +1, 10, s), s);
  EXPECT_EQ(late.end, ScanEnd::NotFound);
}

TEST(ScanDays, CandidatesAreCountedAndTheCallbackStopsTheScan) {
  Settings s;
  const int32_t start = GregorianJDN(2000, 1, 1);
  const ElementAnimalRows never = Rows(kAny, {0, 2}, {0, kNoAnimal});
  std::vector<int64_t> ks;
  std::vector<int32_t> days;
  const ScanResult r = ScanDays(never, start, -1, ScanEndDay(start, -1, 100, s), s,
                                [&](int64_t k, int32_t day, const ChlDate& chl) {
                                  ks.push_back(k);
                                  days.push_back(day);
                                  EXPECT_EQ(chl.jdn, day);
                                  return k < 3;
                                });
  EXPECT_EQ(r.end, ScanEnd::Stopped);
  EXPECT_EQ(ks, (std::vector<int64_t>{0, 1, 2, 3}));
  EXPECT_EQ(r.day, days.back());
  // 2000-01-01 lies in a metal year; the scan jumps back to the last day of
  // the wood year 1995 and then walks back one day at a time.
  EXPECT_EQ(days.front(), GregorianJDN(1996, 2, 18));
  EXPECT_EQ(days[1], days[0] - 1);
}

TEST(ScanDays, NothingConstrainedFindsNothing) {
  Settings s;
  const ScanResult r = ScanDays(ElementAnimalRows{}, 2451545, +1, 2451545 + 400, s);
  EXPECT_EQ(r.end, ScanEnd::NotFound);
  EXPECT_EQ(r.candidates, 0);
}

}  // namespace
}  // namespace tavro
