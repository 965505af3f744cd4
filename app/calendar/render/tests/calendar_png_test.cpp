#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <filesystem>

#include "app/calendar/render/calendar_png.h"
#include "core/time/euro_date.h"

namespace tavro::calendar {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("tavro_" + std::to_string(::getpid()) + "_" + name)).string();
}

int CountColour(const QImage& img, QRect area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

TEST(CalendarPng, SavedPictureHasTheCalendarsSizeAndColours) {
  const int32_t first = GregorianJDN(2024, 2, 10);
  const Month m = BuildMonth(first, Settings{}, Country::China, first + 4, true);
  DayPictures pictures;
  pictures[0] = ui::Image(20, 20, {0, 0, 255});
  const std::string path = TempPath("cal.png");
  ASSERT_TRUE(WriteCalendarPng(m, pictures, path));
  QImage img;
  ASSERT_TRUE(img.load(QString::fromStdString(path), "PNG"));
  std::filesystem::remove(path);
  EXPECT_EQ(img.width(), kWidth);
  EXPECT_EQ(img.height(), kDrawingHeight);
  EXPECT_EQ(img.pixel(2, 2) & 0xFFFFFF, qRgb(198, 0, 0) & 0xFFFFFF);
  // The picture of day 1 sits at its place; day 5 carries today's black frame.
  const Point p = MoonPictureAt(0);
  EXPECT_EQ(img.pixel(p.x + 5, p.y + 5) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFF);
  const Box f = TodayFrame(4);
  EXPECT_EQ(img.pixel(f.x + f.width / 2, f.y) & 0xFFFFFF, 0u);
  // Yellow text in the cells that are used, none in the cells that are not.
  const QRgb yellow = qRgb(255, 255, 0);
  auto cellArea = [](int n) {
    const Box b = TodayFrame(n);
    return QRect(b.x + 1, b.y + 1, b.width - 2, b.height - 2);
  };
  EXPECT_GT(CountColour(img, cellArea(0), yellow), 20);
  EXPECT_GT(CountColour(img, cellArea(30), yellow), 20);
  EXPECT_EQ(CountColour(img, cellArea(7), yellow), 0);
  EXPECT_EQ(CountColour(img, cellArea(31), yellow), 0);
}

TEST(CalendarPng, UnwritablePathFails) {
  const Month m = BuildMonth(GregorianJDN(2024, 2, 10), Settings{}, Country::China, 0, false);
  EXPECT_FALSE(WriteCalendarPng(m, DayPictures{}, "/no/such/folder/cal.png"));
  EXPECT_FALSE(std::filesystem::exists("/no/such/folder/cal.png"));
}

}  // namespace
}  // namespace tavro::calendar
