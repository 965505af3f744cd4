// The real window, headless: start, convert an entry, check the rows and the
// screenshot option.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>

#include "app/main/frm_main.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"

// Font configuration keeps its caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

#include "app/qt/tests/test_app.h"

namespace {

QString Text(QWidget& w, const char* name) {
  auto* label = w.findChild<QLabel*>(name);
  return label ? label->text() : QString("<missing %1>").arg(name);
}

TEST(MainWindow, ConvertsAnEntryTypedIntoTheDateBox) {
  App();
  tavro::qt::QtPlatform platform;
  platform.nonInteractive = true;
  tavro::FrmMain logic(platform);
  tavro::qt::MainWindow window(logic, platform);
  ASSERT_TRUE(logic.Form_Load());
  window.PushToWidgets();
  window.show();

  auto* date = window.findChild<QLineEdit*>("txbDate");
  ASSERT_NE(date, nullptr);
  date->setFocus();
  QTest::keyClicks(date, "2000-01-01 ce");
  QTest::keyClick(date, Qt::Key_Return);

  EXPECT_EQ(date->text(), "2000-01-01 CE");
  EXPECT_EQ(window.findChild<QLineEdit*>("txbTime")->text(), "12:00");
  EXPECT_EQ(Text(window, "lblCommonEraDate_1"), "2000-01-01 CE 12:00 GMT Saturday");
  EXPECT_EQ(Text(window, "lblAstronomicalJulianDate_1"), "2,451,545.0000 AJD");
  EXPECT_EQ(Text(window, "lblChineseLunarDate_1"), "79-16-11-25 CHL 20:00 CCT");
  EXPECT_EQ(Text(window, "lblElementAnimalOfDay_1"), "earth-horse day");
  EXPECT_EQ(Text(window, "lblChineseLunarDate_0"), "Chinese Lunar");
  // A screen shows pictures: the Moon is drawn for the moment converted.
  auto* moon = window.findChild<QLabel*>("picMoon");
  ASSERT_NE(moon, nullptr);
  EXPECT_EQ(moon->pixmap().width(), 90);
  // The default options show as selected.
  EXPECT_TRUE(window.findChild<QRadioButton*>("optPlus")->isChecked());
  EXPECT_TRUE(window.findChild<QRadioButton*>("optNext")->isChecked());

  // A click on a row's text copies it.
  QTest::mouseClick(window.findChild<QLabel*>("lblJulianCalendarDate_1"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "1999-12-19 JC 12:00 GMT Saturday");
  EXPECT_EQ(date->text(), "1999-12-19 JC");
  EXPECT_EQ(logic.intCalendar, tavro::kCalJC);
}

TEST(MainWindow, ScreenshotOptionWritesAPicture) {
  QTemporaryDir dir;
  const QString png = dir.filePath("shot.png");
  const std::string cmd = "XDG_DATA_HOME='" + dir.path().toStdString() + "' XDG_CONFIG_HOME='" + dir.path().toStdString() +
                          "' QT_QPA_PLATFORM=offscreen '" TAVRO_GUI "' --screenshot '" + png.toStdString() +
                          "' --entry '79-31-9*-12 CHL' 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  QImage img(png);
  ASSERT_FALSE(img.isNull());
  EXPECT_GT(img.width(), 600);
  EXPECT_GT(img.height(), 300);
  // The screenshot leaves no saved state behind.
  EXPECT_FALSE(std::filesystem::exists(dir.path().toStdString() + "/Velmora/tavro.usr"));
}

// The program as a shell starts it: without a display, and without a runtime
// folder (cron, su), which must leave stderr clean.
TEST(MainWindow, StartsAsTheShellStartsIt) {
  QTemporaryDir dir;
  const std::string home = "XDG_DATA_HOME='" + dir.path().toStdString() + "' XDG_CONFIG_HOME='" + dir.path().toStdString() + "' ";
  const std::string out = dir.filePath("out").toStdString(), err = dir.filePath("err").toStdString();
  const std::string png = dir.filePath("shot.png").toStdString();
  struct Case {
    std::string env, args, stdoutStart;
    int status;
  } cases[] = {
      {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ", "--version", "tavro ", 0},
      {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ", "--help", "usage: tavro", 0},
      {"env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen ", "--screenshot '" + png + "'", "", 0},
  };
  for (const Case& c : cases) {
    const std::string cmd = c.env + home + "'" TAVRO_GUI "' " + c.args + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << c.args;
    EXPECT_EQ(WEXITSTATUS(status), c.status) << c.args;
    QFile o(QString::fromStdString(out)), e(QString::fromStdString(err));
    ASSERT_TRUE(o.open(QIODevice::ReadOnly) && e.open(QIODevice::ReadOnly));
    EXPECT_TRUE(o.readAll().startsWith(QByteArray::fromStdString(c.stdoutStart))) << c.args;
    EXPECT_EQ(e.readAll(), QByteArray()) << c.args;
  }
}

}  // namespace
