// Solar terms by the true sun: the TT instants at which the Sun's apparent
// longitude reaches a multiple of 15 degrees, one quarter of the year at a time.
#include <array>
#include <atomic>
#include <cmath>
#include <mutex>
#include <unordered_map>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"

namespace tavro::engine {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// December solstice of 2000 (JDE) and a quarter of the mean tropical year:
// a quarter point is never more than a few days from its mean instant, so
// rounding picks the right one anywhere in the supported range.
constexpr double kQuarterZero = 2451900.05952;
constexpr double kQuarterDays = 365.242189 / 4.0;

// A low-accuracy Sun (mean elements and equation of the centre; Astronomical
// Algorithms, ch. 25): good to a few hundredths of a degree near the present,
// it only provides starting points for the root-finder.
double ModelLongitude(double jd, double* speed) {
  const double T = (jd - 2451545.0) / 36525.0;
  const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
  const double M = (357.52911 + 35999.05029 * T - 0.0001537 * T * T) * kDegree;
  const double c1 = 1.914602 - 0.004817 * T - 0.000014 * T * T;
  const double c2 = 0.019993 - 0.000101 * T;
  const double C = c1 * std::sin(M) + c2 * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
  const double omega = (125.04 - 1934.136 * T) * kDegree;
  if (speed) {
    const double dM = 35999.05029 / 36525.0 * kDegree;  // radians per day
    *speed = 36000.76983 / 36525.0 + (c1 * std::cos(M) + 2 * c2 * std::cos(2 * M)) * dM;
  }
  return L0 + C - 0.00569 - 0.00478 * std::sin(omega);
}

// Instant near `t` at which the model longitude equals `target` degrees.
double ModelCrossing(double target, double t) {
  for (int i = 0; i < 4; ++i) {
    double speed = 1;
    const double lon = ModelLongitude(t, &speed);
    t -= Wrap180(lon - target) / speed;
  }
  return t;
}

// Newton's method on the apparent longitude, with its rate from the library.
double RefineCrossing(double target, double t) {
  for (int i = 0; i < 20; ++i) {
    const Longitude sun = SunTT(t);
    const double step = -Wrap180(sun.degrees - target) / sun.speed;
    t += step;
    if (std::fabs(step) < 1e-6) break;  // quadratic: the error left is ~1e-15 day
  }
  return t;
}

// Quarters of about -3010 to 3015 CE in a fixed lock-free table.
constexpr int64_t kFirstQuarter = -20100;
constexpr int64_t kLastQuarter = 4100;  // exclusive
struct Slot {
  std::array<std::atomic<double>, 6> t;
  std::atomic<bool> ready;
};
Slot g_table[kLastQuarter - kFirstQuarter];

std::mutex g_overflowMutex;
std::unordered_map<int64_t, std::array<double, 6>> g_overflow;

}  // namespace

int64_t QuarterIndexNear(double jdTT) { return std::llround((jdTT - kQuarterZero) / kQuarterDays); }

void SolveQuarterInterval(int64_t quarter, double out[6]) {
  // Quarter 0 starts at 270 degrees (December solstice).
  const double lambda0 = static_cast<double>((((quarter % 4) + 4) % 4 + 3) % 4) * 90.0;
  const double mean = kQuarterZero + static_cast<double>(quarter) * kQuarterDays;
  double t = RefineCrossing(lambda0, ModelCrossing(lambda0, mean));
  out[0] = t;
  for (int j = 1; j < 6; ++j) {
    // The model's step from one term to the next is far better than its
    // absolute position, so the start is offset by its error at the last root.
    const double offset = Wrap180(ModelLongitude(t, nullptr) - (lambda0 + 15.0 * (j - 1)));
    const double target = lambda0 + 15.0 * j;
    t = RefineCrossing(target, ModelCrossing(target + offset, t + 15.2));
    out[j] = t;
  }
}

void ClearSolarTermCache() {
  for (auto& slot : g_table) slot.ready.store(false, std::memory_order_relaxed);
  std::lock_guard lock(g_overflowMutex);
  g_overflow.clear();
}

}  // namespace tavro::engine

namespace tavro {

// The interval is identified by the quarter point nearest t0; t1 only marks
// its end and is not needed to find the crossings.
void _solar_terms_true_sun(double t0, double /*t1*/, double out[6]) {
  using namespace engine;
  const int64_t quarter = QuarterIndexNear(t0);
  if (quarter >= kFirstQuarter && quarter < kLastQuarter) {
    Slot& slot = g_table[quarter - kFirstQuarter];
    if (!slot.ready.load(std::memory_order_acquire)) {
      double t[6];
      SolveQuarterInterval(quarter, t);
      // Concurrent solvers store identical values.
      for (int j = 0; j < 6; ++j) slot.t[j].store(t[j], std::memory_order_relaxed);
      slot.ready.store(true, std::memory_order_release);
    }
    for (int j = 0; j < 6; ++j) out[j] = slot.t[j].load(std::memory_order_relaxed);
    return;
  }
  {
    std::lock_guard lock(g_overflowMutex);
    auto it = g_overflow.find(quarter);
    if (it != g_overflow.end()) {
      for (int j = 0; j < 6; ++j) out[j] = it->second[j];
      return;
    }
  }
  std::array<double, 6> t;
  SolveQuarterInterval(quarter, t.data());
  std::lock_guard lock(g_overflowMutex);
  g_overflow[quarter] = t;
  for (int j = 0; j < 6; ++j) out[j] = t[j];
}

}  // namespace tavro
