// tavro-cli deltat YEAR...: delta T in minutes for each CE year.
#include <iostream>

#include "cli/astro_output.h"
#include "cli/command.h"
#include "core/astro/phases.h"

namespace tavro::cli {
namespace {

int RunDeltaT(const Args& args) {
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

const Registration reg{"deltat", "deltat YEAR...                 delta T in minutes (TSV)", RunDeltaT};

}  // namespace
}  // namespace tavro::cli
