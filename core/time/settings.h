// The options every calendar computation reads: passed explicitly, never global.
#pragma once

namespace tavro {

struct Settings {
  int referenceLongitude = 120;  // whole degrees East, 100..145
  int epoch = -2696;             // astronomical CE year that begins cycle 1: -2696 or -2636
  int method = 0;                // solar-term method: 0 true sun, 1 mean sun
};

}  // namespace tavro
