// The system's layer over the engine: phase times in UT, lunation lookup,
// quarter phase of a moment, guarded Moon position, delta T.
#pragma once

#include <cstdint>

namespace tavro {

inline constexpr double MeanSynodicMonth = 29.5305888531;

double DeltaTMinutes(int32_t year);
double DeltaTAt(double jd);  // jd rounded half to even, its CE year
double SyzygyUT(int32_t n, int16_t q);
double DarkMoonZero();       // SyzygyUT(0, 0), computed once
int32_t LunationContaining(double ajd);
int16_t PhaseInLunationTT(int32_t n, double jdTT, bool& exact);
int16_t GetPhase(int32_t n, double ajd, bool& exact);
double MoonPosition(double ajd, double& spare);  // -99 before 1600, -100 after 2099

}  // namespace tavro
