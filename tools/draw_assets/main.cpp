// Draws the pictures the program loads from assets/: the Moon bitmaps, the
// month calendar's day pictures and the stem and branch characters.
//
//   draw_assets ASSETS_FOLDER [--preview SHEET.png]

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cycle_characters.h"
#include "image_files.h"
#include "moon_pictures.h"
#include "preview.h"

namespace {

// Reads a written file back with Qt's own decoders: a bitmap must come back
// exactly, a GIF within its palette's rounding, with the background transparent.
bool ReadsBack(const std::string& path, const tavro::assets::RgbImage& image, bool gif) {
  const QImage read(QString::fromStdString(path));
  if (read.width() != image.width || read.height() != image.height) return false;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const tavro::assets::Rgb want = image.At(x, y);
      const QColor got = read.pixelColor(x, y);
      const bool background = want == tavro::assets::kCalendarBackground;
      if (gif && background != (got.alpha() == 0)) return false;
      const int tolerance = gif ? 12 : 0;
      if (std::abs(got.red() - want.r) > tolerance || std::abs(got.green() - want.g) > tolerance ||
          std::abs(got.blue() - want.b) > tolerance)
        return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tavro::assets;
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
    std::fprintf(stderr, "usage: draw_assets ASSETS_FOLDER [--preview SHEET.png]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts need it

  const std::string folder = argv[1];
  std::vector<NamedPicture> pictures = DrawMoonBitmaps();
  for (NamedPicture& p : DrawDayPictures()) pictures.push_back(std::move(p));
  std::string error;
  std::vector<NamedPicture> characters = DrawCycleCharacters(40, &error);
  if (characters.empty()) {
    std::fprintf(stderr, "draw_assets: %s\n", error.c_str());
    return 1;
  }
  for (NamedPicture& p : characters) pictures.push_back(std::move(p));

  for (const NamedPicture& p : pictures) {
    const std::string path = folder + "/" + p.fileName;
    const bool gif = p.fileName.ends_with(".gif");
    const bool written = gif ? WriteGif(path, p.image, kCalendarBackground) : WriteBmp24(path, p.image);
    if (!written) {
      std::fprintf(stderr, "draw_assets: cannot write %s\n", path.c_str());
      return 1;
    }
    if (!ReadsBack(path, p.image, gif)) {
      std::fprintf(stderr, "draw_assets: %s does not read back as drawn\n", path.c_str());
      return 1;
    }
  }
  std::printf("%zu pictures written to %s\n", pictures.size(), folder.c_str());
  if (argc == 4 && !WritePreview(argv[3], pictures)) {
    std::fprintf(stderr, "draw_assets: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
