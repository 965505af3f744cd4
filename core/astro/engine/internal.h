// Engine internals shared by its source files, its tests and the benchmarks.
#pragma once

#include <cstdint>

namespace tavro::engine {

// Root-finders without memoisation.
double SolveSyzygy(int32_t n, int32_t q);
// The same Newton iteration started from the plain mean lunation, and the
// library's own Sun-crossing search: the baselines the benchmarks compare with.
double SolveSyzygyFromMeanLunation(int32_t n, int32_t q);
double LibrarySunCrossing(double longitude, double jdTT);
// The six crossings of quarter interval `quarter` (0 = the December solstice
// of 2000, consecutive quarters of the tropical year).
void SolveQuarterInterval(int64_t quarter, double out[6]);
int64_t QuarterIndexNear(double jdTT);

// Forget every memoised result (benchmarks measure cold costs with it).
void ClearCaches();
void ClearSyzygyCache();
void ClearSolarTermCache();
void ClearDeltaTCache();

// Angle reduced to (-180, 180] degrees.
double Wrap180(double degrees);

}  // namespace tavro::engine
