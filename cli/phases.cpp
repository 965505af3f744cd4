// tavro-cli phases --from YEAR --to YEAR: the Moon's quarter phases whose UT
// instant falls in those years.
#include <iostream>
#include <memory>

#include "cli/astro_output.h"
#include "cli/command.h"
#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"

namespace tavro::cli {
namespace {

int RunPhases(const RangeOptions& args) {
  const Span range = ParseYearRange(args);
  if (!range.error.empty()) return UsageError("phases: " + range.error);
  const double start = GregorianJDN(range.from, 1, 1) - 0.5;  // AJD of 00:00 UT, 1 January
  std::string out = "lunation\tquarter\ttt\tut\tdate\n";
  for (int32_t n = LunationContaining(start);; ++n) {
    bool beyond = false;
    for (int16_t q = 0; q < 4; ++q) {
      const double ut = SyzygyUT(n, q);
      const int32_t year = CivilYearOf(ut);
      if (year > range.to) {
        beyond = true;
        break;
      }
      if (year < range.from) continue;
      out += std::to_string(n) + "\t" + std::to_string(q) + "\t" + Fixed6(_syzyg(n, q, nullptr)) + "\t" +
             Fixed6(ut) + "\t" + CivilDateTime(ut) + "\n";
    }
    if (beyond) break;
  }
  std::cout << out;
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<RangeOptions>();
  AddRangeOptions(app, *o, "CE year, -3000..3000", "YEAR");
  return [o] { return RunPhases(*o); };
}

const Registration reg{"phases", "the quarter phases of the Moon whose UT instant falls in a span of years (TSV)", Setup};

}  // namespace
}  // namespace tavro::cli
