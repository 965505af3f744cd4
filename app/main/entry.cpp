// Date entry: the grammar of the entry box, the time and plus/minus boxes,
// copying a displayed date back into the entry, and the entry messages.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "app/main/frm_main.h"
#include "app/main/text_util.h"
#include "core/arc/arc_date.h"
#include "core/chinese/conversion.h"
#include "core/chinese/date_readers.h"
#include "core/chinese/names.h"
#include "core/time/date_reader.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr int32_t kFirstDay = 625333;  // -3000-01-01 CE

// The European and ARC reader: year-month-day with calendar letter `letter`.
bool ReadEuroEntry(const std::string& datePart, int letter, EuroDate& d) {
  d = EuroDate{};
  d.calendar = static_cast<int16_t>(letter);
  std::string t;
  for (char c : Trim(datePart))
    if (c == '-' || (c >= '0' && c <= '9')) t += c;
  const auto dashes = std::count(t.begin(), t.end(), '-');
  const bool negativeYear = !t.empty() && t[0] == '-';
  if (dashes != (negativeYear ? 3 : 2)) return false;
  if (_str_to_date(t, kOrderYearMonthDay, d, letter) != kStrToDateRead) return false;
  if (letter == 'G' || letter == 'J') EuroDateToJDN(d);
  return d.valid == 1;
}

// Digits only, read as a small whole number; false when there are too many.
bool ReadDigits(const std::string& s, int32_t& value) {
  std::string only;
  for (char c : s)
    if (c >= '0' && c <= '9') only += c;
  if (only.size() > 9) return false;
  value = only.empty() ? 0 : std::stoi(only);
  return true;
}

std::string FirstFive(const std::string& s) { return s.substr(0, std::min<size_t>(5, s.size())); }

double Frac(double x) { return x - std::floor(x); }

// Which side of the admissible range a Chinese year lies wholly on: -1 before
// (it ends before -3000-01-01), +1 after (it begins after 3000-01-01), else 0.
// A date the calendar refuses whose fields are those of a date is a far date,
// not a badly written one; only its year can say which.
int SideOfRange(int32_t cycle, int32_t position, bool fieldsInRange, int epoch) {
  if (!fieldsInRange || position < 1 || position > 60) return 0;
  const int64_t year = YearOfCyclePosition64(cycle, position, epoch);
  if (year < -3001) return -1;
  if (year > 3000) return 1;
  return 0;
}

// What a calendar's reader made of the date part of an entry: a day number
// or an entry error code.
struct EntryDay {
  int error = 0;
  int32_t jdn = 0;
  // A Chinese date of a year after the range: no day number, but a moment
  // beyond the range, so that the range check names the fault.
  bool laterThanRange = false;
};

EntryDay Failed(int code) { return EntryDay{code, 0, false}; }

// The calendar an entry names, by the codes in the order they are tried; -1
// for none.
int EntryCalendar(const std::string& work) {
  static constexpr std::pair<const char*, int> kCodes[] = {
      {"ARC", kCalARCGMT}, {"CE", kCalCE},     {"JC", kCalJC},     {"CHL", kCalCHL},
      {"CHS", kCalCHS},    {"CJDC", kCalCJDC}, {"CJDL", kCalCJDL}, {"AJD", kCalAJD}};
  for (const auto& [code, calendar] : kCodes)
    if (Contains(work, code)) return calendar;
  return -1;
}

// CE ('G') and JC ('J').
EntryDay ReadEuroDay(const std::string& datePart, int letter, int error) {
  EuroDate e;
  if (!ReadEuroEntry(datePart, letter, e)) return Failed(error);
  return EntryDay{0, e.jdn, false};
}

EntryDay ReadArcDay(const std::string& datePart) {
  EuroDate e;
  if (!ReadEuroEntry(datePart, 'R', e)) return Failed(kErrARC);
  ArcDate a{e.year, e.month, e.day, 0, 0};
  if (!ArcDateToJDN(a)) return Failed(kErrARC);
  return EntryDay{0, a.jdn, false};
}

// A Chinese date the calendar refused: too early, a badly written date
// (`error`), or a year after the range.
EntryDay RefusedChineseDay(int32_t cycle, int32_t position, bool fieldsInRange, int epoch, int error) {
  const int side = SideOfRange(cycle, position, fieldsInRange, epoch);
  if (side < 0) return Failed(kErrTooEarly);
  if (side == 0) return Failed(error);
  return EntryDay{0, 0, true};
}

// cycle-position-month-day; in China the year may be the Overseas Chinese year count.
EntryDay ReadChlDay(std::string text, const Settings& s, bool china) {
  ChlDate c;
  c.epoch = static_cast<int16_t>(s.epoch);
  if (!ReadChlDateText(text, c)) {
    const size_t dash = text.find('-');
    if (!china || dash == std::string::npos) return Failed(kErrCHL);
    int32_t year = 0;
    if (!ReadDigits(text.substr(0, dash), year)) return Failed(kErrCHL);
    const CyclePosition cp = CycleOfOverseasYear(year, s.epoch);
    text = std::to_string(cp.cycle) + "-" + std::to_string(cp.position) + text.substr(dash);
    if (!ReadChlDateText(text, c)) return Failed(kErrCHL);
  }
  const int16_t rc = ChLDateToJDN(c, s);
  if (rc != kChlOk) {
    const bool fields = c.month >= 1 && c.month <= 12 && c.day >= 1 && c.day <= 30;
    return RefusedChineseDay(c.cycle, c.position, fields, s.epoch, rc == kChlDayBeyondMonth ? kErrCHLDay : kErrCHL);
  }
  return EntryDay{0, c.jdn, false};
}

// cycle-position-solarterm-day.
EntryDay ReadChsDay(const std::string& text, const Settings& s) {
  ChsDate c;
  c.epoch = static_cast<int16_t>(s.epoch);
  if (!ReadChsDateText(text, c)) return Failed(kErrCHS);
  if (!ChSDateToJDN(c, s) || c.valid != 1) {
    const bool fields = c.term >= 1 && c.term <= 24 && c.day >= 1 && c.day <= 16;
    return RefusedChineseDay(c.cycle, c.position, fields, s.epoch, kErrCHS);
  }
  return EntryDay{0, c.jdn, false};
}

// The moment (UT) a CJDC, CJDL or AJD day count names.
double DayCountMoment(const std::string& datePart, int calendar, int longitude) {
  const double v = ReadNumberPrefix(datePart);
  if (calendar == kCalCJDC) return FromCJDC(v, longitude);
  if (calendar == kCalCJDL) return v - 0.5;
  return v;
}

}  // namespace

std::string ElementAnimalSuffix(const FrmMain& f) {
  const int e = f.cboElement.index, a = f.cboAnimal.index;
  std::string element = e >= 0 && e < kNoElementChoice ? ElementNames[e] : "";
  std::string animal = a >= 0 && a < kNoAnimalChoice ? f.animalNames[a] : "";
  return " " + element + "-" + animal;
}

FrmMain::Parsed FrmMain::ParseDate(const std::string& text) {
  Parsed r;
  auto fail = [&](int code) {
    r.error = code;
    return r;
  };
  // 1. Normalise.
  std::string norm = ToUpper(Trim(text));
  const auto nBlanks = std::count(norm.begin(), norm.end(), ' ');
  if (txbDate.text != norm) {
    txbDate.text = norm;
    txbDate_Change();
  }
  std::string work = RemoveChars(norm, ", ");

  // 2. Nothing typed: work on the displayed date of the current calendar.
  if (work.empty()) {
    if (Trim(txbPlusMinus.text).empty()) return fail(kErrNoDate);
    static constexpr DisplayRow kRowOf[9] = {DisplayRow::CE,   DisplayRow::JC,     DisplayRow::CHL,
                                             DisplayRow::CHS,  DisplayRow::AJD,    DisplayRow::CJDC,
                                             DisplayRow::CJDL, DisplayRow::ArcGmt, DisplayRow::ArcZone};
    if (intCalendar >= 0 && intCalendar <= 8) CopyDisplayedDate(kRowOf[intCalendar], 1);
    work = RemoveChars(txbDate.text, ", ");
  }

  // 3. A date starts with a digit or a minus sign.
  if (work.empty() || !((work[0] >= '0' && work[0] <= '9') || work[0] == '-')) return fail(kErrNoDate);

  // 4. The calendar code must end the text.
  std::string code;
  size_t codeStart = std::string::npos;
  for (const auto& row : CalendarTable) {
    size_t at = work.find(row.code);
    if (at == std::string::npos) continue;
    if (at + row.code.size() != work.size()) return fail(kErrCalendar);
    code = row.code;
    codeStart = at;
    break;
  }

  // 5. No code: ask whether the current calendar is meant.
  if (code.empty()) {
    if (intCalendar < 0 || intCalendar > 8 || nBlanks != 0) return fail(kErrCalendar);
    const std::string& current = CalendarTable[intCalendar].code;
    ui::Answer a = platform_.Ask(ui::Question::Calendar, "Is this a " + current + " Calendar date?", "Calendar?",
                                 ui::Buttons::YesNo);
    if (a != ui::Answer::Yes) return fail(kErrCalendar);
    codeStart = work.size();
    work += current;
    code = current;
    txbDate.text += " " + current;
    txbDate_Change();
  }

  // 6. Separators.
  if (Contains(work, "CJDC") || Contains(work, "CJDL") || Contains(work, "AJD")) {
    if (std::count(work.begin(), work.end(), '-') > 1) return fail(kErrDayCount);
  } else if (Contains(work, "/") || Contains(work, ".")) {
    return fail(kErrSeparator);
  }

  // 7. The time belongs in its own box.
  if (Contains(work, ":")) return fail(kErrTimeInDate);
  if (txbTime.text.empty()) txbTime.text = "12:00";

  // 8. The calendar's reader, 9. the moment.
  const int calendar = EntryCalendar(work);
  if (calendar < 0) return fail(kErrParse);
  const std::string datePart = work.substr(0, codeStart);
  const bool dayCount = calendar == kCalCJDC || calendar == kCalCJDL || calendar == kCalAJD;
  r = dayCount ? DayCountEntry(datePart, calendar) : CalendarDateEntry(datePart, calendar);
  if (r.error != 0) return r;

  // 10.
  HighlightCurrentCalendar();
  return r;
}

FrmMain::Parsed FrmMain::DayCountEntry(const std::string& datePart, int calendar) {
  const int longitude = ReferenceLongitude();
  Parsed r;
  r.ajd = DayCountMoment(datePart, calendar, longitude);
  intCalendar = calendar;
  cboTimeZone.index = -1;
  if (r.ajd < MinAJD) {
    r.error = kErrTooEarly;
    return r;
  }
  // The time and zone boxes show the moment read.
  if (calendar == kCalCJDC) {
    txbTime.text = FirstFive(TimeOfDayText(Frac(ToCJDC(r.ajd, longitude)), false));
    cboTimeZone.index = 1;
  } else {
    txbTime.text = FirstFive(TimeOfDayText(Frac(r.ajd + 0.5), false));
    cboTimeZone.index = 0;
  }
  return r;
}

FrmMain::Parsed FrmMain::CalendarDateEntry(const std::string& datePart, int calendar) {
  const Settings s = CurrentSettings();
  const bool chinese = calendar == kCalCHL || calendar == kCalCHS;
  std::string chinesePart = datePart;
  if (chinese && Contains(chinesePart, "-?-")) chinesePart += ElementAnimalSuffix(*this);
  const EntryDay day = calendar == kCalARCGMT ? ReadArcDay(datePart)
                       : calendar == kCalCE   ? ReadEuroDay(datePart, 'G', kErrCE)
                       : calendar == kCalJC   ? ReadEuroDay(datePart, 'J', kErrJC)
                       : calendar == kCalCHL  ? ReadChlDay(chinesePart, s, Country() == kCountryChina)
                                              : ReadChsDay(chinesePart, s);
  Parsed r;
  r.error = day.error;
  if (r.error != 0) return r;
  intCalendar = calendar;
  if (day.jdn < kFirstDay && !day.laterThanRange) {
    r.error = kErrTooEarly;
    return r;
  }
  if (cboTimeZone.index < 0) cboTimeZone.index = chinese ? 1 : 0;
  // The moment of the time given, in the zone chosen.
  const int minutes = TimeOfDayMinutes(txbTime.text);
  if (minutes < 0) {
    r.error = kErrTime;
    return r;
  }
  const double t = day.jdn + minutes / 1440.0;
  if (day.laterThanRange)
    r.ajd = std::numeric_limits<double>::max();  // out of range even after plus/minus days
  else if (cboTimeZone.Text() == "GMT")
    r.ajd = t - 0.5;
  else
    r.ajd = FromCJDC(t, s.referenceLongitude);
  return r;
}

void FrmMain::ShowEntryError(int code) {
  outcome = {Outcome::EntryError, code};
  ShowMessage(EntryErrorMessage(code, Country() == kCountryChina), kEntryErrorTitle, ui::Icon::Warning);
}

int FrmMain::TimeOfDayMinutes(const std::string& text) {
  std::string t = text;
  std::replace(t.begin(), t.end(), '.', ':');
  txbTime.text = t;
  t = RemoveChars(t, " ");
  const size_t colon = t.find(':');
  if (colon != 1 && colon != 2) return -1;
  const double h = RoundHalfEven(ReadNumberPrefix(std::string_view(t).substr(0, colon)));
  const double m = RoundHalfEven(ReadNumberPrefix(std::string_view(t).substr(colon + 1)));
  if (h < 0 || h > 23 || m < 0 || m > 59) return -1;
  return static_cast<int>(h) * 60 + static_cast<int>(m);
}

bool FrmMain::CheckRange(double ajd) {
  const RangeCheck r = tavro::CheckRange(ajd);
  if (r.code == 0) return false;
  outcome = {Outcome::OutOfRange, 0};
  ShowMessage(r.message, r.title, ui::Icon::Warning);
  return true;
}

bool FrmMain::IsPlusMinusNumber() {
  const std::string t = Trim(txbPlusMinus.text);
  txbPlusMinus.text = t;
  if (t.empty()) return false;
  const size_t minus = t.find('-'), plus = t.find('+');
  if (minus != std::string::npos && minus != 0) return false;
  if (plus != std::string::npos && plus != 0) return false;
  return RemoveChars(t, "0123456789-+,.").empty();
}

double FrmMain::PlusMinusValue() const { return ReadNumberPrefix(RemoveChars(txbPlusMinus.text, "+,")); }

FrmMain::LabelPair& FrmMain::RowLabels(DisplayRow row) {
  switch (row) {
    case DisplayRow::CE: return lblCommonEraDate;
    case DisplayRow::JC: return lblJulianCalendarDate;
    case DisplayRow::CHL: return lblChineseLunarDate;
    case DisplayRow::CHS: return lblChineseSolarDate;
    case DisplayRow::ArcGmt: return lblArchetypesCalendarGMT;
    case DisplayRow::ArcZone: return lblArchetypesCalendarCCT;
    case DisplayRow::AJD: return lblAstronomicalJulianDate;
    case DisplayRow::CJDL: return lblChronologicalJulianDateLondon;
    case DisplayRow::CJDC: return lblChronologicalJulianDateBeijing;
    case DisplayRow::PhaseOfMoon: return lblPhaseOfMoon;
    case DisplayRow::AgeOfMoon: break;
  }
  return lblAgeOfMoon;
}

void FrmMain::CopyDisplayedDate(DisplayRow row, int part) {
  const std::string text = RowLabels(row)[1].caption;
  platform_.SetClipboardText(text);
  if (row == DisplayRow::PhaseOfMoon || row == DisplayRow::AgeOfMoon) {
    HighlightCurrentCalendar();
    SetTheFocus();
    return;
  }
  static const char* kKeys[] = {"CE", "JC", "CHL", "CHS", "ARCGMT", "ARCCCT", "AJD", "CJDL", "CJDC"};
  const int calendar = GetCalendar(kKeys[static_cast<int>(row)]);
  intCalendar = calendar;
  if (part == 1) {
    const bool dayCount = row == DisplayRow::AJD || row == DisplayRow::CJDL || row == DisplayRow::CJDC;
    auto setDate = [&](const std::string& s) {
      if (txbDate.text != s) {
        txbDate.text = s;
        txbDate_Change();
      }
    };
    if (dayCount) {
      setDate(text);
      txbTime.text.clear();
      cboTimeZone.index = -1;
      cboElement.index = kNoElementChoice;
      cboAnimal.index = kNoAnimalChoice;
    } else {
      const std::string code = row == DisplayRow::ArcGmt || row == DisplayRow::ArcZone ? "ARC" : kKeys[static_cast<int>(row)];
      const size_t at = text.find(code);
      setDate(at == std::string::npos ? text : text.substr(0, at + code.size()));
      const size_t colon = text.find(':');
      if (colon != std::string::npos && colon >= 2) txbTime.text = text.substr(colon - 2, 5);
      const bool zone = row == DisplayRow::CHL || row == DisplayRow::CHS || row == DisplayRow::ArcZone;
      cboTimeZone.index = zone ? 1 : 0;
      cboElement.index = kNoElementChoice;
      cboAnimal.index = kNoAnimalChoice;
      if (row == DisplayRow::CHL || row == DisplayRow::CHS) {
        const std::string lower = ToLower(text);
        for (int i = 0; i < 5; ++i)
          if (Contains(lower, ElementNames[i])) {
            cboElement.index = i;
            break;
          }
        for (int i = 0; i < 12; ++i)
          if (Contains(lower, animalNames[i])) {
            cboAnimal.index = i;
            break;
          }
      }
      if (row == DisplayRow::CE) dataWindowCalendar = 0;
      if (row == DisplayRow::JC) dataWindowCalendar = 1;
    }
  }
  HighlightCurrentCalendar();
  SetTheFocus();
}

void FrmMain::UpdateElementAnimalBoxes() {
  cboElement.enabled = cboAnimal.enabled = true;
  lblElement.visible = lblAnimal.visible = true;
  const bool entryNeedsThem = Contains(txbDate.text, "-?-") && Contains(ToLower(txbDate.text), "chl");
  const bool targetNeedsThem = cboTarget.index >= kTargetElementAnimalFirst && cboTarget.index <= kTargetElementAnimalLast;
  if (!entryNeedsThem && !targetNeedsThem) {
    cboElement.index = kNoElementChoice;
    cboAnimal.index = kNoAnimalChoice;
  }
}

bool FrmMain::TakePendingEntry() {
  const std::string t = Trim(txbDate.text);
  if (txbDate.text != t) {
    txbDate.text = t;
    txbDate_Change();
  }
  if (!t.empty()) {
    Parsed p = ParseDate(t);
    if (p.error > 0) {
      ShowEntryError(p.error);
      SetTheFocus();
      return false;
    }
    if (CheckRange(p.ajd)) return false;
    if (std::fabs(p.ajd - dblCurrentAJDate) >= 0.0007) dblCurrentAJDate = p.ajd;
  }
  txbDate.text.clear();
  txbDate_Change();
  txbTime.text.clear();
  cboTimeZone.index = -1;
  return true;
}

bool FrmMain::txbDate_Enter() {
  if (!txbDate.text.empty()) cmdCompute_Click();
  return true;
}

bool FrmMain::txbPlusMinus_Enter() {
  if (!txbPlusMinus.text.empty() && !txbDate.text.empty()) cmdCompute_Click();
  return true;
}

void FrmMain::txbDate_KeyUp(int keyCode) {
  if (keyCode == ui::kKeyF1) cmdHelp_Click();
}

void FrmMain::txbDate_Change() {
  changingDate_ = true;
  UpdateElementAnimalBoxes();
  changingDate_ = false;
}

void FrmMain::cmdClearDate_Click() {
  txbDate.text.clear();
  txbDate_Change();
  txbTime.text.clear();
  cboTimeZone.index = -1;
  SetTheFocus();
}

void FrmMain::MoveFocusAfterListChoice() {
  if (cboTarget.index >= kTargetElementAnimalFirst && cboTarget.index <= kTargetElementAnimalLast) {
    RefreshElementAnimalTarget();
    focus = cmdSearch.enabled ? "cmdSearch" : "cmdNow";
    return;
  }
  if (visible && !changingDate_) focus = cmdCompute.enabled ? "cmdCompute" : "cmdNow";
}

void FrmMain::cboElement_Click() { MoveFocusAfterListChoice(); }
void FrmMain::cboAnimal_Click() { MoveFocusAfterListChoice(); }
void FrmMain::cboTimeZone_Click() { SetTheFocus(); }
void FrmMain::cmdHelp_Click() { platform_.ShowHelp(); }

}  // namespace tavro
