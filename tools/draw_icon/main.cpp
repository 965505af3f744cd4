// draw_icon: writes the program's icon as SVG and renders the PNG sizes from
// that same SVG, so the sizes never drift from the drawing.
//   draw_icon OUTPUT_FOLDER
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr const char* kName = "org.velmora.Tavro";
constexpr int kPngSizes[] = {48, 256};

// A red rounded square (the colour of the month calendar), the twelve months
// as gold dots on a ring with the first one pale, and a waxing crescent Moon
// with its night side in dim earthshine. No text: fonts differ between
// machines and the icon must look the same everywhere.
QString IconSvg() {
  QString dots;
  for (int month = 0; month < 12; ++month) {
    const double a = month * std::numbers::pi / 6;
    dots += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"9\" fill=\"%3\"/>\n")
                .arg(128 + 100 * std::sin(a), 0, 'f', 1)
                .arg(128 - 100 * std::cos(a), 0, 'f', 1)
                .arg(month == 0 ? "#fff3d6" : "#f2bf45");
  }
  return QString(R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <radialGradient id="sky" cx="0.5" cy="0.38" r="0.7">
      <stop offset="0" stop-color="#d63a2c"/>
      <stop offset="1" stop-color="#7a0b08"/>
    </radialGradient>
    <radialGradient id="sunlit" cx="0.85" cy="0.4" r="0.8">
      <stop offset="0" stop-color="#fff8e2"/>
      <stop offset="1" stop-color="#f0c04c"/>
    </radialGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="44" fill="url(#sky)"/>
%1  <circle cx="128" cy="128" r="68" fill="#3d0403" fill-opacity="0.6"/>
  <path d="M 128 60 A 68 68 0 0 1 128 196 A 30 68 0 0 0 128 60 Z" fill="url(#sunlit)"/>
</svg>
)svg")
      .arg(dots);
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "draw_icon: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_icon OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QByteArray svg = IconSvg().toUtf8();
  if (!Write(folder + "/" + kName + ".svg", svg)) return 1;
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "draw_icon: the SVG does not parse\n");
    return 1;
  }
  for (int size : kPngSizes) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString path = QString("%1/%2-%3.png").arg(folder, kName).arg(size);
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "draw_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
