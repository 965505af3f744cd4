// Floor division and non-negative remainder: C++ '/' and '%' truncate toward
// zero, which is wrong for years before 0 and negative cycles.
#pragma once

#include <cstdint>

namespace tavro {

template <typename T>
constexpr T FloorDiv(T a, T b) {
  T q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

template <typename T>
constexpr T FloorMod(T a, T b) {
  return a - FloorDiv(a, b) * b;
}

static_assert(FloorDiv(-1, 60) == -1 && FloorMod(-1, 60) == 59);
static_assert(FloorDiv(-60, 60) == -1 && FloorMod(-60, 60) == 0);
static_assert(FloorDiv(59, 60) == 0 && FloorMod(61, 60) == 1);

}  // namespace tavro
