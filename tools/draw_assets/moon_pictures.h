#pragma once

#include <string>
#include <vector>

#include "image_files.h"

namespace tavro::assets {

struct NamedPicture {
  std::string fileName;
  RgbImage image;
};

// Pixels of exactly this colour take the window's background colour.
constexpr Rgb kKeyColour{200, 0, 0};
// The month calendar's fixed background.
constexpr Rgb kCalendarBackground{198, 0, 0};

// The four Moon bitmaps for each country (no suffix, "_jp", "_vn"): 90 x 90,
// disc centre (44, 45), radius 44, key colour outside the disc and on the
// unlit half of the quarters.
std::vector<NamedPicture> DrawMoonBitmaps();

// day1.gif .. day32.gif without day8 and day24: the calendar cell n shows
// file n + 1, and the used cells hold lunar days 1..30 in order.
std::vector<NamedPicture> DrawDayPictures();

// Lunar day shown by the picture dayN.gif (0 for the two numbers never used).
int LunarDayOfPicture(int n);

}  // namespace tavro::assets
