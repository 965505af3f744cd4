// tavro-cli deltat YEAR...: delta T in minutes for each CE year.
#include <iostream>
#include <memory>
#include <vector>

#include "cli/astro_output.h"
#include "cli/command.h"
#include "core/astro/phases.h"

namespace tavro::cli {
namespace {

int RunDeltaT(const std::vector<std::string>& args) {
  if (args.empty()) return UsageError("deltat: give at least one year");
  std::string out = "year\tdeltat_minutes\n";
  for (const std::string& a : args) {
    const std::optional<int32_t> year = ParseInt(a);
    if (!year) return UsageError("deltat: not a year: '" + a + "'");
    if (*year < kFirstYear || *year > kLastYear)
      return UsageError("deltat: year " + a + " is outside " + std::to_string(kFirstYear) + ".." +
                        std::to_string(kLastYear));
    out += std::to_string(*year) + "\t" + Fixed6(DeltaTMinutes(*year)) + "\n";
  }
  std::cout << out;
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto years = std::make_shared<std::vector<std::string>>();
  app.add_option("YEAR", *years, "CE years, -3000..3000");
  return [years] { return RunDeltaT(*years); };
}

const Registration reg{"deltat", "delta T in minutes for CE years (TSV)", Setup};

}  // namespace
}  // namespace tavro::cli
