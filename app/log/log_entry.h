// The text of one log entry and of the headings of automatic entries. The
// entry is built from what the main window shows for the current moment,
// handed over as a plain value so the log never reads the window itself.
#pragma once

#include <array>
#include <string>

#include "app/main/auto_log_kind.h"
#include "app/main/search_targets.h"  // kTargetMultipleElementAnimal
#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace tavro {

// The log preferences, in their saved order (also the check boxes' order in
// the preferences window).
enum LogPreference : int {
  kLogVerbose = 0,         // chkVerbose: expanded entries
  kLogIncludeGanzhi,       // chkIncludeGanzhi: Chinese terms in the sentences
  kLogViewWhenAdd,         // chkViewLogWhenAdd
  kLogChL,                 // chkIncludeChL
  kLogChS,                 // chkIncludeChS
  kLogCJDC,                // chkIncludeCJDC
  kLogEpochEtc,            // chkEpochEtc
  kLogCE,                  // chkIncludeCE
  kLogJC,                  // chkIncludeJC
  kLogCJDL,                // chkIncludeCJDL
  kLogAJD,                 // chkIncludeAJD
  kLogPhase,               // chkIncludePhaseOfMoonAndIllumination
  kLogLunation,            // chkIncludeLunationAndAgeOfMoon
  kLogPreferenceCount
};
using LogPreferences = std::array<int, kLogPreferenceCount>;  // check-box values, 1 = checked

// The start-up defaults; the three day counts follow "Show chronological JDs".
LogPreferences DefaultLogPreferences(bool showCjds);

// What the main window shows for the moment that is logged.
struct LogSnapshot {
  double ajd = 2451545.0;          // dblCurrentAJDate
  Settings settings;               // longitude, epoch, method
  Country country = Country::China;
  std::string mainTitle;           // the main window's title, written atop a new log
  std::string chlText, chsText;    // the CHL and CHS rows
  std::string ceText, jcText;      // the CE and JC rows ("... GMT Monday")
  std::string phaseText, ageText;  // the Moon rows
};

inline constexpr const char* kLogNewLine = "\r\n";
inline constexpr int kLogSeparatorLength = 20;
inline constexpr int kLogUnderlineLength = 255;

struct LogEntryResult {
  std::string text;   // what is appended to the log (up to the error, if any)
  std::string error;  // empty on success, else the description to show
};

// The entry for the moment of `shown`; with `logEmpty` the main window's title
// and an empty line come first.
LogEntryResult BuildLogEntry(const LogSnapshot& shown, const LogPreferences& prefs, bool logEmpty);

// What an automatic entry's heading depends on, as the main window holds it.
struct AutoLogContext {
  std::string plusMinusText;  // txbPlusMinus, untrimmed; empty without plus/minus days
  bool plus = true;           // optPlus
  bool forward = true;        // move direction (element 0 of optMoveDirection)
  std::string moveUnit;       // the selected move unit as listed
  bool next = true;           // optNext
  int target = -1;            // cboTarget index
  std::string targetText;     // cboTarget text as listed
  std::string multipleDescription;  // MultipleElementAnimalStr, for target 20
};


// "Now", "Plus 2 days", "Move forward 1 hour", "Search for next full moon",
// "Move back one day"; empty for kind 2 without plus/minus days and for an
// unknown kind.
std::string AutoLogHeading(int kind, const AutoLogContext& c);

// The heading line and, for expanded entries, its underline of as many "-"
// as the heading has characters.
std::string AutoLogHeadingLines(const std::string& heading, bool expanded);

}  // namespace tavro
