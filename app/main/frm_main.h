// The main window's logic: date entry, conversion, display, options and saved
// state. It owns the current moment and reads and writes its controls as plain
// values; it reaches the desktop only through ui::Platform.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main/auto_log_kind.h"
#include "app/main/calendar_table.h"
#include "app/main/move_units.h"
#include "app/main/outcome.h"
#include "app/main/search_targets.h"
#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/names/native_names.h"
#include "core/time/settings.h"

namespace tavro {

using ui::Rgb;

// The clickable display rows, in window order.
enum class DisplayRow { CE, JC, CHL, CHS, ArcGmt, ArcZone, AJD, CJDL, CJDC, PhaseOfMoon, AgeOfMoon };

inline constexpr int kCountryVietnam = 0, kCountryChina = 1, kCountryJapan = 2;
inline constexpr Rgb kCountryColours[3] = {{0, 128, 0}, {192, 0, 0}, {64, 64, 224}};
inline constexpr int kCountryLongitudeIndex[3] = {5, 20, 35};

// Index of the element-animal search targets in cboTarget.
inline constexpr int kTargetElementAnimalFirst = kTargetElementAnimalDay, kTargetElementAnimalLast = kTargetElementAnimalYear;

class FrmMultipleElAn;
struct MultipleSearchInputs;

class FrmMain {
 public:
  using Label = ui::Label;
  using LabelPair = std::array<ui::Label, 2>;  // [0] title, [1] text

  explicit FrmMain(ui::Platform& platform);

  // ---- controls: entry ----
  ui::TextBox txbDate, txbTime, txbPlusMinus, txbCCT;
  ui::ComboBox cboTimeZone, cboElement, cboAnimal;
  ui::OptionButton optPlus, optMinus;
  Label lblElement, lblAnimal, lblTimeZone, lblPlusMinus, lblCCT;
  ui::Button cmdCompute, cmdNow, cmdClearDate, cmdHelp;

  // ---- controls: display rows ----
  LabelPair lblCommonEraDate, lblJulianCalendarDate, lblChineseLunarDate, lblChineseSolarDate,
      lblArchetypesCalendarGMT, lblArchetypesCalendarCCT, lblAstronomicalJulianDate,
      lblChronologicalJulianDateLondon, lblChronologicalJulianDateBeijing, lblElementAnimalOfDay,
      lblDeltaT, lblPhaseOfMoon, lblAgeOfMoon;
  Label lblElementAnimalOfMonth, lblElementAnimalOfYear, lblYear;
  std::array<ui::PictureBox, 2> picStem, picBranch;  // [0] year, [1] day
  ui::PictureBox picMoon;

  // ---- controls: options ----
  ui::ComboBox cboRefLong, cboLongitude, cboEpoch, cboMethod;
  Label lblRefLong, lblLongitude, lblEpoch, lblMethod;
  ui::CheckBox chkShowARC, chkShowCJDs;

  // ---- controls: moves, searches, log, state (the buttons of the other
  // windows stay disabled until those windows are joined to this one) ----
  ui::ComboBox cboMoveStep, cboRefreshPeriod, cboTarget;
  std::array<ui::OptionButton, 2> optMoveDirection;  // forward, back
  ui::OptionButton optNext, optPrevious;
  ui::CheckBox chkRepeatedly, chkKeep30th, chkKeepLeap, chkAutoLog;
  ui::Button cmdMove, cmdMoveOneDay, cmdSearch, cmdAddToLog, cmdViewLog, cmdClearLog, cmdConfigureLog,
      cmdDisplayCalendar, cmdSaveState, cmdRestoreState, cmdReset, cmdQuit;
  // The data window's buttons: year data, the three lists, the self-test.
  ui::Button cmdDisplayYearData, cmdListLunarNewYears, cmdListLeapMonths, cmdListJulianCENewYears, cmdTest;
  Label lblRefreshPeriod;
  // Native names (native_date.cpp): a line with the date in the country's own
  // script and the day's festivals; for China simplified or traditional
  // characters. Both choices live in the settings store, not the state file.
  ui::CheckBox chkShowNativeNames;
  ui::ComboBox cboNativeScript;  // 0 simplified, 1 traditional
  LabelPair lblNativeDate;
  // Opens the festivals window (its logic is joined in app/windows).
  ui::Button cmdFestivals;
  // Moving and searching (move.cpp, search.cpp).
  ui::Button cmdStop, cmdPauseResume;
  ui::Panel fraStopPauseResume;  // holds cmdStop and cmdPauseResume
  Label lblSearching;            // progress of the longer searches

  // Window-wide presentation.
  Rgb formBack{192, 0, 0};
  std::string title = ui::kProgramTitle;
  std::string focus;     // name of the control that should have the keyboard focus
  bool visible = false;  // the window is shown
  bool quitRequested = false;
  // What the last Compute, Move or Search did (entry errors and range checks
  // set it wherever they are shown).
  ActionOutcome outcome;

  // ---- state ----
  double dblCurrentAJDate = 2451545.0;
  int intCalendar = kCalCHL;
  bool blnInitializing = false;
  bool startupCompleted = false;
  bool blnRepeat = false;  // a repeated move runs
  bool blnPause = false;    // the repeated move is paused
  bool blnStepDue = false;  // a tick of Clock asks for the next step
  bool blnExact = false;    // the moment lies at the quarter phase found (searches)
  std::string strSearching = "Searching ";
  // The multiple element-animal search window the searches open modally;
  // when none is given one is made on first use.
  FrmMultipleElAn* multipleWindow = nullptr;
  // What the last search did with that window, for the log: cancelled (no
  // entry then) and the description of its rows.
  bool multipleSearchCancelled = false;
  std::string multipleSearchDescription;
  std::string strCCT = "CCT";
  std::array<std::string, kLongitudeCount> zoneDesignations;
  std::string strPicPath;      // program folder with a trailing separator
  std::string countrySuffix;   // "", "_vn", "_jp"
  Rgb countryColour{192, 0, 0};
  const Rgb lngHighlight{255, 255, 255}, lngDehighlight{200, 200, 200};
  const int intMaxX = 89, intMaxY = 89;
  std::array<std::string, 12> animalNames;  // current country's variant
  // Log preferences (check-box values) in saved-state order, and the
  // element-animal pairs of the multiple search window (element, animal) x 3.
  std::array<int, 13> logPreferences{};
  std::array<int, 6> multiplePairs{kNoElementChoice, kNoAnimalChoice, kNoElementChoice,
                                  kNoAnimalChoice,  kNoElementChoice, kNoAnimalChoice};
  std::string logText;
  int dataWindowCalendar = 0;      // the data window's CE (0) / JC (1) choice
  std::array<int, 4> dataWindowChecks{0, 1, 0, 0};
  std::string stateFilePath;       // empty until start-up has found the folder

  // Hooks: the joined log window sets autoLog; updateMoveOptions refreshes
  // the keep boxes after a change of the move options.
  std::function<void(AutoLogKind kind)> autoLog;
  std::function<void()> updateMoveOptions;

  // ---- options ----
  int ReferenceLongitude() const;
  int Epoch() const;  // -2696 or -2636
  int Country() const { return cboRefLong.index; }
  Settings CurrentSettings() const;
  std::string EpochMethod(bool capital) const;
  std::string LondonTime(double cjdl) const;
  std::string BeijingTime(double cjdc) const;

  // ---- date entry ----
  struct Parsed {
    int error = 0;
    double ajd = 0.0;
  };
  Parsed ParseDate(const std::string& text);
  void ShowEntryError(int code);
  int TimeOfDayMinutes(const std::string& text);
  bool CheckRange(double ajd);
  bool IsPlusMinusNumber();
  double PlusMinusValue() const;
  void CopyDisplayedDate(DisplayRow row, int part);
  void UpdateElementAnimalBoxes();
  bool TakePendingEntry();

  // Keys and buttons of the entry area. The Enter handlers return true when
  // the key is swallowed.
  bool txbDate_Enter();
  bool txbPlusMinus_Enter();
  void txbDate_KeyUp(int keyCode);
  void txbDate_Change();
  void cmdClearDate_Click();
  void cboElement_Click();
  void cboAnimal_Click();
  void cboTimeZone_Click();
  void cmdHelp_Click();

  // ---- conversion and display ----
  void cmdCompute_Click();
  void cmdNow_Click();
  void DisplayDatesAndTimes();
  void Recalculate(AutoLogKind autoLogKind);
  void HighlightCurrentCalendar();
  void DisplayDeltaT();
  void DisplayMoonData(Rgb colour);
  void SetTheFocus();
  void CmdSaveStateEnabled(bool enabled);
  void CompareArcWithChl();  // the title of the zone's ARC row
  void cboRefLong_Click();
  void cboLongitude_Click();
  void cboEpoch_Click();
  void cboMethod_Click();
  void chkShowARC_Click();
  void chkShowCJDs_Click();
  // Saved options without a display of their own: Save state follows them.
  void chkAutoLog_Click();
  void optPlusMinus_Click(int index);  // 0 plus, 1 minus

  // ---- native names (native_date.cpp) ----
  // The language of the country's own names: vi, ja, or Chinese in the
  // chosen characters.
  Language NativeLanguage() const;
  void chkShowNativeNames_Click();
  void cboNativeScript_Click();
  // The native line of the current moment (hidden unless asked for).
  void DisplayNativeDate();
  // Start-up: the two choices from the settings store.
  void ReadNativeOptions();

  // ---- moving (move.cpp) ----
  void cmdMove_Click();
  void cmdMoveOneDay_Click();
  void cmdStop_Click();
  void cmdPauseResume_Click();
  void cboRefreshPeriod_Click();
  void Clock_Timer();
  void cboMoveStep_Click();
  void optMoveDirection_Click(int index);
  void chkRepeatedly_Click();
  void chkKeep30th_Click();
  void chkKeepLeap_Click();
  void cmdMoveSetFocus();
  // The visibility and colours of chkKeep30th and chkKeepLeap.
  void UpdateKeepBoxes();

  // ---- searching (search.cpp) ----
  void cmdSearch_Click();
  void cboTarget_Click();
  void optNext_Click();
  void optPrevious_Click();
  // The list text of target 15, 16 or 17 (kind 0 day, 1 month, 2 year).
  std::string ElementAnimalTargetText(int kind) const;
  // Rebuilds the text of the selected element-animal target.
  void RefreshElementAnimalTarget();
  FrmMultipleElAn& MultipleWindow();
  // The rows `w` opens with (as last left, or for the same element-animal
  // day and month as the current moment) and what it reads from this window,
  // `next` the search direction.
  MultipleSearchInputs PresetMultipleWindow(FrmMultipleElAn& w, bool sameDayAndMonth, bool next);

  // ---- start-up and saved state ----
  // False when the program texts could not be loaded (the program must end).
  bool Form_Load();
  bool RestoreState(bool atStartup);
  // The same from the text of a state file (what RestoreState reads).
  bool RestoreStateFromText(const std::string& text, bool atStartup);
  std::string StateText() const;
  void cmdSaveState_Click();
  void cmdRestoreState_Click();
  void cmdReset_Click();
  void cmdQuit_Click();
  void Form_Unload();

  ui::Platform& platform() { return platform_; }

 private:
  void DisplayChineseRows(double cjdc);  // steps 5 to 13 of the display
  void InitNativeControls();
  void ApplyCountryCaptions();
  void ApplyCountryColours();
  void SelectCountryAnimals(int country);
  void MoveFocusAfterListChoice();
  bool WriteStateFile(std::string& error) const;
  void ShowMessage(const std::string& text, const std::string& title, ui::Icon icon);
  LabelPair& RowLabels(DisplayRow row);
  // ParseDate's readers of the date part (the text before the calendar code).
  Parsed DayCountEntry(const std::string& datePart, int calendar);
  Parsed CalendarDateEntry(const std::string& datePart, int calendar);

  // From the program folder, read once; empty when unreadable or when the
  // platform shows no pictures.
  const ui::Image& Picture(const std::string& fileName);

  // Searching: the rule of a target (0 .. kSearchTargetCount - 1), the
  // multiple element-animal window's search, and what the window does with
  // the outcome.
  SearchOutcome RunSearch(int target);
  SearchOutcome MultipleElementAnimalSearch(bool sameDayAndMonth, bool next, const Settings& s);
  void TakeSearchOutcome(int target, const SearchOutcome& r);

  // Moving.
  void PrepareRepeatedRun();
  void EndMove();
  // An empty message when the step was made.
  MoveMessage MakeMoveStep();
  void ShowStopPause(bool shown);
  void StartClock();
  void EnableRunControls(bool enabled);
  bool runControlsDisabled_ = false;  // a repeated run disabled them
  bool festivalsDisabledByRun_ = false;  // "Festivals" was on when the run began

  ui::Platform& platform_;
  std::shared_ptr<FrmMultipleElAn> ownMultipleWindow_;
  std::map<std::string, ui::Image> pictureCache_;
  bool changingDate_ = false;  // txbDate change in progress: list clicks keep the focus
};

// The text of the element-animal box choice used with the "?" position.
std::string ElementAnimalSuffix(const FrmMain& f);

}  // namespace tavro
