// Chinese Lunar (CHL) and Chinese Solar (CHS) date records and the
// arithmetic of the 60-year cycle.
#pragma once

#include <cstdint>

namespace tavro {

// Field order is fixed: the date-string readers fill these records in place.
struct ChlDate {
  int16_t epoch = -2696;  // astronomical CE year that begins cycle 1: -2696 or -2636
  int32_t cycle = 0;
  int32_t position = 0;   // year (nian) in the cycle, 1..60
  int32_t reserved1 = 0;
  int32_t reserved2 = 0;
  int32_t month = 0;      // 1..12
  int32_t day = 0;        // 1..30
  int32_t valid = 0;      // 1 when the record holds a date that exists
  int32_t jdn = 0;        // reference-meridian day number
  int32_t leap = 0;       // 1 for a leap (intercalary) month
};

struct ChsDate {
  int16_t epoch = -2696;
  int32_t cycle = 0;
  int32_t position = 0;   // year (sui) in the cycle, 1..60
  int32_t reserved1 = 0;
  int32_t reserved2 = 0;
  int32_t term = 0;       // 1..24, 1 = the winter solstice
  int32_t day = 0;        // 1..16
  int32_t valid = 0;
  int32_t jdn = 0;
};

inline constexpr int16_t Epoch2697BC = -2696;     // 2697 BC
inline constexpr int16_t Epoch2637BC = -2636;  // 2637 BC

// p is a cycle position 1..60.
int32_t StemNumber(int32_t p);    // 1..10, 1 = "jia"
int32_t BranchIndex(int32_t p);   // 0..11, 0 = rat ("zi")
int32_t ElementIndex(int32_t p);  // 0..4, 0 = wood
// The position with element index e (0..4) and branch index b (0..11); 0 when
// either is out of range.
int32_t CyclePositionOf(int32_t e, int32_t b);

int32_t PositionOfYear(int32_t year);
int32_t CycleOfYear(int32_t year, int32_t epoch);
int32_t YearOfCyclePosition(int32_t cycle, int32_t position, int32_t epoch);
// The same, without overflow for any cycle a reader can produce.
int64_t YearOfCyclePosition64(int64_t cycle, int64_t position, int64_t epoch);
int32_t DayCyclePosition(int32_t jdn);
int32_t MonthCyclePosition(const ChlDate& d);  // a leap month has its ordinary month's names

// The linear "Overseas Chinese" year count (2024 is 4721 under either epoch).
int32_t OverseasChineseYear(int32_t cycle, int32_t position, int32_t epoch);
struct CyclePosition {
  int32_t cycle = 0;
  int32_t position = 0;
};
CyclePosition CycleOfOverseasYear(int32_t overseasYear, int32_t epoch);

}  // namespace tavro
