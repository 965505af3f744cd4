// The instant the Sun reaches a given apparent longitude, for calendar days
// that are not solar terms (the Japanese zassetsu: 80, 100, 27 + 90 k degrees).
#pragma once

namespace tavro {

// UT Julian date at which the Sun's apparent geocentric longitude reaches
// `degrees` (any value; taken mod 360), the crossing nearest `nearAjd` (a UT
// Julian date within about three months of it). NaN when the iteration does
// not settle, which the ephemeris never gives inside the admissible range.
double SunAtLongitudeUT(double degrees, double nearAjd);

}  // namespace tavro
