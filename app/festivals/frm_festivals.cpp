#include "app/festivals/frm_festivals.h"

#include <cmath>

#include "app/festivals/festival_text.h"
#include "core/chinese/chinese_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr const char* kTitle = "Festivals";

std::string CountryCaption(const FestivalContext& c) {
  const char* name = c.country == Country::Vietnam ? "Vietnam" : c.country == Country::Japan ? "Japan" : "China";
  return std::string(name) + ", civil days at " + std::to_string(c.settings.referenceLongitude) + "\xC2\xBA East";
}

// The CE year of the civil day at the context's meridian that holds its moment.
int32_t YearOfMoment(const FestivalContext& c) {
  return GregorianYearOf(FloorDay(ToCJDC(c.ajd, c.settings.referenceLongitude)));
}

}  // namespace

FrmFestivals::FrmFestivals(ui::Platform& platform) : exportDialog(platform), platform_(platform) {
  caption = kTitle;
  lblYear.caption = "CE year";
  txbYear.tooltip = "A CE year from -3000 to 3000 (Enter lists it)";
  // Whole buttons: assigning the one-letter captions trips a false GCC 12 -Wrestrict.
  cmdPreviousYear = ui::Button{"<", true, true, "The year before"};
  cmdNextYear = ui::Button{">", true, true, "The year after"};
  cmdGoTo.caption = "Go to day";
  cmdGoTo.tooltip = "Show the selected day in the main window (double-click or Enter)";
  cmdExport.caption = "Export to calendar...";
  cmdExport.tooltip = "Save festivals, terms and phases of a span of years as an iCalendar (.ics) file";
  cmdClose.caption = "Close";
  lstFestivals.columns = {"Date", "Native name", "English name", "CHL date"};
  lblStatus.visible = false;
  exportDialog.onSaved = [this](const std::string& path, size_t events) {
    lblStatus.caption = "Saved " + std::to_string(events) + " events in " + path;
    lblStatus.visible = true;
  };
  EnableButtons();
}

void FrmFestivals::Open(const FestivalContext& fromMain) {
  context = fromMain;
  lblStatus.visible = false;
  visible = true;
  ListYear(YearOfMoment(context));
  // The first festival on or after the main window's day is chosen.
  const int32_t today = FloorDay(ToCJDC(context.ajd, context.settings.referenceLongitude));
  for (size_t i = 0; i < days.size(); ++i)
    if (days[i].jdn >= today) {
      lstFestivals.index = static_cast<int>(i);
      break;
    }
  EnableButtons();
  focus = "lstFestivals";
}

void FrmFestivals::Form_Activate() {
  if (!readMain || !visible) return;
  const FestivalContext now = readMain();
  const bool same = SameListing(now, context);
  context = now;
  if (!same) ListYear(listedYear);
}

bool FrmFestivals::ListYear(int32_t year) {
  if (year < kFirstFestivalYear || year > kLastFestivalYear) {
    platform_.MessageBox("Enter a CE year from " + std::to_string(kFirstFestivalYear) + " to " +
                             std::to_string(kLastFestivalYear) + ".",
                         kTitle, ui::Icon::Warning, ui::Buttons::Ok);
    txbYear.text = std::to_string(listedYear);
    focus = "txbYear";
    return false;
  }
  const int32_t selectedDay = lstFestivals.Valid(lstFestivals.index) ? days[lstFestivals.index].jdn : 0;
  const std::string selectedKey =
      lstFestivals.Valid(lstFestivals.index) && days[lstFestivals.index].rule ? std::string(days[lstFestivals.index].rule->key)
                                                                              : std::string();
  const bool sameYear = year == listedYear && !days.empty();
  listedYear = year;
  txbYear.text = std::to_string(year);
  days = FestivalsInYears(context.country, year, year, context.settings);
  Fill();
  // The same year listed again (other options) keeps the chosen festival.
  lstFestivals.index = days.empty() ? -1 : 0;
  if (sameYear)
    for (size_t i = 0; i < days.size(); ++i)
      if (days[i].rule && days[i].rule->key == selectedKey && std::abs(days[i].jdn - selectedDay) < 3) {
        lstFestivals.index = static_cast<int>(i);
        break;
      }
  EnableButtons();
  return true;
}

void FrmFestivals::Fill() {
  caption = std::string(kTitle) + " " + std::to_string(listedYear);
  lblCountry.caption = CountryCaption(context);
  lstFestivals.rows.clear();
  lstFestivals.rows.reserve(days.size());
  for (const FestivalDay& d : days) {
    lstFestivals.rows.push_back({CeDateText(d.jdn), std::string(FestivalName(*d.rule, context.language)),
                                 std::string(FestivalName(*d.rule, Language::English)), ChlDateText(d.chl, "CHL")});
  }
}

void FrmFestivals::EnableButtons() {
  cmdGoTo.enabled = lstFestivals.Valid(lstFestivals.index);
  cmdPreviousYear.enabled = listedYear > kFirstFestivalYear;
  cmdNextYear.enabled = listedYear < kLastFestivalYear;
}

void FrmFestivals::txbYear_Enter() {
  int32_t year = 0;
  if (!ParseCeYear(txbYear.text, year)) year = kLastFestivalYear + 1;  // told as out of range
  if (ListYear(year)) focus = "lstFestivals";
}

void FrmFestivals::lstFestivals_Click() { EnableButtons(); }

void FrmFestivals::lstFestivals_DblClick() {
  if (!lstFestivals.Valid(lstFestivals.index) || lstFestivals.index >= static_cast<int>(days.size())) return;
  if (moveMain) moveMain(days[lstFestivals.index].jdn);
}

void FrmFestivals::cmdExport_Click() {
  lblStatus.visible = false;
  exportDialog.Open(context, listedYear >= 1 ? listedYear : 1);
}

void FrmFestivals::cmdClose_Click() {
  exportDialog.visible = false;
  visible = false;
}

}  // namespace tavro
