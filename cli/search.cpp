// tavro-cli search: the main window's Search button for one target. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <iostream>
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

const std::string kUsage = std::string("search TARGET [--previous] [--element NAME] [--animal NAME] [ENTRY] ") +
                           kWindowOptionsUsage +
                           "   (TARGET: its caption, e.g. \"full moon\", or its index 0..21; the multiple "
                           "element-animal day takes --element/--animal as its day row)";

const char* const kBaseTargetNames[3] = {"element-animal day", "element-animal month", "element-animal year"};

int Run(const Args& args) {
  WindowOptions o;
  std::optional<std::string> target, entry;
  std::string element, animal;
  bool previous = false;
  ArgSpec argSpec;
  AddWindowOptions(argSpec, o);
  argSpec.flags.push_back({"--previous", &previous});
  argSpec.flags.push_back({"--next", &previous, false});
  argSpec.values.push_back({"--element", &element});
  argSpec.values.push_back({"--animal", &animal});
  argSpec.plain = {&target, &entry};
  if (!ReadArgs("search", args, argSpec)) return 2;
  if (!target) return UsageError("search: give a target, e.g. tavro-cli search \"full moon\"");
  int e = kNoElementChoice, an = kNoAnimalChoice;
  if (!element.empty() && (e = ElementIndexOfName(element)) < 0)
    return UsageError("search: unknown element '" + element + "'");
  if (!animal.empty() && (an = AnimalIndexOfName(animal)) < 0)
    return UsageError("search: unknown animal '" + animal + "'");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;
  if (const std::string error = ApplyWindowOptions(f, o); !error.empty()) return UsageError("search: " + error);
  int index = ListIndex(f.cboTarget, *target);
  for (int k = 0; k < 3 && index < 0; ++k)
    if (ToLower(Trim(*target)) == kBaseTargetNames[k]) index = kTargetElementAnimalDay + k;
  if (index < 0) return UsageError("search: unknown target '" + *target + "'");
  const bool elementAnimal = index >= kTargetElementAnimalDay && index <= kTargetElementAnimalYear;
  if ((elementAnimal || index == kTargetMultipleElementAnimal) && e == kNoElementChoice && an == kNoAnimalChoice)
    return UsageError("search: this target needs --element, --animal or both");

  // The date first, so that an entry error is told apart from a failed search.
  if (entry) {
    SetEntry(f, *entry, o);
    if (!f.TakePendingEntry()) {
      std::cerr << messages.str();
      return 2;
    }
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

  const int before = platform.messageCount;
  f.cmdSearch_Click();
  if (platform.messageCount > before) {
    std::cerr << messages.str();
    return 1;
  }
  std::cout << RowsText(f, o.json);
  return 0;
}

const Registration reg{"search", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
