// tavro-cli search: the main window's Search button for one target. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/main/search_targets.h"
#include "app/main/text_util.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/ui/headless_platform.h"
#include "cli/options.h"
#include "cli/rows.h"
#include "core/chinese/names.h"

namespace tavro::cli {
namespace {

struct SearchOptions {
  WindowOptions window;
  Plain target, entry;
  std::string element, animal;
  bool previous = false;
};

const char* const kBaseTargetNames[3] = {"element-animal day", "element-animal month", "element-animal year"};

int Run(SearchOptions& o) {
  WindowOptions& options = o.window;
  const std::string& element = o.element;
  const std::string& animal = o.animal;
  const bool previous = o.previous;
  if (!o.target.given()) return UsageError("search: give a target, e.g. tavro-cli search \"full moon\"");
  const std::string* target = &o.target.value;
  int e = kNoElementChoice, an = kNoAnimalChoice;
  if (!element.empty() && (e = ElementIndexOfName(element)) < 0)
    return UsageError("search: unknown element '" + element + "'");
  if (!animal.empty() && (an = AnimalIndexOfName(animal)) < 0)
    return UsageError("search: unknown animal '" + animal + "'");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplyWindowOptions(f, options); !error.empty()) return UsageError("search: " + error);
  AnswerQuestions(platform, options);
  int index = ListIndex(f.cboTarget, *target);
  for (int k = 0; k < 3 && index < 0; ++k)
    if (ToLower(Trim(*target)) == kBaseTargetNames[k]) index = kTargetElementAnimalDay + k;
  if (index < 0) return UsageError("search: unknown target '" + *target + "'");
  const bool elementAnimal = index >= kTargetElementAnimalDay && index <= kTargetElementAnimalYear;
  if ((elementAnimal || index == kTargetMultipleElementAnimal) && e == kNoElementChoice && an == kNoAnimalChoice)
    return UsageError("search: this target needs --element, --animal or both");

  // The date first, so that an entry error is told apart from a failed search.
  if (o.entry.given()) {
    SetEntry(f, o.entry.value, options);
    messages.str("");
    if (!f.TakePendingEntry()) return UsageError("search: " + RefusalText(f, messages.str()));
    f.DisplayDatesAndTimes();
  }
  f.cboTarget.index = index;
  f.optNext.value = !previous;
  f.optPrevious.value = previous;
  f.cboElement.index = elementAnimal ? e : kNoElementChoice;
  f.cboAnimal.index = elementAnimal ? an : kNoAnimalChoice;
  f.RefreshElementAnimalTarget();

  // The multiple element-animal window runs its scan at once and closes.
  FrmMultipleElAn w(platform);
  w.modalLoop = [&w] { w.cmdSearch_Click(); };
  if (index == kTargetMultipleElementAnimal) {
    // Its rows open as the saved state holds them: the day row only.
    f.multiplePairs = {e, an, kNoElementChoice, kNoAnimalChoice, kNoElementChoice, kNoAnimalChoice};
  }
  f.multipleWindow = &w;

  messages.str("");
  f.cmdSearch_Click();
  // Nothing found, or nothing within the program's range: status 1.
  if (f.outcome.kind != Outcome::Done) {
    std::cerr << "tavro-cli: search: " << RefusalText(f, messages.str()) << "\n";
    return 1;
  }
  std::cout << RowsText(f, options.json);
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<SearchOptions>();
  AddPlain(app, "TARGET", o->target,
           "the target's caption, e.g. \"full moon\", \"lunar new year\", or its index 0..21");
  AddPlain(app, "ENTRY", o->entry, std::string(kEntryHelp) + " (default: the program's start moment)");
  app.add_flag("--previous,!--next", o->previous, "search backwards (--next, forwards, is the default)");
  app.add_option("--element", o->element,
                 "element of the element-animal targets; the multiple element-animal day takes it as its day row")
      ->type_name("NAME");
  app.add_option("--animal", o->animal, "animal of the element-animal targets (any country's name)")
      ->type_name("NAME");
  AddWindowOptions(app, o->window);
  return [o] { return Run(*o); };
}

const Registration reg{"search", "the Search button: the next or previous event of a target", Setup};

}  // namespace
}  // namespace tavro::cli
