// Moving through time: one step of a unit per press of Move, or a repeated run
// paced by the Clock timer until Stop, with Pause and Resume.
#include <chrono>
#include <cmath>
#include <thread>

#include "app/main/frm_main.h"
#include "app/main/move_units.h"
#include "core/chinese/date_readers.h"
#include "core/time/scales.h"

namespace tavro {

void FrmMain::cmdMove_Click() {
  // A click that reaches us during a run (the button is disabled then) must
  // not start a second loop inside the first.
  if (blnRepeat) return;
  outcome = {};
  const double before = dblCurrentAJDate;
  if (!TakePendingEntry()) return;
  // The Chinese units read the displayed date lines, which must show the
  // moment just taken from the entry.
  if (dblCurrentAJDate != before) DisplayDatesAndTimes();
  blnRepeat = chkRepeatedly.value != 0;
  if (blnRepeat) PrepareRepeatedRun();
  blnStepDue = true;
  // A message that ends a run is shown after the run has ended, so that it
  // does not stand over Stop and Pause.
  std::string endText, endTitle;
  ui::Icon endIcon = ui::Icon::None;
  for (;;) {
    if (blnStepDue) {
      const MoveMessage failure = MakeMoveStep();
      if (!failure.text.empty()) {
        blnRepeat = false;
        endText = failure.text;
        endTitle = failure.title;
        endIcon = failure.icon;
        outcome = {Outcome::MoveFailed, 0};
        break;
      }
      blnStepDue = false;
    }
    if (blnRepeat && (dblCurrentAJDate < MinAJD || dblCurrentAJDate > MaxAJD)) {
      // Kept as a guard: a step that would leave the range is refused first.
      endText = dblCurrentAJDate < MinAJD ? "Earliest date exceeded." : "Latest date exceeded.";
      endTitle = "Out of range";
      endIcon = ui::Icon::Warning;
      outcome = {Outcome::OutOfRange, 0};
      cmdStop_Click();
      break;
    }
    platform_.DoEvents();
    while (blnPause && !platform_.QuitRequested()) {
      if (platform_.InputPending()) {
        platform_.DoEvents();
        platform_.DoEvents();
      } else {
        platform_.DoEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    // Quit (it has saved the state) ends a run at once, running or paused.
    if (platform_.QuitRequested()) blnRepeat = false;
    if (!blnRepeat) break;
    // Between ticks the loop only polls; a short rest keeps it from taking a
    // whole processor without delaying a step noticeably.
    if (!blnStepDue && !platform_.InputPending()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EndMove();
  if (!endText.empty()) ShowMessage(endText, endTitle, endIcon);
}

MoveMessage FrmMain::MakeMoveStep() {
  const int unit = cboMoveStep.index;
  const bool forward = optMoveDirection[0].value;
  // The keep boxes count in a repeated run; they keep the visibility they
  // had when it started, which says whether the starting date had a day 30
  // or a leap month to keep.
  KeepLunar keep;
  keep.day30 = blnRepeat && chkKeep30th.visible && chkKeep30th.value != 0;
  keep.leap = blnRepeat && chkKeepLeap.visible && chkKeepLeap.value != 0;
  const MoveStepResult r = StepMoment(unit, forward, dblCurrentAJDate, lblChineseLunarDate[1].caption,
                                      lblChineseSolarDate[1].caption, CurrentSettings(), keep);
  if (r.failure != MoveFailure::None) return MoveFailureMessage(r.failure, unit, forward);
  dblCurrentAJDate = r.ajd;
  if (r.calendar >= 0) {
    intCalendar = r.calendar;
    HighlightCurrentCalendar();
  }
  Recalculate(kAutoLogMove);
  return {};
}

void FrmMain::ShowStopPause(bool shown) {
  fraStopPauseResume.visible = shown;
  cmdStop.visible = cmdPauseResume.visible = shown;
}

void FrmMain::StartClock() {
  platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), true, [this] { Clock_Timer(); });
}

// Preparing a run disables or hides what could start other work; its end
// enables and shows them again. Nothing is restored from a copy taken at the
// start: what changed during the run (the log buttons) counts.
void FrmMain::EnableRunControls(bool enabled) {
  if (enabled && !runControlsDisabled_) return;  // a single move disabled nothing
  runControlsDisabled_ = !enabled;
  // The move, conversion and search panels.
  for (ui::ComboBox* c : {&cboMoveStep, &cboTimeZone, &cboElement, &cboAnimal, &cboTarget}) c->enabled = enabled;
  for (ui::OptionButton* o : {&optMoveDirection[0], &optMoveDirection[1], &optPlus, &optMinus, &optNext, &optPrevious})
    o->enabled = enabled;
  for (ui::CheckBox* c : {&chkRepeatedly, &chkKeep30th, &chkKeepLeap}) c->enabled = enabled;
  for (ui::TextBox* t : {&txbDate, &txbTime, &txbPlusMinus}) t->enabled = enabled;
  for (ui::Button* b : {&cmdMove, &cmdMoveOneDay, &cmdCompute, &cmdClearDate, &cmdSearch, &cmdHelp, &cmdReset})
    b->enabled = enabled;
  for (ui::Button* b : {&cmdAddToLog, &cmdConfigureLog, &cmdViewLog, &cmdClearLog})
    if (b->visible || enabled) b->enabled = enabled;
  // Buttons that open other work are hidden.
  for (ui::Button* b : {&cmdListJulianCENewYears, &cmdDisplayYearData, &cmdListLunarNewYears, &cmdListLeapMonths,
                        &cmdTest, &cmdDisplayCalendar, &cmdNow})
    b->visible = enabled;
  // "Festivals" is on only where the window is joined in.
  if (!enabled && cmdFestivals.enabled) {
    cmdFestivals.enabled = false;
    festivalsDisabledByRun_ = true;
  } else if (enabled && festivalsDisabledByRun_) {
    cmdFestivals.enabled = true;
    festivalsDisabledByRun_ = false;
  }
  cboEpoch.enabled = enabled;
  if (!enabled) cmdSaveState.enabled = cmdRestoreState.enabled = false;
}

void FrmMain::PrepareRepeatedRun() {
  EnableRunControls(false);
  cmdPauseResume.caption = "Pause";
  blnPause = false;
  cboRefreshPeriod.enabled = false;
  ShowStopPause(true);
  focus = "cmdStop";
  platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), false, [this] { Clock_Timer(); });
  StartClock();
}

void FrmMain::EndMove() {
  chkRepeatedly.value = 0;
  blnRepeat = false;
  blnPause = false;
  blnStepDue = false;
  platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), false, [this] { Clock_Timer(); });
  EnableRunControls(true);
  cboRefreshPeriod.enabled = true;
  ShowStopPause(false);
  cmdViewLog.visible = !logText.empty();
  cmdClearLog.visible = cmdViewLog.visible;
  UpdateKeepBoxes();
  chkRepeatedly.fore = lngDehighlight;
  CmdSaveStateEnabled(true);
  cmdMoveSetFocus();
}

void FrmMain::Clock_Timer() {
  if (blnRepeat) blnStepDue = true;
}

void FrmMain::cmdStop_Click() {
  blnRepeat = false;
  blnPause = false;
  ShowStopPause(false);
}

void FrmMain::cmdPauseResume_Click() {
  if (!blnRepeat) return;
  if (!blnPause) {
    cmdPauseResume.caption = "Resume";
    blnPause = true;
    cboRefreshPeriod.enabled = true;
    platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), false, [this] { Clock_Timer(); });
    focus = "cmdPauseResume";
  } else {
    cmdPauseResume.caption = "Pause";
    blnPause = false;
    cboRefreshPeriod.enabled = false;
    StartClock();
    focus = "cmdStop";
  }
}

void FrmMain::cboRefreshPeriod_Click() {
  if (!visible || blnInitializing) return;
  if (blnRepeat && blnPause) {
    platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), false, [this] { Clock_Timer(); });
    focus = "cmdPauseResume";
    return;
  }
  // The period belongs to the saved state.
  if (!blnRepeat) CmdSaveStateEnabled(true);
}

void FrmMain::cmdMoveOneDay_Click() {
  chkRepeatedly.value = 0;
  const bool forward = optMoveDirection[0].value;
  if (forward) {
    if (dblCurrentAJDate + 1 > MaxAJD) {
      ShowMessage("Latest date reached.", "Out of range", ui::Icon::Warning);
      return;
    }
    dblCurrentAJDate += 1;
  } else {
    if (dblCurrentAJDate - 1 < MinAJD) {
      ShowMessage("Earliest date reached.", "Out of range", ui::Icon::Warning);
      return;
    }
    dblCurrentAJDate -= 1;
  }
  Recalculate(kAutoLogOneDay);
  cmdViewLog.visible = !logText.empty();
  cmdClearLog.visible = cmdViewLog.visible;
  UpdateKeepBoxes();
  CmdSaveStateEnabled(true);
  cmdMoveSetFocus();
}

void FrmMain::UpdateKeepBoxes() {
  ChlDate c;
  const std::string& line = lblChineseLunarDate[1].caption;
  const bool read = !line.empty() && ReadChlDateText(line, c);
  const int unit = cboMoveStep.index;
  const bool repeated = chkRepeatedly.value != 0;
  chkKeep30th.visible = read && c.day == 30 && unit >= kUnitCHLMonth && unit <= kUnitCHLCycle && repeated;
  chkKeepLeap.visible = read && c.leap != 0 && (unit == kUnitCHLYear || unit == kUnitCHLCycle) && repeated;
  for (ui::CheckBox* b : {&chkKeep30th, &chkKeepLeap}) b->fore = b->value ? lngHighlight : lngDehighlight;
}

void FrmMain::cmdMoveSetFocus() {
  if (cmdMove.visible && cmdMove.enabled) focus = "cmdMove";
}

void FrmMain::cboMoveStep_Click() {
  if (!visible || blnInitializing) return;
  UpdateKeepBoxes();
  CmdSaveStateEnabled(true);
  cmdMoveSetFocus();
}

void FrmMain::optMoveDirection_Click(int index) {
  if (index == 0 || index == 1) {
    optMoveDirection[index].value = true;
    optMoveDirection[1 - index].value = false;
  }
  for (auto& o : optMoveDirection) o.fore = o.value ? lngHighlight : lngDehighlight;
  if (!startupCompleted) return;
  CmdSaveStateEnabled(true);
  cmdMoveSetFocus();
}

void FrmMain::chkRepeatedly_Click() {
  chkRepeatedly.fore = chkRepeatedly.value ? lngHighlight : lngDehighlight;
  if (!visible) return;
  UpdateKeepBoxes();
  cmdMoveSetFocus();
}

void FrmMain::chkKeep30th_Click() {
  chkKeep30th.fore = chkKeep30th.value ? lngHighlight : lngDehighlight;
  cmdMoveSetFocus();
}

void FrmMain::chkKeepLeap_Click() {
  chkKeepLeap.fore = chkKeepLeap.value ? lngHighlight : lngDehighlight;
  cmdMoveSetFocus();
}

}  // namespace tavro
