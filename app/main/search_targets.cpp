#include "app/main/search_targets.h"

#include <cmath>

#include "app/main/move_units.h"
#include "core/astro/phases.h"
#include "core/chinese/chinese_date.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/chinese/stepping.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

SearchOutcome Found(double ajd) {
  SearchOutcome r;
  r.found = true;
  r.ajd = ajd;
  return r;
}

SearchOutcome Failed(std::string text, std::string title, ui::Icon icon) {
  SearchOutcome r;
  r.text = std::move(text);
  r.title = std::move(title);
  r.icon = icon;
  return r;
}

SearchOutcome LunarDateInvalid() { return Failed("Lunar date is invalid.", "", ui::Icon::None); }

SearchOutcome NoChoice() {
  return Failed("You must specify an element, an animal or both.", "Error", ui::Icon::Warning);
}

SearchOutcome ConversionError(int code) {
  return Failed("Error " + std::to_string(code) + " in search process when converting lunar date to JDN.", "Search",
                ui::Icon::Warning);
}

bool ReadLine(const std::string& line, const Settings& s, ChlDate& d) {
  d = ChlDate{};
  d.epoch = static_cast<int16_t>(s.epoch);
  return ReadChlDateText(line, d);
}

// The first day of lunar year (cycle, position), or false when the calendar
// cannot build it.
bool NewYearDay(int32_t cycle, int32_t position, const Settings& s, int32_t& jdn) {
  ChlDate d;
  d.epoch = static_cast<int16_t>(s.epoch);
  d.cycle = cycle;
  d.position = position;
  d.month = 1;
  d.day = 1;
  d.leap = 0;
  if (ChLDateToJDN(d, s) != kChlOk) return false;
  jdn = d.jdn;
  return true;
}

}  // namespace

bool NamesMatch(int element, int animal, int32_t position) {
  return (animal == kNoAnimalChoice || BranchIndex(position) == animal) &&
         (element == kNoElementChoice || ElementIndex(position) == element);
}

double NoonOnMeridian(int32_t jdn, int longitude) { return FromCJDC(jdn + 0.5, longitude); }

void QuarterPhaseAt(double ajd, int32_t& n, int16_t& q, bool& exact) {
  // LunationContaining and GetPhase read the same UT phase instants, so the
  // lunation found always holds the moment; the guard is for no number.
  n = LunationContaining(ajd);
  q = GetPhase(n, ajd, exact);
  if (q < 0) q = 0;
}

double MoonPhaseSearch(int target, bool next, double ajd) {
  int32_t n;
  int16_t q;
  bool exact;
  QuarterPhaseAt(ajd, n, q, exact);
  if (target == kTargetLunarQuarter) {
    if (next) return q + 1 <= 3 ? SyzygyUT(n, static_cast<int16_t>(q + 1)) : SyzygyUT(n + 1, 0);
    if (!exact) return SyzygyUT(n, q);
    return q >= 1 ? SyzygyUT(n, static_cast<int16_t>(q - 1)) : SyzygyUT(n - 1, 3);
  }
  const int16_t p = target == kTargetFullMoon ? 2 : 0;
  if (next) return q < p ? SyzygyUT(n, p) : SyzygyUT(n + 1, p);
  return q < p || (q == p && exact) ? SyzygyUT(n - 1, p) : SyzygyUT(n, p);
}

SearchOutcome LunarNewYearSearch(bool next, const std::string& lunarLine, const Settings& s) {
  ChlDate d;
  if (!ReadLine(lunarLine, s, d)) return LunarDateInvalid();
  if (next)
    StepCyclePosition(d, true);
  else if (d.month == 1 && d.day == 1 && d.leap == 0)
    StepCyclePosition(d, false);
  d.month = 1;
  d.day = 1;
  d.leap = 0;
  const int16_t code = ChLDateToJDN(d, s);
  if (code < 0) return ConversionError(code);
  return Found(NoonOnMeridian(d.jdn, s.referenceLongitude));
}

SearchOutcome SolarEventSearch(int target, bool next, double ajd, int longitude) {
  const double c = ToCJDC(ajd, longitude);
  const auto tables = LunarYearAt(c, longitude);
  const auto& terms = tables->SolarTermCJD;
  auto wanted = [target](int i) {
    switch (target) {
      case kTargetWinterSolstice: return i % 24 == 0;
      case kTargetVernalEquinox: return i % 24 == 6;
      case kTargetSummerSolstice: return i % 24 == 12;
      case kTargetAutumnalEquinox: return i % 24 == 18;
      case kTargetSolsticeOrEquinox: return i % 6 == 0;
      default: return true;
    }
  };
  int i = -1;
  if (next) {
    for (int k = 0; k <= 72 && i < 0; ++k)
      if (terms[k] > c) i = k;
    while (i >= 0 && i < kSolarTermCount && !wanted(i)) ++i;
  } else {
    for (int k = 72; k >= 0 && i < 0; --k)
      if (terms[k] < c) i = k;
    while (i >= 0 && !wanted(i)) --i;
  }
  // The tables always bracket their own moment by two years, so this is a
  // guard only.
  if (i < 0 || i >= kSolarTermCount) return Failed("Cannot find the solar term.", "Failed", ui::Icon::None);
  return Found(FromCJDC(terms[i], longitude));
}

SearchOutcome SyzygyOnTermDaySearch(int target, bool next, double ajd, const Settings& s,
                                    const std::function<void()>& progress) {
  const int16_t p = target == kTargetTermFullMoon || target == kTargetCardinalFullMoon ? 2 : 0;
  int32_t n;
  int16_t q;
  bool exact;
  QuarterPhaseAt(ajd, n, q, exact);
  int32_t lunation;
  if (next)
    lunation = q >= p ? n + 1 : n;
  else
    lunation = q < p || (q == p && exact) ? n - 1 : n;
  for (int k = 1; k <= kSyzygySearchBound; ++k) {
    if (k % 16 == 0 && progress) progress();
    const double t = SyzygyUT(lunation, p);
    ChsDate chs;
    ChlDate chl;
    chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
    if (CJDateToChDates(ToCJDC(t, s.referenceLongitude), s, chs, chl) && chs.day == 1) {
      bool qualifies = true;
      if (target == kTargetWinterSolsticeDarkMoon)
        qualifies = chs.term == 1;
      else if (target == kTargetCardinalDarkMoon || target == kTargetCardinalFullMoon)
        qualifies = chs.term % 6 == 1;
      if (qualifies) return Found(t);
    }
    lunation += next ? 1 : -1;
  }
  return Failed("Cannot find required dark moon.", "Failed", ui::Icon::None);
}

SearchOutcome ElementAnimalDaySearch(int element, int animal, bool next, double ajd, int longitude) {
  if (element == kNoElementChoice && animal == kNoAnimalChoice) return NoChoice();
  const int32_t step = next ? 1 : -1;
  int32_t day = FloorDay(ToCJDC(ajd, longitude));
  for (int k = 0; k < 60; ++k) {
    day += step;
    if (NamesMatch(element, animal, DayCyclePosition(day))) return Found(NoonOnMeridian(day, longitude));
  }
  return NoChoice();  // every pair of names occurs within 60 days
}

SearchOutcome ElementAnimalMonthSearch(int element, int animal, bool next, const std::string& lunarLine,
                                       const Settings& s, const std::function<void()>& progress) {
  if (element == kNoElementChoice && animal == kNoAnimalChoice) return NoChoice();
  ChlDate d;
  if (!ReadLine(lunarLine, s, d)) return LunarDateInvalid();
  d.day = 1;
  // The month names repeat every 60 ordinary months; leap months only add
  // repeats, so a match comes well within this many steps.
  constexpr int kMaxSteps = 200;
  for (int k = 1; k <= kMaxSteps; ++k) {
    if (k % 2 == 0 && progress) progress();
    if (!StepChlMonth(d, next, s)) break;
    if (NamesMatch(element, animal, MonthCyclePosition(d))) {
      const int16_t code = ChLDateToJDN(d, s);
      if (code < 0) return ConversionError(code);
      return Found(NoonOnMeridian(d.jdn, s.referenceLongitude));
    }
  }
  return Failed(InabilityText(next, "lunar month"), "Inability", ui::Icon::Warning);
}

SearchOutcome ElementAnimalYearSearch(int element, int animal, bool next, const std::string& lunarLine,
                                      const Settings& s) {
  if (element == kNoElementChoice && animal == kNoAnimalChoice) return NoChoice();
  ChlDate d;
  if (!ReadLine(lunarLine, s, d)) return LunarDateInvalid();
  for (int k = 0; k < 60; ++k) {
    StepCyclePosition(d, next);
    if (NamesMatch(element, animal, d.position)) break;
  }
  d.month = 1;
  d.day = 1;
  d.leap = 0;
  const int16_t code = ChLDateToJDN(d, s);
  if (code < 0) return ConversionError(code);
  return Found(NoonOnMeridian(d.jdn, s.referenceLongitude));
}

SearchOutcome TripleCoincidenceSearch(bool next, double ajd, const Settings& s, const std::function<void()>& progress) {
  const SearchOutcome failed = Failed("Cannot find a triple coincidence day.", "Failed", ui::Icon::None);
  const int32_t step = next ? 1 : -1;
  int32_t day = FloorDay(ToCJDC(ajd, s.referenceLongitude)) + step;
  int passes = 0;
  // One examined day; false when the count would overflow.
  auto pass = [&] {
    if (++passes >= kTriplePassBound) return false;
    if (passes % 10 == 0 && progress) progress();
    return true;
  };
  for (;;) {
    ChsDate chs;
    ChlDate chl;
    chs.valid = kNoSolarDate;
    chl.epoch = static_cast<int16_t>(s.epoch);
    if (!CJDateToChDates(day, s, chs, chl)) return failed;
    const int32_t yearPosition = chl.position;
    // The lunar year of `day` is the span [first, last].
    int32_t first, following;
    ChlDate nextYear = chl;
    StepCyclePosition(nextYear, true);
    if (!NewYearDay(chl.cycle, chl.position, s, first) || !NewYearDay(nextYear.cycle, nextYear.position, s, following))
      return failed;
    const int32_t last = following - 1;
    auto inYear = [&](int32_t d) { return d >= first && d <= last; };
    // Day by day to the first day named like the year...
    while (inYear(day) && DayCyclePosition(day) != yearPosition) {
      day += step;
      if (!pass()) return failed;
    }
    // ...then every 60th day, which keeps the names, until the month agrees.
    while (inYear(day)) {
      ChlDate m;
      ChsDate none;
      none.valid = kNoSolarDate;
      m.epoch = chl.epoch;
      if (!CJDateToChDates(day, s, none, m)) return failed;
      if (MonthCyclePosition(m) == yearPosition) return Found(NoonOnMeridian(day, s.referenceLongitude));
      day += 60 * step;
      if (!pass()) return failed;
    }
    // A 60-day step may overshoot the edge of the year; start the next one at
    // its edge so that none of its days is skipped.
    day = next ? following : first - 1;
  }
}

SearchOutcome IntercalaryMonthSearch(bool next, const std::string& lunarLine, const Settings& s) {
  ChlDate d;
  if (!ReadLine(lunarLine, s, d)) return LunarDateInvalid();
  d.day = 1;
  do {
    if (!StepChlMonth(d, next, s))
      return Failed(InabilityText(next, "intercalary month"), "Inability", ui::Icon::Warning);
  } while (d.leap == 0);
  if (ChLDateToJDN(d, s) != kChlOk)
    return Failed(InabilityText(next, "intercalary month"), "Inability", ui::Icon::Warning);
  return Found(NoonOnMeridian(d.jdn, s.referenceLongitude));
}

}  // namespace tavro
