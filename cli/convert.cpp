// tavro-cli convert: the main window's conversion without the window. Every
// run starts from the program's defaults (China, 120 degrees East, epoch
// -2696, true sun) and never touches the saved state or the settings store.
#include <unistd.h>

#include <iostream>
#include <optional>
#include <sstream>

#include "app/log/log_controller.h"
#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/rows.h"

namespace tavro::cli {
namespace {

constexpr const char* kUsage =
    "convert ENTRY [--time HH:MM] [--zone gmt|local] [--plus DAYS | --minus DAYS] [--country china|vietnam|japan] "
    "[--longitude 100..145] [--epoch -2696|-2636] [--method true|mean] [--calendar CODE] [--json | --log]";

int Run(const Args& args) {
  WindowOptions o;
  std::string plus, minus;
  std::optional<std::string> entry;
  bool log = false;  // the entry "Add to log" would write, default preferences
  ArgSpec argSpec;
  AddWindowOptions(argSpec, o);
  argSpec.flags.push_back({"--log", &log});
  argSpec.values.push_back({"--plus", &plus});
  argSpec.values.push_back({"--minus", &minus});
  argSpec.plain = {&entry};
  if (!ReadArgs("convert", args, argSpec)) return 2;
  if (!plus.empty() && !minus.empty()) return UsageError("convert: give --plus or --minus, not both");
  if (o.json && log) return UsageError("convert: give --json or --log, not both");
  const bool compute = entry || !plus.empty() || !minus.empty();
  // Without a date to compute the zone is never used, nor checked.
  if (!compute) o.zone.clear();

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;

  // Options, as the window's lists would set them.
  if (const std::string error = ApplyWindowOptions(f, o); !error.empty()) return UsageError("convert: " + error);
  platform.ask = [&](const std::string& text, const std::string&, ui::Buttons) {
    if (!o.calendar.empty()) return ui::Answer::Yes;
    if (isatty(0) && isatty(2)) {
      std::cerr << text << " [y/N] " << std::flush;
      std::string line;
      std::getline(std::cin, line);
      return !line.empty() && (line[0] == 'y' || line[0] == 'Y') ? ui::Answer::Yes : ui::Answer::No;
    }
    return ui::Answer::No;
  };

  if (compute) {
    SetEntry(f, entry.value_or(""), o);
    f.txbPlusMinus.text = !plus.empty() ? plus : minus;
    f.optPlus.value = minus.empty();
    f.optMinus.value = !minus.empty();
    if (!Compute(f, platform, messages)) return 2;
  }

  if (log) {
    // The log keeps CR LF line ends; a terminal wants plain line feeds.
    std::string text = DefaultLogEntry(f);
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    std::cout << text;
    return 0;
  }

  std::cout << RowsText(f, o.json);
  return 0;
}

const Registration reg{"convert", kUsage, Run};

}  // namespace
}  // namespace tavro::cli
