// The data window: the year data of three sui, the lists of lunar new years,
// month starts and Julian/CE new years, and the conversion self-test. It reads
// the main window's moment and options when a listing starts (as DataInputs)
// and never changes the main window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/chinese/chinese_date.h"
#include "core/time/settings.h"

namespace tavro {

// What the data window takes from the main window.
struct DataInputs {
  double ajd = 2451545.0;  // dblCurrentAJDate
  Settings settings;       // reference longitude, epoch, solar-term method
  int country = 1;         // 0 Vietnam, 1 China, 2 Japan
  std::string zone = "CCT";  // strCCT, the zone designation of the reference meridian
};

// The main window's date entry: an entry error code (0 = read) and the moment.
struct DataParseResult {
  int error = 0;
  double ajd = 0.0;
};

// intWindow values.
inline constexpr int kWindowNewYears = 1;
inline constexpr int kWindowMonthStarts = 2;
inline constexpr int kWindowYearData = 3;
inline constexpr int kWindowTest = 4;
inline constexpr int kWindowJcCeNewYears = 5;

// Window 5 stops when its text reaches this many characters.
inline constexpr size_t kOutputWindowLimit = 64512;

class FrmData {
 public:
  explicit FrmData(ui::Platform& platform);

  // ---- controls ----
  ui::TextBox txbText;
  size_t selStart = 0, selLength = 0;  // selection in txbText (bytes)
  ui::OptionButton optCE, optJC;
  ui::CheckBox chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames, chkLargeWindow,
      chkLeapMonthsOnly, chkOmitInvalidDates;
  ui::Button cmdCopyToClipboard, cmdStop, cmdClose, cmdList;
  ui::TextBox txbNumYears, txbStart, txbEnd;
  ui::Label lblYears;

  // Window-wide presentation.
  std::string caption;
  bool visible = false;
  bool large = false;        // the window has the large size
  bool busyPointer = false;  // the text box shows the busy mouse pointer
  std::string focus;         // name of the control that should have the keyboard focus
  bool caretAtEnd = false;   // the caret was moved to the end of the text

  // ---- state ----
  int intWindow = 0;
  bool blnStop = false;
  bool running = false;  // a list or the random test runs (and yields to events)
  bool mainStartingUp = false;  // the main window is still starting up
  int mainCalendarTaken = 0;    // the main window's dataWindowCalendar as last taken
  DataInputs inputs;
  // When set, called before every listing to take the main window's current
  // moment and options into `inputs`.
  std::function<DataInputs()> readMain;
  // Told when a list or the random test starts (true) and ends (false).
  std::function<void(bool running)> onRunning;
  // The main window's ParseDate, for the test of a typed moment.
  std::function<DataParseResult(const std::string&)> parseDate;
  // Seed of the random test; when unset the clock seeds it.
  bool useSeed = false;
  uint64_t seed = 0;
  // What the last DoTest found, beside the text it wrote: the dates that did
  // not come back unchanged, or why it tested nothing.
  struct TestResult {
    int mismatches = 0;
    int entryError = 0;  // the typed moment's entry error code
    bool outOfRange = false;
  } testResult;

  // ---- operations ----
  void DisplayYearData();
  void cmdList_Click();
  void DoTest();
  // Both dates to day numbers and back; appends "1" (same date again), "0"
  // (rejected) or the two lines of a mismatch, which also sets blnStop.
  void TestDatePair(ChsDate& chs, ChlDate& chl);

  // ---- handlers ----
  void chkIncludeMajorSolarTerms_Click();
  void chkIncludeMinorSolarTerms_Click();
  void chkDisplaySolarTermNames_Click();
  void optCE_Click();
  void optJC_Click();
  void chkLargeWindow_Click();
  void cmdCopyToClipboard_Click();
  void txbText_MouseUp(bool leftButton);
  void cmdStop_Click();
  void cmdClose_Click();
  void Form_QueryUnload();  // closing by the frame
  void Form_Activate();
  bool txbNumYears_Enter();
  bool txbStart_Enter();
  bool txbEnd_Enter();

  // "CE" or "JC" by the option pair.
  std::string Cal() const { return optJC.value ? "JC" : "CE"; }
  // The number of years each window kind keeps (index = intWindow).
  int numYears[6] = {0, 0, 0, 0, 0, 0};

  ui::Platform& platform() { return platform_; }

 private:
  void TakeMainInputs();
  // While a long loop yields, the controls that could start other work are
  // disabled (and the operations refuse to start): Begin/EndLongRun.
  void BeginLongRun();
  void EndLongRun();
  void Show();  // shows the window; a window that was hidden is activated
  void SizeWindow();
  void ShowListInputs(bool show);
  void ShowTermBoxes(bool show);
  void Append(const std::string& text);
  void ProcessEvents();

  void ListLunarNewYears(int n);
  void ListLeapMonths(int n);
  void ListJCCENewYears(int n);

  std::string EpochMethodLower() const;
  std::string CountryName() const;

  ui::Platform& platform_;
};

}  // namespace tavro
