// The program as a user drives it: the real windows, clicked and typed into
// headless, with the event loop running as in the program. Each scenario ends
// the program from a state a window can be in and checks that nothing keeps
// running and nothing written is lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/qt/calendar_window.h"
#include "app/qt/festivals_window.h"
#include "app/qt/log_preferences_window.h"
#include "app/qt/log_window.h"
#include "app/qt/main_window.h"
#include "app/qt/multisearch_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/secondary_windows.h"
#include "app/qt/data_window.h"

#include "app/qt/tests/test_app.h"

namespace {

std::vector<std::string> StateLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  std::vector<std::string> lines;
  std::string text = s.str();
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Its own settings and state folder, set before the program starts.
struct Home {
  QTemporaryDir dir;
  Home() {
    App();
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    // The settings store keeps the folder it found first: each test starts
    // without the values an earlier one left there.
    QSettings(tavro::ui::kOrganisation, tavro::ui::kApplication).clear();
  }
  std::string StatePath() const { return dir.path().toStdString() + "/Velmora/tavro.usr"; }
};

// The program as main() builds it.
struct Program {
  Home home;
  tavro::qt::QtPlatform platform;
  tavro::FrmMain logic{platform};
  tavro::qt::MainWindow window{logic, platform};
  tavro::qt::SecondaryWindows others{window, logic, platform};
  tavro::FrmMultipleElAn multipleLogic{platform};
  tavro::qt::MultiSearchWindow multipleWindow{multipleLogic, platform, &window, window.QuitButton()};
  std::vector<std::string> messages;

  Program() {
    platform.nonInteractive = true;
    platform.onMessage = [this](const std::string& text) { messages.push_back(text); };
    logic.multipleWindow = &multipleLogic;
    EXPECT_TRUE(logic.Form_Load());
    window.PushToWidgets();
    window.show();
    window.PushToWidgets();
  }
  template <class W = QWidget>
  W* Find(QWidget& in, const char* name) {
    W* w = in.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QPushButton* Button(const char* name) { return Find<QPushButton>(window, name); }
  void Click(QAbstractButton* b) {
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << b->objectName().toStdString();
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void Click(const char* name) { Click(Find<QAbstractButton>(window, name)); }
  void Choose(const char* combo, int index) {
    auto* c = Find<QComboBox>(window, combo);
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }
  void Convert(const char* entry) {
    auto* date = Find<QLineEdit>(window, "txbDate");
    Type(date, entry);
    QTest::keyClick(date, Qt::Key_Return);
  }
  QString Shown(const char* label) { return Find<QLabel>(window, label)->text(); }
  // A repeated run of `unit` at the shortest refresh period, not yet started.
  void PrepareRun(int unit) {
    Choose("cboMoveStep", unit);
    Choose("cboRefreshPeriod", 0);
    if (!Find<QCheckBox>(window, "chkRepeatedly")->isChecked()) Click("chkRepeatedly");
  }
};

// Runs the event loop as main() does, with `script` started inside it. The
// loop must end by itself (Quit); when it has not ended after `limitMs` it is
// forced to end (a repeated run stopped, the loop left) and -1 is returned.
// Otherwise the milliseconds between `mark` (set by the script) and the end.
struct LoopRun {
  QElapsedTimer clock;
  qint64 mark = -1;
  bool forced = false;
};

qint64 RunEventLoop(Program& p, LoopRun& run, const std::function<void()>& script, int limitMs = 4000) {
  run.clock.start();
  QTimer::singleShot(0, script);
  QTimer rescue;
  rescue.setSingleShot(true);
  QObject::connect(&rescue, &QTimer::timeout, [&] {
    run.forced = true;
    p.logic.blnRepeat = false;
    p.logic.blnPause = false;
    p.others.Data().logic().blnStop = true;
    p.multipleLogic.blnStop = true;
    QCoreApplication::exit(1);
  });
  rescue.start(limitMs);
  QApplication::exec();
  rescue.stop();
  if (run.forced || run.mark < 0) return -1;
  return run.clock.elapsed() - run.mark;
}

// ---- the main window: Quit or its frame, from idle, a running or a paused
// repeated move: the program ends at once, after saving what is shown ----

struct EndCase {
  const char* name;
  bool run, pause, byFrame;
};

class EndMainWindow : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndMainWindow, EndsAtOnceAndSavesWhatIsShown) {
  const EndCase c = GetParam();
  Program p;
  p.Convert("2000-01-01 ce");
  p.PrepareRun(2);  // day
  if (!c.run) p.Click("chkRepeatedly");
  double shownAtQuit = 0;
  LoopRun run;
  const qint64 after = RunEventLoop(p, run, [&] {
    if (c.run) {
      QTimer::singleShot(700, [&] {
        if (c.pause) p.Click("cmdPauseResume");
      });
      QTimer::singleShot(1200, [&] {
        shownAtQuit = p.logic.dblCurrentAJDate;
        run.mark = run.clock.elapsed();
        if (c.byFrame)
          p.window.close();
        else
          p.Click("cmdQuit");
      });
      p.Click("cmdMove");
    } else {
      // The other windows open: they go with the main window.
      p.Click("cmdAddToLog");
      p.Click("cmdViewLog");
      p.Click("cmdDisplayCalendar");
      // The festivals window with its export dialog open.
      p.Click("cmdFestivals");
      p.Click(p.Find<QPushButton>(p.others.Festivals(), "cmdExport"));
      EXPECT_TRUE(p.others.Festivals().ExportDialog().isVisible());
      shownAtQuit = p.logic.dblCurrentAJDate;
      run.mark = run.clock.elapsed();
      if (c.byFrame)
        p.window.close();
      else
        p.Click("cmdQuit");
    }
  });
  EXPECT_GE(after, 0) << "the event loop did not end after Quit";
  EXPECT_LT(after, 1000);
  EXPECT_FALSE(p.window.isVisible());
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  if (c.run) EXPECT_GT(shownAtQuit, 2451545.0);  // the run made steps before Quit
  // Nothing steps any more, and the file holds the moment shown at Quit.
  QTest::qWait(700);
  EXPECT_EQ(p.logic.dblCurrentAJDate, shownAtQuit);
  const auto lines = StateLines(p.home.StatePath());
  ASSERT_EQ(lines.size(), 79u);
  EXPECT_NEAR(std::stod(lines[0]), shownAtQuit, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(EveryState, EndMainWindow,
                         ::testing::Values(EndCase{"IdleQuit", false, false, false},
                                           EndCase{"IdleFrame", false, false, true},
                                           EndCase{"RunningQuit", true, false, false},
                                           EndCase{"RunningFrame", true, false, true},
                                           EndCase{"PausedQuit", true, true, false},
                                           EndCase{"PausedFrame", true, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- a repeated run as the user sees it: its end, the log buttons, the
// message at the range end, Save state and Reset ----

TEST(RepeatedRun, EndsCleanlyAndTheWindowFollows) {
  Program p;
  // Auto log from an empty log: the run fills it, and afterwards "View log"
  // and "Clear log" can be used.
  p.Click("chkAutoLog");
  p.Convert("2999-06-01 ce");
  p.PrepareRun(4);  // CE year: one step to 3000, beyond the range
  std::string stopShownAtMessage = "none";
  p.platform.onMessage = [&](const std::string& text) {
    p.messages.push_back(text);
    stopShownAtMessage = p.Button("cmdStop")->isVisible() ? "shown" : "hidden";
    EXPECT_TRUE(p.Button("cmdMove")->isEnabled());
  };
  QTimer guard;  // ends the run should the range end not
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] { p.logic.blnRepeat = false; });
  guard.start(3000);
  p.Click("cmdMove");
  guard.stop();
  ASSERT_FALSE(p.messages.empty());
  EXPECT_EQ(p.messages.back(), "Latest date exceeded.");
  EXPECT_EQ(stopShownAtMessage, "hidden");  // the run had ended when the message came
  // The step beyond the range was refused: the moment stays.
  EXPECT_TRUE(p.Shown("lblCommonEraDate_1").startsWith("2999-06-01 CE"));
  for (const char* b : {"cmdViewLog", "cmdClearLog", "cmdAddToLog", "cmdMove", "cmdCompute", "cmdNow"}) {
    EXPECT_TRUE(p.Button(b)->isVisible()) << b;
    EXPECT_TRUE(p.Button(b)->isEnabled()) << b;
  }
  EXPECT_FALSE(p.Find<QCheckBox>(p.window, "chkRepeatedly")->isChecked());
}

// Every saved option the user changes enables Save state.
TEST(SavedOptions, EveryChangeEnablesSaveState) {
  Program p;
  const std::vector<std::function<void()>> changes = {
      [&] { p.Click("chkAutoLog"); },          [&] { p.Click("optMinus"); },
      [&] { p.Click("optPlus"); },             [&] { p.Click("optPrevious"); },
      [&] { p.Click("optMoveDirection_1"); },  [&] { p.Click("chkShowCJDs"); },
      [&] { p.Choose("cboMoveStep", 3); },     [&] { p.Choose("cboRefreshPeriod", 2); },
      [&] { p.Click("cmdConfigureLog"); p.others.Preferences().findChildren<QCheckBox*>()[4]->click(); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    p.Click("cmdSaveState");
    ASSERT_FALSE(p.Button("cmdSaveState")->isEnabled());
    changes[i]();
    EXPECT_TRUE(p.Button("cmdSaveState")->isEnabled()) << "change " << i;
  }
}

// Reset runs the handlers of what it resets: the keep box of a repeated
// lunar-month run goes with "repeatedly", the direction shows its colour.
TEST(SavedOptions, ResetRunsTheClickHandlers) {
  Program p;
  // Day 30 of a lunar month.
  for (const char* entry : {"79-41-02-30 CHL", "79-41-03-30 CHL", "79-41-04-30 CHL", "79-41-05-30 CHL"}) {
    p.Convert(entry);
    if (p.logic.lblChineseLunarDate[1].caption.find("-30 CHL") != std::string::npos) break;
  }
  ASSERT_NE(p.logic.lblChineseLunarDate[1].caption.find("-30 CHL"), std::string::npos);
  p.PrepareRun(6);  // CHL month
  p.Click("optMoveDirection_1");
  auto* keep = p.Find<QCheckBox>(p.window, "chkKeep30th");
  ASSERT_TRUE(keep->isVisible());
  p.Click("cmdReset");
  EXPECT_FALSE(p.Find<QCheckBox>(p.window, "chkRepeatedly")->isChecked());
  EXPECT_FALSE(keep->isVisible());
  EXPECT_TRUE(p.Find<QRadioButton>(p.window, "optMoveDirection_0")->isChecked());
  EXPECT_EQ(p.logic.optMoveDirection[0].fore, p.logic.lngHighlight);
  EXPECT_EQ(p.logic.optMoveDirection[1].fore, p.logic.lngDehighlight);
}

// ---- the log and its preferences ----

// The boxes of the open preferences window are the preferences: "Add to log"
// uses them, and closing the main window saves them.
TEST(LogPreferences, TheOpenWindowsBoxesAreInForce) {
  Program p;
  p.Convert("2000-01-01 ce");
  p.Click("cmdConfigureLog");
  QWidget& prefs = p.others.Preferences();
  ASSERT_TRUE(prefs.isVisible());
  const auto boxes = prefs.findChildren<QCheckBox*>();
  ASSERT_EQ(boxes.size(), 13);
  boxes[0]->click();   // expanded entries off
  boxes[10]->click();  // AJD on
  p.Click("cmdAddToLog");
  const std::string log = p.others.links().log.txbText.text;
  EXPECT_NE(log.find("2,451,545.0000 AJD\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("= the"), std::string::npos) << log;
  ASSERT_TRUE(prefs.isVisible());

  LoopRun run;
  RunEventLoop(p, run, [&] {
    run.mark = run.clock.elapsed();
    p.window.close();
  });
  const auto lines = StateLines(p.home.StatePath());
  ASSERT_EQ(lines.size(), 79u);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(lines[10 + i], boxes[i]->isChecked() ? "1" : "0") << "line " << 11 + i;
  EXPECT_EQ(lines[10], "0");
  EXPECT_EQ(lines[20], "1");
}

// The log window activated shows no selection, so its copy button copies
// the whole log; Escape closes it as Close does and keeps the text.
TEST(LogWindow, ActivationCopiesTheWholeLogAndEscapeCloses) {
  Program p;
  p.Convert("2000-01-01 ce");
  p.Click("cmdAddToLog");
  p.Click("cmdAddToLog");
  p.Click("cmdViewLog");
  tavro::qt::LogWindow& log = p.others.Log();
  ASSERT_TRUE(log.isVisible());
  auto* text = log.findChild<QPlainTextEdit*>();
  QTextCursor c = text->textCursor();
  c.setPosition(3);
  c.setPosition(10, QTextCursor::KeepAnchor);
  text->setTextCursor(c);
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  log.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&log));
  const auto buttons = log.findChildren<QPushButton*>();
  QTest::mouseClick(buttons[0], Qt::LeftButton);  // Copy to clipboard
  QString whole = QString::fromStdString(p.others.links().log.txbText.text);
  EXPECT_EQ(QApplication::clipboard()->text(), whole);
  QTest::keyClick(&log, Qt::Key_Escape);
  EXPECT_FALSE(log.isVisible());
  EXPECT_FALSE(p.others.links().log.Empty());
}

// ---- the keyboard ----

TEST(Keyboard, EnterPressesTheFocusedButtonAndEscapeCloses) {
  Program p;
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  auto* date = p.Find<QLineEdit>(p.window, "txbDate");
  p.Type(date, "2000-01-01 ce");
  QTest::keyClick(date, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), p.Button("cmdCompute"));
  QTest::keyClick(p.Button("cmdCompute"), Qt::Key_Return);
  EXPECT_TRUE(p.Shown("lblCommonEraDate_1").startsWith("2000-01-01 CE"));
  // Enter on "Show lunar calendar month" opens it; Escape closes it.
  p.Button("cmdDisplayCalendar")->setFocus();
  QTest::keyClick(p.Button("cmdDisplayCalendar"), Qt::Key_Enter);
  tavro::qt::CalendarWindow& cal = p.others.Calendar();
  ASSERT_TRUE(cal.isVisible());
  QTest::keyClick(&cal, Qt::Key_Escape);
  EXPECT_FALSE(cal.isVisible());
  p.Click("cmdConfigureLog");
  QWidget& prefs = p.others.Preferences();
  ASSERT_TRUE(prefs.isVisible());
  QTest::keyClick(&prefs, Qt::Key_Escape);
  EXPECT_FALSE(prefs.isVisible());
  p.Click("cmdDisplayYearData");
  tavro::qt::DataWindow& data = p.others.Data();
  ASSERT_TRUE(data.isVisible());
  QTest::keyClick(&data, Qt::Key_Escape);
  EXPECT_FALSE(data.isVisible());
}

// ---- the display ----

TEST(Display, RowsCopyWhatTheyShowAndTheWindowFits) {
  Program p;
  const QSize before = p.window.size();
  // With a frame of about 30 pixels the window fits a 1024 x 768 screen.
  EXPECT_LE(before.width(), 1010);
  EXPECT_LE(before.height(), 730);
  p.Convert("2000-01-01 ce");
  QApplication::clipboard()->setText("untouched");
  QTest::mouseClick(p.Find<QLabel>(p.window, "lblDeltaT_1"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
  QTest::mouseClick(p.Find<QLabel>(p.window, "lblPhaseOfMoon_1"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), p.Shown("lblPhaseOfMoon_1"));
  // Rows shown make the window taller; hidden again, it shrinks back.
  p.Click("chkShowCJDs");
  const int taller = p.window.height();
  EXPECT_LE(taller, 730);
  p.Click("chkShowCJDs");
  p.Click("chkShowARC");
  p.Click("chkShowARC");
  EXPECT_EQ(p.window.height(), before.height());
}

// Numbers of the system's texts do not follow the user's locale.
TEST(Display, MoonPercentagesUseAPointWhateverTheLocale) {
  QTemporaryDir locales;
  const std::string make = "localedef -i de_DE -f UTF-8 '" + locales.path().toStdString() +
                           "/de_DE.UTF-8' >/dev/null 2>&1";
  if (std::system(make.c_str()) != 0) GTEST_SKIP() << "no German locale can be made here";
  qputenv("LOCPATH", locales.path().toUtf8());
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "the German locale does not load";
  {
    Program p;  // as Qt leaves it: the user's locale in force
    p.Convert("2000-01-10 ce");
    const QString phase = p.Shown("lblPhaseOfMoon_1");
    EXPECT_TRUE(phase.contains(QRegularExpression("\\d\\.\\d%"))) << phase.toStdString();
    EXPECT_FALSE(phase.contains(QRegularExpression("\\d,\\d%"))) << phase.toStdString();
  }
  std::setlocale(LC_ALL, "C");
  qunsetenv("LOCPATH");
}

// ---- the month calendar follows the main window at every activation ----

TEST(CalendarWindow, RedrawsFromTheMainWindowWhenActivated) {
  Program p;
  p.Convert("2024-02-20 ce");
  p.Click("cmdDisplayCalendar");
  tavro::qt::CalendarWindow& cal = p.others.Calendar();
  ASSERT_EQ(cal.windowTitle(), "79-41-01-11 CHL");
  ASSERT_TRUE(p.others.links().calendar.month.showArc);
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  p.Convert("2024-06-01 ce");
  p.Click("chkShowARC");
  ASSERT_FALSE(cal.isActiveWindow());
  cal.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&cal));
  QTest::qWait(50);
  EXPECT_EQ(cal.windowTitle(), "79-41-04-25 CHL");
  EXPECT_FALSE(p.others.links().calendar.month.showArc);
}

// ---- the multiple element-animal window ----

TEST(MultipleSearch, OpensOnTheScreenStopsAtOnceAndQuitEnds) {
  Program p;
  const QRect area = p.window.screen()->availableGeometry();
  // The main window at the right edge: there is no room beside it.
  p.window.move(area.right() - p.window.frameGeometry().width() + 1, area.top());
  p.Choose("cboTarget", 20);  // Multiple element-animal day
  QRect shownAt;
  bool hiddenAtOnce = false;
  LoopRun run;
  const qint64 after = RunEventLoop(p, run, [&] {
    QTimer::singleShot(0, [&] {
      shownAt = p.multipleWindow.frameGeometry();
      auto* element = p.Find<QComboBox>(p.multipleWindow, "cboElement_0");
      element->setCurrentIndex(0);
      emit element->activated(0);
      auto* search = p.Find<QPushButton>(p.multipleWindow, "cmdSearch");
      // Stop at the scan's first yield: the progress line goes at once.
      QTimer::singleShot(0, [&, search] {
        QTest::mouseClick(search, Qt::LeftButton);
        hiddenAtOnce = !p.Find<QLabel>(p.window, "lblSearching")->isVisible();
        // Searching again; the main window is closed during that scan (the
        // dialog blocks its buttons, not the session's close).
        QTimer::singleShot(0, [&, search] {
          QTimer::singleShot(0, [&] {
            run.mark = run.clock.elapsed();
            p.window.close();
          });
          QTest::mouseClick(search, Qt::LeftButton);
        });
      });
      QTest::mouseClick(search, Qt::LeftButton);
    });
    p.Click("cmdSearch");
  });
  EXPECT_TRUE(area.contains(shownAt)) << shownAt.x() << "," << shownAt.y() << " " << shownAt.width() << "x"
                                      << shownAt.height();
  EXPECT_TRUE(hiddenAtOnce);
  EXPECT_GE(after, 0);
  EXPECT_LT(after, 1000);
  EXPECT_FALSE(p.multipleWindow.isVisible());
  EXPECT_EQ(StateLines(p.home.StatePath()).size(), 79u);
}

// ---- native names and the festivals window ----

// The native line appears under the lunar rows in Chinese characters that
// follow the script box, and with every row shown the window still fits a
// 1024 x 768 screen.
TEST(NativeNames, LineFollowsTheBoxesAndTheWindowFits) {
  Program p;
  p.Convert("2024-02-10 ce");
  auto* line = p.Find<QLabel>(p.window, "lblNativeDate_1");
  auto* script = p.Find<QComboBox>(p.window, "cboNativeScript");
  EXPECT_FALSE(line->isVisible());
  EXPECT_FALSE(script->isVisible());
  p.Click("chkShowNativeNames");
  ASSERT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), "甲辰年正月初一   春节");
  p.Choose("cboNativeScript", 1);
  EXPECT_EQ(line->text(), "甲辰年正月初一   春節");
  p.Click("chkShowCJDs");
  EXPECT_LE(p.window.width(), 1010);
  EXPECT_LE(p.window.height(), 730);
  p.Choose("cboRefLong", 2);  // Japan
  EXPECT_FALSE(script->isVisible());
  EXPECT_TRUE(line->text().startsWith("甲辰年 1月1日 先勝")) << line->text().toStdString();
  EXPECT_LE(p.window.width(), 1010);
}

// Opened by its button: a double-click on a row moves the main window to
// that day; Enter on a row and on the focused Go to button does the same;
// Escape closes the window and Ctrl+F opens it again.
TEST(FestivalsWindow, RowsMoveTheMainWindowAndEscapeCloses) {
  Program p;
  p.Convert("2025-03-01 ce");
  p.Click("cmdFestivals");
  tavro::qt::FestivalsWindow& w = p.others.Festivals();
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), "Festivals 2025");
  auto* list = p.Find<QTreeWidget>(w, "lstFestivals");
  ASSERT_EQ(list->columnCount(), 4);
  auto row = [&](const char* english) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (list->topLevelItem(i)->text(2) == english) return list->topLevelItem(i);
    return static_cast<QTreeWidgetItem*>(nullptr);
  };
  QTreeWidgetItem* midAutumn = row("Mid-Autumn Festival");
  ASSERT_NE(midAutumn, nullptr);
  EXPECT_EQ(midAutumn->text(0), "2025-10-06");
  EXPECT_EQ(midAutumn->text(1), "中秋节");
  list->scrollToItem(midAutumn);
  const QPoint at = list->visualItemRect(midAutumn).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(p.Shown("lblCommonEraDate_1").startsWith("2025-10-06 CE 04:00 GMT")) << p.Shown("lblCommonEraDate_1").toStdString();
  EXPECT_TRUE(w.isVisible());

  // Enter on the Lantern Festival's row.
  QTreeWidgetItem* lantern = row("Lantern Festival");
  ASSERT_NE(lantern, nullptr);
  list->setFocus();
  list->setCurrentItem(lantern);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_TRUE(p.Shown("lblCommonEraDate_1").startsWith(lantern->text(0))) << p.Shown("lblCommonEraDate_1").toStdString();
  // Enter on the focused "Go to day" with the Qixi row chosen.
  QTreeWidgetItem* qixi = row("Qixi Festival");
  ASSERT_NE(qixi, nullptr);
  list->setCurrentItem(qixi);
  auto* goTo = p.Find<QPushButton>(w, "cmdGoTo");
  goTo->setFocus();
  QTest::keyClick(goTo, Qt::Key_Return);
  EXPECT_TRUE(p.Shown("lblCommonEraDate_1").startsWith(qixi->text(0))) << p.Shown("lblCommonEraDate_1").toStdString();

  // The year box: Enter lists the year typed.
  auto* year = p.Find<QLineEdit>(w, "txbYear");
  p.Type(year, "2024");
  QTest::keyClick(year, Qt::Key_Return);
  EXPECT_EQ(w.windowTitle(), "Festivals 2024");
  ASSERT_NE(row("Spring Festival"), nullptr);
  EXPECT_EQ(row("Spring Festival")->text(0), "2024-02-10");

  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
  p.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p.window));
  QTest::keyClick(&p.window, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(w.isVisible());
  // Opened again: the year of the main window's moment.
  EXPECT_EQ(w.windowTitle(), "Festivals 2025");
}

// The export dialog through the real widgets: the file dialog answered by
// the test, the file written, the window says so; Escape cancels.
TEST(FestivalsWindow, ExportDialogSavesTheFileChosen) {
  struct Scripted : tavro::qt::QtPlatform {
    std::string answer;
    std::string SaveFileDialog(const std::string&, const std::string& suggested, const std::string&) override {
      suggestedName = suggested;
      return answer;
    }
    std::string suggestedName;
  };
  Home home;
  Scripted platform;
  platform.nonInteractive = true;
  tavro::FrmMain logic{platform};
  tavro::qt::MainWindow window{logic, platform};
  tavro::qt::SecondaryWindows others{window, logic, platform};
  ASSERT_TRUE(logic.Form_Load());
  window.show();
  window.PushToWidgets();
  others.OpenFestivals();
  tavro::qt::FestivalsWindow& w = others.Festivals();
  QTest::mouseClick(w.findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
  tavro::qt::FestivalExportDialog& dialog = w.ExportDialog();
  ASSERT_TRUE(dialog.isVisible());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(others.links().festivals.exportDialog.visible);

  QTest::mouseClick(w.findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
  ASSERT_TRUE(dialog.isVisible());
  auto* to = dialog.findChild<QLineEdit*>("txbTo");
  to->setFocus();
  to->selectAll();
  QTest::keyClicks(to, QString::number(std::stoi(others.links().festivals.txbYear.text) + 2));
  platform.answer = home.dir.filePath("three-years").toStdString();
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(platform.suggestedName.rfind("tavro-china-", 0), 0u) << platform.suggestedName;
  const QString file = home.dir.filePath("three-years.ics");
  ASSERT_TRUE(QFile::exists(file));
  EXPECT_TRUE(w.findChild<QLabel*>("lblStatus")->text().contains(file));
  window.hide();
  w.hide();
}

// ---- the data window ----

// A test typed into the data window's start box goes through the main
// window's date box, which shows it.
TEST(DataWindow, EnterInTheStartBoxShowsTheDateInTheMainWindow) {
  Program p;
  p.Click("cmdTest");
  tavro::qt::DataWindow& data = p.others.Data();
  ASSERT_TRUE(data.isVisible());
  auto* start = data.findChildren<QLineEdit*>()[1];
  ASSERT_TRUE(start->isVisible());
  p.Type(start, "2000-01-01 ce");
  QTest::keyClick(start, Qt::Key_Return);
  EXPECT_EQ(p.Find<QLineEdit>(p.window, "txbDate")->text(), "2000-01-01 CE");
  EXPECT_EQ(p.logic.txbDate.text, "2000-01-01 CE");
  EXPECT_NE(data.logic().txbText.text.find("11"), std::string::npos);
}

// While a list or the self-test runs, however it was started, the main
// window's data buttons are disabled and cannot change what is listed; Quit
// during it ends the program at once.
struct DataCase {
  const char* name;
  int window;  // 0: nothing runs
};

class EndDataWindow : public ::testing::TestWithParam<DataCase> {};

TEST_P(EndDataWindow, ButtonsWaitAndQuitEnds) {
  const DataCase c = GetParam();
  Program p;
  p.Convert("2000-01-01 ce");
  tavro::qt::DataWindow& data = p.others.Data();
  std::vector<bool> enabledDuring;
  int windowDuring = -1;
  LoopRun run;
  const qint64 after = RunEventLoop(p, run, [&] {
    if (c.window == 0) {
      p.Click("cmdDisplayYearData");
      run.mark = run.clock.elapsed();
      p.Click("cmdQuit");
      return;
    }
    QTimer::singleShot(300, [&] {
      for (const char* b : {"cmdDisplayYearData", "cmdListLunarNewYears", "cmdListLeapMonths",
                            "cmdListJulianCENewYears", "cmdTest"})
        enabledDuring.push_back(p.Button(b)->isEnabled());
      p.others.OpenData(tavro::kWindowYearData);  // as a click that got through would
      windowDuring = data.logic().intWindow;
      run.mark = run.clock.elapsed();
      p.Click("cmdQuit");
    });
    if (c.window == tavro::kWindowTest) {
      p.Click("cmdTest");
      return;
    }
    // Started from the data window itself: a long list by Enter.
    p.Click("cmdListLunarNewYears");
    auto* years = data.findChildren<QLineEdit*>()[0];
    p.Type(years, "2000");
    QTest::keyClick(years, Qt::Key_Return);
  });
  EXPECT_GE(after, 0) << "the event loop did not end after Quit";
  EXPECT_LT(after, 1000);
  EXPECT_FALSE(data.isVisible());
  if (c.window != 0) {
    EXPECT_EQ(enabledDuring, std::vector<bool>(5, false));
    EXPECT_EQ(windowDuring, c.window);
  }
  const auto lines = StateLines(p.home.StatePath());
  ASSERT_EQ(lines.size(), 79u);
  EXPECT_NEAR(std::stod(lines[0]), 2451545.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(EveryState, EndDataWindow,
                         ::testing::Values(DataCase{"Idle", 0}, DataCase{"List", tavro::kWindowNewYears},
                                           DataCase{"SelfTest", tavro::kWindowTest}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// ---- the window's edges at 1024 x 768 ----

// Log buttons shown do not widen the window; a repeated run moves nothing
// below the controls it hides, and "Festivals" waits with the others.
TEST(WindowEdges, ButtonsShownOrHiddenMoveNothing) {
  Program p;
  p.Convert("2000-01-01 ce");
  const int width = p.window.frameGeometry().width();
  p.Click("cmdAddToLog");
  EXPECT_LE(p.window.frameGeometry().width(), width);
  QPushButton* quit = p.Button("cmdQuit");
  const QPoint quitAt = quit->mapTo(&p.window, QPoint());
  p.PrepareRun(2);  // day
  QPoint quitDuring;
  bool festivalsDuring = true;
  QTimer::singleShot(300, [&] {
    quitDuring = quit->mapTo(&p.window, QPoint());
    festivalsDuring = p.Button("cmdFestivals")->isEnabled();
    p.Click("cmdStop");
  });
  p.Click("cmdMove");
  EXPECT_EQ(quitDuring, quitAt);
  EXPECT_FALSE(festivalsDuring);
  EXPECT_TRUE(p.Button("cmdFestivals")->isEnabled());
}

// A grey box (value 2) shows grey in every window.
TEST(WindowEdges, AGreyCheckBoxShowsGreyEverywhere) {
  Program p;
  p.logic.chkShowCJDs.value = 2;
  p.Click("cmdConfigureLog");
  p.others.links().preferences.Box(3).value = 2;
  p.Click("cmdDisplayYearData");
  tavro::FrmData& data = p.others.Data().logic();
  data.chkLargeWindow.value = 2;
  p.platform.Sync();
  QCheckBox* large = nullptr;
  for (QCheckBox* b : p.others.Data().findChildren<QCheckBox*>())
    if (b->text().toStdString() == data.chkLargeWindow.caption) large = b;
  ASSERT_NE(large, nullptr);
  for (QCheckBox* box : {p.Find<QCheckBox>(p.window, "chkShowCJDs"), p.others.Preferences().findChildren<QCheckBox*>()[3],
                         large})
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked) << box->text().toStdString();
}

// The main window's Quit, clicked as a person clicks it (through the window
// system, where a modal window would drop the click), ends the program while
// the export dialog or the multiple element-animal window is open.
struct OpenDialogCase {
  const char* name;
  bool multiple;
};

class QuitOverDialog : public ::testing::TestWithParam<OpenDialogCase> {};

TEST_P(QuitOverDialog, EndsTheProgram) {
  Program p;
  p.Convert("2000-01-01 ce");
  auto clickQuit = [&] {
    QPushButton* quit = p.Button("cmdQuit");
    QTest::mouseClick(p.window.windowHandle(), Qt::LeftButton, {}, quit->mapTo(&p.window, quit->rect().center()));
  };
  bool dialogShown = false;
  LoopRun run;
  const qint64 after = RunEventLoop(p, run, [&] {
    QTimer::singleShot(100, [&] {
      dialogShown = GetParam().multiple ? p.multipleWindow.isVisible() : p.others.Festivals().ExportDialog().isVisible();
      run.mark = run.clock.elapsed();
      clickQuit();
    });
    if (GetParam().multiple) {
      p.Choose("cboTarget", 20);  // Multiple element-animal day
      p.Click("cmdSearch");
    } else {
      p.Click("cmdFestivals");
      p.Click(p.Find<QPushButton>(p.others.Festivals(), "cmdExport"));
    }
  });
  EXPECT_TRUE(dialogShown);
  EXPECT_GE(after, 0) << "the event loop did not end after Quit";
  EXPECT_EQ(StateLines(p.home.StatePath()).size(), 79u);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, QuitOverDialog,
                         ::testing::Values(OpenDialogCase{"ExportDialog", false}, OpenDialogCase{"MultipleSearch", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
