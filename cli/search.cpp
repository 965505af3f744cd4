// tavro-cli search: the main window's Search button for one target. Like
// convert, every run starts from the program's defaults and never touches the
// saved state or the settings store.
#include <iostream>
#include <sstream>

#include "app/main/search_targets.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/ui/headless_platform.h"
#include "cli/window_cli.h"
#include "core/chinese/names.h"

namespace tavro::cli {
namespace {

using namespace window;

const std::string kUsage = std::string("search TARGET [--previous] [--element NAME] [--animal NAME] [ENTRY] ") +
                           kOptionsUsage +
                           "   (TARGET: its caption, e.g. \"full moon\", or its index 0..21; the multiple "
                           "element-animal day takes --element/--animal as its day row)";

const char* const kBaseTargetNames[3] = {"element-animal day", "element-animal month", "element-animal year"};

int Run(const Args& args) {
  Options o;
  std::string target, entry, element, animal;
  bool haveTarget = false, haveEntry = false, previous = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const int taken = TakeOption(args, i, o);
    if (taken < 0) return UsageError("search: " + a + " needs a value");
    if (taken > 0) continue;
    if (a == "--previous") {
      previous = true;
    } else if (a == "--next") {
      previous = false;
    } else if (a == "--element" || a == "--animal") {
      if (i + 1 >= args.size()) return UsageError("search: " + a + " needs a value");
      (a == "--element" ? element : animal) = args[++i];
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      return UsageError("search: unknown option '" + a + "'");
    } else if (!haveTarget) {
      haveTarget = true;
      target = a;
    } else if (!haveEntry) {
      haveEntry = true;
      entry = a;
    } else {
      return UsageError("search: more than one entry given: '" + a + "'");
    }
  }
  if (!haveTarget) return UsageError("search: give a target, e.g. tavro-cli search \"full moon\"");
  int e = kNoElementChoice, an = kNoAnimalChoice;
  if (!element.empty() && (e = ElementIndexOfName(element)) < 0)
    return UsageError("search: unknown element '" + element + "'");
  if (!animal.empty() && (an = AnimalIndexOfName(animal)) < 0)
    return UsageError("search: unknown animal '" + animal + "'");

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!f.Form_Load()) {
    std::cerr << "tavro-cli: " << messages.str();
    return 1;
  }
  messages.str("");
  if (const std::string error = ApplyOptions(f, o); !error.empty()) return UsageError("search: " + error);
  int index = ListIndex(f.cboTarget, target);
  for (int k = 0; k < 3 && index < 0; ++k)
    if (ToLower(Trim(target)) == kBaseTargetNames[k]) index = kTargetElementAnimalDay + k;
  if (index < 0) return UsageError("search: unknown target '" + target + "'");
  const bool elementAnimal = index >= kTargetElementAnimalDay && index <= kTargetElementAnimalYear;
  if ((elementAnimal || index == kTargetMultipleElementAnimal) && e == kNoElementChoice && an == kNoAnimalChoice)
    return UsageError("search: this target needs --element, --animal or both");

  // The date first, so that an entry error is told apart from a failed search.
  if (haveEntry) {
    SetEntry(f, entry, o);
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
