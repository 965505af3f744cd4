#include "core/chinese/chinese_date.h"

#include "core/time/floor_div.h"

namespace tavro {

int32_t StemNumber(int32_t p) { return FloorMod(p - 1, 10) + 1; }

int32_t BranchIndex(int32_t p) { return FloorMod(p - 1, 12); }

int32_t ElementIndex(int32_t p) {
  // ceil(p / 2) - 1 == floor((p - 1) / 2)
  return FloorMod(FloorDiv(p - 1, 2), 5);
}

int32_t CyclePositionOf(int32_t e, int32_t b) {
  if (e < 0 || e > 4 || b < 0 || b > 11) return 0;
  if (b % 2 == 1) return (2 * e + 1 < b) ? 12 * e - 5 * b + 67 : 12 * e - 5 * b + 7;
  return (2 * e < b) ? 12 * e - 5 * b + 61 : 12 * e - 5 * b + 1;
}

int32_t PositionOfYear(int32_t year) {
  return static_cast<int32_t>(FloorMod<int64_t>(int64_t{year} + 2696, 60)) + 1;
}

int32_t CycleOfYear(int32_t year, int32_t epoch) {
  return static_cast<int32_t>(FloorDiv<int64_t>(int64_t{year} - epoch, 60)) + 1;
}

int64_t YearOfCyclePosition64(int64_t cycle, int64_t position, int64_t epoch) {
  return (cycle - 1) * 60 + epoch + position - 1;
}

int32_t YearOfCyclePosition(int32_t cycle, int32_t position, int32_t epoch) {
  return static_cast<int32_t>(YearOfCyclePosition64(cycle, position, epoch));
}

int32_t DayCyclePosition(int32_t jdn) { return FloorMod(FloorMod(jdn, 60) + 49, 60) + 1; }

int32_t MonthCyclePosition(const ChlDate& d) {
  const int32_t element = FloorMod(12 * FloorMod(d.position, 5) + d.month - 1, 10) / 2;
  const int32_t branch = FloorMod(d.month + 1, 12);
  return CyclePositionOf(element, branch);
}

int32_t OverseasChineseYear(int32_t cycle, int32_t position, int32_t epoch) {
  return (epoch == Epoch2637BC ? cycle : cycle - 1) * 60 + position;
}

CyclePosition CycleOfOverseasYear(int32_t overseasYear, int32_t epoch) {
  CyclePosition r;
  r.cycle = FloorDiv(overseasYear - 1, 60) + 1 - (epoch == Epoch2637BC ? 1 : 0);
  r.position = FloorMod(overseasYear - 1, 60) + 1;
  return r;
}

}  // namespace tavro
