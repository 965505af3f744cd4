#include "app/main/moon_picture.h"

namespace tavro {

void ReplaceKeyColour(ui::Image& image, ui::Rgb colour) {
  for (auto& p : image.pixels)
    if (p == kMoonKeyColour) p = colour;
}

void LoadMoonDisc(ui::Image& image, int cx, int cy, int r, ui::Rgb colour) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const long dx = x - cx, dy = cy - y;
      if (dx * dx + dy * dy > static_cast<long>(r) * r) image.Set(x, y, colour);
    }
}

ui::Image DrawMoonPicture(const MoonPicture& picture, const ui::Image& bitmap, ui::Rgb colour, int maxX, int maxY) {
  const int w = maxX + 1, h = maxY + 1;
  if (bitmap.Empty()) return ui::Image(w, h, colour);
  // The picture box has a fixed size; the bitmap is drawn at its top left.
  ui::Image img(w, h, colour);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (bitmap.Contains(x, y)) img.Set(x, y, bitmap.At(x, y));
  if (picture.disc) {
    LoadMoonDisc(img, picture.cx, picture.cy, picture.r, colour);
    const std::vector<bool> mask = MoonShadeMask(picture, maxX, maxY);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (static_cast<size_t>(y) * w + x < mask.size() && mask[static_cast<size_t>(y) * w + x]) img.Set(x, y, colour);
  }
  ReplaceKeyColour(img, colour);
  return img;
}

}  // namespace tavro
