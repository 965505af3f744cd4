// The options every calendar computation reads: passed explicitly, never global.
#pragma once

namespace tavro {

// The reference meridians offered, whole degrees East; each has a zone designation.
inline constexpr int kFirstLongitude = 100, kLastLongitude = 145;
inline constexpr int kLongitudeCount = kLastLongitude - kFirstLongitude + 1;

struct Settings {
  int referenceLongitude = 120;  // whole degrees East, 100..145
  int epoch = -2696;             // astronomical CE year that begins cycle 1: -2696 or -2636
  int method = 0;                // solar-term method: 0 true sun, 1 mean sun
};

}  // namespace tavro
