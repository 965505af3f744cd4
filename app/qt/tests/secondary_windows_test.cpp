// The windows the main window opens, headless: through the real buttons, and
// the screenshot of each.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "app/main/frm_main.h"
#include "app/qt/calendar_window.h"
#include "app/qt/log_window.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/screenshot.h"
#include "app/qt/secondary_windows.h"
#include "app/qt/data_window.h"

#include "app/qt/tests/test_app.h"

namespace {

using tavro::qt::SecondaryWindows;

struct Program {
  tavro::qt::QtPlatform platform;
  tavro::FrmMain logic{platform};
  tavro::qt::MainWindow window{logic, platform};
  SecondaryWindows others{window, logic, platform};

  Program() {
    platform.nonInteractive = true;
    EXPECT_TRUE(logic.Form_Load());
    window.PushToWidgets();
    window.show();
  }
  QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(name); }
  void Click(const char* name) {
    QPushButton* b = Button(name);
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isEnabled()) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void Convert(const char* entry) {
    auto* date = window.findChild<QLineEdit*>("txbDate");
    date->clear();
    QTest::keyClicks(date, entry);
    QTest::keyClick(date, Qt::Key_Return);
  }
  QString LogShown() {
    auto* text = others.Log().findChild<QPlainTextEdit*>();
    return text ? text->toPlainText() : QString();
  }
};

TEST(SecondaryWindows, LogButtonsAndAutoLog) {
  App();
  Program p;
  p.Convert("2000-01-01 ce");
  EXPECT_FALSE(p.Button("cmdViewLog")->isVisible());
  p.Click("cmdAddToLog");
  ASSERT_TRUE(p.Button("cmdViewLog")->isVisible());
  EXPECT_TRUE(p.Button("cmdClearLog")->isVisible());
  p.Click("cmdViewLog");
  ASSERT_TRUE(p.others.Log().isVisible());
  EXPECT_TRUE(p.LogShown().contains("2000-01-01 CE 12:00 GMT\n")) << p.LogShown().toStdString();

  // Auto log through the check box: a conversion shows up in the open log window.
  p.others.links().log.cmdClose_Click();  // keep the window, reopen below
  p.others.Log().Sync();
  EXPECT_FALSE(p.others.Log().isVisible());
  p.logic.chkAutoLog.value = 1;
  p.window.PushToWidgets();
  p.Click("cmdViewLog");
  p.Convert("2001-01-01 ce");
  EXPECT_TRUE(p.LogShown().contains("2001-01-01 CE 12:00 GMT\n")) << p.LogShown().toStdString();

  // Clear log asks; without a person the answer is Cancel and the log stays.
  p.Click("cmdClearLog");
  EXPECT_FALSE(p.others.links().log.Empty());
  // Closing the main window hides the log window first.
  p.window.close();
  EXPECT_FALSE(p.others.Log().isVisible());
}

TEST(SecondaryWindows, CalendarAndDataOpenOnTheCurrentMoment) {
  App();
  Program p;
  p.Convert("2024-02-20 ce");
  p.Click("cmdDisplayCalendar");
  tavro::qt::CalendarWindow& cal = p.others.Calendar();
  EXPECT_TRUE(cal.isVisible());
  EXPECT_EQ(cal.windowTitle(), "79-41-01-11 CHL");
  EXPECT_EQ(p.others.links().calendar.lblYearAndMonth.caption, "Common Era year 2024 (February-March)");
  QTest::mouseClick(cal.findChildren<QPushButton*>().back(), Qt::LeftButton);  // Close
  EXPECT_FALSE(cal.isVisible());
  p.Click("cmdDisplayYearData");
  tavro::qt::DataWindow& data = p.others.Data();
  EXPECT_TRUE(data.isVisible());
  EXPECT_EQ(data.windowTitle(), "Dates, times and CJDs of dark moons and solar terms");
  EXPECT_NE(data.logic().txbText.text.find("beginning 79-40 (2023 CE)"), std::string::npos);
  // Its buttons in the main window work again once the listing is done.
  EXPECT_TRUE(p.Button("cmdListLunarNewYears")->isEnabled());
  p.window.hide();
}

// Each window as the hidden screenshot option draws it.
class Screenshot : public ::testing::TestWithParam<const char*> {};

TEST_P(Screenshot, WritesAPictureOfTheWindow) {
  QTemporaryDir dir;
  const QString png = dir.filePath("shot.png");
  const std::string cmd = "XDG_DATA_HOME='" + dir.path().toStdString() + "' XDG_CONFIG_HOME='" +
                          dir.path().toStdString() + "' QT_QPA_PLATFORM=offscreen '" TAVRO_GUI "' --screenshot '" +
                          png.toStdString() + "' --entry '2024-02-20 CE' --window " + GetParam() + " 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  QImage img(png);
  ASSERT_FALSE(img.isNull());
  EXPECT_GT(img.width(), 200);
  EXPECT_GT(img.height(), 100);
  // Not one flat colour: the window drew something.
  const QRgb corner = img.pixel(img.width() / 2, img.height() / 2);
  bool varied = false;
  for (int y = 0; y < img.height() && !varied; y += 7)
    for (int x = 0; x < img.width() && !varied; x += 7) varied = img.pixel(x, y) != corner;
  EXPECT_TRUE(varied);
  EXPECT_FALSE(std::filesystem::exists(dir.path().toStdString() + "/Velmora/tavro.usr"));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Screenshot,
                         ::testing::Values("main", "log", "preferences", "calendar", "data", "multisearch", "festivals"));

TEST(Screenshot, UnknownWindowIsAUsageError) {
  const std::string cmd = "QT_QPA_PLATFORM=offscreen '" TAVRO_GUI "' --screenshot /dev/null --window nosuch 2>/dev/null";
  const int status = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
