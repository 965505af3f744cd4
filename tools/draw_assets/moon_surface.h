#pragma once

#include <vector>

#include "vec3.h"

namespace tavro::assets {

// The near side of the Moon as a function on the unit sphere: the maria and the
// best-known craters at their real places, plus seeded random highland craters
// and fractal mottling. Deterministic, so the pictures can be remade exactly.
class MoonSurface {
 public:
  MoonSurface();

  // Normal albedo, about 0.35 in the darkest maria and 1.0 on the brightest rays.
  double Albedo(Vec3 p) const;
  // Relief relative to the sphere (unit radius), for shading by the slope.
  double Height(Vec3 p) const;
  // Unit surface normal including the relief.
  Vec3 Normal(Vec3 p) const;

 private:
  struct Patch {  // one round piece of a mare
    Vec3 centre;
    double radius;  // radians
    double albedo;
  };
  struct Crater {
    Vec3 centre;
    double radius;  // radians
    double depth;
    double albedo;  // albedo change inside the crater and on its rim
  };
  struct Ray {
    Vec3 origin;
    Vec3 pole;       // pole of the great circle along which the ray runs
    Vec3 direction;  // tangent at the origin, pointing along the ray
    double length;   // radians
    double width;    // radians
    double strength;
  };

  double MareCover(Vec3 p, double* mareAlbedo) const;
  double RayBrightness(Vec3 p) const;

  std::vector<Patch> patches_;
  std::vector<Crater> craters_;
  std::vector<Ray> rays_;
};

}  // namespace tavro::assets
