#include "cli/native.h"

#include <cmath>

#include "app/main/frm_main.h"
#include "cli/rows.h"
#include "core/chinese/conversion.h"
#include "core/festivals/festivals.h"
#include "core/time/scales.h"

namespace tavro::cli {

NativeDay NativeOfMoment(const FrmMain& f, Language language) {
  NativeDay d;
  d.language = language;
  const Settings s = f.CurrentSettings();
  const int country = f.Country();
  const double cjdc = ToCJDC(f.dblCurrentAJDate, f.ReferenceLongitude());
  ChsDate chs;
  ChlDate chl;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  if (!CJDateToChDates(cjdc, s, chs, chl)) return d;
  d.valid = true;
  d.date = NativeDateText(language, chl);
  if (country < 0 || country > 2) return d;
  const int32_t day = FloorDay(cjdc);
  for (const FestivalDay& festival : FestivalsOnDay(static_cast<Country>(country), day, s))
    d.festivals.push_back(festival.rule);
  return d;
}

std::string FestivalNamesText(const NativeDay& d) {
  std::string text;
  for (const FestivalRule* rule : d.festivals) {
    if (!text.empty()) text += "; ";
    text += FestivalName(*rule, d.language);
  }
  return text;
}

std::string NativeRowsText(const NativeDay& d) {
  if (!d.valid) return {};
  const std::string tag(LanguageTag(d.language));
  std::string out = RowLine("native", tag, d.date);
  if (!d.festivals.empty()) out += RowLine("festivals", tag, FestivalNamesText(d));
  return out;
}

Json NativeJson(const NativeDay& d) {
  if (!d.valid) return nullptr;
  Json festivals = Json::array();
  for (const FestivalRule* rule : d.festivals)
    festivals.push_back(Json{{"key", rule->key}, {"name", FestivalName(*rule, d.language)}});
  return Json{{"lang", LanguageTag(d.language)}, {"date", d.date}, {"festivals", festivals}};
}

}  // namespace tavro::cli
