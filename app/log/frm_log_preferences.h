// The window that chooses what a log entry holds ("Configure log entries").
#pragma once

#include <array>
#include <functional>

#include "app/log/log_entry.h"
#include "app/ui/controls.h"

namespace tavro {

class FrmLogPreferences {
 public:
  FrmLogPreferences();

  // ---- controls, in the saved order ----
  ui::CheckBox chkVerbose, chkIncludeGanzhi, chkViewLogWhenAdd, chkIncludeChL, chkIncludeChS, chkIncludeCJDC,
      chkEpochEtc, chkIncludeCE, chkIncludeJC, chkIncludeCJDL, chkIncludeAJD,
      chkIncludePhaseOfMoonAndIllumination, chkIncludeLunationAndAgeOfMoon;
  std::array<ui::Button, 2> cmdSetClear;  // 0 "Set all", 1 "Clear all"
  ui::Button cmdClose;
  std::string caption = "Configure log entries";
  std::string fontFamily = "Arial";  // every label, button and box; not bold
  bool visible = false;

  // The boxes by LogPreference index.
  ui::CheckBox& Box(int preference);
  const ui::CheckBox& Box(int preference) const;

  void Load(const LogPreferences& values);
  LogPreferences Values() const;

  void chkVerbose_Click();  // "Include Chinese terms" only with expanded entries
  // A box was clicked (its value already set): the boxes are the preferences
  // in force from that moment, not only after Close.
  void Box_Click(int preference);
  void cmdSetClear_Click(int index);
  // Hides the window; with nothing checked, the Chinese Lunar line is kept.
  void cmdClose_Click();

  // Run after "Close" with the final values (the main window saves them).
  std::function<void(const LogPreferences&)> onClose;
  // Run after every change of the boxes with their values.
  std::function<void(const LogPreferences&)> onChange;

 private:
  std::array<ui::CheckBox*, kLogPreferenceCount> boxes_;
};

}  // namespace tavro
