// Searching for events: the Search button runs the rule of the selected
// target to its end inside the handler, showing progress in lblSearching.
#include <cmath>

#include "app/main/frm_main.h"
#include "app/main/move_units.h"
#include "app/main/search_targets.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "core/chinese/chinese_date.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/names.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr const char* kElementAnimalTargets[3] = {"Element-animal day", "Element-animal month",
                                                  "Element-animal year"};
// The progress line of a long search stays within the label.
constexpr size_t kProgressWidth = 60;

void DirectionChosen(FrmMain& f) {
  f.optNext.fore = f.optNext.value ? f.lngHighlight : f.lngDehighlight;
  f.optPrevious.fore = f.optPrevious.value ? f.lngHighlight : f.lngDehighlight;
  if (!f.visible) return;
  f.CmdSaveStateEnabled(true);
  f.focus = f.cmdSearch.enabled ? "cmdSearch" : "cmdQuit";
}

}  // namespace

std::string FrmMain::ElementAnimalTargetText(int kind) const {
  const int e = cboElement.index >= 0 && cboElement.index < kNoElementChoice ? cboElement.index : kNoElementChoice;
  const int a = cboAnimal.index >= 0 && cboAnimal.index < kNoAnimalChoice ? cboAnimal.index : kNoAnimalChoice;
  std::string text;
  if (e == kNoElementChoice && a == kNoAnimalChoice) {
    text = "Element-animal";
  } else {
    text = (e < kNoElementChoice ? ElementNames[e] : std::string()) + "-" +
           (a < kNoAnimalChoice ? animalNames[a] : std::string()) + " (";
    if (a == kNoAnimalChoice)
      text += StemNames[2 * e] + "-, " + StemNames[2 * e + 1] + "-";
    else if (e == kNoElementChoice)
      text += "-" + BranchNames[a];
    else
      text += StemBranchText(CyclePositionOf(e, a));
    text += ")";
  }
  return text + (kind == 0 ? " day" : kind == 1 ? " month" : " year");
}

void FrmMain::RefreshElementAnimalTarget() {
  const int t = cboTarget.index;
  if (t < kTargetElementAnimalFirst || t > kTargetElementAnimalLast) return;
  if (t < static_cast<int>(cboTarget.items.size()))
    cboTarget.items[t] = ElementAnimalTargetText(t - kTargetElementAnimalFirst);
}

FrmMultipleElAn& FrmMain::MultipleWindow() {
  if (multipleWindow) return *multipleWindow;
  if (!ownMultipleWindow_) ownMultipleWindow_ = std::make_shared<FrmMultipleElAn>(platform_);
  return *ownMultipleWindow_;
}

void FrmMain::cmdSearch_Click() {
  if (blnRepeat) return;
  outcome = {};
  const double before = dblCurrentAJDate;
  if (!TakePendingEntry()) return;
  // Some targets read the displayed lunar date line, which must show the
  // moment just taken from the entry.
  if (dblCurrentAJDate != before) DisplayDatesAndTimes();
  platform_.SetTimer(RefreshMilliseconds(cboRefreshPeriod), false, [this] { Clock_Timer(); });
  multipleSearchCancelled = false;
  const int target = cboTarget.index;
  if (target < 0 || target >= kSearchTargetCount) return;
  TakeSearchOutcome(target, RunSearch(target));
}

SearchOutcome FrmMain::RunSearch(int target) {
  const bool next = optNext.value;
  const Settings s = CurrentSettings();
  const int longitude = s.referenceLongitude;
  const std::string lunarLine = lblChineseLunarDate[1].caption;
  const int e = cboElement.index, a = cboAnimal.index;

  auto startProgress = [&] {
    lblSearching.caption = strSearching;
    lblSearching.visible = true;
    platform_.Refresh();
  };
  auto progress = [&](const char* mark) {
    return [this, mark] {
      if (lblSearching.caption.size() < kProgressWidth) lblSearching.caption += mark;
      platform_.Refresh();
    };
  };
  auto endProgress = [&] {
    lblSearching.visible = false;
    lblSearching.caption.clear();
  };

  SearchOutcome r;
  switch (target) {
    case kTargetFullMoon:
    case kTargetDarkMoon:
    case kTargetLunarQuarter: {
      int32_t n;
      int16_t q;
      QuarterPhaseAt(dblCurrentAJDate, n, q, blnExact);
      r.found = true;
      r.ajd = MoonPhaseSearch(target, next, dblCurrentAJDate);
      break;
    }
    case kTargetLunarNewYear:
      r = LunarNewYearSearch(next, lunarLine, s);
      break;
    case kTargetWinterSolstice:
    case kTargetVernalEquinox:
    case kTargetSummerSolstice:
    case kTargetAutumnalEquinox:
    case kTargetSolsticeOrEquinox:
    case kTargetSolarTerm:
      r = SolarEventSearch(target, next, dblCurrentAJDate, longitude);
      break;
    case kTargetTermDarkMoon:
    case kTargetTermFullMoon:
    case kTargetWinterSolsticeDarkMoon:
    case kTargetCardinalDarkMoon:
    case kTargetCardinalFullMoon:
      startProgress();
      r = SyzygyOnTermDaySearch(target, next, dblCurrentAJDate, s, progress(". "));
      endProgress();
      break;
    case kTargetElementAnimalDay:
      r = ElementAnimalDaySearch(e, a, next, dblCurrentAJDate, longitude);
      break;
    case kTargetElementAnimalMonth:
      if (!(e == kNoElementChoice && a == kNoAnimalChoice)) startProgress();
      r = ElementAnimalMonthSearch(e, a, next, lunarLine, s, progress(" ."));
      endProgress();
      break;
    case kTargetElementAnimalYear:
      r = ElementAnimalYearSearch(e, a, next, lunarLine, s);
      break;
    case kTargetTripleCoincidence:
      startProgress();
      r = TripleCoincidenceSearch(next, dblCurrentAJDate, s, progress(" ."));
      endProgress();
      break;
    case kTargetSameDayAndMonth:
    case kTargetMultipleElementAnimal:
      r = MultipleElementAnimalSearch(target == kTargetSameDayAndMonth, next, s);
      endProgress();
      break;
    case kTargetIntercalaryMonth:
    default:
      r = IntercalaryMonthSearch(next, lunarLine, s);
      break;
  }
  return r;
}

SearchOutcome FrmMain::MultipleElementAnimalSearch(bool sameDayAndMonth, bool next, const Settings& s) {
  FrmMultipleElAn& w = MultipleWindow();
  const MultipleSearchInputs in = PresetMultipleWindow(w, sameDayAndMonth, next);
  const bool found = w.ShowModal(in);
  const ElementAnimalRows rows = w.Rows();
  for (int row = 0; row < 3; ++row) {
    multiplePairs[2 * row] = rows[row].element;
    multiplePairs[2 * row + 1] = rows[row].animal;
  }
  multipleSearchDescription = w.MultipleElementAnimalStr();
  multipleSearchCancelled = !found;
  SearchOutcome r;
  r.found = found;
  r.ajd = NoonOnMeridian(w.lngCJDN, s.referenceLongitude);
  return r;
}

void FrmMain::TakeSearchOutcome(int target, const SearchOutcome& r) {
  if (!r.found) outcome = {Outcome::NotFound, 0};
  if (!r.found && !multipleSearchCancelled) {
    ShowMessage(r.text, r.title, r.icon);
    return;
  }
  if (r.found && (r.ajd < MinAJD || r.ajd > MaxAJD)) {
    // An event beyond the admissible range cannot become the current moment.
    outcome = {Outcome::OutOfRange, 0};
    ShowMessage(r.ajd < MinAJD ? "Earliest date exceeded." : "Latest date exceeded.", "Out of range",
                ui::Icon::Warning);
    return;
  }
  if (target == kTargetIntercalaryMonth) {
    intCalendar = kCalCHL;
    HighlightCurrentCalendar();
  }
  if (target >= kTargetElementAnimalDay && target <= kTargetMultipleElementAnimal && chkShowCJDs.value != 0) {
    chkShowCJDs.value = 0;
    chkShowCJDs_Click();
  }
  if (r.found) dblCurrentAJDate = r.ajd;
  Recalculate(kAutoLogSearch);
}

void FrmMain::cboTarget_Click() {
  if (!visible || blnInitializing) return;
  UpdateElementAnimalBoxes();
  for (int t = kTargetElementAnimalFirst; t <= kTargetElementAnimalLast && t < static_cast<int>(cboTarget.items.size());
       ++t)
    cboTarget.items[t] = kElementAnimalTargets[t - kTargetElementAnimalFirst];
  RefreshElementAnimalTarget();
  focus = cmdSearch.enabled ? "cmdSearch" : "cmdHelp";
  CmdSaveStateEnabled(true);
}

void FrmMain::optNext_Click() {
  optNext.value = true;
  optPrevious.value = false;
  DirectionChosen(*this);
}

void FrmMain::optPrevious_Click() {
  optPrevious.value = true;
  optNext.value = false;
  DirectionChosen(*this);
}

MultipleSearchInputs FrmMain::PresetMultipleWindow(FrmMultipleElAn& w, bool sameDayAndMonth, bool next) {
  const Settings s = CurrentSettings();
  const int longitude = s.referenceLongitude;
  // The rows as last left (or as restored from the saved state).
  for (int row = 0; row < 3; ++row) w.Preset(row, multiplePairs[2 * row], multiplePairs[2 * row + 1]);
  const double cjdc = ToCJDC(dblCurrentAJDate, longitude);
  ChsDate chs;
  ChlDate chl;
  chs.valid = kNoSolarDate;
  chl.epoch = static_cast<int16_t>(s.epoch);
  // The current moment always converts; were it not, the rows would stay as left.
  if (sameDayAndMonth && CJDateToChDates(cjdc, s, chs, chl)) {
    const int32_t dayPos = DayCyclePosition(FloorDay(cjdc));
    const int32_t monthPos = MonthCyclePosition(chl);
    w.Preset(0, ElementIndex(dayPos), BranchIndex(dayPos));
    w.Preset(1, ElementIndex(monthPos), BranchIndex(monthPos));
    w.Preset(2, kNoElementChoice, kNoAnimalChoice);
  }
  MultipleSearchInputs in;
  in.currentAJD = dblCurrentAJDate;
  in.next = next;
  in.settings = s;
  in.country = CountryOfIndex(Country());
  in.searching = &lblSearching;
  in.strSearching = strSearching;
  return in;
}

}  // namespace tavro
