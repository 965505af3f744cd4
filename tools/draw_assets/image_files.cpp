#include "image_files.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <unordered_map>

namespace tavro::assets {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

std::uint32_t Pack(Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }
Rgb Unpack(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

struct Weighted {
  Rgb colour;
  int count;
};

// Median cut: split the box with the widest channel range at its weighted median
// until there are `limit` boxes; each box becomes its weighted mean colour.
std::vector<Rgb> MedianCut(std::vector<Weighted> colours, size_t limit) {
  if (colours.size() <= limit) {
    std::vector<Rgb> palette;
    for (const Weighted& w : colours) palette.push_back(w.colour);
    return palette;
  }
  struct Box {
    size_t begin, end;
  };
  auto channel = [](const Rgb& c, int k) { return k == 0 ? c.r : (k == 1 ? c.g : c.b); };
  auto widest = [&](const Box& box, int* which) {
    int best = -1;
    for (int k = 0; k < 3; ++k) {
      int lo = 255, hi = 0;
      for (size_t i = box.begin; i < box.end; ++i) {
        lo = std::min<int>(lo, channel(colours[i].colour, k));
        hi = std::max<int>(hi, channel(colours[i].colour, k));
      }
      if (hi - lo > best) {
        best = hi - lo;
        *which = k;
      }
    }
    return best;
  };
  std::vector<Box> boxes{{0, colours.size()}};
  while (boxes.size() < limit) {
    size_t pick = boxes.size();
    int pickRange = 0, pickChannel = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int k = 0;
      const int range = widest(boxes[b], &k);
      if (range > pickRange) {
        pick = b;
        pickRange = range;
        pickChannel = k;
      }
    }
    if (pick == boxes.size()) break;
    Box box = boxes[pick];
    std::sort(colours.begin() + static_cast<long>(box.begin), colours.begin() + static_cast<long>(box.end),
              [&](const Weighted& a, const Weighted& b) {
                return channel(a.colour, pickChannel) < channel(b.colour, pickChannel);
              });
    long total = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
    size_t split = box.begin + 1;
    for (long seen = 0; split < box.end - 1; ++split) {
      seen += colours[split - 1].count;
      if (2 * seen >= total) break;
    }
    boxes[pick] = {box.begin, split};
    boxes.push_back({split, box.end});
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    double r = 0, g = 0, b = 0, n = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
      r += colours[i].colour.r * colours[i].count;
      g += colours[i].colour.g * colours[i].count;
      b += colours[i].colour.b * colours[i].count;
      n += colours[i].count;
    }
    palette.push_back({static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5),
                       static_cast<std::uint8_t>(b / n + 0.5)});
  }
  return palette;
}

class BitPacker {
 public:
  void Put(unsigned code, int width) {
    buffer_ |= code << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      bytes_.push_back(buffer_ & 0xFF);
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  Bytes Finish() {
    if (bits_ > 0) bytes_.push_back(buffer_ & 0xFF);
    return bytes_;
  }

 private:
  Bytes bytes_;
  unsigned buffer_ = 0;
  int bits_ = 0;
};

// LZW with 8-bit symbols. The code width stays at 9 bits: the table is cleared
// before a decoder would widen its codes, which keeps the encoder simple and
// still compresses the smooth pictures well.
Bytes Lzw(const std::vector<std::uint8_t>& indices) {
  constexpr unsigned kClear = 256, kEnd = 257, kFirst = 258, kLimit = 511;
  constexpr int kWidth = 9;
  BitPacker out;
  std::unordered_map<unsigned, unsigned> table;
  unsigned next = kFirst;
  out.Put(kClear, kWidth);
  unsigned prefix = indices.front();
  for (size_t i = 1; i < indices.size(); ++i) {
    const unsigned key = (prefix << 8) | indices[i];
    if (auto found = table.find(key); found != table.end()) {
      prefix = found->second;
      continue;
    }
    out.Put(prefix, kWidth);
    if (next < kLimit) {
      table[key] = next++;
    } else {
      out.Put(kClear, kWidth);
      table.clear();
      next = kFirst;
    }
    prefix = indices[i];
  }
  out.Put(prefix, kWidth);
  out.Put(kEnd, kWidth);
  return out.Finish();
}

}  // namespace

bool WriteBmp24(const std::string& path, const RgbImage& image) {
  const unsigned rowSize = (static_cast<unsigned>(image.width) * 3 + 3) & ~3u;
  const unsigned dataSize = rowSize * static_cast<unsigned>(image.height);
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + dataSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<unsigned>(image.width));
  Put32(out, static_cast<unsigned>(image.height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, dataSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb& c = image.At(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (unsigned pad = static_cast<unsigned>(image.width) * 3; pad < rowSize; ++pad) out.push_back(0);
  }
  return WriteFile(path, out);
}

bool WriteGif(const std::string& path, const RgbImage& image, std::optional<Rgb> transparent) {
  std::map<std::uint32_t, int> counts;
  for (const Rgb& c : image.pixels)
    if (!transparent || !(c == *transparent)) ++counts[Pack(c)];
  std::vector<Weighted> colours;
  for (const auto& [packed, count] : counts) colours.push_back({Unpack(packed), count});

  std::vector<Rgb> palette;
  if (transparent) palette.push_back(*transparent);
  for (const Rgb& c : MedianCut(colours, transparent ? 255 : 256)) palette.push_back(c);

  std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
  if (transparent) indexOf[Pack(*transparent)] = 0;
  const size_t firstOpaque = transparent ? 1 : 0;
  for (const auto& [packed, count] : counts) {
    const Rgb c = Unpack(packed);
    size_t best = firstOpaque;
    long bestDistance = -1;
    for (size_t i = firstOpaque; i < palette.size(); ++i) {
      const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
      const long distance = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || distance < bestDistance) {
        best = i;
        bestDistance = distance;
      }
    }
    indexOf[packed] = static_cast<std::uint8_t>(best);
  }
  std::vector<std::uint8_t> indices;
  for (const Rgb& c : image.pixels) indices.push_back(indexOf.at(Pack(c)));

  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, static_cast<unsigned>(image.width));
  Put16(out, static_cast<unsigned>(image.height));
  out.push_back(0xF7);  // global table of 256 entries, 8 bits per primary
  out.push_back(0);     // background colour index
  out.push_back(0);     // square pixels
  for (size_t i = 0; i < 256; ++i) {
    const Rgb c = i < palette.size() ? palette[i] : Rgb{};
    out.insert(out.end(), {c.r, c.g, c.b});
  }
  if (transparent) {
    out.insert(out.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00});
  }
  out.push_back(0x2C);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<unsigned>(image.width));
  Put16(out, static_cast<unsigned>(image.height));
  out.push_back(0);  // no local table, not interlaced
  out.push_back(8);  // LZW minimum code size
  const Bytes data = Lzw(indices);
  for (size_t at = 0; at < data.size(); at += 255) {
    const size_t n = std::min<size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + n));
  }
  out.push_back(0);
  out.push_back(0x3B);
  return WriteFile(path, out);
}

}  // namespace tavro::assets
