// tavro-cli move: the main window's Move button, pressed N times. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <iostream>
#include <sstream>

#include "app/ui/headless_platform.h"
#include "cli/window_cli.h"

namespace tavro::cli {
namespace {

using namespace window;

const std::string kUsage = std::string("move UNIT [--back] [--count N] [ENTRY] ") + kOptionsUsage +
                           "   (UNIT: its caption, e.g. \"CHL month\", or its index 0..15)";

int Run(const Args& args) {
  Options o;
  std::string unit, entry, count = "1";
  bool haveUnit = false, haveEntry = false, back = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const int taken = TakeOption(args, i, o);
    if (taken < 0) return UsageError("move: " + a + " needs a value");
    if (taken > 0) continue;
    if (a == "--back") {
      back = true;
    } else if (a == "--count") {
      if (i + 1 >= args.size()) return UsageError("move: --count needs a value");
      count = args[++i];
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      return UsageError("move: unknown option '" + a + "'");
    } else if (!haveUnit) {
      haveUnit = true;
      unit = a;
    } else if (!haveEntry) {
      haveEntry = true;
      entry = a;
    } else {
      return UsageError("move: more than one entry given: '" + a + "'");
    }
  }
  if (!haveUnit) return UsageError("move: give a unit, e.g. tavro-cli move \"CHL month\"");
  if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(count) < 1)
    return UsageError("move: --count must be a whole number from 1 to 999999");
  const int times = std::stoi(count);

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return 1;
  }
  messages.str("");
  if (const std::string error = ApplyOptions(f, o); !error.empty()) return UsageError("move: " + error);
  const int index = ListIndex(f.cboMoveStep, unit);
  if (index < 0) return UsageError("move: unknown unit '" + unit + "'");
  f.cboMoveStep.index = index;
  f.optMoveDirection[0].value = !back;
  f.optMoveDirection[1].value = back;
  f.chkRepeatedly.value = 0;
  if (haveEntry) SetEntry(f, entry, o);

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
