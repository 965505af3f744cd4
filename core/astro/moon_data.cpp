#include "core/astro/moon_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"

namespace tavro {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string OneDecimal(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.1f", value);
  return buf;
}

std::string Plural(long long n, const char* unit) {
  return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

}  // namespace

std::string MoonAgeText(double age) {
  const double d = std::floor(age);
  const double h = std::floor((age - d) * 24.0);
  const double m = std::floor((age - d - h / 24.0) * 24.0 * 60.0);
  return Plural(static_cast<long long>(d), "day") + ", " + Plural(static_cast<long long>(h), "hr") + ", " +
         Plural(static_cast<long long>(m), "min");
}

double AngularSeparation(double a, double b) {
  double d1 = a - b;
  if (d1 < 0) d1 += 2 * kPi;
  double d2 = b - a;
  if (d2 < 0) d2 += 2 * kPi;
  return d1 > d2 ? d2 : d1;
}

std::string MoonPhaseName(double p) {
  if (p < 1) return "Dark moon";
  if (p < 45) return "Crescent moon";
  if (p < 55) return "Half moon";
  if (p < 99) return "Gibbous moon";
  return "Full moon";
}

std::string MoonPhaseText(double fraction, bool waxing) {
  const double p = 100.0 * fraction;
  std::string text = MoonPhaseName(p);
  if (p >= 0.05 && p <= 99.95) text += waxing ? " (waxing)" : " (waning)";
  return text + ", " + OneDecimal(p) + "%";
}

MoonPicture ChooseMoonPicture(double f, bool waxing, int maxX, int maxY) {
  MoonPicture pic;
  pic.e = f > 0.5 ? 2 * f - 1 : 1 - 2 * f;
  pic.cx = maxX / 2;
  pic.cy = maxY / 2 + 1;
  pic.r = pic.cx;
  auto plain = [&](MoonCase kind, const char* name) {
    pic.kind = kind;
    pic.baseName = name;
    pic.disc = false;
  };
  auto disc = [&](MoonCase kind, const char* name, bool rightHalf, bool inside) {
    pic.kind = kind;
    pic.baseName = name;
    pic.disc = true;
    pic.shadeFrom = rightHalf ? pic.cx : 0;
    pic.shadeTo = rightHalf ? maxX : pic.cx;
    pic.paintInside = inside;
  };
  if (f < 0.01) {
    plain(MoonCase::DarkMoon, "darkmoon");
  } else if (f > 0.49 && f < 0.51 && waxing) {
    plain(MoonCase::FirstQuarter, "1stquarter");
  } else if (f > 0.99) {
    plain(MoonCase::FullMoon, "fullmoon");
  } else if (f > 0.49 && f < 0.51) {
    plain(MoonCase::LastQuarter, "lastquarter");
  } else if (f < 0.5 && waxing) {
    disc(MoonCase::WaxingCrescent, "1stquarter", true, true);
  } else if (f > 0.5 && waxing) {
    disc(MoonCase::WaxingGibbous, "fullmoon", false, false);
  } else if (f > 0.5) {
    disc(MoonCase::WaningGibbous, "fullmoon", true, false);
  } else {
    // The waning crescent alone sits two pixels right and one up.
    pic.cx = maxX / 2 + 2;
    pic.cy = maxY / 2;
    pic.r = pic.cx;
    disc(MoonCase::WaningCrescent, "lastquarter", false, true);
  }
  return pic;
}

std::vector<bool> MoonShadeMask(const MoonPicture& pic, int maxX, int maxY) {
  const int width = maxX + 1;
  std::vector<bool> mask(static_cast<size_t>(width) * (maxY + 1), false);
  if (!pic.disc) return mask;
  const long r2 = static_cast<long>(pic.r) * pic.r;
  for (int y = 0; y <= maxY; ++y) {
    for (int x = 0; x <= maxX; ++x) {
      const long dx = x - pic.cx, dy = pic.cy - y;
      if (dx * dx + dy * dy > r2) mask[static_cast<size_t>(y) * width + x] = true;
    }
  }
  const double e2 = pic.e * pic.e;
  for (int x = std::max(pic.shadeFrom, 0); x <= std::min(pic.shadeTo, maxX); ++x) {
    for (int y = 0; y <= maxY; ++y) {
      const double dx = x - pic.cx, dy = pic.cy - y;
      const double g = (static_cast<double>(r2) - dy * dy) * e2;
      const bool paint = pic.paintInside ? g > dx * dx : g <= dx * dx;
      if (paint) mask[static_cast<size_t>(y) * width + x] = true;
    }
  }
  return mask;
}

std::string GetPhaseErrorText(int16_t code) {
  return "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().";
}

MoonData ComputeMoonData(double ajd, int maxX, int maxY) {
  MoonData out;
  if (!std::isfinite(ajd)) return out;  // no moment, nothing to show
  double spare = 0;
  const double moon = MoonPosition(ajd, spare);
  out.elongationMethod = !(moon == -99.0 || moon == -100.0);

  const int32_t n = LunationContaining(ajd);
  const double start = SyzygyUT(n, 0);
  const double next = SyzygyUT(n + 1, 0);
  out.lunation = n;
  out.age = ajd - start;
  out.percent = 100.0 * out.age / (next - start);
  out.ageText = '[' + std::to_string(n);
  out.ageText += "] " + MoonAgeText(out.age) + " (" + OneDecimal(out.percent) + "%)";

  bool exact = false;
  const int16_t q = GetPhase(n, ajd, exact);
  if (q < 0) {
    out.errorCode = q;
    out.errorMessage = GetPhaseErrorText(q);
    return out;
  }
  out.quarter = q;
  out.waxing = q < 2;

  if (out.elongationMethod) {
    const double sun = _sun_app(ajd, &spare);
    const double e = AngularSeparation(moon, sun);
    out.fraction = (1 - std::cos(e)) / 2;
  } else {
    const double t1 = SyzygyUT(n, q);
    const double t2 = q < 3 ? SyzygyUT(n, static_cast<int16_t>(q + 1)) : next;
    const double delta = t2 - t1;
    double D = 0;
    switch (q) {
      case 0: D = (ajd - t1) / delta / 2; break;
      case 1: D = (ajd - t1) / delta / 2 + 0.5; break;
      case 2: D = (t2 - ajd) / delta / 2 + 0.5; break;
      default: D = (t2 - ajd) / delta / 2; break;
    }
    // cos(pi D), written with the full turn as the display always has.
    const double c = std::cos(D / 2 * 6.28318530717959);
    out.fraction = (1 - c) / 2;
  }
  out.phaseText = MoonPhaseText(out.fraction, out.waxing);
  out.picture = ChooseMoonPicture(out.fraction, out.waxing, maxX, maxY);
  out.valid = true;
  return out;
}

}  // namespace tavro
