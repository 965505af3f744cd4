#include "preview.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>

namespace tavro::assets {
namespace {

QImage ToQImage(const RgbImage& image, Rgb key, QColor background) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.At(x, y);
      out.setPixelColor(x, y, c == key ? background : QColor(c.r, c.g, c.b));
    }
  return out;
}

// The main window's Moon drawing: cut out the disc, shade by the terminator
// ellipse, then give the key colour the background colour.
QImage ShadedMoon(const RgbImage& bitmap, double f, bool waxing, QColor background) {
  const int maxX = 89, maxY = 89;
  const double e = std::fabs(1 - 2 * f);
  const bool crescent = f < 0.5;
  int cx = maxX / 2, cy = maxY / 2 + 1;
  if (crescent && !waxing) {
    cx = maxX / 2 + 2;
    cy = maxY / 2;
  }
  const int r = cx;
  QImage out = ToQImage(bitmap, kKeyColour, background);
  for (int y = 0; y <= maxY; ++y)
    for (int x = 0; x <= maxX; ++x)
      if ((x - cx) * (x - cx) + (cy - y) * (cy - y) > r * r) out.setPixelColor(x, y, background);
  const bool rightColumns = waxing == crescent;
  for (int x = rightColumns ? cx : 0; x <= (rightColumns ? maxX : cx); ++x)
    for (int y = 0; y <= maxY; ++y) {
      const double dx = x - cx, dy = cy - y;
      const double g = (r * r - dy * dy) * e * e;
      if (crescent ? g > dx * dx : g <= dx * dx) out.setPixelColor(x, y, background);
    }
  return out;
}

}  // namespace

bool WritePreview(const std::string& path, const std::vector<NamedPicture>& pictures) {
  std::map<std::string, const RgbImage*> byName;
  for (const NamedPicture& p : pictures) byName[p.fileName] = &p.image;
  auto get = [&](const std::string& name) -> const RgbImage& { return *byName.at(name); };

  const int scale = 2, cell = 96;
  QImage sheet(8 * cell * scale, (3 * 2 + 2) * cell * scale / 2 + 200, QImage::Format_RGB32);
  sheet.fill(QColor(40, 40, 40));
  QPainter painter(&sheet);
  const struct {
    const char* suffix;
    QColor colour;
  } countries[] = {{"", QColor(192, 0, 0)}, {"_vn", QColor(0, 128, 0)}, {"_jp", QColor(64, 64, 224)}};
  int top = 0;
  for (const auto& country : countries) {
    const std::string s = country.suffix;
    QImage row[8] = {
        ToQImage(get("darkmoon" + s + ".bmp"), kKeyColour, country.colour),
        ToQImage(get("1stquarter" + s + ".bmp"), kKeyColour, country.colour),
        ToQImage(get("fullmoon" + s + ".bmp"), kKeyColour, country.colour),
        ToQImage(get("lastquarter" + s + ".bmp"), kKeyColour, country.colour),
        ShadedMoon(get("1stquarter" + s + ".bmp"), 0.15, true, country.colour),
        ShadedMoon(get("fullmoon" + s + ".bmp"), 0.75, true, country.colour),
        ShadedMoon(get("fullmoon" + s + ".bmp"), 0.75, false, country.colour),
        ShadedMoon(get("lastquarter" + s + ".bmp"), 0.15, false, country.colour),
    };
    painter.fillRect(0, top, sheet.width(), cell * scale, country.colour);
    for (int i = 0; i < 8; ++i)
      painter.drawImage(QRect(i * cell * scale + 6, top + 6, 90 * scale, 90 * scale), row[i]);
    top += cell * scale;
    painter.fillRect(0, top, sheet.width(), 48 * scale / 2 + 8, country.colour);
    for (int i = 1; i <= 22; ++i) {
      const std::string name = i <= 10 ? "stem" + std::to_string(i) : "branch" + std::to_string(i - 10);
      painter.drawImage(QPoint(8 + (i - 1) * 42, top + 4), ToQImage(get(name + ".bmp"), kKeyColour, country.colour));
    }
    top += 48 * scale / 2 + 8;
  }
  painter.fillRect(0, top, sheet.width(), sheet.height() - top, QColor(198, 0, 0));
  for (int n = 1, k = 0; n <= 32; ++n) {
    auto it = byName.find("day" + std::to_string(n) + ".gif");
    if (it == byName.end()) continue;
    const QImage day = ToQImage(*it->second, kCalendarBackground, QColor(198, 0, 0));
    painter.drawImage(QPoint(8 + (k % 15) * 100, top + 8 + (k / 15) * 100), day.scaled(96, 96));
    ++k;
  }
  painter.end();
  return sheet.save(QString::fromStdString(path));
}

}  // namespace tavro::assets
