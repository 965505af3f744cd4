#pragma once

#include <string>
#include <vector>

#include "moon_pictures.h"

namespace tavro::assets {

// A contact sheet for checking the pictures by eye: the Moon bitmaps plain and
// as the main window shades them for crescents and gibbous phases, on each
// country's colour, the stem and branch characters, and the day pictures.
bool WritePreview(const std::string& path, const std::vector<NamedPicture>& pictures);

}  // namespace tavro::assets
