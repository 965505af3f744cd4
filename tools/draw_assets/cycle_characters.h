#pragma once

#include <string>
#include <vector>

#include "moon_pictures.h"

namespace tavro::assets {

// stem1.bmp .. stem10.bmp (jia .. gui) and branch1.bmp .. branch12.bmp (zi .. hai):
// the character in black on the key colour, size x size pixels, two colours only
// so that every background pixel takes the window's colour. Needs a
// QGuiApplication. Returns no pictures and sets *error when the font is missing.
std::vector<NamedPicture> DrawCycleCharacters(int size, std::string* error);

}  // namespace tavro::assets
