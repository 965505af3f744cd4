#include "moon_render.h"

#include <algorithm>
#include <cmath>

namespace tavro::assets {
namespace {

// Sunlit brightness: a blend of the Lommel-Seeliger law, which keeps the full
// Moon evenly bright, and Lambert's law, which darkens the limb a little.
// Both cosines use the local normal: at full Moon the Lommel-Seeliger part is
// then the same everywhere and the relief disappears, as it does in the sky.
double SunlitBrightness(double albedo, Vec3 normal, Vec3 sun) {
  const double mu0 = Dot(normal, sun);
  if (mu0 <= 0) return 0;
  const double mu = std::max(normal.z, 0.02);
  const double lommel = std::min(2 * mu0 / (mu0 + mu), 1.4);
  return 1.08 * albedo * (0.6 * lommel + 0.4 * mu0);
}

double ToDisplay(double linear) { return std::pow(std::clamp(linear, 0.0, 1.0), 0.8); }

}  // namespace

MoonImage RenderMoon(const MoonSurface& surface, const MoonView& view) {
  MoonImage image;
  image.width = view.width;
  image.height = view.height;
  image.colour.resize(static_cast<size_t>(view.width * view.height));
  image.coverage.resize(image.colour.size());
  const Vec3 sun = Normalised(view.sun);
  const int n = view.supersample;
  for (int py = 0; py < view.height; ++py) {
    for (int px = 0; px < view.width; ++px) {
      Colour sum;
      int inside = 0;
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          const double x = (px - 0.5 + (sx + 0.5) / n - view.cx) / view.radius;
          const double y = (view.cy - (py - 0.5 + (sy + 0.5) / n)) / view.radius;
          const double rr = x * x + y * y;
          if (rr >= 1) continue;
          ++inside;
          const Vec3 p{x, y, std::sqrt(1 - rr)};
          const double albedo = surface.Albedo(p);
          // The night side stays dark whatever the relief says.
          const double lit = Dot(p, sun) > 0 ? SunlitBrightness(albedo, surface.Normal(p), sun) : 0;
          const double night = view.earthshine * albedo * (0.55 + 0.45 * p.z);
          sum.r += ToDisplay(lit * view.tint.r + night * view.nightTint.r);
          sum.g += ToDisplay(lit * view.tint.g + night * view.nightTint.g);
          sum.b += ToDisplay(lit * view.tint.b + night * view.nightTint.b);
        }
      }
      const size_t i = static_cast<size_t>(py * view.width + px);
      image.coverage[i] = static_cast<double>(inside) / (n * n);
      if (inside > 0) image.colour[i] = {sum.r / inside, sum.g / inside, sum.b / inside};
    }
  }
  return image;
}

}  // namespace tavro::assets
