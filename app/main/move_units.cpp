#include "app/main/move_units.h"

#include <cmath>

#include "app/main/calendar_table.h"
#include "core/arc/arc_date.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/stepping.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

// Nouns of the inability message, units 6 to 11.
const char* const kInabilityNouns[6] = {"lunar month", "lunar year", "60-year cycle (CHL)",
                                        "solar term",  "solar year", "60-year cycle (CHS)"};

MoveStepResult Fail(MoveFailure f) {
  MoveStepResult r;
  r.failure = f;
  return r;
}

MoveFailure LimitFailure(bool forward) {
  return forward ? MoveFailure::LatestAdmissible : MoveFailure::EarliestAdmissible;
}

// A European unit: the month moves by `months`, the year by `years`.
MoveStepResult EuroStep(int32_t day, int letter, int months, int years, bool forward) {
  EuroDate d;
  d.calendar = static_cast<int16_t>(letter);
  d.jdn = day;
  JDNToEuroDate(d);
  if (YearLimitReached(d.year, forward)) return Fail(LimitFailure(forward));
  const int sign = forward ? 1 : -1;
  if (months != 0) {
    d.month += sign * months;
    if (d.month > 12) {
      d.month = 1;
      ++d.year;
    } else if (d.month < 1) {
      d.month = 12;
      --d.year;
    }
    EuroDateToJDN(d);
    while (!d.valid && d.day > 1) {
      --d.day;
      EuroDateToJDN(d);
    }
  } else {
    d.year += sign * years;
    EuroDateToJDN(d);
    if (!d.valid) {
      --d.day;
      EuroDateToJDN(d);
    }
  }
  MoveStepResult r;
  r.ajd = d.jdn;  // the day number; the caller adds the time of day
  return r;
}

// Gives back a leap month (year and cycle steps) and a day 30 that the step
// reached can hold; whatever does not fit stays as the step left it.
void KeepWhatFits(ChlDate& d, int unit, KeepLunar keep, const Settings& s) {
  if (keep.leap && d.leap == 0 && unit != kUnitCHLMonth) {
    ChlDate leap = d;
    leap.leap = 1;
    if (ChLDateToJDN(leap, s) == kChlOk) {
      d = leap;
    } else if (leap.day == 29) {
      leap.day = 30;  // the leap month may be longer than its ordinary one
      if (ChLDateToJDN(leap, s) == kChlOk) d = leap;
    }
  }
  if (keep.day30 && d.day == 29) {
    ChlDate longer = d;
    longer.day = 30;
    if (ChLDateToJDN(longer, s) == kChlOk) d = longer;
  }
}

}  // namespace

int RefreshMilliseconds(const ui::ComboBox& period) {
  static constexpr double kSeconds[4] = {0.5, 1, 2, 5};
  const int i = period.index >= 0 && period.index < 4 ? period.index : 1;
  return static_cast<int>(std::lround(kSeconds[i] * 1000));
}

std::string InabilityText(bool forward, const std::string& noun) {
  return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " + noun + ".";
}

bool YearLimitReached(int year, bool forward) {
  return forward ? year >= kMaxMoveYear : year <= kMinMoveYear;
}

bool CycleLimitReached(int cycle, bool forward) {
  return forward ? cycle >= kMaxMoveCycle : cycle <= kMinMoveCycle;
}

MoveStepResult StepMoment(int unit, bool forward, double ajd, const std::string& lunarLine,
                          const std::string& solarLine, const Settings& s, KeepLunar keep) {
  const int sign = forward ? 1 : -1;
  MoveStepResult r;
  switch (unit) {
    case kUnitMinute: r.ajd = ajd + sign / 1440.0; break;
    case kUnitHour: r.ajd = ajd + sign / 24.0; break;
    case kUnitDay: r.ajd = ajd + sign; break;
    case kUnit60Days: r.ajd = ajd + sign * 60.0; break;
    default: {
      const bool london = unit == kUnitCEMonth || unit == kUnitCEYear || unit == kUnitCECentury ||
                          unit == kUnitJC80Years;
      const double c = london ? ToCJDL(ajd) : ToCJDC(ajd, s.referenceLongitude);
      const double dayNumber = std::floor(c);
      const double timeOfDay = c - dayNumber;
      const auto d = static_cast<int32_t>(dayNumber);
      int32_t n = 0;
      std::string code;
      switch (unit) {
        case kUnitCEMonth:
        case kUnitCEYear:
        case kUnitCECentury:
        case kUnitJC80Years: {
          const bool jc = unit == kUnitJC80Years;
          const MoveStepResult e = EuroStep(d, jc ? 'J' : 'G', unit == kUnitCEMonth ? 1 : 0,
                                            unit == kUnitCEYear ? 1 : unit == kUnitCECentury ? 100 : 80, forward);
          if (e.failure != MoveFailure::None) return e;
          n = static_cast<int32_t>(e.ajd);
          code = jc ? "JC" : "CE";
          break;
        }
        case kUnitCHLMonth:
        case kUnitCHLYear:
        case kUnitCHLCycle: {
          ChlDate chl;
          chl.epoch = static_cast<int16_t>(s.epoch);
          if (!ReadChlDateText(lunarLine, chl)) return Fail(MoveFailure::LunarUnreadable);
          if (CycleLimitReached(chl.cycle, forward)) return Fail(LimitFailure(forward));
          const bool stepped = unit == kUnitCHLMonth  ? StepChlMonth(chl, forward, s)
                               : unit == kUnitCHLYear ? StepChlYear(chl, forward, s)
                                                      : StepChlCycle(chl, forward, s);
          if (!stepped) return Fail(MoveFailure::Inability);
          KeepWhatFits(chl, unit, keep, s);
          if (ChLDateToJDN(chl, s) != kChlOk) return Fail(MoveFailure::LunarRefused);
          n = chl.jdn;
          code = "CHL";
          break;
        }
        case kUnitCHSTerm:
        case kUnitCHSYear:
        case kUnitCHSCycle: {
          ChsDate chs;
          chs.epoch = static_cast<int16_t>(s.epoch);
          if (!ReadChsDateText(solarLine, chs)) return Fail(MoveFailure::SolarUnreadable);
          if (CycleLimitReached(chs.cycle, forward)) return Fail(LimitFailure(forward));
          const bool stepped = unit == kUnitCHSYear ? StepChsYear(chs, forward, s)
                                                    : StepChsTerm(chs, forward, unit == kUnitCHSCycle, s);
          if (!stepped) return Fail(MoveFailure::Inability);
          if (!ChSDateToJDN(chs, s)) return Fail(MoveFailure::SolarRefused);
          n = chs.jdn;
          code = "CHS";
          break;
        }
        case kUnitARCMonth:
        case kUnitARCYear: {
          ArcDate a;
          a.jdn = d;
          JDNToArcDate(a);
          const bool stepped = unit == kUnitARCMonth ? ArcStepMonth(a, forward) : ArcStepYear(a, forward);
          if (!stepped || !ArcDateToJDN(a)) return Fail(MoveFailure::Inability);
          n = a.jdn;
          code = "ARCCCT";
          break;
        }
        default:
          return Fail(MoveFailure::Inability);
      }
      const double reached = n + timeOfDay;
      r.ajd = london ? reached - 0.5 : FromCJDC(reached, s.referenceLongitude);
      r.calendar = GetCalendar(code);
      break;
    }
  }
  // A moment outside the admissible range would make every later conversion
  // wrong, so such a step is refused rather than made.
  if (r.ajd < MinAJD) return Fail(MoveFailure::EarliestExceeded);
  if (r.ajd > MaxAJD) return Fail(MoveFailure::LatestExceeded);
  return r;
}

MoveMessage MoveFailureMessage(MoveFailure failure, int unit, bool forward) {
  const bool cycleUnit = unit == kUnitCHLCycle || unit == kUnitCHSCycle;
  switch (failure) {
    case MoveFailure::None: return {};
    case MoveFailure::EarliestAdmissible: return {"Earliest admissible date reached.", "Out of range", ui::Icon::None};
    case MoveFailure::LatestAdmissible: return {"Latest admissible date reached.", "Out of range", ui::Icon::None};
    case MoveFailure::LunarUnreadable:
      return {"Lunar date is invalid.", unit == kUnitCHLCycle ? "Invalid" : "", ui::Icon::None};
    case MoveFailure::SolarUnreadable: return {"Solar date is invalid.", "", ui::Icon::None};
    case MoveFailure::Inability: {
      const int k = unit >= kUnitCHLMonth && unit <= kUnitCHSCycle ? unit - kUnitCHLMonth : 0;
      return {InabilityText(forward, kInabilityNouns[k]), "Inability", ui::Icon::Warning};
    }
    case MoveFailure::LunarRefused:
      return {cycleUnit ? "Invalid lunar date results." : "Invalid lunar date results", "", ui::Icon::None};
    case MoveFailure::SolarRefused:
      return {cycleUnit ? "Invalid solar date results." : "Invalid solar date results", "", ui::Icon::None};
    case MoveFailure::EarliestExceeded: return {"Earliest date exceeded.", "Out of range", ui::Icon::Warning};
    case MoveFailure::LatestExceeded: return {"Latest date exceeded.", "Out of range", ui::Icon::Warning};
  }
  return {};
}

}  // namespace tavro
