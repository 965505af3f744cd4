// The main window with its log and calendar windows linked as the desktop
// program links them (before start-up), on the fake platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "app/ui/fake_platform.h"
#include "app/windows/window_links.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

class WindowLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::mt19937_64 rng(std::random_device{}());
    folder = std::filesystem::temp_directory_path() / ("tavro_links_test_" + std::to_string(rng()));
    std::filesystem::create_directories(folder);
    p.appDataFolder = folder.string();
    p.programFolder = ".";  // the tests run beside the program's data files
    Start();
  }
  void TearDown() override {
    links.reset();
    main.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  // A new program on the same platform (same state file): links first, as
  // the desktop program makes them, then start-up.
  void Start() {
    links.reset();
    main = std::make_unique<FrmMain>(p);
    links = std::make_unique<WindowLinks>(*main, nullptr);
    ASSERT_TRUE(main->Form_Load());
    p.Clear();
  }
  void Convert(const std::string& entry, const std::string& plusMinus = "") {
    main->txbDate.text = entry;
    main->txbPlusMinus.text = plusMinus;
    main->cmdCompute_Click();
  }
  const std::string& Log() const { return links->log.txbText.text; }

  std::filesystem::path folder;
  ui::FakePlatform p;
  std::unique_ptr<FrmMain> main;
  std::unique_ptr<WindowLinks> links;
};

TEST_F(WindowLinksTest, AutoLogOnConvertWritesOneEntryWithItsHeading) {
  main->chkAutoLog.value = 1;
  Convert("2000-01-01 CE");
  const std::string chl = main->lblChineseLunarDate[1].caption;
  // No plus/minus days, expanded entries: an empty heading and an empty underline.
  EXPECT_EQ(Log().rfind("\r\n\r\n" + chl + "\r\n= the ", 0), 0u) << Log();
  EXPECT_EQ(Count(Log(), chl), 1u);
  EXPECT_TRUE(main->cmdViewLog.visible);

  // The same moment again changes nothing and logs nothing.
  const std::string before = Log();
  Convert("2000-01-01 CE");
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(p.LastMessage()->text, "Calendar dates unchanged.");
  EXPECT_EQ(Log(), before);
  // Nor does an entry error.
  Convert("2000-13-01 CE");
  EXPECT_EQ(Log(), before);

  // Plus days: the heading names them, followed by the new moment's entry.
  Convert("", "2.5");
  const std::string added = Log().substr(before.size());
  EXPECT_EQ(added.rfind("Plus 2.5 days\r\n-------------\r\n" + main->lblChineseLunarDate[1].caption + "\r\n", 0), 0u)
      << added;
  EXPECT_EQ(Count(added, "Plus 2.5 days"), 1u);

  // Now logs under its own heading; with Auto log off nothing is added.
  main->cmdNow_Click();
  EXPECT_NE(Log().find("Now\r\n---\r\n"), std::string::npos);
  const std::string withNow = Log();
  main->chkAutoLog.value = 0;
  Convert("2001-01-01 CE");
  EXPECT_EQ(Log(), withNow);
}

TEST_F(WindowLinksTest, MultipleSearchLogsItsRowsOrNothingWhenCancelled) {
  main->chkAutoLog.value = 1;
  main->cboTarget.index = kTargetMultipleElementAnimal;
  main->multipleSearchCancelled = true;
  links->logController.AutoLog(kAutoLogSearch);
  EXPECT_TRUE(Log().empty());
  main->multipleSearchCancelled = false;
  main->multipleSearchDescription = "wood-rat day";
  links->logController.AutoLog(kAutoLogSearch);
  EXPECT_EQ(Log().rfind("Search for next wood-rat day\r\n", 0), 0u) << Log();
}

TEST_F(WindowLinksTest, ViewAndClearLogFromTheMainWindow) {
  links->cmdViewLog_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(p.LastMessage()->text, "Log is empty");
  EXPECT_EQ(p.LastMessage()->title, "View Log");
  EXPECT_FALSE(links->log.visible);

  Convert("2000-01-01 CE");
  links->cmdAddToLog_Click();
  links->cmdViewLog_Click();
  EXPECT_TRUE(links->log.visible);
  // Any later redisplay keeps the log buttons as the log text says.
  Convert("2001-01-01 CE");
  EXPECT_TRUE(main->cmdViewLog.visible);
  EXPECT_TRUE(main->cmdClearLog.visible);

  p.answers = {ui::Answer::Cancel};
  links->cmdClearLog_Click();
  EXPECT_EQ(p.LastMessage()->text, "Erase all data in the log?");
  EXPECT_EQ(p.LastMessage()->title, "Clear log");
  EXPECT_EQ(p.LastMessage()->buttons, ui::Buttons::OkCancel);
  EXPECT_FALSE(Log().empty());
  EXPECT_TRUE(links->log.visible);

  p.answers = {ui::Answer::Ok};
  links->cmdClearLog_Click();
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(links->log.visible);
  Convert("2002-01-01 CE");
  EXPECT_FALSE(main->cmdViewLog.visible);
  EXPECT_FALSE(main->cmdClearLog.visible);
}

TEST_F(WindowLinksTest, LogPreferencesTravelWithTheSavedState) {
  links->cmdConfigureLog_Click();
  ASSERT_TRUE(links->preferences.visible);
  EXPECT_EQ(links->preferences.Values(), main->logPreferences);
  links->preferences.chkIncludeCE.value = 0;
  links->preferences.chkIncludeJC.value = 1;
  links->preferences.cmdClose_Click();
  EXPECT_TRUE(main->cmdSaveState.enabled);
  main->cmdSaveState_Click();

  Start();
  EXPECT_EQ(main->logPreferences[kLogCE], 0);
  EXPECT_EQ(main->logPreferences[kLogJC], 1);
  links->cmdConfigureLog_Click();
  EXPECT_EQ(links->preferences.chkIncludeJC.value, 1);
  Convert("2000-01-01 CE");
  links->cmdAddToLog_Click();
  EXPECT_NE(Log().find("1999-12-19 JC 12:00 GMT\r\n"), std::string::npos) << Log();
  EXPECT_EQ(Log().find(" CE "), std::string::npos) << Log();
}

TEST_F(WindowLinksTest, CalendarOpensOnTheMonthOfTheCurrentMoment) {
  Convert("2024-02-20 CE");
  const double moment = main->dblCurrentAJDate;
  links->cmdDisplayCalendar_Click();
  FrmCalendar& cal = links->calendar;
  EXPECT_TRUE(cal.visible);
  EXPECT_EQ(cal.lngJDN1stOfMonth, GregorianJDN(2024, 2, 10));
  const std::string line = main->lblChineseLunarDate[1].caption;
  EXPECT_EQ(cal.caption, line.substr(0, line.find("CHL") + 3));
  EXPECT_EQ(cal.month.showArc, main->chkShowARC.value == 1);

  // Stepping in the calendar leaves the main window's moment alone, and
  // opening again returns to the current month.
  cal.cmdShowPreviousOrNext_Click(1);
  EXPECT_EQ(main->dblCurrentAJDate, moment);
  main->chkShowARC.value = 0;
  main->chkShowARC_Click();
  Convert("2023-12-25 CE");
  links->cmdDisplayCalendar_Click();
  EXPECT_EQ(cal.lngJDN1stOfMonth, GregorianJDN(2023, 12, 13));
  EXPECT_EQ(cal.lblYearAndMonth.caption, "Common Era year 2023 (December) - 2024 (January)");
  EXPECT_FALSE(cal.month.showArc);

  // Its Close gives the focus back to the main window.
  main->focus.clear();
  cal.cmdClose_Click();
  EXPECT_FALSE(cal.visible);
  EXPECT_FALSE(main->focus.empty());
}

TEST_F(WindowLinksTest, ClosingTheMainWindowHidesTheLogAndSaves) {
  Convert("2000-01-01 CE");
  links->cmdAddToLog_Click();
  links->cmdViewLog_Click();
  ASSERT_TRUE(links->log.visible);
  links->Form_Unload();
  EXPECT_FALSE(links->log.visible);
  EXPECT_TRUE(main->quitRequested);
  EXPECT_TRUE(std::filesystem::exists(folder / ui::kOrganisation / "tavro.usr"));
}

}  // namespace
}  // namespace tavro
