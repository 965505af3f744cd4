#include "app/multisearch/frm_multiple_el_an.h"

#include <cmath>

#include "core/chinese/chinese_text.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr const char* kNoRowMessage =
    "You must specify an element or an animal or both\r\nfor one or more of: day, month and year";
constexpr const char* kRowNouns[3] = {" day", " month", " year"};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

FrmMultipleElAn::FrmMultipleElAn(ui::Platform& platform) : platform_(platform) {
  todayJDN = [] { return TodayJDN(); };
  Form_Load();
}

void FrmMultipleElAn::Form_Load() {
  for (int row = 0; row < 3; ++row) {
    auto& elements = cboElement[row].items;
    elements.clear();
    for (const std::string& name : ElementNames) {
      if (row == kRowDay) elements.push_back(name);
      else elements.push_back((name == "earth" ? "in an " : "in a ") + name);
    }
    elements.push_back(row == kRowDay ? "" : "in a");
    cboElement[row].index = kNoElement;
    cboAnimal[row].index = kNoAnimal;
  }
  ApplyCountry(country_);
  cboWithin.items = {"within 1 year", "within 10 years", "within 100 years", "within 1000 years"};
  cboWithin.index = 2;
  chkStartingFromToday.caption = "starting from today";
  cmdSearch.caption = "Search";
  cmdClear.caption = "Clear";
  cmdClose.caption = "Close";
  lblSearching.visible = false;
}

void FrmMultipleElAn::ApplyCountry(Country country) {
  country_ = country;
  const auto& names = AnimalNames(country);
  for (auto& list : cboAnimal) {
    list.items.assign(names.begin(), names.end());
    list.items.push_back("");
  }
}

void FrmMultipleElAn::Show(const MultipleSearchInputs& in) {
  inputs = in;
  ApplyCountry(in.country);
  visible = true;
  Form_Activate();
}

bool FrmMultipleElAn::ShowModal(const MultipleSearchInputs& in) {
  Show(in);
  if (modalLoop) modalLoop();
  // Still shown when the loop ended: it was closed some other way.
  if (visible) Form_QueryUnload();
  return !blnCancel;
}

void FrmMultipleElAn::Preset(int row, int element, int animal) {
  if (row < 0 || row > 2) return;
  cboElement[row].index = element >= 0 && element < kNoElement ? element : kNoElement;
  cboAnimal[row].index = animal >= 0 && animal < kNoAnimal ? animal : kNoAnimal;
  UpdateElementEntryArticle(row);
}

std::array<int, 6> FrmMultipleElAn::Pairs() const {
  const ElementAnimalRows rows = Rows();
  return {rows[0].element, rows[0].animal, rows[1].element, rows[1].animal, rows[2].element, rows[2].animal};
}

void FrmMultipleElAn::SetPairs(const std::array<int, 6>& pairs) {
  for (int row = 0; row < 3; ++row) Preset(row, pairs[2 * row], pairs[2 * row + 1]);
}

void FrmMultipleElAn::Form_Activate() {
  caption = std::string("Search for the ") + (inputs.next ? "next" : "previous");
  focus = "cmdClose";
  blnCancel = false;
}

void FrmMultipleElAn::Form_QueryUnload() {
  // A running scan sees the flag at its next yield and ends without a result.
  blnCancel = true;
  visible = false;
}

void FrmMultipleElAn::cmdSearch_Click() {
  if (scanning_) {
    // A second click that arrives before the scan has seen the first Stop
    // must not start another scan inside this one.
    if (!blnStop) Stop();
    return;
  }
  if (!visible || !cmdSearch.enabled) return;
  Search();
}

void FrmMultipleElAn::cmdClear_Click() {
  if (!cmdClear.enabled) return;
  for (int row = 0; row < 3; ++row) Preset(row, kNoElement, kNoAnimal);
}

void FrmMultipleElAn::cmdClose_Click() {
  if (!cmdClose.enabled) return;
  blnCancel = true;
  visible = false;
}

void FrmMultipleElAn::cboElement_Click(int) {
  if (visible) focus = "cmdSearch";
}

void FrmMultipleElAn::cboAnimal_Click(int row) {
  UpdateElementEntryArticle(row);
  if (visible) focus = "cmdSearch";
}

void FrmMultipleElAn::cboWithin_Click() {
  if (visible) focus = "cmdSearch";
}

void FrmMultipleElAn::chkStartingFromToday_Click() {
  if (visible) focus = "cmdSearch";
}

void FrmMultipleElAn::UpdateElementEntryArticle(int row) {
  if (row != kRowMonth && row != kRowYear) return;
  auto& items = cboElement[row].items;
  if (items.size() > kNoElement) items[kNoElement] = cboAnimal[row].index == 1 ? "in an" : "in a";
}

ElementAnimalRows FrmMultipleElAn::Rows() const {
  ElementAnimalRows rows;
  for (int row = 0; row < 3; ++row) {
    const int e = cboElement[row].index, a = cboAnimal[row].index;
    rows[row].element = e >= 0 && e < kNoElement ? e : kNoElement;
    rows[row].animal = a >= 0 && a < kNoAnimal ? a : kNoAnimal;
  }
  return rows;
}

std::string FrmMultipleElAn::RowText(int row) const {
  if (row < 0 || row > 2) return {};
  const ElementAnimalRow r = Rows()[row];
  if (!r.Constrained()) return {};
  const bool hasElement = r.element < kNoElement, hasAnimal = r.animal < kNoAnimal;
  std::string text = hasElement ? cboElement[row].items[r.element] : std::string();
  text += "-";
  if (hasAnimal) text += cboAnimal[row].items[r.animal];
  text += " (";
  if (!hasAnimal) {
    text += StemNames[2 * r.element] + "-, " + StemNames[2 * r.element + 1] + "-";
  } else if (!hasElement) {
    text += "-" + BranchNames[r.animal];
  } else {
    text += StemBranchText(CyclePositionOf(r.element, r.animal));
  }
  return text + ")" + kRowNouns[row];
}

std::string FrmMultipleElAn::MultipleElementAnimalStr() const {
  std::string text = RowText(kRowDay);
  if (text.empty()) text = "day";
  for (int row : {kRowMonth, kRowYear}) {
    const std::string part = RowText(row);
    if (part.empty()) continue;
    text += (part[0] == '-' ? " in a " : " ") + part;
  }
  ReplaceAll(text, "a -ox", "an -ox");
  return text;
}

void FrmMultipleElAn::SetScanning(bool on) {
  scanning_ = on;
  cmdSearch.caption = on ? "Stop" : "Search";
  // Nothing but Stop may act while the scan runs.
  for (auto* box : {&cboElement[0], &cboElement[1], &cboElement[2], &cboAnimal[0], &cboAnimal[1], &cboAnimal[2],
                    &cboWithin})
    box->enabled = !on;
  chkStartingFromToday.enabled = !on;
  cmdClear.enabled = !on;
  cmdClose.enabled = !on;
}

void FrmMultipleElAn::Stop() {
  cmdSearch.caption = "Search";
  cmdClear.enabled = true;
  cmdClose.enabled = true;
  blnStop = true;
  ui::Label& label = ProgressLabel();
  label.caption.clear();
  platform_.Refresh();
  label.visible = false;
}

bool FrmMultipleElAn::Candidate(int64_t k, int32_t day, const ChlDate& chl) {
  platform_.DoEvents();
  // Quit while scanning closes the window without a result.
  if (platform_.QuitRequested()) blnCancel = true;
  if (blnCancel || blnStop) return false;
  if (k % 20 == 0) {
    ProgressLabel().caption = inputs.strSearching + "...    " + ChlDateText(chl, "CHL") + "   " +
                              EuroDateText(GregorianOf(day), kOrderYearMonthDay, "-", ",", false) + " CE";
    platform_.Refresh();
  }
  return true;
}

void FrmMultipleElAn::Search() {
  const ElementAnimalRows rows = Rows();
  if (!rows[kRowDay].Constrained() && !rows[kRowMonth].Constrained() && !rows[kRowYear].Constrained()) {
    platform_.MessageBox(kNoRowMessage, "Invalid input", ui::Icon::Warning, ui::Buttons::Ok);
    return;
  }
  SetScanning(true);
  platform_.Refresh();
  blnStop = false;

  const Settings& s = inputs.settings;
  const bool fromToday = chkStartingFromToday.value == 1;
  const int32_t start = fromToday ? todayJDN()
                                  : FloorDay(ToCJDC(inputs.currentAJD, s.referenceLongitude));
  ui::Label& label = ProgressLabel();
  label.caption = inputs.strSearching;
  label.visible = true;
  platform_.Refresh();

  const int direction = inputs.next ? 1 : -1;
  const int years = kWithinYears[cboWithin.Valid(cboWithin.index) ? cboWithin.index : 2];
  const int32_t end = ScanEndDay(start, direction, years, s);
  const ScanResult r = ScanDays(rows, start, direction, end, s,
                                [this](int64_t k, int32_t day, const ChlDate& chl) { return Candidate(k, day, chl); });
  lngCJDN = r.day;
  label.caption.clear();

  // A window closed by its frame during the scan ends it without a result and
  // without a message.
  const bool closed = r.end == ScanEnd::Stopped && blnCancel;
  if (r.end == ScanEnd::NotFound) {
    platform_.MessageBox("There is no such day " + cboWithin.Text() + (fromToday ? " of today" : "") + ".",
                         "Not found", ui::Icon::None, ui::Buttons::Ok);
    blnCancel = true;
  }
  SetScanning(false);
  if (r.end == ScanEnd::Stopped && !closed) {
    blnStop = false;
    return;
  }
  label.visible = false;
  visible = false;
}

}  // namespace tavro
