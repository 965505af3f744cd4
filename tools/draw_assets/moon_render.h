#pragma once

#include <vector>

#include "moon_surface.h"

namespace tavro::assets {

struct Colour {
  double r = 0, g = 0, b = 0;
};

// How one Moon picture is seen and lit.
struct MoonView {
  int width = 90, height = 90;
  double cx = 44, cy = 45;  // disc centre, in pixel-centre coordinates
  double radius = 44.5;     // sphere radius in pixels
  int supersample = 4;      // sub-samples per pixel along each axis
  Vec3 sun{0, 0, 1};        // direction towards the Sun (viewer along +z)
  double earthshine = 0;    // brightness of the Earth-lit night side
  Colour tint{1, 1, 1};     // colour of sunlight on the surface
  Colour nightTint{0.80, 0.88, 1.0};
};

// Colour (display values 0..1) and disc coverage (0..1) of each pixel, row by row.
struct MoonImage {
  int width = 0, height = 0;
  std::vector<Colour> colour;   // mean over the sub-samples that fall on the disc
  std::vector<double> coverage;  // share of sub-samples on the disc
};

MoonImage RenderMoon(const MoonSurface& surface, const MoonView& view);

}  // namespace tavro::assets
