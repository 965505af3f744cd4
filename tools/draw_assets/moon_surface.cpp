#include "moon_surface.h"

#include <algorithm>
#include <cstdint>

namespace tavro::assets {
namespace {

// splitmix64: the same sequence on every platform, unlike <random>'s distributions.
class Sequence {
 public:
  explicit Sequence(std::uint64_t seed) : state_(seed) {}
  double Next() {  // uniform in [0, 1)
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
  }
  double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint64_t state_;
};

double LatticeValue(int x, int y, int z, int salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                    static_cast<std::uint32_t>(z) * 83492791u ^ static_cast<std::uint32_t>(salt) * 2654435761u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF) * 2.0 - 1.0;
}

double ValueNoise(Vec3 p, int salt) {
  const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  auto fade = [](double t) { return t * t * (3 - 2 * t); };
  const double u = fade(p.x - fx), v = fade(p.y - fy), w = fade(p.z - fz);
  auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
  double c[2][2];
  for (int j = 0; j < 2; ++j)
    for (int k = 0; k < 2; ++k)
      c[j][k] = lerp(LatticeValue(ix, iy + j, iz + k, salt), LatticeValue(ix + 1, iy + j, iz + k, salt), u);
  return lerp(lerp(c[0][0], c[1][0], v), lerp(c[0][1], c[1][1], v), w);
}

// Fractal noise in about [-1, 1].
double Fbm(Vec3 p, int octaves, int salt) {
  double sum = 0, amplitude = 0.5, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * ValueNoise(p, salt + i);
    norm += amplitude;
    p = 2.03 * p;
    amplitude *= 0.5;
  }
  return sum / norm;
}

double AngleBetween(Vec3 a, Vec3 b) { return std::acos(std::clamp(Dot(a, b), -1.0, 1.0)); }

struct MarePiece {
  double lat, lon, radiusDeg, albedo;
};

// The maria, each built of a few round pieces so that the outlines come out irregular.
constexpr MarePiece kMaria[] = {
    {34, -17, 16, 0.47}, {27, -8, 9, 0.47},    {42, -27, 8, 0.47},   // Imbrium
    {28, 17, 10.5, 0.41},                                             // Serenitatis
    {37, 29, 4.5, 0.45},  {26, 34, 4, 0.45},                          // Somniorum
    {8, 29, 10, 0.41},   {14, 37, 6.5, 0.41},  {2, 22, 6, 0.42},     // Tranquillitatis
    {4, 38, 5, 0.42},
    {17, 59, 8, 0.40},                                                // Crisium
    {-3, 49, 7, 0.44},   {-12, 52, 6.5, 0.44}, {3, 55, 4.5, 0.44},   // Fecunditatis
    {-16, 34, 5.5, 0.43},                                             // Nectaris
    {-20, -16, 10, 0.47}, {-12, -23, 5.5, 0.47}, {-28, -20, 5, 0.47}, // Nubium, Cognitum
    {-24, -39, 6.5, 0.44},                                            // Humorum
    {22, -58, 13, 0.48}, {5, -56, 12, 0.48},   {-7, -50, 9, 0.48},   // Procellarum
    {36, -51, 10, 0.48}, {12, -43, 10, 0.48},  {-14, -43, 6, 0.48},
    {28, -67, 8, 0.48},  {45, -40, 6, 0.48},
    {7, -30, 7.5, 0.48}, {12, -9, 4.5, 0.48},                         // Insularum, Aestuum
    {14, 4, 5, 0.46},    {2, 1, 3, 0.48},                             // Vaporum, Medii
    {55, -28, 5, 0.48},  {57, -12, 5, 0.48},   {57, 4, 5, 0.48},     // Frigoris
    {56, 20, 5, 0.48},   {58, -42, 4, 0.48},   {53, 33, 4, 0.48},
    {13, 86, 5, 0.46},   {-2, 86, 5, 0.46},    {7, 69, 3, 0.46},     // limb maria
    {-5, -68, 2.6, 0.40},                                             // Grimaldi's floor
    {30, -35, 8, 0.48},  {19, -38, 7, 0.48},                          // joins between maria
    {23, 6, 4, 0.46},    {18, 24, 5, 0.42},    {0, 42, 5, 0.43},
    {-8, 33, 4, 0.43},   {-4, -25, 5, 0.47},   {-18, -45, 4, 0.47},
};

struct NamedCrater {
  double lat, lon, radiusDeg, depth, albedo, rays;
};

// Young bright craters carry rays; old flooded ones have dark floors.
constexpr NamedCrater kNamedCraters[] = {
    {-43.3, -11.2, 2.2, 0.35, 0.32, 1.0},   // Tycho
    {9.6, -20.1, 1.8, 0.35, 0.22, 0.6},     // Copernicus
    {8.1, -38.0, 1.1, 0.30, 0.22, 0.35},    // Kepler
    {23.7, -47.4, 0.9, 0.30, 0.45, 0.25},   // Aristarchus
    {16.1, 46.8, 0.8, 0.30, 0.25, 0.25},    // Proclus
    {-8.9, 61.1, 2.3, 0.30, 0.08, 0.0},     // Langrenus
    {-25.1, 60.4, 3.0, 0.25, 0.05, 0.0},    // Petavius
    {-11.4, 26.4, 1.7, 0.35, 0.06, 0.0},    // Theophilus
    {-58.4, -14.4, 3.8, 0.25, 0.0, 0.0},    // Clavius
    {-9.3, -1.9, 2.6, 0.15, -0.04, 0.0},    // Ptolemaeus
    {-50.4, -6.2, 2.7, 0.25, 0.02, 0.0},    // Maginus
    {51.6, -9.4, 1.7, 0.12, -0.18, 0.0},    // Plato
    {-18.1, 30.0, 1.5, 0.3, 0.04, 0.0},     // Catharina, Cyrillus
    {32.8, 6.5, 1.6, 0.3, 0.05, 0.0},       // Aristoteles region
};

}  // namespace

MoonSurface::MoonSurface() {
  for (const MarePiece& m : kMaria)
    patches_.push_back({FromLatLon(m.lat, m.lon), Radians(m.radiusDeg), m.albedo});

  Sequence random(20240210);
  for (const NamedCrater& c : kNamedCraters) {
    const Vec3 centre = FromLatLon(c.lat, c.lon);
    const double radius = Radians(c.radiusDeg);
    craters_.push_back({centre, radius, c.depth * radius, c.albedo});
    if (c.rays <= 0) continue;
    craters_.push_back({centre, 3.5 * radius, 0, 0.12 * c.rays});  // bright nimbus, no relief
    const Vec3 east = Normalised(Cross({0, 1, 0}, centre));
    const Vec3 north = Cross(centre, east);
    const int count = 18;
    for (int i = 0; i < count; ++i) {
      const double az = 2 * kPi * (i + random.Between(-0.35, 0.35)) / count;
      const Vec3 dir = Normalised(std::cos(az) * north + std::sin(az) * east);
      rays_.push_back({centre, Normalised(Cross(centre, dir)), dir,
                       random.Between(0.35, 1.0) * c.rays, random.Between(0.010, 0.022),
                       random.Between(0.12, 0.28)});
    }
  }

  // Random craters, crowded in the highlands and sparse on the maria.
  for (int made = 0, tries = 0; made < 320 && tries < 20000; ++tries) {
    const double z = random.Between(-1, 1), lon = random.Between(-kPi, kPi);
    const double r = std::sqrt(1 - z * z);
    const Vec3 centre{r * std::sin(lon), z, r * std::cos(lon)};
    if (centre.z < -0.1) continue;  // far side
    double mareAlbedo = 0;
    const double onMare = MareCover(centre, &mareAlbedo);
    if (random.Next() < 0.93 * onMare) continue;
    // Many small, few large: radius from 0.6 to 4.5 degrees.
    const double size = std::pow(random.Next(), 2.2);
    const double radius = Radians(0.6 + 3.9 * size);
    craters_.push_back({centre, radius, radius * random.Between(0.15, 0.35), random.Between(0.0, 0.05)});
    ++made;
  }
}

double MoonSurface::MareCover(Vec3 p, double* mareAlbedo) const {
  // Warp the point a little so that the round pieces get ragged shores.
  const Vec3 q = Normalised(p + 0.09 * Vec3{Fbm(9.0 * p, 5, 11), Fbm(9.0 * p, 5, 12), Fbm(9.0 * p, 5, 13)});
  const double soft = 0.045;
  double cover = 0;
  *mareAlbedo = 0.47;
  for (const Patch& m : patches_) {
    if (Dot(q, m.centre) < std::cos(m.radius + soft)) continue;
    const double c = SmoothStep(m.radius + soft, m.radius - soft, AngleBetween(q, m.centre));
    if (c > cover) {
      cover = c;
      *mareAlbedo = m.albedo;
    }
  }
  return cover;
}

double MoonSurface::RayBrightness(Vec3 p) const {
  double sum = 0;
  for (const Ray& r : rays_) {
    if (Dot(p, r.direction) <= 0) continue;
    const double along = AngleBetween(p, r.origin);
    if (along > r.length) continue;
    const double across = std::asin(std::clamp(std::fabs(Dot(p, r.pole)), 0.0, 1.0));
    const double widen = 1 + 2 * along / r.length;  // rays fan out
    sum += r.strength * std::exp(-std::pow(across / (r.width * widen), 2)) * (1 - along / r.length);
  }
  return sum * (0.7 + 0.3 * Fbm(30.0 * p, 2, 51));
}

double MoonSurface::Albedo(Vec3 p) const {
  // Highlands: bright, mottled, brightest in the cratered south.
  double highland = 0.82 + 0.10 * Fbm(6.0 * p, 5, 1) + 0.06 * Fbm(28.0 * p, 3, 21) - 0.04 * p.y;
  double mareAlbedo = 0;
  const double cover = MareCover(p, &mareAlbedo);
  const double mare = mareAlbedo + 0.07 * Fbm(7.0 * p, 4, 31) + 0.025 * Fbm(30.0 * p, 2, 41);
  double albedo = highland + (mare - highland) * cover;

  for (const Crater& c : craters_) {
    const double d = Dot(p, c.centre);
    if (d < std::cos(1.6 * c.radius)) continue;
    const double t = AngleBetween(p, c.centre) / c.radius;
    albedo += c.albedo * SmoothStep(1.3, 0.9, t);
  }
  albedo += RayBrightness(p);
  return std::clamp(albedo, 0.2, 1.1);
}

double MoonSurface::Height(Vec3 p) const {
  double h = 0.004 * Fbm(12.0 * p, 4, 61);
  for (const Crater& c : craters_) {
    const double d = Dot(p, c.centre);
    if (c.depth == 0 || d < std::cos(2.2 * c.radius)) continue;
    const double t = AngleBetween(p, c.centre) / c.radius;
    const double rim = 0.25;
    h += c.depth * (t < 1 ? (t * t - 1) + rim : rim * std::exp(-std::pow((t - 1) / 0.35, 2)));
  }
  return h;
}

Vec3 MoonSurface::Normal(Vec3 p) const {
  const Vec3 helper = std::fabs(p.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  const Vec3 e1 = Normalised(Cross(helper, p));
  const Vec3 e2 = Cross(p, e1);
  const double step = 0.004;
  const double h0 = Height(p);
  // Relief fades towards the limb, where foreshortening would squeeze it into noise.
  const double keep = SmoothStep(0.0, 0.35, p.z) / step;
  const double d1 = (Height(Normalised(p + step * e1)) - h0) * keep;
  const double d2 = (Height(Normalised(p + step * e2)) - h0) * keep;
  return Normalised(p - d1 * e1 - d2 * e2);
}

}  // namespace tavro::assets
