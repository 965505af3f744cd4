// The 24 solar terms and the equinoxes and solstices.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavro {

// Index 0..23 from the December solstice; longitude (270 + 15 i) mod 360.
extern const std::array<std::string, 24> SolarTermCodes;    // "Z11", "J12", ...
extern const std::array<std::string, 24> SolarTermPinyin;   // "Dong zhi", ...
extern const std::array<std::string, 24> SolarTermEnglish;  // "Winter solstice", ...

enum QuarterKind : int { MarchEquinox = 0, JuneSolstice = 1, SeptemberEquinox = 2, DecemberSolstice = 3 };

double QuarterPointJDE(int kind, int32_t year);
double QuarterPointUT(int kind, int32_t year);

// ToCJDC of QuarterPointUT, at reference longitude L (whole degrees East).
double MarchEquinoxCJDC(int32_t year, int longitude);
double JuneSolsticeCJDC(int32_t year, int longitude);
double SeptemberEquinoxCJDC(int32_t year, int longitude);
double DecemberSolsticeCJDC(int32_t year, int longitude);

}  // namespace tavro
