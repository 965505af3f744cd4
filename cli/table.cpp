// tavro-cli table: the Chinese, European and Archetypes dates of every civil
// day at the reference meridian between two CE dates.
#include <memory>
#include <string>
#include <vector>

#include "cli/chinese_options.h"
#include "cli/command.h"
#include "core/arc/arc_date.h"
#include "core/arc/arc_text.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year.h"

namespace tavro::cli {
namespace {

int RunTable(const ChineseArgs& args) {
  const ChineseOptions o = ParseChineseOptions(args);
  if (!o.error.empty()) return UsageError("table: " + o.error);
  const Span days = ParseDayRange(args.range);
  if (!days.error.empty()) return UsageError("table: " + days.error);

  RowWriter out(o.format, {{"jdn", true},
                           {"ce", false},
                           {"jc", false},
                           {"chl", false},
                           {"chl_cycle", true},
                           {"chl_position", true},
                           {"chl_month", true},
                           {"chl_leap", true},
                           {"chl_day", true},
                           {"chs", false},
                           {"chs_term", true},
                           {"chs_day", true},
                           {"day_names", false},
                           {"month_names", false},
                           {"year_names", false},
                           {"arc", false}});
  for (int32_t n = days.from; n <= days.to; ++n) {
    ChlDate chl;
    ChsDate chs;
    chl.epoch = chs.epoch = static_cast<int16_t>(o.settings.epoch);
    if (!CJDateToChDates(n + 0.5, o.settings, chs, chl)) {
      std::cerr << "tavro-cli: table: day " << n << " could not be converted\n";
      return 1;
    }
    EuroDate jc;
    jc.jdn = n;
    jc.calendar = 'J';
    JDNToEuroDate(jc);
    ArcDate arc;
    arc.jdn = n;
    JDNToArcDate(arc);
    out.Row({std::to_string(n), IsoDate(GregorianOf(n)), IsoDate(jc), ChlDateText(chl, "CHL"),
             std::to_string(chl.cycle), std::to_string(chl.position), std::to_string(chl.month),
             std::to_string(chl.leap), std::to_string(chl.day), ChsDateText(chs, false),
             std::to_string(chs.term), std::to_string(chs.day), ElementAnimalText(DayCyclePosition(n), o.country),
             ElementAnimalText(MonthCyclePosition(chl), o.country), ElementAnimalText(chl.position, o.country),
             ArcDateText(arc, kArcTextShort)});
  }
  out.Finish();
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<ChineseArgs>();
  AddChineseOptions(app, *o, "CE date, year-month-day");
  return [o] { return RunTable(*o); };
}

const Registration reg{"table", "the Chinese, European and Archetypes dates of every day between two CE dates", Setup};

}  // namespace
}  // namespace tavro::cli
