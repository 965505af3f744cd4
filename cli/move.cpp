// tavro-cli move: the main window's Move button, pressed N times. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <iostream>
#include <optional>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/options.h"
#include "cli/rows.h"

namespace tavro::cli {
namespace {

const std::string kUsage = std::string("move UNIT [--back] [--count N] [ENTRY] ") + kWindowOptionsUsage +
                           "   (UNIT: its caption, e.g. \"CHL month\", or its index 0..15)";

int Run(const Args& args) {
  WindowOptions o;
  std::optional<std::string> unit, entry;
  std::string count = "1";
  bool back = false;
  ArgSpec argSpec;
  AddWindowOptions(argSpec, o);
  argSpec.flags.push_back({"--back", &back});
  argSpec.values.push_back({"--count", &count});
  argSpec.plain = {&unit, &entry};
  if (!ReadArgs("move", args, argSpec)) return 2;
  if (!unit) return UsageError("move: give a unit, e.g. tavro-cli move \"CHL month\"");
  if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(count) < 1)
    return UsageError("move: --count must be a whole number from 1 to 999999");
  const int times = std::stoi(count);

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplyWindowOptions(f, o); !error.empty()) return UsageError("move: " + error);
  const int index = ListIndex(f.cboMoveStep, *unit);
  if (index < 0) return UsageError("move: unknown unit '" + *unit + "'");
  f.cboMoveStep.index = index;
  f.optMoveDirection[0].value = !back;
  f.optMoveDirection[1].value = back;
  f.chkRepeatedly.value = 0;
  if (entry) SetEntry(f, *entry, o);

  for (int k = 0; k < times; ++k) {
    const int before = platform.messageCount;
    f.cmdMove_Click();
    if (platform.messageCount > before) {
      std::cerr << messages.str();
      return 2;
    }
  }
  std::cout << RowsText(f, o.json);
  return 0;
}

const Registration reg{"move", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
