// tavro-cli terms --from YEAR --to YEAR: the 24 solar terms by the true sun
// whose UT instant falls in those years.
#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/astro_output.h"
#include "cli/command.h"
#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"

namespace tavro::cli {
namespace {

struct Term {
  double tt;
  int index;
};

int RunTerms(const RangeOptions& args) {
  const Span range = ParseYearRange(args);
  if (!range.error.empty()) return UsageError("terms: " + range.error);
  std::vector<Term> terms;
  // Quarter intervals from the December solstice before the first year to
  // the last one of the final year.
  for (int32_t year = range.from - 1; year <= range.to; ++year) {
    for (int kind = 0; kind < 4; ++kind) {
      if (year < range.from && kind != DecemberSolstice) continue;
      const double t0 = QuarterPointJDE(kind, year);
      const double t1 = kind == DecemberSolstice ? QuarterPointJDE(MarchEquinox, year + 1)
                                                 : QuarterPointJDE(kind + 1, year);
      double out[6];
      _solar_terms_true_sun(t0, t1, out);
      const int first = kind == DecemberSolstice ? 0 : 6 * (kind + 1);
      for (int j = 0; j < 6; ++j) terms.push_back({out[j], first + j});
    }
  }
  std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) { return a.tt < b.tt; });
  std::string text = "index\tcode\ttt\tut\tdate\n";
  for (const Term& t : terms) {
    const double ut = UTOfTT(t.tt);
    const int32_t year = CivilYearOf(ut);
    if (year < range.from || year > range.to) continue;
    text += std::to_string(t.index) + "\t" + SolarTermCodes[t.index] + "\t" + Fixed6(t.tt) + "\t" + Fixed6(ut) +
            "\t" + CivilDateTime(ut) + "\n";
  }
  std::cout << text;
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<RangeOptions>();
  AddRangeOptions(app, *o, "CE year, -3000..3000", "YEAR");
  return [o] { return RunTerms(*o); };
}

const Registration reg{"terms", "the 24 solar terms by the true sun in a span of years (TSV)", Setup};

}  // namespace
}  // namespace tavro::cli
