#include "cycle_characters.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>

namespace tavro::assets {
namespace {

const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString kFamily = QStringLiteral("Noto Serif CJK SC");  // Debian package fonts-noto-cjk

constexpr int kOversample = 8;

QFont CharacterFont() {
  QFont font(kFamily);
  font.setPixelSize(100);
  font.setWeight(QFont::Bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath Outline(const QFont& font, QChar character) {
  QPainterPath path;
  path.addText(0, 0, font, QString(character));
  return path;
}

// Renders the outline large with anti-aliasing and keeps each pixel whose
// coverage is at least half: smoother than a small aliased rendering, and the
// picture still has only the two colours.
RgbImage Rasterise(const QPainterPath& outline, double scale, int size) {
  const int big = size * kOversample;
  QImage canvas(big, big, QImage::Format_Grayscale8);
  canvas.fill(255);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = outline.boundingRect();
    painter.translate(big / 2.0, big / 2.0);
    painter.scale(scale * kOversample, scale * kOversample);
    painter.translate(-box.center());
    painter.fillPath(outline, Qt::black);
  }
  RgbImage image(size, size, kKeyColour);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int ink = 0;
      for (int sy = 0; sy < kOversample; ++sy) {
        const uchar* row = canvas.constScanLine(y * kOversample + sy);
        for (int sx = 0; sx < kOversample; ++sx) ink += 255 - row[x * kOversample + sx];
      }
      if (2 * ink >= 255 * kOversample * kOversample) image.At(x, y) = Rgb{0, 0, 0};
    }
  }
  return image;
}

}  // namespace

std::vector<NamedPicture> DrawCycleCharacters(int size, std::string* error) {
  const QFont font = CharacterFont();
  if (QFontInfo(font).family() != kFamily) {
    *error = "font \"" + kFamily.toStdString() + "\" not found (install fonts-noto-cjk)";
    return {};
  }
  // One scale for all characters, so that they keep their relative sizes; the
  // largest one fills the picture less a small margin.
  const QString all = kStems + kBranches;
  double largest = 0;
  for (QChar c : all) {
    const QRectF box = Outline(font, c).boundingRect();
    largest = std::max({largest, box.width(), box.height()});
  }
  const double scale = (size - 4) / largest;

  std::vector<NamedPicture> pictures;
  for (int i = 0; i < kStems.size(); ++i)
    pictures.push_back({"stem" + std::to_string(i + 1) + ".bmp", Rasterise(Outline(font, kStems[i]), scale, size)});
  for (int i = 0; i < kBranches.size(); ++i)
    pictures.push_back(
        {"branch" + std::to_string(i + 1) + ".bmp", Rasterise(Outline(font, kBranches[i]), scale, size)});
  return pictures;
}

}  // namespace tavro::assets
