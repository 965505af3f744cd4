#include "cli/moment.h"

#include <cmath>

#include "app/main/frm_main.h"
#include "core/arc/arc_date.h"
#include "core/astro/moon_data.h"
#include "core/astro/phases.h"
#include "core/chinese/chinese_date.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/names.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro::cli {
namespace {


Json EuroJson(int32_t jdn, char calendar, const std::string& time) {
  EuroDate d;
  d.calendar = calendar;
  d.jdn = jdn;
  JDNToEuroDate(d);
  return Json{{"year", d.year}, {"month", d.month}, {"day", d.day}, {"weekday", EuroDayOfWeek(jdn)}, {"time", time}};
}

Json NamesJson(int32_t position, Country country) {
  const int32_t branch = BranchIndex(position);
  return Json{{"stem", StemNames[StemNumber(position) - 1]},
              {"branch", BranchNames[branch]},
              {"element", ElementNames[ElementIndex(position)]},
              {"animal", AnimalNames(country)[branch]},
              {"stem_branch", StemBranchText(position)}};
}

}  // namespace

std::vector<ShownRow> CommandRows(const FrmMain& f) {
  std::vector<ShownRow> rows = ShownRows(f);
  bool haveCjds = false;
  size_t afterAjd = rows.size();
  for (size_t k = 0; k < rows.size(); ++k) {
    if (rows[k].key == "CJDL") haveCjds = true;
    if (rows[k].key == "AJD") afterAjd = k + 1;
  }
  if (!haveCjds) {
    const ShownRow cjds[2] = {
        {"CJDL", f.lblChronologicalJulianDateLondon[0].caption, f.lblChronologicalJulianDateLondon[1].caption,
         f.lblChronologicalJulianDateLondon[1].tooltip},
        {"CJDC", f.lblChronologicalJulianDateBeijing[0].caption, f.lblChronologicalJulianDateBeijing[1].caption,
         f.lblChronologicalJulianDateBeijing[1].tooltip}};
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(afterAjd), std::begin(cjds), std::end(cjds));
  }
  return rows;
}

Json RowsJson(const FrmMain& f) {
  Json rows = Json::array();
  for (const ShownRow& r : CommandRows(f)) rows.push_back(Json{{"row", r.key}, {"title", r.title}, {"text", r.text}});
  return rows;
}

Json MomentJson(const FrmMain& f) {
  const double ajd = f.dblCurrentAJDate;
  const double cjdl = ToCJDL(ajd);
  const int longitude = f.ReferenceLongitude();
  const double cjdc = ToCJDC(ajd, longitude);
  const Country country = CountryOfIndex(f.Country());
  const int32_t dayL = FloorDay(cjdl);
  const std::string time = TimeOfDayText(cjdl - std::floor(cjdl), false);

  Json j;
  j["ajd"] = ajd;
  j["cjdl"] = cjdl;
  j["cjdc"] = cjdc;
  j["ce"] = EuroJson(dayL, 'G', time);
  j["jc"] = EuroJson(dayL, 'J', time);

  const Settings s = f.CurrentSettings();
  ChsDate chs;
  ChlDate chl;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  const bool chinese = CJDateToChDates(cjdc, s, chs, chl);
  if (chinese) {
    static_cast<void>(ChLDateToJDN(chl, s));  // just converted: only the record is wanted
    j["chl"] = Json{{"cycle", chl.cycle}, {"position", chl.position}, {"month", chl.month},
                    {"leap", chl.leap != 0},  {"day", chl.day},           {"epoch", chl.epoch}};
    j["chs"] = Json{{"cycle", chs.cycle}, {"position", chs.position}, {"term", chs.term}, {"day", chs.day}};
  } else {
    j["chl"] = nullptr;
    j["chs"] = nullptr;
  }

  ArcDate arc;
  arc.jdn = dayL;
  JDNToArcDate(arc);
  j["arc"] = Json{{"year", arc.year}, {"month", arc.month}, {"day", arc.day}};

  if (chinese) {
    j["day_names"] = NamesJson(DayCyclePosition(chl.jdn), country);
    j["month_names"] = NamesJson(MonthCyclePosition(chl), country);
    j["year_names"] = NamesJson(chl.position, country);
  } else {
    j["day_names"] = j["month_names"] = j["year_names"] = nullptr;
  }

  const MoonData moon = ComputeMoonData(ajd);
  if (moon.valid) {
    j["moon"] = Json{{"lunation", moon.lunation},
                     {"age_days", moon.age},
                     {"illumination", moon.fraction * 100.0},
                     {"phase", moon.phaseText}};
  } else {
    j["moon"] = nullptr;
  }
  j["delta_t_minutes"] = DeltaTAt(ajd);
  j["country"] = CountryNames[static_cast<int>(country)];
  j["longitude"] = longitude;
  j["rows"] = RowsJson(f);
  return j;
}

}  // namespace tavro::cli
