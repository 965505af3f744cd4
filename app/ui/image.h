// Pixel buffers and the bitmap files the windows load and save.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavro::ui {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  // The classic packed colour value (red in the low byte): RGB(200, 0, 0) is 200.
  constexpr uint32_t Value() const { return r | (g << 8) | (static_cast<uint32_t>(b) << 16); }
  friend constexpr bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
};

struct Image {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // row-major, y grows downwards

  Image() = default;
  Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  bool Empty() const { return width <= 0 || height <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Reads outside the picture give black, writes outside are ignored, as with a
  // window's own drawing surface.
  Rgb At(int x, int y) const { return Contains(x, y) ? pixels[static_cast<size_t>(y) * width + x] : Rgb{}; }
  void Set(int x, int y, Rgb c) {
    if (Contains(x, y)) pixels[static_cast<size_t>(y) * width + x] = c;
  }
};

// Uncompressed BMP (1, 4, 8, 24 or 32 bits per pixel). False on any fault.
bool ReadBmp(const std::string& path, Image& out);
bool DecodeBmp(const std::vector<uint8_t>& bytes, Image& out);
// 24-bit BMP.
bool WriteBmp(const std::string& path, const Image& image);

}  // namespace tavro::ui
