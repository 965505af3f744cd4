// What the Moon display shows for a moment: lunation, age, illuminated
// fraction, phase name and the picture to draw, as plain values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavro {

// The eight picture cases, in the order they are tried.
enum class MoonCase : int {
  DarkMoon,
  FirstQuarter,
  FullMoon,
  LastQuarter,
  WaxingCrescent,
  WaxingGibbous,
  WaningGibbous,
  WaningCrescent,
};

struct MoonPicture {
  MoonCase kind = MoonCase::DarkMoon;
  std::string baseName;   // "darkmoon", "1stquarter", "fullmoon", "lastquarter"
  bool disc = false;      // false: the bitmap as it is; true: cut to the disc
  int cx = 0, cy = 0, r = 0;
  int shadeFrom = 0, shadeTo = -1;  // shaded columns, inclusive; empty when shadeTo < shadeFrom
  double e = 0;           // |1 - 2f|, the terminator's half-width over R
  bool paintInside = false;  // paint when g > dx^2 (crescents), else when g <= dx^2
};

struct MoonData {
  bool valid = false;      // false when GetPhase gave a negative code
  int16_t errorCode = 0;   // that code
  std::string errorMessage;  // "Error-1 when calling GetPhase() in DisplayMoonData()."
  int32_t lunation = 0;
  double age = 0;          // days since the lunation's dark moon
  double percent = 0;      // of the lunation
  std::string ageText;     // "[305] 12 days, 5 hrs, 30 mins (41.2%)", also set on error
  bool elongationMethod = false;  // true inside 1600..2099
  int16_t quarter = 0;     // last quarter phase reached, 0..3
  double fraction = 0;     // illuminated fraction, 0..1
  bool waxing = false;
  std::string phaseText;   // "Gibbous moon (waning), 87.3%"
  MoonPicture picture;
};

// All of the above for the moment `ajd` (UT), for a picture whose largest
// pixel coordinates are maxX, maxY.
MoonData ComputeMoonData(double ajd, int maxX = 89, int maxY = 89);

// "12 days, 5 hrs, 30 mins": whole days, hours and minutes, truncated.
std::string MoonAgeText(double age);

// The smaller angle between two longitudes (radians), in [0, pi].
double AngularSeparation(double a, double b);

// "Dark moon", "Crescent moon", "Half moon", "Gibbous moon" or "Full moon" for
// a percentage of illumination.
std::string MoonPhaseName(double percent);

// The phase label: name, waxing/waning suffix inside 0.05..99.95 %, percentage.
std::string MoonPhaseText(double fraction, bool waxing);

MoonPicture ChooseMoonPicture(double fraction, bool waxing, int maxX = 89, int maxY = 89);

// For each pixel (row-major, (maxX + 1) * (maxY + 1)), whether the picture
// paints it in the background colour: outside the disc (disc cases) or in
// the shaded part. The key-colour replacement depends on the bitmap and is
// left to whoever holds the pixels.
// "Error-1 when calling GetPhase() in DisplayMoonData()." for code -1.
std::string GetPhaseErrorText(int16_t code);

std::vector<bool> MoonShadeMask(const MoonPicture& picture, int maxX = 89, int maxY = 89);

}  // namespace tavro
