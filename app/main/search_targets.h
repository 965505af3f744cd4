// The search targets of the main window as plain computations: each starts
// from a moment (or the lunar date line the window shows for it) and yields
// the moment of the next or previous event, or the message that ends the
// search. The window (search.cpp) adds the progress line and the display.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/multisearch/scan.h"
#include "app/ui/platform.h"
#include "core/time/settings.h"

namespace tavro {

// cboTarget indices.
enum SearchTarget : int {
  kTargetFullMoon = 0,
  kTargetDarkMoon,
  kTargetLunarQuarter,
  kTargetLunarNewYear,
  kTargetWinterSolstice,
  kTargetVernalEquinox,
  kTargetSummerSolstice,
  kTargetAutumnalEquinox,
  kTargetSolsticeOrEquinox,
  kTargetSolarTerm,
  kTargetTermDarkMoon,
  kTargetTermFullMoon,
  kTargetWinterSolsticeDarkMoon,
  kTargetCardinalDarkMoon,
  kTargetCardinalFullMoon,
  kTargetElementAnimalDay,
  kTargetElementAnimalMonth,
  kTargetElementAnimalYear,
  kTargetTripleCoincidence,
  kTargetSameDayAndMonth,
  kTargetMultipleElementAnimal,
  kTargetIntercalaryMonth,
  kSearchTargetCount
};

// The empty items of the element and animal lists.
inline constexpr int kNoElementChoice = kNoElement, kNoAnimalChoice = kNoAnimal;
// Candidates of the syzygy-on-a-term-day searches before they give up.
inline constexpr int kSyzygySearchBound = 1000;
// Passes of the triple coincidence search before it gives up (a 16-bit count).
inline constexpr int kTriplePassBound = 32767;

struct SearchOutcome {
  bool found = false;
  double ajd = 0.0;  // the moment found
  std::string text, title;  // the message when not found (empty title: the program's)
  ui::Icon icon = ui::Icon::None;
};

// The quarter phase q (0..3) of lunation n last reached at or before `ajd`,
// with `exact` when the moment lies at most 0.00005 day after it. A moment a
// hair before a phase is still in the quarter before it.
void QuarterPhaseAt(double ajd, int32_t& n, int16_t& q, bool& exact);

// 12:00 on the reference meridian of day `jdn`.
double NoonOnMeridian(int32_t jdn, int longitude);

// Targets 0 to 2.
double MoonPhaseSearch(int target, bool next, double ajd);
// Target 3.
SearchOutcome LunarNewYearSearch(bool next, const std::string& lunarLine, const Settings& s);
// Targets 4 to 9 (true-sun terms of the lunar-year tables).
SearchOutcome SolarEventSearch(int target, bool next, double ajd, int longitude);
// Targets 10 to 14; `progress` runs before every 16th candidate.
SearchOutcome SyzygyOnTermDaySearch(int target, bool next, double ajd, const Settings& s,
                                    const std::function<void()>& progress = nullptr);
// Targets 15 to 17: element 0..4 (5 none), animal 0..11 (12 none).
SearchOutcome ElementAnimalDaySearch(int element, int animal, bool next, double ajd, int longitude);
// `progress` runs before every second month step.
SearchOutcome ElementAnimalMonthSearch(int element, int animal, bool next, const std::string& lunarLine,
                                       const Settings& s, const std::function<void()>& progress = nullptr);
SearchOutcome ElementAnimalYearSearch(int element, int animal, bool next, const std::string& lunarLine,
                                      const Settings& s);
// Target 18; `progress` runs whenever the pass count reaches a multiple of 10.
SearchOutcome TripleCoincidenceSearch(bool next, double ajd, const Settings& s,
                                      const std::function<void()>& progress = nullptr);
// Target 21.
SearchOutcome IntercalaryMonthSearch(bool next, const std::string& lunarLine, const Settings& s);

// Whether element e and animal a (with 5 and 12 meaning any) name position p.
bool NamesMatch(int element, int animal, int32_t position);

}  // namespace tavro
