// Quarter phases of the Moon: the TT instant at which the apparent elongation
// of the Moon from the Sun is 0, 90, 180 or 270 degrees.
#include <atomic>
#include <cmath>
#include <mutex>
#include <unordered_map>

#include "core/astro/engine/engine.h"
#include "core/astro/engine/internal.h"
#include "core/astro/engine/library.h"
#include "core/time/floor_div.h"

namespace tavro::engine {

double Wrap180(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r > 180.0) r -= 360.0;
  if (r <= -180.0) r += 360.0;
  return r;
}

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// Starting point: the mean phase with its largest periodic corrections
// (Astronomical Algorithms, ch. 49). Lunation 0 of the engine is k = 0 there.
// It lands within a few minutes of the true instant, so Newton's method with
// the bodies' rates needs two evaluations of the elongation almost always.
double PhaseEstimate(int32_t n, int32_t q) {
  const double k = n + q / 4.0;
  const double T = k / 1236.85;
  const double T2 = T * T;
  const double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T2 * T +
                     0.00000000073 * T2 * T2;
  const double E = 1.0 - 0.002516 * T - 0.0000074 * T2;
  const double M = (2.5534 + 29.10535670 * k - 0.0000014 * T2) * kDegree;
  const double Mp = (201.5643 + 385.81693528 * k + 0.0107582 * T2) * kDegree;
  const double F = (160.7108 + 390.67050284 * k - 0.0016118 * T2) * kDegree;
  double c = 0;
  if (q == 0 || q == 2) {
    const bool fullMoon = q == 2;
    c = (fullMoon ? -0.40614 : -0.40720) * std::sin(Mp) + (fullMoon ? 0.17302 : 0.17241) * E * std::sin(M) +
        (fullMoon ? 0.01614 : 0.01608) * std::sin(2 * Mp) + (fullMoon ? 0.01043 : 0.01039) * std::sin(2 * F) +
        (fullMoon ? 0.00734 : 0.00739) * E * std::sin(Mp - M) - (fullMoon ? 0.00515 : 0.00514) * E * std::sin(Mp + M) +
        (fullMoon ? 0.00209 : 0.00208) * E * E * std::sin(2 * M);
  } else {
    c = -0.62801 * std::sin(Mp) + 0.17172 * E * std::sin(M) - 0.01183 * E * std::sin(Mp + M) +
        0.00862 * std::sin(2 * Mp) + 0.00804 * std::sin(2 * F) + 0.00454 * E * std::sin(Mp - M) +
        0.00204 * E * E * std::sin(2 * M);
    const double W = 0.00306 - 0.00038 * E * std::cos(M) + 0.00026 * std::cos(Mp);
    c += q == 1 ? W : -W;
  }
  return jde + c;
}

// Lunations held in a fixed lock-free table: the admissible range with a
// margin (about -3010 to 3015 CE). Slots hold 0 until computed; no phase
// instant is 0.
constexpr int32_t kFirstLunation = -62100;
constexpr int32_t kLastLunation = 12500;  // exclusive
constexpr size_t kSlots = static_cast<size_t>(kLastLunation - kFirstLunation) * 4;
std::atomic<double> g_table[kSlots];

std::mutex g_overflowMutex;
std::unordered_map<int64_t, double> g_overflow;  // lunations outside the table

double Refine(int32_t q, double t) {
  const double target = 90.0 * q;
  for (int i = 0; i < 20; ++i) {
    Longitude sun, moon;
    SunAndMoonTT(t, sun, moon);
    const double f = Wrap180(moon.degrees - sun.degrees - target);
    const double step = -f / (moon.speed - sun.speed);
    t += step;
    // Convergence is quadratic: after a step below 1e-6 day (0.09 s) the
    // remaining error is of order 1e-13 day.
    if (std::fabs(step) < 1e-6) break;
  }
  return t;
}

}  // namespace

double SolveSyzygy(int32_t n, int32_t q) { return Refine(q, PhaseEstimate(n, q)); }

double SolveSyzygyFromMeanLunation(int32_t n, int32_t q) {
  return Refine(q, 2451550.09766 + 29.530588861 * (n + q / 4.0));
}

void ClearSyzygyCache() {
  for (auto& slot : g_table) slot.store(0.0, std::memory_order_relaxed);
  std::lock_guard lock(g_overflowMutex);
  g_overflow.clear();
}

}  // namespace tavro::engine

namespace tavro {

double _syzyg(int32_t n, int32_t q, double* work) {
  using namespace engine;
  // Quarters beyond 0..3 roll over into neighbouring lunations.
  n += FloorDiv(q, 4);
  q = FloorMod(q, 4);
  double t = 0;
  if (n >= kFirstLunation && n < kLastLunation) {
    std::atomic<double>& slot = g_table[static_cast<size_t>(n - kFirstLunation) * 4 + q];
    t = slot.load(std::memory_order_acquire);
    if (t == 0.0) {
      // Two threads may solve the same slot at once; both store the same value.
      t = SolveSyzygy(n, q);
      slot.store(t, std::memory_order_release);
    }
  } else {
    const int64_t key = static_cast<int64_t>(n) * 4 + q;
    {
      std::lock_guard lock(g_overflowMutex);
      auto it = g_overflow.find(key);
      if (it != g_overflow.end()) t = it->second;
    }
    if (t == 0.0) {
      t = SolveSyzygy(n, q);
      std::lock_guard lock(g_overflowMutex);
      g_overflow[key] = t;
    }
  }
  if (work) *work = t;
  return t;
}

}  // namespace tavro
