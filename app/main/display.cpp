// Conversion and display: every row is recomputed from the current moment.
#include <cmath>

#include "app/main/frm_main.h"
#include "app/main/moon_picture.h"
#include "app/main/text_util.h"
#include "core/arc/arc_date.h"
#include "core/arc/arc_text.h"
#include "core/astro/moon_data.h"
#include "core/astro/phases.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/names.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

double Frac(double x) { return x - std::floor(x); }

}  // namespace

int FrmMain::ReferenceLongitude() const { return cboLongitude.index >= 0 ? cboLongitude.index + kFirstLongitude : 120; }

int FrmMain::Epoch() const { return cboEpoch.index == 1 ? Epoch2637BC : Epoch2697BC; }

Settings FrmMain::CurrentSettings() const {
  Settings s;
  s.referenceLongitude = ReferenceLongitude();
  s.epoch = Epoch();
  s.method = cboMethod.index == 1 ? 1 : 0;
  return s;
}

std::string FrmMain::EpochMethod(bool capital) const {
  return std::string(capital ? "Epoch" : "epoch") + " = " + std::to_string(Epoch()) + ", method = " +
         (cboMethod.index == 1 ? "mean sun" : "true sun");
}

std::string FrmMain::LondonTime(double cjdl) const { return TimeOfDayText(Frac(cjdl), false) + " GMT"; }

std::string FrmMain::BeijingTime(double cjdc) const { return TimeOfDayText(Frac(cjdc), false) + " " + strCCT; }

void FrmMain::ShowMessage(const std::string& text, const std::string& title, ui::Icon icon) {
  platform_.MessageBox(text, title.empty() ? std::string(ui::kProgramTitle) : title, icon, ui::Buttons::Ok);
}

void FrmMain::cmdCompute_Click() {
  outcome = {};
  const std::string noted = lblCommonEraDate[1].caption;
  txbPlusMinus.text = Trim(txbPlusMinus.text);
  const bool plusMinusGiven = !txbPlusMinus.text.empty();
  Parsed p;
  if (plusMinusGiven && !IsPlusMinusNumber())
    p.error = kErrPlusMinus;
  else
    p = ParseDate(txbDate.text);
  if (p.error >= 1) {
    ShowEntryError(p.error);
    SetTheFocus();
    return;
  }
  double ajd = p.ajd;
  if (plusMinusGiven) {
    ajd += optMinus.value ? -PlusMinusValue() : PlusMinusValue();
  } else if (ajd == dblCurrentAJDate) {
    outcome = {Outcome::Unchanged, 0};
    ShowMessage("Calendar dates unchanged.", "Convert date", ui::Icon::Warning);
    return;
  }
  if (CheckRange(ajd)) return;
  dblCurrentAJDate = ajd;
  DisplayDatesAndTimes();
  if (lblCommonEraDate[1].caption != noted) {
    DisplayMoonData(countryColour);
    DisplayDeltaT();
    if (autoLog) autoLog(kAutoLogConvert);
    CmdSaveStateEnabled(true);
  } else {
    outcome = {Outcome::Unchanged, 0};
    ShowMessage("Calendar dates unchanged.", "Convert date", ui::Icon::Warning);
  }
}

void FrmMain::cmdNow_Click() {
  txbDate.text.clear();
  txbDate_Change();
  txbTime.text.clear();
  cboTimeZone.index = -1;
  cboElement.index = kNoElementChoice;
  cboAnimal.index = kNoAnimalChoice;
  dblCurrentAJDate = CurrentAJD();
  Recalculate(kAutoLogNow);
}

void FrmMain::Recalculate(AutoLogKind autoLogKind) {
  DisplayDatesAndTimes();
  DisplayMoonData(countryColour);
  DisplayDeltaT();
  if (autoLog) autoLog(autoLogKind);
  CmdSaveStateEnabled(true);
}

void FrmMain::DisplayDatesAndTimes() {
  if (blnInitializing) return;
  const double ajd = dblCurrentAJDate;
  const double cjdl = ajd + 0.5;
  const double cjdc = ToCJDC(ajd, ReferenceLongitude());

  lblAstronomicalJulianDate[1].caption = GroupedNumber(ajd, 4) + " AJD";
  lblChronologicalJulianDateLondon[1].caption = GroupedNumber(cjdl, 4) + " CJDL";

  const int32_t dayL = FloorDay(cjdl);
  const std::string weekday = WeekdayName(EuroDayOfWeek(dayL));
  for (int letter : {'G', 'J'}) {
    EuroDate d;
    d.calendar = static_cast<int16_t>(letter);
    d.jdn = dayL;
    JDNToEuroDate(d);
    LabelPair& row = letter == 'G' ? lblCommonEraDate : lblJulianCalendarDate;
    row[1].caption = EuroDateText(d, 2, "-", ",", false) + (letter == 'G' ? " CE " : " JC ") + LondonTime(cjdl) +
                     " " + weekday;
    row[1].tooltip = EuroDateLongText(d) + " (London).";
  }

  DisplayChineseRows(cjdc);

  for (int zone = 0; zone < 2; ++zone) {
    ArcDate a;
    a.jdn = FloorDay(zone == 0 ? cjdl : cjdc);
    JDNToArcDate(a);
    LabelPair& row = zone == 0 ? lblArchetypesCalendarGMT : lblArchetypesCalendarCCT;
    row[1].caption = ArcDateText(a, kArcTextShort) + " " + (zone == 0 ? LondonTime(cjdl) : BeijingTime(cjdc)) + " " +
                     ArcDayName(a.day);
    row[1].tooltip = ArcDateText(a, kArcTextLong) +
                     (zone == 0 ? " in the Archetypes Calendar (GMT timezone)" : " in the Archetypes Calendar (CCT timezone)");
  }
  CompareArcWithChl();
  DisplayNativeDate();
  SetTheFocus();
}

const ui::Image& FrmMain::Picture(const std::string& name) {
  static const ui::Image none;
  // Without a screen nothing is read: a conversion on the command line never
  // shows a picture.
  if (!platform_.ShowsPictures()) return none;
  auto it = pictureCache_.find(name);
  if (it != pictureCache_.end()) return it->second;
  ui::Image img;
  if (!platform_.LoadPicture(strPicPath + name, img)) img = ui::Image();
  return pictureCache_.emplace(name, std::move(img)).first->second;
}

void FrmMain::DisplayChineseRows(double cjdc) {
  const Settings s = CurrentSettings();
  const auto country = CountryOfIndex(Country());
  const bool china = country == tavro::Country::China;

  lblChronologicalJulianDateBeijing[0].caption = "Chronological JD " + std::to_string(s.referenceLongitude) + "\xC2\xBA East";
  lblChronologicalJulianDateBeijing[1].caption = GroupedNumber(cjdc, 4) + " CJDC";

  ChsDate chs;
  ChlDate chl;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  // Only a moment outside the range has no Chinese date, and none is shown.
  if (!CJDateToChDates(cjdc, s, chs, chl)) return;

  std::string chsText = ChsDateText(chs, true) + " " + BeijingTime(cjdc);
  if (chs.day == 1 && chsText.size() >= 3) chsText.erase(chsText.size() - 3);
  lblChineseSolarDate[1].caption = chsText;
  ChsDate chsCopy = chs;
  lblChineseSolarDate[1].tooltip = ChsLongText(chsCopy, true, china, s, country);

  chl.epoch = static_cast<int16_t>(s.epoch);
  static_cast<void>(ChLDateToJDN(chl, s));  // a date just converted: only its record is wanted
  lblChineseLunarDate[1].caption = ChlDateText(chl, "CHL") + " " + BeijingTime(cjdc);
  ChlDate chlCopy = chl;
  std::string longText = ChlLongText(chlCopy, true, true, china, false, true, s, country);
  ReplaceAll(longText, "\r\n", "");
  ReplaceAll(longText, "\n", "");
  lblChineseLunarDate[1].tooltip = longText;

  const int32_t dayPos = DayCyclePosition(chl.jdn);
  picStem[1].image = Picture("stem" + std::to_string(StemNumber(dayPos)) + ".bmp");
  picBranch[1].image = Picture("branch" + std::to_string(BranchIndex(dayPos) + 1) + ".bmp");
  lblElementAnimalOfDay[0].caption = StemBranchText(dayPos);
  lblElementAnimalOfDay[1].caption = ElementAnimalText(dayPos, country) + " day";

  if (!blnRepeat && updateMoveOptions) updateMoveOptions();

  const int32_t yearPos = chl.position;
  picStem[0].image = Picture("stem" + std::to_string(StemNumber(yearPos)) + ".bmp");
  picBranch[0].image = Picture("branch" + std::to_string(BranchIndex(yearPos) + 1) + ".bmp");

  if (chkShowCJDs.value == 0) {
    lblElementAnimalOfYear.caption =
        (china ? StemBranchText(yearPos) + " " : std::string()) + ElementAnimalText(yearPos, country) + " year";
    const int32_t monthPos = MonthCyclePosition(chl);
    lblElementAnimalOfMonth.caption =
        (china ? StemBranchText(monthPos) + " " : std::string()) + ElementAnimalText(monthPos, country) + " month";
    lblElementAnimalOfYear.visible = lblElementAnimalOfMonth.visible = true;
  } else {
    lblElementAnimalOfYear.visible = lblElementAnimalOfMonth.visible = false;
  }
  lblYear.caption = "Year " + std::to_string(OverseasChineseYear(chl.cycle, chl.position, s.epoch));
}

void FrmMain::CompareArcWithChl() {
  LabelPair& row = lblArchetypesCalendarCCT;
  row[0].caption.clear();
  row[0].back = lngDehighlight;
  ChlDate c;
  if (!ReadChlDateText(lblChineseLunarDate[1].caption, c)) return;
  if (c.leap) return;
  const std::string arc = RemoveChars(row[1].caption, " ");
  const size_t at = arc.find("ARC");
  if (at == std::string::npos || at < 5) return;
  const std::string five = arc.substr(at - 5, 5);
  const double arcMonth = ReadNumberPrefix(five.substr(0, 2));
  const double arcDay = ReadNumberPrefix(five.substr(3));
  const double m = c.month, d = c.day;
  std::string title;
  if (arcMonth == m && arcDay == d)
    title = "ARC month & day same as CHL";
  else if (arcMonth == m && arcDay == d + 1)
    title = "ARC date 1 day ahead of CHL";
  else if (arcMonth == m && d == arcDay + 1)
    title = "ARC date 1 day behind CHL";
  else if (arcDay == d && arcMonth == m + 1)
    title = "ARC date 1 month ahead of CHL";
  else if (arcDay == d && m == arcMonth + 1)
    title = "ARC date 1 month behind CHL";
  else if (arcMonth == m)
    title = "ARC month no. same as CHL";
  else if (arcDay == d)
    title = "ARC day no. same as CHL";
  row[0].caption = title;
}

void FrmMain::HighlightCurrentCalendar() {
  auto mark = [&](LabelPair& row, bool current) { row[0].back = current ? lngHighlight : lngDehighlight; };
  mark(lblCommonEraDate, intCalendar == kCalCE);
  mark(lblJulianCalendarDate, intCalendar == kCalJC);
  mark(lblChineseLunarDate, intCalendar == kCalCHL);
  mark(lblChineseSolarDate, intCalendar == kCalCHS);
  mark(lblAstronomicalJulianDate, intCalendar == kCalAJD);
  mark(lblChronologicalJulianDateLondon, intCalendar == kCalCJDL);
  mark(lblChronologicalJulianDateBeijing, intCalendar == kCalCJDC);
  mark(lblArchetypesCalendarGMT, intCalendar == kCalARCGMT || intCalendar == kCalARCCCT);
}

void FrmMain::DisplayDeltaT() {
  const double minutes = DeltaTAt(dblCurrentAJDate);
  if (minutes > 1440)
    lblDeltaT[1].caption = "More than 24 hours";
  else
    lblDeltaT[1].caption = DurationText(static_cast<int32_t>(RoundHalfEven(minutes)));
}

void FrmMain::DisplayMoonData(Rgb colour) {
  MoonData md = ComputeMoonData(dblCurrentAJDate, intMaxX, intMaxY);
  lblAgeOfMoon[1].caption = md.ageText;
  if (!md.valid) {
    ShowMessage(md.errorMessage, "Error", ui::Icon::Warning);
    return;
  }
  picMoon.visible = false;
  lblPhaseOfMoon[1].caption = md.phaseText;
  platform_.Refresh();
  picMoon.back = colour;
  if (platform_.ShowsPictures())
    picMoon.image = DrawMoonPicture(md.picture, Picture(md.picture.baseName + countrySuffix + ".bmp"), colour,
                                    intMaxX, intMaxY);
  picMoon.visible = true;
  platform_.Refresh();
}

void FrmMain::SetTheFocus() {
  if (visible) {
    if (!txbDate.text.empty() && txbDate.enabled)
      focus = "txbDate";
    else if (cmdNow.visible && cmdNow.enabled)
      focus = "cmdNow";
  }
  cmdViewLog.visible = !logText.empty();
  cmdViewLog.enabled = !blnRepeat;
  cmdClearLog.visible = cmdViewLog.visible;
  cmdClearLog.enabled = cmdViewLog.enabled;
}

void FrmMain::CmdSaveStateEnabled(bool enabled) {
  cmdSaveState.enabled = enabled && !blnRepeat;
  cmdRestoreState.visible = cmdSaveState.visible;
  cmdRestoreState.enabled = cmdSaveState.enabled;
}

void FrmMain::cboRefLong_Click() {
  if (!startupCompleted) return;
  const int c = static_cast<int>(CountryOfIndex(Country()));
  cboLongitude.index = kCountryLongitudeIndex[c];
  cboLongitude_Click();
  countrySuffix = c == kCountryVietnam ? "_vn" : c == kCountryJapan ? "_jp" : "";
  const std::string zone = c == kCountryVietnam ? "ICT" : c == kCountryJapan ? "JST" : "CCT";
  if (cboMoveStep.items.size() >= 16) {
    cboMoveStep.items[14] = "ARC month (" + zone + ")";
    cboMoveStep.items[15] = "ARC year (" + zone + ")";
  }
  ApplyCountryCaptions();
  SelectCountryAnimals(c);
  DisplayDatesAndTimes();
  ApplyCountryColours();
  DisplayMoonData(countryColour);
}

void FrmMain::ApplyCountryCaptions() {
  const int c = static_cast<int>(CountryOfIndex(Country()));
  lblChineseSolarDate[0].caption = CountryNames[3 + c] + " Solar";
  lblChineseLunarDate[0].caption = CountryNames[3 + c] + " Lunar";
  const bool china = c == kCountryChina;
  lblYear.visible = china;
  for (auto& p : picStem) p.visible = china;
  for (auto& p : picBranch) p.visible = china;
  lblElementAnimalOfDay[0].visible = china;
}

void FrmMain::SelectCountryAnimals(int c) {
  animalNames = AnimalNames(static_cast<tavro::Country>(c));
  for (int i = 0; i < 12 && i < static_cast<int>(cboAnimal.items.size()); ++i) cboAnimal.items[i] = animalNames[i];
  // The element-animal search targets name the chosen animal too.
  for (int t = kTargetElementAnimalFirst; t <= kTargetElementAnimalLast && t < static_cast<int>(cboTarget.items.size()); ++t) {
    std::string& text = cboTarget.items[t];
    for (int i : {3, 7, 11})
      for (int other = 0; other < 3; ++other) {
        const std::string& from = AnimalNames(static_cast<tavro::Country>(other))[i];
        if (from != animalNames[i]) ReplaceAll(text, from, animalNames[i]);
      }
  }
}

void FrmMain::ApplyCountryColours() {
  const int c = static_cast<int>(CountryOfIndex(Country()));
  countryColour = kCountryColours[c];
  formBack = countryColour;
  for (ui::CheckBox* b : {&chkShowARC, &chkShowCJDs, &chkAutoLog, &chkRepeatedly, &chkKeep30th, &chkKeepLeap})
    b->back = countryColour;
  for (ui::OptionButton* o : {&optPlus, &optMinus, &optMoveDirection[0], &optMoveDirection[1], &optNext, &optPrevious})
    o->back = countryColour;
  for (Label* l : {&lblElement, &lblAnimal, &lblTimeZone, &lblPlusMinus, &lblCCT, &lblRefLong, &lblLongitude, &lblEpoch,
                   &lblMethod, &lblRefreshPeriod, &lblElementAnimalOfMonth, &lblElementAnimalOfYear, &lblYear})
    l->back = countryColour;
  for (auto& p : picStem) p.back = countryColour;
  for (auto& p : picBranch) p.back = countryColour;
  lblElementAnimalOfDay[0].back = lblElementAnimalOfDay[1].back = countryColour;
}

void FrmMain::cboLongitude_Click() {
  if (!cboLongitude.Valid(cboLongitude.index)) cboLongitude.index = kCountryLongitudeIndex[kCountryChina];
  strCCT = zoneDesignations[cboLongitude.index];
  txbCCT.text = strCCT;
  if (cboTimeZone.items.size() >= 2) cboTimeZone.items[1] = strCCT;
  cboTimeZone.index = -1;
  txbDate.text.clear();
  txbDate_Change();
  txbTime.text.clear();
  if (!startupCompleted) return;
  // The zone's ARC row and its comparison change with the meridian too.
  DisplayDatesAndTimes();
  CmdSaveStateEnabled(true);
  SetTheFocus();
}

void FrmMain::cboEpoch_Click() {
  if (!startupCompleted) return;
  DisplayDatesAndTimes();
  CmdSaveStateEnabled(true);
  SetTheFocus();
}

void FrmMain::cboMethod_Click() {
  if (!startupCompleted) return;
  DisplayDatesAndTimes();
  CmdSaveStateEnabled(true);
  SetTheFocus();
}

void FrmMain::chkShowARC_Click() {
  const bool show = chkShowARC.value != 0;
  for (auto* row : {&lblArchetypesCalendarGMT, &lblArchetypesCalendarCCT})
    for (auto& l : *row) l.visible = show;
  if (!blnInitializing) CmdSaveStateEnabled(true);
  SetTheFocus();
}

void FrmMain::chkShowCJDs_Click() {
  const bool show = chkShowCJDs.value != 0;
  if (show) {
    lblElementAnimalOfYear.visible = lblElementAnimalOfMonth.visible = false;
  } else if (!blnInitializing) {
    DisplayChineseRows(ToCJDC(dblCurrentAJDate, ReferenceLongitude()));
  }
  lblChronologicalJulianDateBeijing[0].caption =
      "Chronological JD " + std::to_string(ReferenceLongitude()) + "\xC2\xBA East";
  for (auto* row : {&lblChronologicalJulianDateLondon, &lblChronologicalJulianDateBeijing})
    for (auto& l : *row) l.visible = show;
  if (!blnInitializing) CmdSaveStateEnabled(true);
  SetTheFocus();
}

void FrmMain::chkAutoLog_Click() {
  if (!blnInitializing && startupCompleted) CmdSaveStateEnabled(true);
}

void FrmMain::optPlusMinus_Click(int index) {
  if (index == 0 || index == 1) {
    optPlus.value = index == 0;
    optMinus.value = index == 1;
  }
  if (!blnInitializing && startupCompleted) CmdSaveStateEnabled(true);
}

}  // namespace tavro
