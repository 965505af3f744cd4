#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavro::assets {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// 8-bit RGB picture, rows from the top.
struct RgbImage {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;

  RgbImage(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<size_t>(w * h), fill) {}
  Rgb& At(int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; }
  const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Uncompressed 24-bit Windows bitmap (BITMAPINFOHEADER, rows from the bottom).
bool WriteBmp24(const std::string& path, const RgbImage& image);

// GIF89a with one 256-colour table (median cut when the picture has more
// colours). Pixels of exactly `transparent` get a palette entry of their own,
// marked transparent, so a reader that ignores transparency still shows that colour.
bool WriteGif(const std::string& path, const RgbImage& image, std::optional<Rgb> transparent);

}  // namespace tavro::assets
