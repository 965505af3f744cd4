// Start-up, options and the saved state file tavro.usr.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

#include "app/main/frm_main.h"
#include "app/main/text_util.h"
#include "core/chinese/names.h"
#include "core/time/program_text.h"
#include "core/time/scales.h"

namespace tavro {

namespace fs = std::filesystem;

constexpr size_t kStateReadLimit = 65536;

namespace {

const char* const kMoveUnits[16] = {"minute", "hour", "day", "CE month", "CE year", "CE century", "CHL month",
                                    "CHL year", "60-year cycle (CHL)", "CHS solar term", "CHS year",
                                    "60-year cycle (CHS)", "60-day cycle", "80-year cycle (JC)", "ARC month (CCT)",
                                    "ARC year (CCT)"};
const char* const kTargets[22] = {"Full moon",
                                  "Dark moon",
                                  "Lunar quarter",
                                  "Lunar new year",
                                  "Winter solstice",
                                  "Vernal equinox",
                                  "Summer solstice",
                                  "Autumnal equinox",
                                  "Solstice or equinox",
                                  "Solar term",
                                  "Solar term + dark moon",
                                  "Solar term + full moon",
                                  "Winter solstice + dark moon",
                                  "Solstice/equinox + dark moon",
                                  "Solstice/equinox + full moon",
                                  "Element-animal day",
                                  "Element-animal month",
                                  "Element-animal year",
                                  "Triple coincidence day",
                                  "Same element-animal day and month",
                                  "Multiple element-animal day",
                                  "Intercalary month"};

// A whole line that is a number in the strict grammar (sign, digits, point, exponent).
bool IsNumberLine(const std::string& s) {
  size_t i = 0;
  auto digit = [&](size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (digit(i)) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (digit(i)) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (!digit(i)) return false;
    while (digit(i)) ++i;
  }
  return i == s.size();
}

// Reads the lines of a state file one by one; any fault ends the reading.
class StateLines {
 public:
  explicit StateLines(const std::string& text) {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(line);
      start = end + 1;
    }
  }
  bool Number(double& v) {
    if (next_ >= lines_.size()) return false;
    const std::string s = Trim(lines_[next_++]);
    if (!IsNumberLine(s)) return false;
    bool overflow = false;
    v = ReadNumberPrefix(s, &overflow);
    return !overflow;
  }
  // A whole number; a value beyond 32 bits is a fault of the line.
  bool Integer(long& v) {
    double d;
    if (!Number(d) || std::fabs(d) > 2147483647.0) return false;
    v = std::lround(d);
    return true;
  }
  bool Text(std::string& v) {
    if (next_ >= lines_.size()) return false;
    std::string s = Trim(lines_[next_++]);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    v = s;
    return true;
  }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

bool InRange(long v, long lo, long hi) { return v >= lo && v <= hi; }

// A zone designation worth showing: a few printable characters, no quotes.
bool UsableZone(const std::string& s) {
  if (s.empty() || s.size() > 8) return false;
  for (unsigned char c : s)
    if (c < 32 || c > 126 || c == '"') return false;
  return true;
}

}  // namespace

FrmMain::FrmMain(ui::Platform& platform) : platform_(platform) {
  cmdCompute.caption = "Convert";
  cmdNow.caption = "Now";
  cmdClearDate.caption = "Clear";
  cmdHelp.caption = "Help";
  cmdSaveState.caption = "Save state";
  cmdRestoreState.caption = "Restore state";
  cmdReset.caption = "Reset";
  cmdQuit.caption = "Quit";
  cmdMove.caption = "Move";
  cmdMoveOneDay.caption = "one day";
  cmdSearch.caption = "Search for";
  cmdAddToLog.caption = "Add to log";
  cmdViewLog.caption = "View log";
  cmdClearLog.caption = "Clear log";
  cmdConfigureLog.caption = "Configure log";
  cmdDisplayYearData.caption = "Dates/times/CJDs of dark moons && solar terms";
  cmdListLunarNewYears.caption = "List lunar new years && anniversaries";
  cmdListLeapMonths.caption = "List lunar month starts && leap months";
  cmdListJulianCENewYears.caption = "List Julian && Common Era new years";
  cmdTest.caption = "Test";
  cmdDisplayCalendar.caption = "Show lunar calendar month";
  InitNativeControls();
  // The log and the other windows enable these when they are joined.
  for (ui::Button* b : {&cmdAddToLog, &cmdViewLog, &cmdClearLog, &cmdConfigureLog,
                        &cmdDisplayYearData, &cmdListLunarNewYears, &cmdListLeapMonths, &cmdListJulianCENewYears,
                        &cmdTest, &cmdDisplayCalendar})
    b->enabled = false;
  cmdStop.caption = "Stop";
  cmdPauseResume.caption = "Pause";
  ShowStopPause(false);
  lblSearching.visible = false;
  updateMoveOptions = [this] { UpdateKeepBoxes(); };
  optPlus.caption = "plus";
  optMinus.caption = "minus";
  optPlus.value = true;
  optMoveDirection[0].caption = "forward";
  optMoveDirection[1].caption = "back";
  optMoveDirection[0].value = true;
  optNext.caption = "next";
  optPrevious.caption = "previous";
  optNext.value = true;
  chkShowARC.caption = "Show Archetypes Calendar";
  chkShowCJDs.caption = "Show chronological JDs";
  chkAutoLog.caption = "Auto log";
  chkRepeatedly.caption = "repeatedly";
  chkKeep30th.caption = "keep 30th";
  chkKeepLeap.caption = "keep leap";
  lblElement.caption = "element";
  lblAnimal.caption = "animal";
  lblTimeZone.caption = "Time";
  lblPlusMinus.caption = "Days";
  lblCCT.caption = "Zone";
  lblRefLong.caption = "Country";
  lblLongitude.caption = "Longitude (\xC2\xBA East)";
  lblEpoch.caption = "Epoch";
  lblMethod.caption = "Solar terms";
  lblRefreshPeriod.caption = "Refresh period (in seconds):";

  lblCommonEraDate[0].caption = "Common Era";
  lblJulianCalendarDate[0].caption = "Julian Calendar";
  lblChineseLunarDate[0].caption = "Chinese Lunar";
  lblChineseSolarDate[0].caption = "Chinese Solar";
  lblArchetypesCalendarGMT[0].caption = "Archetypes Calendar";
  lblAstronomicalJulianDate[0].caption = "Astronomical JD";
  lblChronologicalJulianDateLondon[0].caption = "Chronological JD London";
  lblChronologicalJulianDateBeijing[0].caption = "Chronological JD 120\xC2\xBA East";
  lblDeltaT[0].caption = "Delta T";
  lblPhaseOfMoon[0].caption = "Phase of Moon";
  lblAgeOfMoon[0].caption = "Age of Moon";

  txbDate.tooltip = "A date and its calendar code, e.g. 2000-01-01 CE, 79-31-9*-12 CHL or 2,455,000.5 AJD (F1 for help)";
  txbTime.tooltip = "Time of day as hours:minutes, e.g. 23:50 (empty means 12:00)";
  cboTimeZone.tooltip = "Zone of the time: GMT or the reference meridian";
  txbPlusMinus.tooltip = "Number of days to add or subtract (fractions allowed)";
  cboElement.tooltip = "Element for a '?' position, e.g. 70-?-12-30 CHL";
  cboAnimal.tooltip = "Animal for a '?' position, e.g. 70-?-12-30 CHL";
  cmdCompute.tooltip = "Convert the entry (Enter)";
  cmdNow.tooltip = "Show the present moment";
  cmdClearDate.tooltip = "Empty the date and time boxes";
  cmdHelp.tooltip = "How to enter dates (F1)";
  cmdSaveState.tooltip = "Keep the moment and the options for the next start";
  cmdRestoreState.tooltip = "Go back to the last saved state";
  cmdReset.tooltip = "Reset the options (the moment and the country stay)";
  cmdQuit.tooltip = "Save the state and end the program";
  for (int i = 0; i < kLongitudeCount; ++i) zoneDesignations[i] = ZoneDesignation(kFirstLongitude + i);
  animalNames = AnimalNames(tavro::Country::China);
  cboTimeZone.items = {"GMT", strCCT};
  cboElement.items.assign(ElementNames.begin(), ElementNames.end());
  cboElement.items.push_back("");
  cboElement.index = kNoElementChoice;
  cboAnimal.items.assign(animalNames.begin(), animalNames.end());
  cboAnimal.items.push_back("");
  cboAnimal.index = kNoAnimalChoice;
  cboRefLong.items = {CountryNames[0], CountryNames[1], CountryNames[2]};
  cboRefLong.index = kCountryChina;
  for (int i = 0; i < kLongitudeCount; ++i) cboLongitude.items.push_back(std::to_string(kFirstLongitude + i));
  cboLongitude.index = kCountryLongitudeIndex[kCountryChina];
  cboEpoch.items = {"-2696 = 2697 BC", "-2636 = 2637 BC"};
  cboEpoch.index = 0;
  cboMethod.items = {"true sun", "mean sun"};
  cboMethod.index = 0;
  cboRefreshPeriod.items = {"0.5", "1", "2", "5"};
  cboRefreshPeriod.index = 1;
  cboMoveStep.items.assign(std::begin(kMoveUnits), std::end(kMoveUnits));
  cboMoveStep.index = 6;
  cboTarget.items.assign(std::begin(kTargets), std::end(kTargets));
  cboTarget.index = 0;
  chkShowARC.value = 1;
  txbCCT.text = strCCT;
  txbCCT.enabled = false;
}

static void SetLogDefaults(std::array<int, 13>& p, int showCjds) {
  // Order: verbose, ganzhi, view after add, CHL, CHS, CJDC, epoch etc., CE, JC,
  // CJDL, AJD, phase of Moon, lunation and age.
  p = {1, 1, 0, 1, 0, showCjds, 0, 1, 0, showCjds, showCjds, 1, 0};
}

bool FrmMain::Form_Load() {
  startupCompleted = false;
  const std::string folder = platform_.ProgramFolder();
  ProgramTextLoad texts = LoadProgramTexts(folder);
  if (!texts.ok()) {
    platform_.MessageBox(texts.message, ui::kProgramTitle, ui::Icon::Error, ui::Buttons::Ok);
    return false;
  }
  strPicPath = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const std::string appData = platform_.AppDataFolder();
  stateFilePath = appData.empty() ? std::string() : appData + "/" + ui::kOrganisation + "/tavro.usr";
  SetLogDefaults(logPreferences, chkShowCJDs.value);
  std::string country;
  int c = kCountryChina;
  if (platform_.ReadSetting("cboRefLong", country) && (country == "0" || country == "1" || country == "2"))
    c = country[0] - '0';
  cboRefLong.index = c;
  cboLongitude.index = kCountryLongitudeIndex[c];
  ReadNativeOptions();

  visible = true;
  picMoon.visible = false;

  blnInitializing = true;
  intCalendar = kCalCHL;
  cmdClearLog.visible = false;
  dataWindowChecks[0] = 0;

  const bool restored = RestoreState(true);
  if (!restored) cmdReset_Click();

  platform_.SetTimer(1000, false, nullptr);
  DisplayDeltaT();
  SetTheFocus();
  chkShowARC_Click();
  chkShowCJDs_Click();

  dataWindowChecks[1] = 1;
  dataWindowChecks[2] = 0;
  dataWindowChecks[3] = 0;

  blnInitializing = false;
  if (restored) {
    DisplayDatesAndTimes();
    DisplayDeltaT();
    CmdSaveStateEnabled(false);
  } else {
    cmdNow_Click();
  }

  ApplyCountryCaptions();
  intCalendar = kCalCHL;
  HighlightCurrentCalendar();
  UpdateElementAnimalBoxes();
  SetTheFocus();

  startupCompleted = true;
  picMoon.visible = true;
  cboRefLong_Click();
  return true;
}

bool FrmMain::RestoreState(bool atStartup) {
  if (stateFilePath.empty()) return false;
  std::ifstream in(stateFilePath, std::ios::binary);
  if (!in) return false;
  // A state file is a few hundred bytes: only its start is read, so that
  // junk appended to a good file (or a huge file) costs nothing.
  std::string text(kStateReadLimit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return RestoreStateFromText(text, atStartup);
}

bool FrmMain::RestoreStateFromText(const std::string& text, bool atStartup) {
  // A file saved by an editor may start with a UTF-8 byte-order mark.
  static const std::string kBom = "\xEF\xBB\xBF";
  StateLines in(text.compare(0, kBom.size(), kBom) == 0 ? text.substr(kBom.size()) : text);
  double d;
  long v;
  // Lines 1, 2: the moment and the current calendar. A moment outside the
  // range gives the present one, as a missing file would.
  if (!in.Number(d)) return false;
  dblCurrentAJDate = d >= MinAJD && d <= MaxAJD ? d : CurrentAJD();
  if (!in.Integer(v)) return false;
  if (InRange(v, 0, 8)) intCalendar = static_cast<int>(v);
  // Lines 3..5: option pairs (non-zero selects the first).
  if (!in.Integer(v)) return false;
  optMoveDirection[0].value = v != 0;
  optMoveDirection[1].value = v == 0;
  if (!in.Integer(v)) return false;
  optPlus.value = v != 0;
  optMinus.value = v == 0;
  if (!in.Integer(v)) return false;
  optNext.value = v != 0;
  optPrevious.value = v == 0;
  // Lines 6..8: move unit, search target, refresh period.
  if (!in.Integer(v)) return false;
  if (cboMoveStep.Valid(v)) cboMoveStep.index = static_cast<int>(v);
  if (!in.Integer(v)) return false;
  if (cboTarget.Valid(v)) cboTarget.index = static_cast<int>(v);
  long refresh;
  if (!in.Integer(refresh)) return false;
  if (cboTarget.index >= kTargetElementAnimalFirst && cboTarget.index <= kTargetElementAnimalLast)
    UpdateElementAnimalBoxes();
  if (cboRefreshPeriod.Valid(refresh)) cboRefreshPeriod.index = static_cast<int>(refresh);
  cboTimeZone.index = -1;
  // Line 9: solar-term method; the repeat options are never restored.
  if (!in.Integer(v)) return false;
  if (cboMethod.Valid(v)) cboMethod.index = static_cast<int>(v);
  chkRepeatedly.value = chkKeep30th.value = chkKeepLeap.value = 0;
  // Line 10: epoch.
  if (!in.Integer(v)) return false;
  cboEpoch.index = v == Epoch2697BC ? 0 : 1;
  // Lines 11..23: log preferences.
  bool restoreLog = true;
  if (!atStartup)
    restoreLog = platform_.Ask(ui::Question::RestoreLog, "Restore previous log configuration also?", "Restore state",
                               ui::Buttons::YesNo) == ui::Answer::Yes;
  for (int i = 0; i < 13; ++i) {
    if (!in.Integer(v)) return false;
    if (restoreLog && InRange(v, 0, 2)) logPreferences[i] = static_cast<int>(v);
  }
  // Lines 24..26.
  for (ui::CheckBox* box : {&chkShowARC, &chkShowCJDs, &chkAutoLog}) {
    if (!in.Integer(v)) return false;
    if (InRange(v, 0, 2)) {
      const bool changed = box->value != v;
      box->value = static_cast<int>(v);
      if (changed && box == &chkShowARC) chkShowARC_Click();
      if (changed && box == &chkShowCJDs) chkShowCJDs_Click();
    }
  }
  // Lines 27..72: zone designations.
  for (int i = 0; i < kLongitudeCount; ++i) {
    std::string z;
    if (!in.Text(z)) return false;
    if (UsableZone(z)) zoneDesignations[i] = z;
  }
  // Line 73: the longitude, which only counts when no country is chosen.
  if (!in.Integer(v)) return false;
  if (!cboRefLong.Valid(cboRefLong.index)) {
    if (cboLongitude.Valid(v)) cboLongitude.index = static_cast<int>(v);
    cboRefLong.index = cboLongitude.index == 5 ? kCountryVietnam : cboLongitude.index == 35 ? kCountryJapan : kCountryChina;
    txbCCT.text = zoneDesignations[cboLongitude.index];
  } else {
    txbCCT.text = zoneDesignations[kCountryLongitudeIndex[cboRefLong.index]];
  }
  // Lines 74..79: the multiple element-animal search pairs.
  for (int i = 0; i < 6; ++i) {
    if (!in.Integer(v)) return false;
    if (InRange(v, 0, i % 2 == 0 ? 5 : 12)) multiplePairs[i] = static_cast<int>(v);
  }
  return true;
}

std::string FrmMain::StateText() const {
  std::string s;
  auto line = [&](const std::string& t) { s += t + "\r\n"; };
  auto num = [&](long v) { line(std::to_string(v)); };
  line(ExactNumber(dblCurrentAJDate));
  num(intCalendar);
  num(optMoveDirection[0].value ? -1 : 0);
  num(optPlus.value ? -1 : 0);
  num(optNext.value ? -1 : 0);
  num(cboMoveStep.index);
  num(cboTarget.index);
  num(cboRefreshPeriod.index);
  num(cboMethod.index);
  num(Epoch());
  for (int p : logPreferences) num(p);
  num(chkShowARC.value);
  num(chkShowCJDs.value);
  num(chkAutoLog.value);
  for (const auto& z : zoneDesignations) line("\"" + z + "\"");
  num(cboLongitude.index);
  for (int p : multiplePairs) num(p);
  return s;
}

bool FrmMain::WriteStateFile(std::string& error) const {
  if (stateFilePath.empty()) {
    error = "No application-data folder.";
    return false;
  }
  const fs::path path(stateFilePath);
  std::error_code ec;
  // A write-protected file is the user's choice: it is not replaced behind
  // their back (the rename below would do so, and so would root's rights).
  const fs::file_status st = fs::status(path, ec);
  if (!ec && fs::exists(st) &&
      ((st.permissions() & fs::perms::owner_write) == fs::perms::none || ::access(path.c_str(), W_OK) != 0)) {
    error = std::strerror(EACCES);
    return false;
  }
  ec.clear();
  fs::create_directories(path.parent_path(), ec);
  if (ec) {
    error = ec.message();
    return false;
  }
  // Write beside the old file and rename over it, so that a crash or a full
  // disk never leaves a truncated state file.
  const fs::path temp = path.string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = std::strerror(errno);
      return false;
    }
    const std::string text = StateText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      error = "Error writing the file.";
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    error = ec.message();
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

void FrmMain::cmdSaveState_Click() {
  platform_.WriteSetting("cboRefLong", cboRefLong.index >= 0 ? std::to_string(cboRefLong.index) : " ");
  std::string error;
  if (!WriteStateFile(error)) {
    ShowMessage("Error when attempting to save the state: " + error, "Save state", ui::Icon::Warning);
    CmdSaveStateEnabled(true);
    return;
  }
  CmdSaveStateEnabled(false);
  SetTheFocus();
}

void FrmMain::cmdRestoreState_Click() {
  if (!RestoreState(!startupCompleted)) return;
  // Zone designations may have changed with the file.
  strCCT = zoneDesignations[cboLongitude.Valid(cboLongitude.index) ? cboLongitude.index : 20];
  if (cboTimeZone.items.size() >= 2) cboTimeZone.items[1] = strCCT;
  DisplayDatesAndTimes();
  DisplayMoonData(countryColour);
  DisplayDeltaT();
  CmdSaveStateEnabled(false);
}

void FrmMain::cmdReset_Click() {
  intCalendar = kCalCHL;
  HighlightCurrentCalendar();
  chkShowARC.value = 1;
  chkShowARC_Click();
  chkShowCJDs.value = 0;
  chkShowCJDs_Click();
  chkAutoLog.value = 0;
  cboMoveStep.index = 6;
  cboRefreshPeriod.index = 1;
  cboTarget.index = 0;
  // The four reset choices run their click handlers, so that their colours
  // and the keep boxes follow.
  optNext_Click();
  optPlusMinus_Click(0);
  optMoveDirection_Click(0);
  chkRepeatedly.value = 0;
  chkRepeatedly_Click();
  txbDate.text.clear();
  txbDate_Change();
  txbTime.text.clear();
  CmdSaveStateEnabled(true);
}

void FrmMain::cmdQuit_Click() {
  platform_.WriteSetting("cboRefLong", cboRefLong.index >= 0 ? std::to_string(cboRefLong.index) : " ");
  cmdSaveState_Click();
  quitRequested = true;
  platform_.RequestQuit();
}

void FrmMain::Form_Unload() { cmdQuit_Click(); }

}  // namespace tavro
