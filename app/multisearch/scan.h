// The day-by-day scan behind the multiple element-animal search: the first
// day after (or before) a start day whose day, lunar month and lunar year
// carry chosen element-animal names, within a span of lunar years.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/chinese/chinese_date.h"
#include "core/time/settings.h"

namespace tavro {

// List indices that mean "no element" and "no animal".
inline constexpr int kNoElement = 5;
inline constexpr int kNoAnimal = 12;

inline constexpr int kRowDay = 0, kRowMonth = 1, kRowYear = 2;

// One condition: an element index 0..4 (5 = any) and an animal index 0..11
// (12 = any).
struct ElementAnimalRow {
  int element = kNoElement;
  int animal = kNoAnimal;

  bool Constrained() const { return element < kNoElement || animal < kNoAnimal; }
  // Whether the cycle position p carries names that meet the row.
  bool Matches(int32_t p) const {
    return (element >= kNoElement || ElementIndex(p) == element) &&
           (animal >= kNoAnimal || BranchIndex(p) == animal);
  }
};

// Rows kRowDay, kRowMonth, kRowYear.
using ElementAnimalRows = std::array<ElementAnimalRow, 3>;

// Days whose 12:00 on the reference meridian lies inside the admissible range:
// the only days a scan may examine or return.
int32_t FirstScanDay(int longitude);
int32_t LastScanDay(int longitude);

// The last day a scan from `start` examines: for 100 and 1000 years a fixed
// count of days, otherwise the same lunar date `years` lunar years away. Kept
// inside the admissible range (a span running past it ends at its edge).
int32_t ScanEndDay(int32_t start, int direction, int years, const Settings& s);

enum class ScanEnd { Found, NotFound, Stopped };

struct ScanResult {
  ScanEnd end = ScanEnd::NotFound;
  int32_t day = 0;         // the day found, or the day the scan ended on
  int64_t candidates = 0;  // days examined
};

// Called once for every day examined that is not a result, with the pass
// counter k (from 0), the day and its lunar date; returning false stops the
// scan there.
using ScanCandidateFn = std::function<bool(int64_t k, int32_t day, const ChlDate& chl)>;

// Scans from the day after `start` (direction +1) or before it (-1) up to and
// including `endDay`. Years are named under s.epoch. At least one row must be
// constrained; otherwise nothing is found.
ScanResult ScanDays(const ElementAnimalRows& rows, int32_t start, int direction, int32_t endDay,
                    const Settings& s, const ScanCandidateFn& onCandidate = {});

}  // namespace tavro
