#include "core/festivals/festivals.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/astro/solar_terms.h"
#include "core/astro/sun_longitude.h"
#include "core/chinese/conversion.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

constexpr double kTropicalYear = 365.2422;
constexpr int kOxBranch = 1;

struct Span {
  int32_t first = 0, last = 0;  // civil days, inclusive
  bool Holds(int32_t jdn) const { return jdn >= first && jdn <= last; }
};


// Lunar date `month`-`day` (ordinary month) of the lunar year that begins in
// CE year `year`; false when that day does not exist.
bool LunarDay(int32_t year, int month, int day, const Settings& s, int32_t& jdn) {
  ChlDate d;
  d.cycle = CycleOfYear(year, s.epoch);
  d.position = PositionOfYear(year);
  d.month = month;
  d.day = day;
  d.leap = 0;
  if (ChLDateToJDN(d, s) != kChlOk) return false;
  jdn = d.jdn;
  return true;
}

// The civil day of solar term `index` (0 = Z11) in CE year `year`. The solar
// year (sui) named by Y opens with the December solstice of Y - 1, so the
// December solstice of `year` is term 1 of the next one.
bool TermDay(int32_t year, int index, const Settings& s, int32_t& jdn) {
  const int32_t sui = index == 0 ? year + 1 : year;
  Settings trueSun = s;
  trueSun.method = 0;
  ChsDate d;
  d.cycle = CycleOfYear(sui, s.epoch);
  d.position = PositionOfYear(sui);
  d.term = index + 1;
  d.day = 1;
  if (!ChSDateToJDN(d, trueSun)) return false;
  jdn = d.jdn;
  return true;
}

// The UT instant at which the Sun reaches `longitude` in CE year `year`.
// Each costs a few ephemeris evaluations and lists ask for the same few
// longitudes of the same years again, so the instants are kept. The program
// has one thread, so the table needs no lock.
double SunInstant(int32_t year, double longitude) {
  static std::unordered_map<int64_t, double> known;
  const int64_t key = static_cast<int64_t>(std::llround(longitude * 1000.0)) * 100000 + (year + 50000);
  if (const auto it = known.find(key); it != known.end()) return it->second;
  // Counted from the March equinox, the longitudes after the December
  // solstice (over 270 degrees) come early in the year.
  const double fromEquinox = longitude > 270.0 ? longitude - 360.0 : longitude;
  const double near = QuarterPointUT(MarchEquinox, year) + fromEquinox * kTropicalYear / 360.0;
  const double ut = SunAtLongitudeUT(longitude, near);
  known.emplace(key, ut);
  return ut;
}

// The civil day on which the Sun reaches `longitude` in CE year `year`.
bool SunDay(int32_t year, double longitude, const Settings& s, int32_t& jdn) {
  const double ut = SunInstant(year, longitude);
  if (std::isnan(ut)) return false;
  jdn = FloorDay(ToCJDC(ut, s.referenceLongitude));
  return true;
}

void Add(std::vector<FestivalDay>& out, const FestivalRule& rule, int32_t jdn, const Span& span) {
  if (!span.Holds(jdn)) return;
  FestivalDay f;
  f.jdn = jdn;
  f.rule = &rule;
  out.push_back(f);
}

// The days `rule` gives for the lunar year or CE year `anchor`.
void Apply(const FestivalRule& rule, int32_t anchor, const Settings& s, const Span& span,
           std::vector<FestivalDay>& out) {
  int32_t jdn = 0;
  switch (rule.kind) {
    case FestivalRuleKind::LunarDate:
      if (LunarDay(anchor, rule.month, rule.day, s, jdn)) Add(out, rule, jdn, span);
      break;
    case FestivalRuleKind::LastDayOfYear:
      if (LunarDay(anchor + 1, 1, 1, s, jdn)) Add(out, rule, jdn - 1, span);
      break;
    case FestivalRuleKind::TermDay:
      if (TermDay(anchor, rule.term, s, jdn)) Add(out, rule, jdn + rule.offset, span);
      break;
    case FestivalRuleKind::SunLongitude:
      if (SunDay(anchor, rule.longitude, s, jdn)) Add(out, rule, jdn, span);
      break;
    case FestivalRuleKind::OxDaysAfterSun: {
      int32_t end = 0;
      if (!SunDay(anchor, rule.longitude, s, jdn) || !TermDay(anchor, rule.term, s, end)) break;
      for (int32_t d = jdn; d < end; ++d)
        if (BranchIndex(DayCyclePosition(d)) == kOxBranch) Add(out, rule, d, span);
      break;
    }
  }
}

}  // namespace

std::vector<FestivalDay> FestivalsInYears(Country country, int32_t fromYear, int32_t toYear, const Settings& s) {
  std::vector<FestivalDay> out;
  fromYear = std::max(fromYear, kFirstFestivalYear);
  toYear = std::min(toYear, kLastFestivalYear);
  if (fromYear > toYear) return out;
  // Civil days of the years asked for, within the admissible range.
  static const int32_t firstDay = GregorianJDN(kFirstFestivalYear, 1, 1);
  static const int32_t lastDay = GregorianJDN(kLastFestivalYear, 1, 1);
  const Span span{std::max(firstDay, GregorianJDN(fromYear, 1, 1)),
                  std::min(lastDay, GregorianJDN(toYear + 1, 1, 1) - 1)};

  const auto rules = FestivalRules(country);
  // A lunar year reaches into the next CE year and a day counted from a term
  // may cross the year's end, so one more year is looked at on each side.
  for (int32_t anchor = fromYear - 1; anchor <= toYear + 1; ++anchor)
    for (const FestivalRule& rule : rules) Apply(rule, anchor, s, span, out);

  std::stable_sort(out.begin(), out.end(), [rules](const FestivalDay& a, const FestivalDay& b) {
    if (a.jdn != b.jdn) return a.jdn < b.jdn;
    return a.rule - rules.data() < b.rule - rules.data();
  });
  for (FestivalDay& f : out) {
    ChsDate none;
    none.valid = kNoSolarDate;
    f.chl.epoch = static_cast<int16_t>(s.epoch);
    static_cast<void>(CJDateToChDates(f.jdn + 0.5, s, none, f.chl));  // festival days lie within the tables
  }
  return out;
}

std::vector<FestivalDay> FestivalsOnDay(Country country, int32_t jdn, const Settings& s) {
  const int32_t year = GregorianYearOf(jdn);
  std::vector<FestivalDay> all = FestivalsInYears(country, year, year, s);
  std::erase_if(all, [jdn](const FestivalDay& f) { return f.jdn != jdn; });
  return all;
}

}  // namespace tavro
