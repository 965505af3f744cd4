#include <cstring>
#include <fstream>
#include <iterator>

#include "app/ui/image.h"

namespace tavro::ui {

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(v & 0xff);
  b.push_back(v >> 8);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xff);
}

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& b, Image& out) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  const uint32_t dataAt = U32(b, 10);
  const uint32_t headerSize = U32(b, 14);
  if (headerSize < 40 || 14 + static_cast<uint64_t>(headerSize) > b.size()) return false;
  const int32_t w = static_cast<int32_t>(U32(b, 18));
  const int32_t hRaw = static_cast<int32_t>(U32(b, 22));
  const uint16_t bpp = U16(b, 28);
  const uint32_t compression = U32(b, 30);
  uint32_t colours = U32(b, 46);
  // Sizes beyond a few thousand pixels are not pictures this program draws.
  if (w <= 0 || w > 8192 || hRaw == 0 || hRaw < -8192 || hRaw > 8192) return false;
  if (compression != 0 && !(compression == 3 && (bpp == 32 || bpp == 16))) return false;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
  const bool topDown = hRaw < 0;
  const int32_t h = topDown ? -hRaw : hRaw;

  std::vector<Rgb> palette;
  if (bpp <= 8) {
    if (colours == 0 || colours > (1u << bpp)) colours = 1u << bpp;
    const uint64_t palAt = 14 + static_cast<uint64_t>(headerSize);
    if (palAt + 4ull * colours > b.size()) return false;
    for (uint32_t i = 0; i < colours; ++i) {
      const size_t p = palAt + 4 * i;
      palette.push_back(Rgb{b[p + 2], b[p + 1], b[p]});
    }
  }
  const uint64_t stride = ((static_cast<uint64_t>(w) * bpp + 31) / 32) * 4;
  if (dataAt + stride * h > b.size()) return false;

  Image img(w, h);
  for (int32_t row = 0; row < h; ++row) {
    const size_t line = dataAt + stride * row;
    const int32_t y = topDown ? row : h - 1 - row;
    for (int32_t x = 0; x < w; ++x) {
      Rgb c;
      if (bpp == 24) {
        const size_t p = line + 3 * static_cast<size_t>(x);
        c = Rgb{b[p + 2], b[p + 1], b[p]};
      } else if (bpp == 32) {
        const size_t p = line + 4 * static_cast<size_t>(x);
        c = Rgb{b[p + 2], b[p + 1], b[p]};
      } else {
        const size_t bit = static_cast<size_t>(x) * bpp;
        const uint8_t byte = b[line + bit / 8];
        const unsigned shift = 8 - bpp - (bit % 8);
        const unsigned idx = (byte >> shift) & ((1u << bpp) - 1);
        if (idx >= palette.size()) return false;
        c = palette[idx];
      }
      img.Set(x, y, c);
    }
  }
  out = std::move(img);
  return true;
}

bool ReadBmp(const std::string& path, Image& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeBmp(bytes, out);
}

bool WriteBmp(const std::string& path, const Image& image) {
  if (image.Empty()) return false;
  const uint32_t stride = ((image.width * 24 + 31) / 32) * 4;
  const uint32_t dataSize = stride * image.height;
  std::vector<uint8_t> b{'B', 'M'};
  Put32(b, 54 + dataSize);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, image.width);
  Put32(b, image.height);
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, dataSize);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.At(x, y);
      b.push_back(c.b);
      b.push_back(c.g);
      b.push_back(c.r);
    }
    while (b.size() - start < stride) b.push_back(0);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace tavro::ui
