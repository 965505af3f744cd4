// Native names: one more line with the date in the country's own script
// (Chinese characters, Vietnamese, Japanese with its rokuyo) and the day's
// festivals. Its two choices are kept in the settings store beside the
// country, so the state file keeps its layout.
#include <cmath>

#include "app/main/frm_main.h"
#include "core/chinese/conversion.h"
#include "core/festivals/festivals.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr const char* kShowSetting = "chkShowNativeNames";
constexpr const char* kScriptSetting = "cboNativeScript";

// The calendar's own name in each language, the title of the line.
const char* LineTitle(Language language) {
  switch (language) {
    case Language::ZhHans: return "农历";
    case Language::ZhHant: return "農曆";
    case Language::Vietnamese: return "Âm lịch";
    case Language::Japanese: return "旧暦";
    default: return "Native";
  }
}

}  // namespace

void FrmMain::InitNativeControls() {
  chkShowNativeNames.caption = "Show native names";
  chkShowNativeNames.tooltip = "One more line: the date in the country's own script and the day's festivals";
  cboNativeScript.items = {"简体", "繁體"};
  cboNativeScript.index = 0;
  cboNativeScript.tooltip = "Chinese in simplified or traditional characters";
  cboNativeScript.visible = false;
  lblNativeDate[0].caption = LineTitle(Language::ZhHans);
  for (auto& l : lblNativeDate) l.visible = false;
  cmdFestivals.caption = "Festivals";
  cmdFestivals.tooltip = "The festivals of a year, and calendar files to import elsewhere (Ctrl+F)";
  cmdFestivals.enabled = false;  // enabled once the window is joined in
}

void FrmMain::ReadNativeOptions() {
  std::string value;
  if (platform_.ReadSetting(kShowSetting, value)) chkShowNativeNames.value = value == "1" ? 1 : 0;
  if (platform_.ReadSetting(kScriptSetting, value)) cboNativeScript.index = value == "1" ? 1 : 0;
  // Shown with the first display of the moment.
  for (auto& l : lblNativeDate) l.visible = chkShowNativeNames.value == 1;
  cboNativeScript.visible = chkShowNativeNames.value == 1 && Country() == kCountryChina;
}

Language FrmMain::NativeLanguage() const {
  switch (Country()) {
    case kCountryVietnam: return Language::Vietnamese;
    case kCountryJapan: return Language::Japanese;
    default: return cboNativeScript.index == 1 ? Language::ZhHant : Language::ZhHans;
  }
}

void FrmMain::chkShowNativeNames_Click() {
  platform_.WriteSetting(kShowSetting, chkShowNativeNames.value == 1 ? "1" : "0");
  DisplayNativeDate();
}

void FrmMain::cboNativeScript_Click() {
  if (!cboNativeScript.Valid(cboNativeScript.index)) cboNativeScript.index = 0;
  platform_.WriteSetting(kScriptSetting, std::to_string(cboNativeScript.index));
  DisplayNativeDate();
}

void FrmMain::DisplayNativeDate() {
  const bool show = chkShowNativeNames.value == 1;
  for (auto& l : lblNativeDate) l.visible = show;
  cboNativeScript.visible = show && Country() == kCountryChina;
  // Nothing to compute while hidden or before the first display.
  if (!show || blnInitializing) return;

  const Language language = NativeLanguage();
  const Settings s = CurrentSettings();
  const auto country = CountryOfIndex(Country());
  const double cjdc = ToCJDC(dblCurrentAJDate, s.referenceLongitude);
  ChsDate chs;
  ChlDate chl;
  chs.valid = kNoSolarDate;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  std::string text;
  if (CJDateToChDates(cjdc, s, chs, chl)) text = NativeDateText(language, chl);
  std::string festivals;
  for (const FestivalDay& f : FestivalsOnDay(country, FloorDay(cjdc), s)) {
    if (!festivals.empty()) festivals += language == Language::Vietnamese ? ", " : "、";
    festivals += FestivalName(*f.rule, language);
  }
  if (!festivals.empty()) text += (text.empty() ? "" : "   ") + festivals;
  lblNativeDate[0].caption = LineTitle(language);
  lblNativeDate[0].back = lngDehighlight;
  lblNativeDate[1].caption = text;
  lblNativeDate[1].tooltip = festivals.empty() ? std::string() : "Festivals of the day: " + festivals;
}

}  // namespace tavro
