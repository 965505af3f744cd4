// Pixel buffers to and from Qt images.
#pragma once

#include <QImage>

#include "app/ui/image.h"

namespace tavro::qt {

inline QImage ToQImage(const ui::Image& img) {
  if (img.Empty()) return QImage();
  QImage q(img.width, img.height, QImage::Format_RGB32);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const ui::Rgb c = img.At(x, y);
      q.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return q;
}

inline ui::Image FromQImage(const QImage& source) {
  const QImage q = source.convertToFormat(QImage::Format_RGB32);
  ui::Image img(q.width(), q.height());
  for (int y = 0; y < q.height(); ++y)
    for (int x = 0; x < q.width(); ++x) {
      const QRgb p = q.pixel(x, y);
      img.Set(x, y, ui::Rgb{static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))});
    }
  return img;
}

}  // namespace tavro::qt
