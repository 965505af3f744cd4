// tavro-cli move: the main window's Move button, pressed N times. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/options.h"
#include "cli/rows.h"

namespace tavro::cli {
namespace {

struct MoveOptions {
  WindowOptions window;
  Plain unit, entry;
  std::string count = "1";
  bool back = false;
};

int Run(MoveOptions& o) {
  WindowOptions& w = o.window;
  if (!o.unit.given()) return UsageError("move: give a unit, e.g. tavro-cli move \"CHL month\"");
  const std::string& count = o.count;
  if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(count) < 1)
    return UsageError("move: --count must be a whole number from 1 to 999999");
  const int times = std::stoi(count);

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplyWindowOptions(f, w); !error.empty()) return UsageError("move: " + error);
  AnswerQuestions(platform, w);
  const int index = ListIndex(f.cboMoveStep, o.unit.value);
  if (index < 0) return UsageError("move: unknown unit '" + o.unit.value + "'");
  f.cboMoveStep.index = index;
  f.optMoveDirection[0].value = !o.back;
  f.optMoveDirection[1].value = o.back;
  f.chkRepeatedly.value = 0;
  if (o.entry.given()) SetEntry(f, o.entry.value, w);

  for (int k = 0; k < times; ++k) {
    messages.str("");
    f.cmdMove_Click();
    if (f.outcome.kind != Outcome::Done) return UsageError("move: " + RefusalText(f, messages.str()));
  }
  std::cout << RowsText(f, w.json);
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<MoveOptions>();
  AddPlain(app, "UNIT", o->unit, "the unit's caption, e.g. \"CHL month\", \"CE year\", \"hour\", or its index 0..15");
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: the program's start moment)");
  app.add_flag("--back", o->back, "step backwards");
  app.add_option("--count", o->count, "steps to take, 1..999999 (default 1)")->type_name("N");
  AddWindowOptions(app, o->window);
  return [o] { return Run(*o); };
}

const Registration reg{"move", "the Move button: step the moment by a unit, N times", Setup};

}  // namespace
}  // namespace tavro::cli
