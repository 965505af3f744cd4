// Delta T per year from the library's model.
#include <atomic>
#include <cmath>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"

namespace tavro::engine {

namespace {

// Memoised years; a ready flag per slot keeps the table zero-initialised.
constexpr int32_t kFirstYear = -3100;
constexpr int32_t kLastYear = 3100;  // inclusive
struct Slot {
  std::atomic<double> minutes;
  std::atomic<bool> ready;
};
Slot g_table[kLastYear - kFirstYear + 1];

double ComputeMinutes(int32_t year) {
  // Evaluated at 2 July, 0h UT: the middle of the year, so the one value
  // stands for the whole year with the least error at either end.
  return DeltaTDays(GregorianJulianDate(year, 7, 2)) * 1440.0;
}

}  // namespace

void ClearDeltaTCache() {
  for (auto& slot : g_table) slot.ready.store(false, std::memory_order_relaxed);
}

}  // namespace tavro::engine

namespace tavro {

// The model constant is accepted for compatibility: the library's own model is
// used, with the tidal acceleration of the file ephemeris.
double _deltat(double year, int32_t /*model*/) {
  using namespace engine;
  if (!std::isfinite(year)) return 0.0;
  const double rounded = std::nearbyint(year);
  if (rounded < kFirstYear || rounded > kLastYear) return ComputeMinutes(static_cast<int32_t>(rounded));
  const int32_t y = static_cast<int32_t>(rounded);
  Slot& slot = g_table[y - kFirstYear];
  if (slot.ready.load(std::memory_order_acquire)) return slot.minutes.load(std::memory_order_relaxed);
  const double minutes = ComputeMinutes(y);
  slot.minutes.store(minutes, std::memory_order_relaxed);
  slot.ready.store(true, std::memory_order_release);
  return minutes;
}

}  // namespace tavro
