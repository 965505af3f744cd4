#include "core/chinese/stepping.h"

#include "core/chinese/conversion.h"

namespace tavro {

namespace {

bool Valid(ChlDate& d, const Settings& s) { return ChLDateToJDN(d, s) == kChlOk; }
bool Valid(ChsDate& d, const Settings& s) { return ChSDateToJDN(d, s); }

// One "try" of a month step: the month as given; failing that with day 30,
// day 29 (kept when it fits). When neither fits the day goes back to what it
// was, so that the next month tried still gets day 30 if it has one.
bool TryMonth(ChlDate& d, int32_t month, int32_t leap, const Settings& s) {
  d.month = month;
  d.leap = leap;
  if (Valid(d, s)) return true;
  if (d.day != 30) return false;
  d.day = 29;
  if (Valid(d, s)) return true;
  d.day = 30;
  return false;
}

}  // namespace

bool FitChlDay(ChlDate& d, const Settings& s) {
  if (Valid(d, s)) return true;
  const bool day30 = d.day == 30;
  if (day30) {
    d.day = 29;
    if (Valid(d, s)) return true;
    d.day = 30;
  }
  // A leap month the new year lacks becomes the ordinary month of its number.
  if (d.leap == 0) return false;
  d.leap = 0;
  if (Valid(d, s)) return true;
  if (!day30) return false;
  d.day = 29;
  return Valid(d, s);
}

bool StepChlMonth(ChlDate& d, bool forward, const Settings& s) {
  const int32_t m = d.month;
  if (forward) {
    if (d.leap == 0 && TryMonth(d, m, 1, s)) return true;
    if (TryMonth(d, m + 1, 0, s)) return true;
    StepCyclePosition(d, true);
    return TryMonth(d, 1, 0, s);
  }
  if (d.leap == 1) {
    d.leap = 0;
    if (!Valid(d, s)) {
      d.day = 29;
      Valid(d, s);
    }
    return true;
  }
  if (m > 1) return TryMonth(d, m - 1, 1, s) || TryMonth(d, m - 1, 0, s);
  StepCyclePosition(d, false);
  for (int32_t month = 12; month >= 10; --month) {
    if (TryMonth(d, month, 1, s) || TryMonth(d, month, 0, s)) return true;
  }
  return false;
}

bool StepChlYear(ChlDate& d, bool forward, const Settings& s) {
  StepCyclePosition(d, forward);
  return FitChlDay(d, s);
}

bool StepChlCycle(ChlDate& d, bool forward, const Settings& s) {
  d.cycle += forward ? 1 : -1;
  return FitChlDay(d, s);
}

bool StepChsYear(ChsDate& d, bool forward, const Settings& s) {
  StepCyclePosition(d, forward);
  if (Valid(d, s)) return true;
  --d.day;
  if (Valid(d, s)) return true;
  --d.day;
  return Valid(d, s);
}

bool StepChsTerm(ChsDate& d, bool forward, bool wholeCycle, const Settings& s) {
  if (wholeCycle) {
    d.cycle += forward ? 1 : -1;
  } else if (forward) {
    if (++d.term > 24) {
      d.term = 1;
      StepCyclePosition(d, true);
    }
  } else if (--d.term < 1) {
    d.term = 24;
    StepCyclePosition(d, false);
  }
  if (Valid(d, s)) return true;
  --d.day;
  return Valid(d, s);
}

int16_t LunarMonthLength(ChlDate& d, const Settings& s) {
  d.day = 30;
  const int16_t code = ChLDateToJDN(d, s);
  if (code == kChlOk) return 30;
  if (code == kChlDayBeyondMonth) return 29;
  return code;
}

}  // namespace tavro
