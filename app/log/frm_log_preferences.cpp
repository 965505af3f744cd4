#include "app/log/frm_log_preferences.h"

namespace tavro {

FrmLogPreferences::FrmLogPreferences()
    : boxes_{&chkVerbose,    &chkIncludeGanzhi, &chkViewLogWhenAdd, &chkIncludeChL,  &chkIncludeChS,
             &chkIncludeCJDC, &chkEpochEtc,     &chkIncludeCE,      &chkIncludeJC,   &chkIncludeCJDL,
             &chkIncludeAJD, &chkIncludePhaseOfMoonAndIllumination, &chkIncludeLunationAndAgeOfMoon} {
  static const char* const captions[kLogPreferenceCount] = {
      "Expanded log entries",
      "Include Chinese terms",
      "View log after adding an entry",
      "ChL (Chinese Lunar Calendar)",
      "ChS (Chinese Solar Calendar)",
      "CJDC (Chronological Julian Date, China)",
      "Epoch, method, longitude",
      "CE (Common Era Calendar)",
      "JC (Julian Calendar)",
      "CJDL (Chronological Julian Date, London)",
      "AJD (Astronomical Julian Date)",
      "Phase of Moon and illumination",
      "Lunation and age of Moon",
  };
  for (int i = 0; i < kLogPreferenceCount; ++i) boxes_[i]->caption = captions[i];
  cmdSetClear[0].caption = "Set all";
  cmdSetClear[1].caption = "Clear all";
  cmdClose.caption = "Close";
  Load(DefaultLogPreferences(false));
}

ui::CheckBox& FrmLogPreferences::Box(int preference) { return *boxes_.at(preference); }
const ui::CheckBox& FrmLogPreferences::Box(int preference) const { return *boxes_.at(preference); }

void FrmLogPreferences::Load(const LogPreferences& values) {
  for (int i = 0; i < kLogPreferenceCount; ++i) boxes_[i]->value = values[i] == 1 ? 1 : 0;
  chkVerbose_Click();
}

LogPreferences FrmLogPreferences::Values() const {
  LogPreferences v{};
  for (int i = 0; i < kLogPreferenceCount; ++i) v[i] = boxes_[i]->value;
  return v;
}

void FrmLogPreferences::chkVerbose_Click() { chkIncludeGanzhi.enabled = chkVerbose.value == 1; }

void FrmLogPreferences::Box_Click(int preference) {
  if (preference == kLogVerbose) chkVerbose_Click();
  if (onChange) onChange(Values());
}

void FrmLogPreferences::cmdSetClear_Click(int index) {
  if (index != 0 && index != 1) return;
  for (ui::CheckBox* b : boxes_) b->value = index == 0 ? 1 : 0;
  chkVerbose_Click();
  if (onChange) onChange(Values());
}

void FrmLogPreferences::cmdClose_Click() {
  visible = false;
  bool any = false;
  for (const ui::CheckBox* b : boxes_) any = any || b->value == 1;
  if (!any) chkIncludeChL.value = 1;
  if (onClose) onClose(Values());
}

}  // namespace tavro
