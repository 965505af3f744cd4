#include <fstream>
#include <sstream>

#include "app/main/tests/main_test_support.h"
#include "core/time/scales.h"

namespace tavro::testing {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

TEST_F(MainWindowTest, FirstStartDefaults) {
  EXPECT_EQ(f->Country(), kCountryChina);
  EXPECT_EQ(f->ReferenceLongitude(), 120);
  EXPECT_EQ(f->strCCT, "CCT");
  EXPECT_EQ(f->intCalendar, kCalCHL);
  EXPECT_EQ(f->lblChineseLunarDate[0].back, f->lngHighlight);
  EXPECT_TRUE(f->lblArchetypesCalendarGMT[1].visible);
  EXPECT_TRUE(f->startupCompleted);
  EXPECT_FALSE(f->blnInitializing);
  EXPECT_TRUE(f->picMoon.visible);
  EXPECT_FALSE(f->lblCommonEraDate[1].caption.empty());
  EXPECT_TRUE(f->cmdMove.enabled);
  EXPECT_TRUE(f->cmdSearch.enabled);
  EXPECT_FALSE(f->fraStopPauseResume.visible);
  EXPECT_FALSE(f->lblSearching.visible);
}

TEST_F(MainWindowTest, StateFileLayout) {
  Convert("2000-01-01 CE", "06:30");
  f->cmdSaveState_Click();
  EXPECT_FALSE(f->cmdSaveState.enabled);
  EXPECT_EQ(p.settings["cboRefLong"], "1");
  const std::string text = ReadFile(StatePath());
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const auto lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 79u);
  EXPECT_EQ(lines[0], "2451544.7708333335");
  EXPECT_EQ(lines[1], "0");       // CE
  EXPECT_EQ(lines[2], "-1");      // forward
  EXPECT_EQ(lines[3], "-1");      // plus
  EXPECT_EQ(lines[5], "6");       // CHL month
  EXPECT_EQ(lines[9], "-2696");
  EXPECT_EQ(lines[23], "1");      // Show ARC
  EXPECT_EQ(lines[26], "\"L00\"");
  EXPECT_EQ(lines[46], "\"CCT\"");
  EXPECT_EQ(lines[72], "20");
  EXPECT_EQ(lines[73], "5");
  EXPECT_EQ(lines[78], "12");
  // Nothing is left beside it.
  EXPECT_FALSE(std::filesystem::exists(StatePath() + ".tmp"));
}

TEST_F(MainWindowTest, SaveAndRestoreRoundTrip) {
  Convert("1980-06-15 CE", "23:59");
  const std::string shown = f->lblCommonEraDate[1].caption;
  f->cboEpoch.index = 1;
  f->cboEpoch_Click();
  f->cboMethod.index = 1;
  f->chkShowCJDs.value = 1;
  f->chkShowCJDs_Click();
  f->chkShowARC.value = 0;
  f->chkShowARC_Click();
  f->cboMoveStep.index = 9;
  f->cboTarget.index = 21;
  f->cboRefreshPeriod.index = 3;
  f->optMinus.value = true;
  f->optPlus.value = false;
  f->optPrevious.value = true;
  f->optNext.value = false;
  f->logPreferences[4] = 1;
  f->multiplePairs = {1, 2, 3, 4, 5, 12};
  f->cmdQuit_Click();
  EXPECT_TRUE(f->quitRequested);

  Start();
  EXPECT_EQ(f->lblCommonEraDate[1].caption, shown);
  EXPECT_EQ(f->intCalendar, kCalCHL);  // start-up makes CHL current again
  EXPECT_EQ(f->Epoch(), -2636);
  EXPECT_EQ(f->cboMethod.index, 1);
  EXPECT_EQ(f->chkShowCJDs.value, 1);
  EXPECT_FALSE(f->lblElementAnimalOfMonth.visible);
  EXPECT_TRUE(f->lblChronologicalJulianDateLondon[1].visible);
  EXPECT_EQ(f->chkShowARC.value, 0);
  EXPECT_FALSE(f->lblArchetypesCalendarGMT[1].visible);
  EXPECT_EQ(f->cboMoveStep.index, 9);
  EXPECT_EQ(f->cboTarget.index, 21);
  EXPECT_EQ(f->cboRefreshPeriod.index, 3);
  EXPECT_TRUE(f->optMinus.value);
  EXPECT_TRUE(f->optPrevious.value);
  EXPECT_EQ(f->logPreferences[4], 1);
  EXPECT_EQ(f->multiplePairs, (std::array<int, 6>{1, 2, 3, 4, 5, 12}));
  // A restored moment writes no "Now" log entry.
  EXPECT_TRUE(logKinds.empty());
}

TEST_F(MainWindowTest, RegistryCountryWinsOverTheFileLongitude) {
  f->cboRefLong.index = kCountryJapan;
  f->cboRefLong_Click();
  f->cmdSaveState_Click();
  p.settings["cboRefLong"] = "1";
  Start();
  EXPECT_EQ(f->Country(), kCountryChina);
  EXPECT_EQ(f->ReferenceLongitude(), 120);
  // A garbled registry value means China too.
  p.settings["cboRefLong"] = "7";
  Start();
  EXPECT_EQ(f->Country(), kCountryChina);
}

TEST_F(MainWindowTest, EditedZoneDesignationIsUsedAfterTheNextStart) {
  f->cmdSaveState_Click();
  auto lines = SplitCrLf(ReadFile(StatePath()));
  lines[46] = "\"XYZ\"";
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  WriteFile(StatePath(), text);
  Start();
  EXPECT_EQ(f->strCCT, "XYZ");
  EXPECT_EQ(f->cboTimeZone.items[1], "XYZ");
  EXPECT_NE(f->lblChineseLunarDate[1].caption.find("XYZ"), std::string::npos);
}

TEST_F(MainWindowTest, RestoreButtonAsksAboutTheLogPreferences) {
  f->cmdSaveState_Click();
  const auto saved = f->logPreferences;
  f->logPreferences[0] = 2;
  f->chkAutoLog.value = 1;
  p.answers = {ui::Answer::No};
  f->cmdRestoreState_Click();
  ASSERT_FALSE(p.messages.empty());
  EXPECT_EQ(p.messages[0].text, "Restore previous log configuration also?");
  EXPECT_EQ(p.messages[0].title, "Restore state");
  EXPECT_EQ(f->logPreferences[0], 2);  // kept
  EXPECT_EQ(f->chkAutoLog.value, 0);   // restored
  EXPECT_FALSE(f->cmdSaveState.enabled);
  p.answers = {ui::Answer::Yes};
  f->cmdRestoreState_Click();
  EXPECT_EQ(f->logPreferences, saved);
}

TEST_F(MainWindowTest, ResetKeepsTheMomentAndTheCountry) {
  f->cboRefLong.index = kCountryVietnam;
  f->cboRefLong_Click();
  Convert("2000-01-01 CE");
  const double moment = f->dblCurrentAJDate;
  f->chkShowARC.value = 0;
  f->cboMoveStep.index = 2;
  f->optMinus.value = true;
  f->optPlus.value = false;
  f->cmdReset_Click();
  EXPECT_EQ(f->dblCurrentAJDate, moment);
  EXPECT_EQ(f->Country(), kCountryVietnam);
  EXPECT_EQ(f->chkShowARC.value, 1);
  EXPECT_EQ(f->cboMoveStep.index, 6);
  EXPECT_TRUE(f->optPlus.value);
  EXPECT_TRUE(f->txbDate.text.empty());
  EXPECT_EQ(f->intCalendar, kCalCHL);
}

TEST_F(MainWindowTest, ShortAndGarbledStateFilesApplyWhatCameBefore) {
  Convert("2000-01-01 CE");
  f->cboMoveStep.index = 3;
  f->cboMethod.index = 1;
  f->cmdSaveState_Click();
  const auto good = SplitCrLf(ReadFile(StatePath()));

  // Truncated after line 8: moment, calendar and moves apply; the method does not.
  f->cboMoveStep.index = 0;
  f->cboMethod.index = 0;
  f->dblCurrentAJDate = 2400000.0;
  std::string shortText;
  for (int i = 0; i < 8; ++i) shortText += good[i] + "\r\n";
  EXPECT_FALSE(f->RestoreStateFromText(shortText, true));
  EXPECT_DOUBLE_EQ(f->dblCurrentAJDate, 2451545.0);
  EXPECT_EQ(f->cboMoveStep.index, 3);
  EXPECT_EQ(f->cboMethod.index, 0);

  // A garbled line stops the reading there.
  auto lines = good;
  lines[8] = "one";
  std::string text;
  for (const auto& l : lines) text += l + "\n";
  f->cboMethod.index = 0;
  f->chkShowARC.value = 0;
  EXPECT_FALSE(f->RestoreStateFromText(text, true));
  EXPECT_EQ(f->cboMethod.index, 0);
  EXPECT_EQ(f->chkShowARC.value, 0);

  // Readable but out-of-range values are ignored, the rest applies.
  lines = good;
  lines[0] = "99999999";   // beyond the admissible range
  lines[1] = "42";         // no such calendar
  lines[5] = "-7";         // no such move unit
  lines[8] = "1e3";        // no such method
  lines[23] = "9";         // not a check-box value
  lines[72] = "46";        // no such longitude
  text.clear();
  for (const auto& l : lines) text += l + "\r\n";
  f->dblCurrentAJDate = 2400000.0;
  f->intCalendar = kCalCE;
  f->cboMoveStep.index = 2;
  f->chkShowARC.value = 1;
  EXPECT_TRUE(f->RestoreStateFromText(text, true));
  // An unusable moment gives the present one, never what was there before.
  EXPECT_NEAR(f->dblCurrentAJDate, CurrentAJD(), 0.01);
  EXPECT_EQ(f->intCalendar, kCalCE);
  EXPECT_EQ(f->cboMoveStep.index, 2);
  EXPECT_EQ(f->cboMethod.index, 0);  // unchanged
  EXPECT_EQ(f->chkShowARC.value, 1);
  EXPECT_EQ(f->ReferenceLongitude(), 120);

  // A missing or empty file: silently not restored.
  std::filesystem::remove(StatePath());
  EXPECT_FALSE(f->RestoreState(true));
  WriteFile(StatePath(), "");
  EXPECT_FALSE(f->RestoreState(true));
  EXPECT_TRUE(p.messages.empty());
}

// Files as users leave them: an editor's byte-order mark, junk or blank lines
// after the 79 lines (also far beyond 64 KiB). Each restores the 79 lines.
TEST_F(MainWindowTest, HandEditedStateFilesAreRead) {
  Convert("2000-01-01 CE", "06:30");
  f->cboMethod.index = 1;
  f->cmdSaveState_Click();
  const std::string good = ReadFile(StatePath());
  const std::string junk = std::string(70000, 'x') + "\r\n";
  const std::string blanks(70000, '\n');
  for (const std::string& text : {"\xEF\xBB\xBF" + good, good + "junk\r\nmore junk\r\n", good + junk,
                                  good + blanks, "\xEF\xBB\xBF" + good + junk}) {
    WriteFile(StatePath(), text);
    f->dblCurrentAJDate = 2400000.0;
    f->cboMethod.index = 0;
    f->multiplePairs = {5, 12, 5, 12, 5, 12};
    f->multiplePairs[5] = 3;
    EXPECT_TRUE(f->RestoreState(true)) << text.size();
    EXPECT_NEAR(f->dblCurrentAJDate, 2451545.0 - 5.5 / 24, 1e-6);
    EXPECT_EQ(f->cboMethod.index, 1);
    EXPECT_EQ(f->multiplePairs[5], 12);  // line 79 was read
  }
}

// A write-protected state file is the user's choice: Save state reports it
// as any other failure and leaves the file as it was.
TEST_F(MainWindowTest, WriteProtectedStateFileIsNotReplaced) {
  f->cmdSaveState_Click();
  const std::string before = ReadFile(StatePath());
  namespace fs = std::filesystem;
  fs::permissions(StatePath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Convert("2000-01-01 CE");
  p.Clear();
  f->cmdSaveState_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(LastText(), "Error when attempting to save the state: Permission denied");
  EXPECT_EQ(p.LastMessage()->title, "Save state");
  EXPECT_EQ(p.LastMessage()->icon, ui::Icon::Warning);
  EXPECT_TRUE(f->cmdSaveState.enabled);
  EXPECT_EQ(ReadFile(StatePath()), before);
  fs::permissions(StatePath(), fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(MainWindowTest, SaveFailureIsReportedAndSaveStaysEnabled) {
  // A file where the folder should be makes the folder impossible.
  std::filesystem::remove_all(p.appDataFolder + "/Velmora");
  WriteFile(p.appDataFolder + "/Velmora", "not a folder");
  f->cmdSaveState_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_EQ(LastText().rfind("Error when attempting to save the state: ", 0), 0u);
  EXPECT_EQ(p.LastMessage()->title, "Save state");
  EXPECT_TRUE(f->cmdSaveState.enabled);
}

// Random entries and state files: no crash, no hang, no sanitizer report,
// and every value stays in its range.
TEST_F(MainWindowTest, FuzzEntriesAndStateFiles) {
  std::mt19937 rng(12345);
  const std::string alphabet = "0123456789-+.,:/*? eE CEJHLSARDAJDCJDLGMTx\t";
  const char* seeds[] = {"2000-01-01 CE", "79-41-4*-15 CHL", "2,455,000.5 AJD", "4720-13-30 ARC", "79-41-23-05 CHS",
                         "70-?-12-30 CHL", "-2999-01-01 JC", "1e308 CJDC", "4709-1-1 CHL"};
  p.defaultAnswer = ui::Answer::Yes;
  // Fixed counts, not a time budget, so a failure repeats on every machine.
  int runs = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string s = seeds[rng() % std::size(seeds)];
    const int edits = rng() % 6;
    for (int k = 0; k < edits; ++k) {
      const size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
      switch (rng() % 3) {
        case 0: s.insert(s.begin() + at, alphabet[rng() % alphabet.size()]); break;
        case 1: if (at < s.size()) s.erase(at, 1); break;
        default: if (at < s.size()) s[at] = alphabet[rng() % alphabet.size()];
      }
    }
    if (rng() % 20 == 0) s += std::string(rng() % 60, '9');
    f->txbTime.text = rng() % 4 == 0 ? std::to_string(rng() % 30) + ":" + std::to_string(rng() % 70) : "";
    f->cboTimeZone.index = static_cast<int>(rng() % 3) - 1;
    f->intCalendar = static_cast<int>(rng() % 9);
    const auto r = f->ParseDate(s);
    ASSERT_GE(r.error, 0);
    ASSERT_LE(r.error, 15);
    if (r.error == 0) {
      ASSERT_TRUE(std::isfinite(r.ajd)) << s;
    }
    ++runs;
  }
  p.messages.clear();

  f->cmdSaveState_Click();
  const std::string good = ReadFile(StatePath());
  for (int i = 0; i < 10000; ++i) {
    std::string t = good;
    const int edits = 1 + rng() % 8;
    for (int k = 0; k < edits; ++k) {
      const size_t at = rng() % t.size();
      switch (rng() % 4) {
        case 0: t[at] = static_cast<char>(rng() % 256); break;
        case 1: t.erase(at, rng() % 20); break;
        case 2: t.insert(at, std::string(rng() % 30, "9e-\"\r\n"[rng() % 6])); break;
        default: t.resize(at); break;
      }
      if (t.empty()) break;
    }
    f->RestoreStateFromText(t, true);
    ASSERT_TRUE(f->dblCurrentAJDate >= MinAJD && f->dblCurrentAJDate <= MaxAJD);
    ASSERT_TRUE(f->intCalendar >= 0 && f->intCalendar <= 8);
    ASSERT_TRUE(f->cboMoveStep.Valid(f->cboMoveStep.index));
    ASSERT_TRUE(f->cboTarget.Valid(f->cboTarget.index));
    ASSERT_TRUE(f->cboRefreshPeriod.Valid(f->cboRefreshPeriod.index));
    ASSERT_TRUE(f->cboMethod.Valid(f->cboMethod.index));
    ASSERT_TRUE(f->cboLongitude.Valid(f->cboLongitude.index));
    for (int v : f->logPreferences) ASSERT_TRUE(v >= 0 && v <= 2);
    for (const auto& z : f->zoneDesignations) ASSERT_FALSE(z.empty());
  }
  // The window still works afterwards.
  f->DisplayDatesAndTimes();
  EXPECT_GT(runs, 100);
}

}  // namespace
}  // namespace tavro::testing
