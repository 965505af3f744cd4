// The system's layer over the engine: phase times in UT, lunation lookup,
// quarter phase of a moment, guarded Moon position, delta T.
#pragma once

#include <cstdint>

namespace tavro {

inline constexpr double MeanSynodicMonth = 29.5305888531;

double DeltaTMinutes(int32_t year);
double DeltaTAt(double jd);  // jd rounded half to even, its CE year
// UT of an engine instant given in TT: the instant less the delta T of its own
// year. Every phase and solar-term instant goes between TT and UT by this one
// rule, so tables, listings, searches and the display all give it one time.
double UTOfTT(double jdTT);
double SyzygyUT(int32_t n, int16_t q);  // UTOfTT of the engine's phase instant
double DarkMoonZero();       // SyzygyUT(0, 0), computed once
int32_t LunationContaining(double ajd);
[[nodiscard]] int16_t PhaseInLunationTT(int32_t n, double jdTT, bool& exact);
// The last quarter q of lunation n reached at `ajd` (UT), read against the
// phase instants in UT; exact when at most 0.00005 day after it. -1 at or
// after the next dark moon, -2 before this one.
[[nodiscard]] int16_t GetPhase(int32_t n, double ajd, bool& exact);
double MoonPosition(double ajd, double& spare);  // -99 before 1600, -100 after 2099

}  // namespace tavro
