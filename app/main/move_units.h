// The sixteen move units of the main window: one step of a unit from a
// moment, as a plain computation. The window (move.cpp) adds the messages,
// the repeated run and the display.
#pragma once

#include <string>

#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/time/settings.h"

namespace tavro {

// cboMoveStep indices.
enum MoveUnit : int {
  kUnitMinute = 0,
  kUnitHour,
  kUnitDay,
  kUnitCEMonth,
  kUnitCEYear,
  kUnitCECentury,
  kUnitCHLMonth,
  kUnitCHLYear,
  kUnitCHLCycle,
  kUnitCHSTerm,
  kUnitCHSYear,
  kUnitCHSCycle,
  kUnit60Days,
  kUnitJC80Years,
  kUnitARCMonth,
  kUnitARCYear,
  kMoveUnitCount
};

// Year and cycle limits of the pre-checks.
inline constexpr int kMinMoveYear = -3000, kMaxMoveYear = 3000;
inline constexpr int kMinMoveCycle = 0, kMaxMoveCycle = 96;

enum class MoveFailure {
  None,
  EarliestAdmissible,  // pre-check, backward
  LatestAdmissible,    // pre-check, forward
  LunarUnreadable,     // the displayed lunar line cannot be read
  SolarUnreadable,
  Inability,           // the stepping operation failed
  LunarRefused,        // the stepped lunar date is refused by the conversion
  SolarRefused,
  EarliestExceeded,    // the step would leave the admissible range
  LatestExceeded,
};

struct MoveStepResult {
  MoveFailure failure = MoveFailure::None;
  double ajd = 0.0;   // the moment reached (valid when failure is None)
  int calendar = -1;  // the calendar made current, -1 for unchanged
};

// What a repeated run of lunar steps holds on to ("keep 30th", "keep leap"):
// a day 30 or a leap month that an earlier step had to give up comes back
// wherever the month reached has one.
struct KeepLunar {
  bool day30 = false;
  bool leap = false;
};

// One step of `unit` from the moment `ajd`. The Chinese units read the lunar
// or solar date line as the window shows it for `ajd`.
MoveStepResult StepMoment(int unit, bool forward, double ajd, const std::string& lunarLine,
                          const std::string& solarLine, const Settings& s, KeepLunar keep = {});

// The interval of the Clock timer for the refresh period chosen in `period`
// ("0.5", "1", "2", "5" seconds), in milliseconds.
int RefreshMilliseconds(const ui::ComboBox& period);

// "Unable to add a lunar month." / "Unable to subtract a ...".
std::string InabilityText(bool forward, const std::string& noun);

// True when a step from `year` (or `cycle`) in the direction is refused.
bool YearLimitReached(int year, bool forward);
bool CycleLimitReached(int cycle, bool forward);

struct MoveMessage {
  std::string text, title;  // an empty title is the program's title
  ui::Icon icon = ui::Icon::None;
};
// The message a failed step of `unit` shows.
MoveMessage MoveFailureMessage(MoveFailure failure, int unit, bool forward);

}  // namespace tavro
