#include "app/log/log_controller.h"

namespace tavro {

LogSnapshot SnapshotOf(const FrmMain& main) {
  LogSnapshot s;
  s.ajd = main.dblCurrentAJDate;
  s.settings = main.CurrentSettings();
  s.country = CountryOfIndex(main.Country());
  s.mainTitle = main.title;
  s.chlText = main.lblChineseLunarDate[1].caption;
  s.chsText = main.lblChineseSolarDate[1].caption;
  s.ceText = main.lblCommonEraDate[1].caption;
  s.jcText = main.lblJulianCalendarDate[1].caption;
  s.phaseText = main.lblPhaseOfMoon[1].caption;
  s.ageText = main.lblAgeOfMoon[1].caption;
  return s;
}

std::string DefaultLogEntry(const FrmMain& main) {
  return BuildLogEntry(SnapshotOf(main), DefaultLogPreferences(main.chkShowCJDs.value == 1), true).text;
}

LogController::LogController(FrmMain& main, FrmLog& log, FrmLogPreferences& preferences)
    : main_(main), log_(log), preferences_(preferences) {
  main_.autoLog = [this](AutoLogKind kind) { AutoLog(kind); };
  log_.onCleared = [this] {
    SyncText();
    SetLogButtons(false);
  };
  log_.onClosed = [this] { main_.SetTheFocus(); };
  preferences_.onClose = [this](const LogPreferences& values) {
    main_.logPreferences = values;
    main_.CmdSaveStateEnabled(true);
    main_.SetTheFocus();
  };
  preferences_.onChange = [this](const LogPreferences& values) {
    main_.logPreferences = values;
    main_.CmdSaveStateEnabled(true);
  };
  if (!main_.logText.empty() && log_.Empty()) log_.Append(main_.logText);
}

void LogController::SyncText() { main_.logText = log_.txbText.text; }

void LogController::SetLogButtons(bool visible) {
  main_.cmdViewLog.visible = visible;
  main_.cmdClearLog.visible = visible;
}

void LogController::ShowError(const std::string& description) {
  main_.platform().MessageBox(description, "Error", ui::Icon::Warning, ui::Buttons::Ok);
  main_.blnRepeat = false;
  main_.chkRepeatedly.value = 0;
}

bool LogController::AddToLog() {
  const LogEntryResult r = BuildLogEntry(SnapshotOf(main_), main_.logPreferences, log_.Empty());
  log_.Append(r.text);
  SyncText();
  SetLogButtons(!log_.Empty());
  if (!r.error.empty()) {
    ShowError(r.error);
    return false;
  }
  return true;
}

AutoLogContext LogController::HeadingContext() const {
  AutoLogContext c;
  c.plusMinusText = main_.txbPlusMinus.text;
  c.plus = !main_.optMinus.value;
  c.forward = main_.optMoveDirection[0].value;
  c.moveUnit = main_.cboMoveStep.Text();
  c.next = main_.optNext.value;
  c.target = main_.cboTarget.index;
  c.targetText = main_.cboTarget.Text();
  if (multipleSearchDescription) c.multipleDescription = multipleSearchDescription();
  return c;
}

void LogController::AutoLog(int kind) {
  if (main_.chkAutoLog.value != 1 || kind < 1) return;
  if (kind == kAutoLogSearch && multipleSearchCancelled && multipleSearchCancelled()) return;
  const std::string heading = AutoLogHeading(kind, HeadingContext());
  log_.Append(AutoLogHeadingLines(heading, main_.logPreferences[kLogVerbose] == 1));
  SyncText();
  AddToLog();
}

void LogController::cmdAddToLog_Click() {
  AddToLog();
  if (log_.Empty()) {
    SetLogButtons(false);
    return;
  }
  if (main_.logPreferences[kLogViewWhenAdd] == 1) cmdViewLog_Click();
  SetLogButtons(true);
  if (main_.logPreferences[kLogViewWhenAdd] != 1) main_.focus = "cmdViewLog";
}

void LogController::cmdViewLog_Click() {
  if (log_.Empty()) {
    main_.platform().MessageBox("Log is empty", "View Log", ui::Icon::Information, ui::Buttons::Ok);
    main_.SetTheFocus();
    return;
  }
  log_.Show();
}

void LogController::cmdClearLog_Click() {
  if (main_.platform().Ask(ui::Question::ClearLog, kClearLogQuestion, "Clear log", ui::Buttons::OkCancel) ==
      ui::Answer::Ok)
    log_.ClearText();
  main_.SetTheFocus();
}

void LogController::cmdLogPreferences_Click() {
  preferences_.Load(main_.logPreferences);
  preferences_.visible = true;
}

void LogController::MainClosing() { log_.visible = false; }

}  // namespace tavro
