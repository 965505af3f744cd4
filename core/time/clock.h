// The present moment from the computer clock (declared in scales.h); this adds
// the arithmetic that turns a local date and clock time into an instant.
#pragma once

#include <cstdint>

namespace tavro {

// AJD of local date `jdn` at h:m:s on a clock `secondsEast` ahead of UT:
// jdn + (3600 h + 60 m + s - secondsEast) / 86400 - 0.5.
double AJDFromLocalClock(int32_t jdn, int hour, int minute, int second, int64_t secondsEast);

// Minus `secondsWest` in whole minutes, halves rounded to even.
int16_t MinutesEastOfSecondsWest(int32_t secondsWest);

}  // namespace tavro
