#include "app/multisearch/scan.h"

#include <cmath>

#include "core/chinese/conversion.h"
#include "core/chinese/stepping.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

bool LunarDateOf(int32_t day, const Settings& s, ChlDate& chl) {
  ChsDate none;
  none.valid = kNoSolarDate;
  chl.epoch = static_cast<int16_t>(s.epoch);
  return CJDateToChDates(day + 0.5, s, none, chl);
}

// New year's day of the lunar year (cycle, position); false when it cannot
// be built.
bool NewYearsDay(int32_t cycle, int32_t position, const Settings& s, int32_t& day) {
  ChlDate d;
  d.cycle = cycle;
  d.position = position;
  d.month = 1;
  d.day = 1;
  d.leap = 0;
  if (ChLDateToJDN(d, s) != kChlOk) return false;
  day = d.jdn;
  return true;
}

// Moves day i to the nearest year in the scan direction whose names meet
// `row`: forward to its new year's day, backward to its last day. False when
// that year lies beyond the tables.
bool JumpToYear(const ElementAnimalRow& row, int direction, const Settings& s, int32_t& i, ChlDate& chl) {
  ChlDate y = chl;
  do {
    StepCyclePosition(y, direction > 0);
  } while (!row.Matches(y.position));
  if (direction > 0) {
    if (!NewYearsDay(y.cycle, y.position, s, i)) return false;
    chl.cycle = y.cycle;
    chl.position = y.position;
    chl.month = 1;
    chl.day = 1;
    chl.leap = 0;
    chl.jdn = i;
    return true;
  }
  StepCyclePosition(y, true);
  int32_t next = 0;
  if (!NewYearsDay(y.cycle, y.position, s, next)) return false;
  i = next - 1;
  return LunarDateOf(i, s, chl);
}

// The step to the next candidate: whole day cycles where the day's own names
// already match, since no day in between can carry them.
int32_t NextDayStep(const ElementAnimalRow& day, int32_t i) {
  if (!day.Constrained()) return 1;
  const int32_t p = DayCyclePosition(i);
  if (day.element >= kNoElement) return BranchIndex(p) == day.animal ? 12 : 1;
  if (day.animal >= kNoAnimal) return 1;  // an element holds on pairs of days: no safe jump
  return day.Matches(p) ? 60 : 1;
}

}  // namespace

int32_t FirstScanDay(int longitude) {
  return static_cast<int32_t>(std::ceil(MinAJD + longitude / 360.0));
}

int32_t LastScanDay(int longitude) {
  return FloorDay(MaxAJD + longitude / 360.0);
}

int32_t ScanEndDay(int32_t start, int direction, int years, const Settings& s) {
  const int32_t first = FirstScanDay(s.referenceLongitude);
  const int32_t last = LastScanDay(s.referenceLongitude);
  const int32_t limit = direction > 0 ? last : first;
  int64_t w = 0;
  if (years == 100 || years == 1000) {
    w = int64_t{start} + int64_t{years == 100 ? 36890 : 365608} * direction;
  } else {
    ChlDate d;
    if (!LunarDateOf(start, s, d)) return limit;
    for (int n = 0; n < years; ++n)
      if (!StepChlYear(d, direction > 0, s)) return limit;
    if (ChLDateToJDN(d, s) != kChlOk) return limit;
    w = d.jdn;
  }
  if (w < first) return first;
  if (w > last) return last;
  return static_cast<int32_t>(w);
}

ScanResult ScanDays(const ElementAnimalRows& rows, int32_t start, int direction, int32_t endDay,
                    const Settings& s, const ScanCandidateFn& onCandidate) {
  const int s1 = direction > 0 ? 1 : -1;
  const ElementAnimalRow& dayRow = rows[kRowDay];
  const ElementAnimalRow& monthRow = rows[kRowMonth];
  const ElementAnimalRow& yearRow = rows[kRowYear];
  ScanResult r;
  if (!dayRow.Constrained() && !monthRow.Constrained() && !yearRow.Constrained()) {
    r.day = start;
    return r;
  }
  const int32_t first = FirstScanDay(s.referenceLongitude);
  const int32_t last = LastScanDay(s.referenceLongitude);
  auto beyond = [&](int64_t i) { return s1 > 0 ? i > endDay : i < endDay; };

  int64_t i = int64_t{start} + s1;
  ChlDate chl;
  for (int64_t k = 0;; ++k) {
    r.candidates = k + 1;
    if (beyond(i) || i < first || i > last) {
      r.day = static_cast<int32_t>(i < first ? first : i > last ? last : i);
      r.end = ScanEnd::NotFound;
      return r;
    }
    int32_t day = static_cast<int32_t>(i);
    if (!LunarDateOf(day, s, chl)) {
      r.day = day;
      return r;
    }
    if (yearRow.Constrained() && !yearRow.Matches(chl.position)) {
      if (!JumpToYear(yearRow, s1, s, day, chl)) {
        r.day = day;
        return r;
      }
      i = day;
      // A year jump may land past the span: such a day is no answer.
      if (beyond(i) || i < first || i > last) {
        r.day = day;
        return r;
      }
    }
    const bool monthOk = !monthRow.Constrained() || monthRow.Matches(MonthCyclePosition(chl));
    if (monthOk && (!dayRow.Constrained() || dayRow.Matches(DayCyclePosition(day)))) {
      r.end = ScanEnd::Found;
      r.day = day;
      return r;
    }
    if (onCandidate && !onCandidate(k, day, chl)) {
      r.end = ScanEnd::Stopped;
      r.day = day;
      return r;
    }
    i = int64_t{day} + int64_t{NextDayStep(dayRow, day)} * s1;
  }
}

}  // namespace tavro
