// The data window's frame: sizes, captions, copying, Stop and Close.
#include "app/data/frm_data.h"

#include "app/data/data_text.h"
#include "core/chinese/names.h"
#include "core/time/program_text.h"

namespace tavro {

FrmData::FrmData(ui::Platform& platform) : platform_(platform) {
  optCE.caption = "CE";
  optJC.caption = "JC";
  optCE.value = true;
  chkIncludeMajorSolarTerms.caption = "Include major solar terms (the Zs)";
  chkIncludeMinorSolarTerms.caption = "Include minor solar terms (the Js)";
  chkDisplaySolarTermNames.caption = "Display solar term names";
  chkLargeWindow.caption = "Large window";
  chkLeapMonthsOnly.caption = "Leap months only";
  chkOmitInvalidDates.caption = "Omit invalid dates";
  chkIncludeMajorSolarTerms.value = 1;
  cmdCopyToClipboard.caption = "Copy to clipboard";
  cmdStop.caption = "Stop";
  cmdClose.caption = "Close";
  cmdList.caption = "List";
  lblYears.caption = "years";
  txbText.enabled = true;
}

void FrmData::TakeMainInputs() {
  if (readMain) inputs = readMain();
}

std::string FrmData::EpochMethodLower() const {
  return "epoch = " + std::to_string(inputs.settings.epoch) +
         ", method = " + (inputs.settings.method == 1 ? "mean sun" : "true sun");
}

std::string FrmData::CountryName() const {
  return CountryNames[static_cast<int>(CountryOfIndex(inputs.country))];
}

void FrmData::Show() {
  if (visible) return;
  visible = true;
  Form_Activate();
}

void FrmData::BeginLongRun() {
  running = true;
  for (ui::CheckBox* c : {&chkIncludeMajorSolarTerms, &chkIncludeMinorSolarTerms, &chkDisplaySolarTermNames,
                          &chkLeapMonthsOnly, &chkOmitInvalidDates})
    c->enabled = false;
  optCE.enabled = optJC.enabled = false;
  cmdList.enabled = false;
  txbNumYears.enabled = txbStart.enabled = txbEnd.enabled = false;
  if (onRunning) onRunning(true);
}

void FrmData::EndLongRun() {
  running = false;
  for (ui::CheckBox* c : {&chkIncludeMajorSolarTerms, &chkIncludeMinorSolarTerms, &chkDisplaySolarTermNames,
                          &chkLeapMonthsOnly, &chkOmitInvalidDates})
    c->enabled = true;
  optCE.enabled = optJC.enabled = true;
  cmdList.enabled = true;
  txbNumYears.enabled = txbStart.enabled = txbEnd.enabled = true;
  if (onRunning) onRunning(false);
}

void FrmData::SizeWindow() { large = chkLargeWindow.value == 1; }

void FrmData::ShowListInputs(bool show) {
  txbNumYears.visible = lblYears.visible = cmdList.visible = show;
  if (!show) chkLeapMonthsOnly.visible = chkOmitInvalidDates.visible = false;
}

void FrmData::ShowTermBoxes(bool show) {
  chkIncludeMajorSolarTerms.visible = chkIncludeMinorSolarTerms.visible = chkDisplaySolarTermNames.visible = show;
}

void FrmData::Append(const std::string& text) { txbText.text += text; }

void FrmData::ProcessEvents() {
  platform_.Sync();
  platform_.DoEvents();
  // Quit during a listing: it ends here, so that the program can end.
  if (platform_.QuitRequested()) blnStop = true;
}

// ---- check boxes and options ----

void FrmData::chkIncludeMajorSolarTerms_Click() {
  if (!mainStartingUp) DisplayYearData();
}
void FrmData::chkIncludeMinorSolarTerms_Click() {
  if (!mainStartingUp) DisplayYearData();
}
void FrmData::chkDisplaySolarTermNames_Click() {
  if (!mainStartingUp) DisplayYearData();
}

void FrmData::optCE_Click() {
  optCE.value = true;
  optJC.value = false;
  if (intWindow == kWindowYearData) DisplayYearData();
}

void FrmData::optJC_Click() {
  optJC.value = true;
  optCE.value = false;
  if (intWindow == kWindowYearData) DisplayYearData();
}

void FrmData::chkLargeWindow_Click() {
  if (!visible) return;
  SizeWindow();
  focus = "cmdClose";
}

// ---- copying ----

void FrmData::cmdCopyToClipboard_Click() {
  if (txbText.text.empty()) return;
  std::string text = txbText.text;
  if (selLength > 0 && selStart < text.size()) text = text.substr(selStart, selLength);
  platform_.SetClipboardText(text);
  cmdCopyToClipboard.caption = "Copy to clipboard";
  focus = "cmdClose";
}

void FrmData::txbText_MouseUp(bool leftButton) {
  if (!leftButton || !cmdCopyToClipboard.enabled) return;
  cmdCopyToClipboard.caption = ProgramText(selLength > 0 ? 10 : 11);
}

// ---- Stop and Close ----

void FrmData::cmdStop_Click() { blnStop = true; }

void FrmData::cmdClose_Click() {
  blnStop = true;
  busyPointer = false;
  chkLargeWindow.value = 0;
  if (visible) SizeWindow();
  if (cmdClose.caption != "Close") {
    cmdClose.caption = "Close";
    return;
  }
  visible = false;
  txbNumYears.text.clear();
  focus = "frmMain";
}

void FrmData::Form_QueryUnload() { cmdClose_Click(); }

void FrmData::Form_Activate() {
  blnStop = false;
  if (intWindow == kWindowNewYears || intWindow == kWindowMonthStarts) {
    chkLargeWindow.value = 0;
    SizeWindow();
  }
  if (!optCE.value && !optJC.value) {
    if (intWindow == kWindowJcCeNewYears)
      optJC.value = true;
    else
      optCE.value = true;
  }
}

bool FrmData::txbNumYears_Enter() {
  cmdList_Click();
  return true;
}

bool FrmData::txbStart_Enter() {
  DoTest();
  return true;
}

bool FrmData::txbEnd_Enter() {
  DoTest();
  return true;
}

}  // namespace tavro
