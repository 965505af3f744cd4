#include "app/main/shown_rows.h"

namespace tavro {

std::vector<ShownRow> ShownRows(const FrmMain& f) {
  std::vector<ShownRow> rows;
  auto pair = [&](const char* key, const FrmMain::LabelPair& p) {
    if (p[1].visible) rows.push_back({key, p[0].visible ? p[0].caption : std::string(), p[1].caption, p[1].tooltip});
  };
  auto single = [&](const char* key, const ui::Label& l) {
    if (l.visible) rows.push_back({key, "", l.caption, l.tooltip});
  };
  pair("CE", f.lblCommonEraDate);
  pair("JC", f.lblJulianCalendarDate);
  pair("CHL", f.lblChineseLunarDate);
  pair("CHS", f.lblChineseSolarDate);
  pair("ARCGMT", f.lblArchetypesCalendarGMT);
  pair("ARCCCT", f.lblArchetypesCalendarCCT);
  pair("AJD", f.lblAstronomicalJulianDate);
  pair("CJDL", f.lblChronologicalJulianDateLondon);
  pair("CJDC", f.lblChronologicalJulianDateBeijing);
  pair("day", f.lblElementAnimalOfDay);
  single("month", f.lblElementAnimalOfMonth);
  single("year", f.lblElementAnimalOfYear);
  single("overseasYear", f.lblYear);
  pair("deltaT", f.lblDeltaT);
  pair("phase", f.lblPhaseOfMoon);
  pair("age", f.lblAgeOfMoon);
  return rows;
}

}  // namespace tavro
