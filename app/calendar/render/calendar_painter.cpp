#include "app/calendar/render/calendar_painter.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

#include "app/calendar/render/calendar_png.h"

namespace tavro::calendar {

namespace {

QColor ToQColor(ui::Rgb c) { return QColor(c.r, c.g, c.b); }

// Point sizes as on a 96 dpi screen, whatever the device, so the picture
// comes out the same everywhere.
QFont CalendarFont(int points, bool bold = false, bool underline = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize((points * 96 + 36) / 72);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

// Text placed by its top-left corner, as the window's drawing surface does.
void TextAt(QPainter& p, Point at, const std::string& text, const QFont& font) {
  p.setFont(font);
  p.drawText(at.x, at.y + QFontMetrics(font).ascent(), QString::fromStdString(text));
}

void CentredLabel(QPainter& p, int top, int height, const std::string& text, const QFont& font) {
  p.setFont(font);
  p.drawText(QRect(0, top, kWidth, height), Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(text));
}

}  // namespace

QImage ToQImage(const ui::Image& image) {
  QImage q(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const ui::Rgb c = image.At(x, y);
      q.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return q;
}

void PaintCalendar(QPainter& p, const Month& month, const DayPictures& pictures) {
  p.fillRect(0, 0, kWidth, kDrawingHeight, ToQColor(kBackground));
  p.setPen(ToQColor(kTextColour));
  CentredLabel(p, 8, 30, month.title, CalendarFont(12, true));
  CentredLabel(p, 38, 26, month.yearAndMonth, CalendarFont(11));
  if (!month.valid) return;
  const QFont dayFont = CalendarFont(kLunarDayPoints), textFont = CalendarFont(kCellTextPoints),
              weekendFont = CalendarFont(kCellTextPoints, false, true);
  for (int n = 0; n < kCells; ++n) {
    const Cell& c = month.cells[n];
    if (!c.used) continue;
    if (c.today) {
      const Box b = TodayFrame(n);
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(b.x, b.y, b.width - 1, b.height - 1);
    }
    p.setPen(ToQColor(kTextColour));
    TextAt(p, LunarDayTextAt(n), c.lunarLabel, dayFont);
    TextAt(p, CeTextAt(n), c.ceLabel, c.weekend ? weekendFont : textFont);
    if (month.showArc) TextAt(p, ArcTextAt(n), c.arcLabel, textFont);
  }
  // The pictures lie above the drawing, as picture controls on a window do.
  for (int n = 0; n < kCells; ++n) {
    if (!month.cells[n].used || pictures[n].Empty()) continue;
    const Point at = MoonPictureAt(n);
    p.drawImage(at.x, at.y, ToQImage(pictures[n]));
  }
}

QImage RenderCalendar(const Month& month, const DayPictures& pictures) {
  QImage image(kWidth, kDrawingHeight, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);  // 96 dpi
  image.setDotsPerMeterY(3780);
  QPainter p(&image);
  PaintCalendar(p, month, pictures);
  p.end();
  return image;
}

void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  static int argc = 1;
  static char name[] = "tavro";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives until the process ends
  (void)app;
}

bool WriteCalendarPng(const Month& month, const DayPictures& pictures, const std::string& path) {
  if (path.empty()) return false;
  EnsureGuiApplication();
  const QImage image = RenderCalendar(month, pictures);
  const QString file = QString::fromStdString(path);
  if (image.save(file, "PNG")) return true;
  QFile::remove(file);
  return false;
}

bool LoadDayPicture(const std::string& path, ui::Image& out) {
  QImage q;
  if (!q.load(QString::fromStdString(path))) return false;
  q = q.convertToFormat(QImage::Format_ARGB32);
  ui::Image img(q.width(), q.height());
  const ui::Rgb bg = kBackground;
  for (int y = 0; y < q.height(); ++y)
    for (int x = 0; x < q.width(); ++x) {
      const QRgb v = q.pixel(x, y);
      const int a = qAlpha(v);
      auto mix = [a](int c, int b) { return static_cast<uint8_t>((c * a + b * (255 - a) + 127) / 255); };
      img.Set(x, y, {mix(qRed(v), bg.r), mix(qGreen(v), bg.g), mix(qBlue(v), bg.b)});
    }
  out = std::move(img);
  return true;
}

}  // namespace tavro::calendar

// The font library keeps a few caches for the life of the process; the leak
// checker of the sanitizer build must not count them. Weak, so that another
// part of the program may supply the list instead.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
extern "C" __attribute__((weak)) const char* __lsan_default_options() { return "print_suppressions=0"; }
