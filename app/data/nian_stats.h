// The number of months of a nian and how often the solar terms J1 and Z1 fall
// in it, read from the lunar-year tables built around its new year's day.
#pragma once

#include <cstdint>

#include "core/chinese/chinese_date.h"

namespace tavro {

struct NianStats {
  int months = -1;  // -1 when the tables do not hold the nian
  int j1 = 0;       // terms of index 3 ("J1")
  int z1 = 0;       // terms of index 4 ("Z1")
};

// `newYear` is day 1 of month 1 with its day number in `jdn`; its cycle and
// position name the nian.
NianStats NianStatistics(const ChlDate& newYear, int longitude);

}  // namespace tavro
