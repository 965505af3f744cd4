// tavro-cli months: every lunar month whose first day falls in a span of CE
// years, with its length.
#include <memory>
#include <string>

#include "cli/chinese_options.h"
#include "cli/command.h"
#include "core/chinese/conversion.h"
#include "core/chinese/stepping.h"

namespace tavro::cli {
namespace {

int RunMonths(const ChineseArgs& args) {
  const ChineseOptions o = ParseChineseOptions(args);
  if (!o.error.empty()) return UsageError("months: " + o.error);
  const Span years = ParseYearRange(args.range);
  if (!years.error.empty()) return UsageError("months: " + years.error);

  RowWriter out(o.format, {{"start", false},
                           {"jdn", true},
                           {"cycle", true},
                           {"position", true},
                           {"lyear", true},
                           {"month", true},
                           {"leap", true},
                           {"days", true}});
  // Month starts within the program's range of days.
  const int32_t first = std::max(GregorianJDN(years.from, 1, 1), kFirstDay);
  const int32_t last = std::min(GregorianJDN(years.to + 1, 1, 1) - 1, kLastDay);
  ChlDate chl;
  chl.epoch = static_cast<int16_t>(o.settings.epoch);
  chl.jdn = first;
  if (!JDNToChlDate(chl, o.settings)) return UsageError("months: the first day could not be converted");
  int32_t start = chl.jdn - chl.day + 1;
  while (start <= last) {
    chl.jdn = start;
    if (!JDNToChlDate(chl, o.settings)) {
      std::cerr << "tavro-cli: months: day " << start << " could not be converted\n";
      return 1;
    }
    ChlDate probe = chl;
    const int16_t days = LunarMonthLength(probe, o.settings);
    if (days != 29 && days != 30) {
      std::cerr << "tavro-cli: months: the month beginning on day " << start << " has no length\n";
      return 1;
    }
    if (start >= first) {
      out.Row({IsoDate(GregorianOf(start)), std::to_string(start), std::to_string(chl.cycle),
               std::to_string(chl.position),
               std::to_string(YearOfCyclePosition(chl.cycle, chl.position, o.settings.epoch)),
               std::to_string(chl.month), std::to_string(chl.leap), std::to_string(days)});
    }
    start += days;
  }
  out.Finish();
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<ChineseArgs>();
  AddChineseOptions(app, *o, "CE year");
  return [o] { return RunMonths(*o); };
}

const Registration reg{"months", "every lunar month starting in a span of CE years, with its length", Setup};

}  // namespace
}  // namespace tavro::cli
