#include "moon_pictures.h"

#include <cmath>

#include "moon_render.h"

namespace tavro::assets {
namespace {

constexpr int kMoonSize = 90;
constexpr int kCx = (kMoonSize - 1) / 2;      // 44
constexpr int kCy = (kMoonSize - 1) / 2 + 1;  // 45
constexpr int kRadius = kCx;                  // 44

constexpr int kDaySize = 48;  // fits above the lunar day label of a calendar cell
constexpr double kSynodicMonth = 29.530589;

struct Country {
  const char* suffix;
  Colour sunlight;
};

// China: warm ivory; Japan: the golden moon of moon-viewing nights; Vietnam: pale silver.
constexpr Country kCountries[] = {
    {"", {1.00, 0.97, 0.90}},
    {"_jp", {1.00, 0.90, 0.70}},
    {"_vn", {0.91, 0.96, 1.00}},
};

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::lround(std::fmax(0, std::fmin(1, v)) * 255)); }

Rgb ToRgb(Colour c) {
  Rgb out{ToByte(c.r), ToByte(c.g), ToByte(c.b)};
  if (out == kKeyColour) out.g = 1;  // the disc must never turn into background
  return out;
}

enum class LitPart { kAll, kRightHalf, kLeftHalf };

// A 90 x 90 bitmap: the disc test is the same integer test the program uses
// when it cuts the disc out, so the edge is crisp at radius 44.
RgbImage MoonBitmap(const MoonSurface& surface, MoonView view, LitPart part) {
  view.width = view.height = kMoonSize;
  view.cx = kCx;
  view.cy = kCy;
  view.radius = kRadius + 0.5;
  const MoonImage moon = RenderMoon(surface, view);
  RgbImage image(kMoonSize, kMoonSize, kKeyColour);
  for (int y = 0; y < kMoonSize; ++y) {
    for (int x = 0; x < kMoonSize; ++x) {
      const int dx = x - kCx, dy = kCy - y;
      if (dx * dx + dy * dy > kRadius * kRadius) continue;
      // The terminator column belongs to both quarters, as it does to the
      // shading of both crescents.
      if (part == LitPart::kRightHalf && x < kCx) continue;
      if (part == LitPart::kLeftHalf && x > kCx) continue;
      image.At(x, y) = ToRgb(moon.colour[static_cast<size_t>(y * kMoonSize + x)]);
    }
  }
  return image;
}

}  // namespace

std::vector<NamedPicture> DrawMoonBitmaps() {
  const MoonSurface surface;
  const double quarterTilt = Radians(8);  // a little past quarter, so the terminator column is not black
  std::vector<NamedPicture> pictures;
  for (const Country& country : kCountries) {
    MoonView view;
    view.tint = country.sunlight;
    const std::string suffix = country.suffix;

    MoonView dark = view;
    dark.sun = {0, 0, -1};
    dark.earthshine = 0.22;
    // Earthlight is bluish; the country's tint shows only faintly in it.
    dark.nightTint = {0.40 + 0.40 * country.sunlight.r, 0.44 + 0.44 * country.sunlight.g,
                      0.50 + 0.50 * country.sunlight.b};
    pictures.push_back({"darkmoon" + suffix + ".bmp", MoonBitmap(surface, dark, LitPart::kAll)});

    MoonView first = view;
    first.sun = {std::cos(quarterTilt), 0, std::sin(quarterTilt)};
    pictures.push_back({"1stquarter" + suffix + ".bmp", MoonBitmap(surface, first, LitPart::kRightHalf)});

    MoonView full = view;
    full.sun = {0, 0, 1};
    pictures.push_back({"fullmoon" + suffix + ".bmp", MoonBitmap(surface, full, LitPart::kAll)});

    MoonView last = view;
    last.sun = {-std::cos(quarterTilt), 0, std::sin(quarterTilt)};
    pictures.push_back({"lastquarter" + suffix + ".bmp", MoonBitmap(surface, last, LitPart::kLeftHalf)});
  }
  return pictures;
}

int LunarDayOfPicture(int n) {
  const int cell = n - 1;
  const int row = cell / 8, column = cell % 8;
  if (n < 1 || n > 32 || (column == 7 && (row == 0 || row == 2))) return 0;
  int day = 0;
  for (int c = 0; c <= cell; ++c)
    if (c % 8 < 7 || c / 8 == 1 || c / 8 == 3) ++day;
  return day;
}

std::vector<NamedPicture> DrawDayPictures() {
  const MoonSurface surface;
  std::vector<NamedPicture> pictures;
  for (int n = 1; n <= 32; ++n) {
    const int day = LunarDayOfPicture(n);
    if (day == 0) continue;
    // Lunar day 1 is the day of the dark moon; on average the Moon is half a
    // day old at its middle.
    const double phase = 2 * kPi * (day - 0.5) / kSynodicMonth;
    MoonView view;
    view.width = view.height = kDaySize;
    view.cx = view.cy = (kDaySize - 1) / 2.0;
    view.radius = kDaySize / 2.0 - 2;
    view.sun = {std::sin(phase), 0, -std::cos(phase)};
    view.earthshine = 0.17;
    view.tint = kCountries[0].sunlight;
    const MoonImage moon = RenderMoon(surface, view);

    RgbImage image(kDaySize, kDaySize, kCalendarBackground);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
      const double a = moon.coverage[i];
      if (a <= 0) continue;
      const Colour& c = moon.colour[i];
      const Colour bg{kCalendarBackground.r / 255.0, kCalendarBackground.g / 255.0, kCalendarBackground.b / 255.0};
      image.pixels[i] = ToRgb({bg.r + (c.r - bg.r) * a, bg.g + (c.g - bg.g) * a, bg.b + (c.b - bg.b) * a});
    }
    pictures.push_back({"day" + std::to_string(n) + ".gif", std::move(image)});
  }
  return pictures;
}

}  // namespace tavro::assets
