#include <gtest/gtest.h>

#include <memory>

#include "app/log/log_controller.h"
#include "app/ui/fake_platform.h"

namespace tavro {
namespace {

class LogWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.programFolder = ".";  // the tests run beside the program's data files
    main = std::make_unique<FrmMain>(p);
    ASSERT_TRUE(main->Form_Load());
    log = std::make_unique<FrmLog>(p);
    prefs = std::make_unique<FrmLogPreferences>();
    controller = std::make_unique<LogController>(*main, *log, *prefs);
    main->logPreferences = DefaultLogPreferences(false);
    p.Clear();
  }
  void Convert(const std::string& entry, const std::string& plusMinus = "") {
    main->txbDate.text = entry;
    main->txbPlusMinus.text = plusMinus;
    main->optPlus.value = true;
    main->optMinus.value = false;
    main->cmdCompute_Click();
  }

  ui::FakePlatform p;
  std::unique_ptr<FrmMain> main;
  std::unique_ptr<FrmLog> log;
  std::unique_ptr<FrmLogPreferences> prefs;
  std::unique_ptr<LogController> controller;
};

TEST_F(LogWindowsTest, AddToLogWritesTheShownMoment) {
  Convert("2000-01-01 CE");
  controller->cmdAddToLog_Click();
  const std::string& text = log->txbText.text;
  EXPECT_EQ(text.rfind(main->title + "\r\n\r\n" + main->lblChineseLunarDate[1].caption + "\r\n= the ", 0), 0u)
      << text;
  EXPECT_NE(text.find("\r\n2000-01-01 CE 12:00 GMT\r\n"), std::string::npos) << text;
  EXPECT_EQ(main->logText, text);
  EXPECT_TRUE(main->cmdViewLog.visible);
  EXPECT_TRUE(main->cmdClearLog.visible);
  EXPECT_EQ(main->focus, "cmdViewLog");
  EXPECT_FALSE(log->visible);
  // With "View log after adding an entry" the window opens.
  main->logPreferences[kLogViewWhenAdd] = 1;
  controller->cmdAddToLog_Click();
  EXPECT_TRUE(log->visible);
  EXPECT_EQ(log->caption, "Log for " + log->programName);
}

TEST_F(LogWindowsTest, AutoLogHeadings) {
  main->chkAutoLog.value = 1;
  Convert("2000-01-01 CE");
  // Convert without plus/minus days, expanded: an empty heading and underline.
  EXPECT_EQ(log->txbText.text.rfind("\r\n\r\n" + main->lblChineseLunarDate[1].caption, 0), 0u) << log->txbText.text;
  log->ClearText();
  Convert("", "1");
  EXPECT_EQ(log->txbText.text.rfind("Plus 1 day\r\n----------\r\n", 0), 0u) << log->txbText.text;
  log->ClearText();
  main->logPreferences[kLogVerbose] = 0;
  Convert("", "1,000");
  EXPECT_EQ(log->txbText.text.rfind("Plus 1,000 days\r\n" + main->lblChineseLunarDate[1].caption, 0), 0u);
}

TEST_F(LogWindowsTest, AutoLogStaysQuietWhenOffOrCancelled) {
  controller->AutoLog(kAutoLogNow);
  EXPECT_TRUE(log->Empty());
  main->chkAutoLog.value = 1;
  controller->multipleSearchCancelled = [] { return true; };
  controller->AutoLog(kAutoLogSearch);
  EXPECT_TRUE(log->Empty());
  controller->AutoLog(0);
  EXPECT_TRUE(log->Empty());
  controller->AutoLog(kAutoLogNow);
  EXPECT_EQ(log->txbText.text.rfind("Now\r\n---\r\n", 0), 0u);
}

TEST_F(LogWindowsTest, ErrorStopsARepeatedMove) {
  main->chkAutoLog.value = 1;
  main->blnRepeat = true;
  main->chkRepeatedly.value = 1;
  main->lblCommonEraDate[1].caption = "no zone";
  controller->AutoLog(kAutoLogMove);
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(p.LastMessage()->title, "Error");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
  EXPECT_FALSE(main->blnRepeat);
  EXPECT_EQ(main->chkRepeatedly.value, 0);
}

TEST_F(LogWindowsTest, ViewClearAndClose) {
  controller->cmdViewLog_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(p.LastMessage()->text, "Log is empty");
  EXPECT_EQ(p.LastMessage()->title, "View Log");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Information);
  EXPECT_FALSE(log->visible);

  controller->cmdAddToLog_Click();
  controller->cmdViewLog_Click();
  EXPECT_TRUE(log->visible);
  EXPECT_EQ(log->focus, "cmdClose");
  // "Close" hides the window and keeps the text.
  log->cmdClose_Click();
  EXPECT_FALSE(log->visible);
  EXPECT_FALSE(log->Empty());

  // Clearing asks first; Cancel keeps everything.
  p.answers = {ui::Answer::Cancel};
  controller->cmdClearLog_Click();
  EXPECT_EQ(p.LastMessage()->text, "Erase all data in the log?");
  EXPECT_EQ(p.LastMessage()->buttons, ui::Buttons::OkCancel);
  EXPECT_FALSE(log->Empty());
  controller->cmdViewLog_Click();
  p.answers = {ui::Answer::Ok};
  EXPECT_TRUE(log->cmdClear_Click());
  EXPECT_TRUE(log->Empty());
  EXPECT_TRUE(main->logText.empty());
  EXPECT_FALSE(log->visible);
  EXPECT_FALSE(main->cmdViewLog.visible);
  EXPECT_FALSE(main->cmdClearLog.visible);
}

TEST_F(LogWindowsTest, ClosingByTheFrameLosesTheText) {
  controller->cmdAddToLog_Click();
  controller->cmdViewLog_Click();
  log->Form_QueryUnloadByFrame();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(p.LastMessage()->title, "X");
  EXPECT_EQ(p.LastMessage()->text,
            "Closing the log window in this way\r\n causes its contents to be lost.\r\n\r\n"
            "To preserve the contents\r\nuse the 'Close' button.");
  EXPECT_TRUE(log->Empty());
  EXPECT_TRUE(main->logText.empty());
  EXPECT_FALSE(main->cmdViewLog.visible);
  EXPECT_FALSE(main->cmdClearLog.visible);
}

TEST_F(LogWindowsTest, CopiesSelectionOrEverything) {
  log->Append("first line\r\nsecond line\r\n");
  log->selStart = 6;
  log->selLength = 4;
  log->txbText_MouseUp();
  EXPECT_EQ(log->cmdCopyToClipboard.caption, "Copy selected text to clipboard");
  log->cmdCopyToClipboard_Click();
  EXPECT_EQ(p.clipboardText, "line");
  EXPECT_EQ(log->cmdCopyToClipboard.caption, "Copy to clipboard");
  log->selLength = 0;
  log->cmdCopyToClipboard_Click();
  EXPECT_EQ(p.clipboardText, "first line\r\nsecond line\r\n");
  // A selection reaching past the end copies what exists.
  log->selStart = 19;
  log->selLength = 1000;
  log->cmdCopyToClipboard_Click();
  EXPECT_EQ(p.clipboardText, "line\r\n");
}

TEST_F(LogWindowsTest, PreferencesWindow) {
  controller->cmdLogPreferences_Click();
  EXPECT_TRUE(prefs->visible);
  EXPECT_EQ(prefs->Values(), main->logPreferences);
  EXPECT_EQ(prefs->fontFamily, "Arial");
  prefs->chkVerbose.value = 0;
  prefs->chkVerbose_Click();
  EXPECT_FALSE(prefs->chkIncludeGanzhi.enabled);
  prefs->cmdSetClear_Click(0);
  for (int i = 0; i < kLogPreferenceCount; ++i) EXPECT_EQ(prefs->Box(i).value, 1) << i;
  EXPECT_TRUE(prefs->chkIncludeGanzhi.enabled);
  // Nothing checked: closing keeps the Chinese Lunar line.
  prefs->cmdSetClear_Click(1);
  prefs->cmdClose_Click();
  EXPECT_FALSE(prefs->visible);
  LogPreferences expected{};
  expected[kLogChL] = 1;
  EXPECT_EQ(main->logPreferences, expected);
  EXPECT_EQ(prefs->chkIncludeChL.caption, "ChL (Chinese Lunar Calendar)");
}

TEST_F(LogWindowsTest, DefaultEntryForTheCommandLine) {
  Convert("2000-01-01 CE");
  main->chkShowCJDs.value = 0;
  const std::string entry = DefaultLogEntry(*main);
  EXPECT_EQ(entry.rfind(main->title + "\r\n\r\n", 0), 0u);
  EXPECT_NE(entry.find(main->lblPhaseOfMoon[1].caption + " illumination\r\n\r\n"), std::string::npos) << entry;
  EXPECT_EQ(entry.find("CJDC"), std::string::npos);
}

}  // namespace
}  // namespace tavro
