// tavro-cli convert: the main window's conversion without the window. Every
// run starts from the program's defaults (China, 120 degrees East, epoch
// -2696, true sun) and never touches the saved state or the settings store.
// With --batch it converts every line of standard input in one process.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/log/log_controller.h"
#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/batch.h"
#include "cli/command.h"
#include "cli/lang_option.h"
#include "cli/native.h"
#include "cli/options.h"
#include "cli/rows.h"

namespace tavro::cli {
namespace {

struct ConvertOptions {
  WindowOptions window;
  Plain entry;
  std::string plus, minus;
  bool log = false;  // the entry "Add to log" would write, default preferences
  bool batch = false;
  LangOption lang;  // adds the native date and the day's festivals
};

bool IsBlankLine(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

// One record a line of standard input; status 2 when any entry failed.
int RunBatch(FrmMain& f, ui::HeadlessPlatform& platform, std::ostringstream& messages, const ConvertOptions& o,
             std::optional<Language> language) {
  BatchConverter converter(f, platform, messages, o.window, o.plus.empty() ? o.minus : o.plus, !o.minus.empty(),
                           language);
  std::ios::sync_with_stdio(false);
  std::string out = o.window.json ? "" : BatchHeader(language.has_value());
  bool failed = false;
  for (std::string line; std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsBlankLine(line)) continue;
    failed |= !converter.Convert(line, out);
    out += '\n';
    if (out.size() > (1 << 16)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
  return failed ? 2 : 0;
}

int Run(ConvertOptions& o) {
  WindowOptions& w = o.window;
  if (!o.plus.empty() && !o.minus.empty()) return UsageError("convert: give --plus or --minus, not both");
  if (w.json && o.log) return UsageError("convert: give --json or --log, not both");
  if (o.batch && o.log) return UsageError("convert: give --batch or --log, not both");
  if (o.batch && o.entry.given()) return UsageError("convert: give ENTRY or --batch, not both");
  if (o.lang.given() && o.log) return UsageError("convert: give --lang or --log, not both");
  std::string langError;
  const std::optional<Language> language = ParseLang(o.lang, langError);
  if (!language) return UsageError("convert: " + langError);
  // Without --lang the output stays as it has always been.
  const std::optional<Language> native = o.lang.given() ? language : std::nullopt;
  const bool compute = o.entry.given() || !o.plus.empty() || !o.minus.empty();
  // Without a date to compute the zone is never used, nor checked.
  if (!compute && !o.batch) w.zone.clear();

  std::ostringstream messages;
  ui::HeadlessPlatform platform(messages, ProgramFolder());
  FrmMain f(platform);
  if (!LoadMain(f, messages)) return 1;

  // Options, as the window's lists would set them.
  if (const std::string error = ApplyWindowOptions(f, w); !error.empty()) return UsageError("convert: " + error);
  if (o.batch) return RunBatch(f, platform, messages, o, native);
  platform.ask = [&](ui::Question id, const std::string& text) {
    if (id != ui::Question::Calendar) return ui::Answer::No;
    if (!w.calendar.empty()) return ui::Answer::Yes;
    if (isatty(0) && isatty(2)) {
      std::cerr << text << " [y/N] " << std::flush;
      std::string line;
      std::getline(std::cin, line);
      return !line.empty() && (line[0] == 'y' || line[0] == 'Y') ? ui::Answer::Yes : ui::Answer::No;
    }
    return ui::Answer::No;
  };

  if (compute) {
    SetEntry(f, o.entry.value, w);
    f.txbPlusMinus.text = !o.plus.empty() ? o.plus : o.minus;
    f.optPlus.value = o.minus.empty();
    f.optMinus.value = !o.minus.empty();
    if (!Compute(f, messages, "convert")) return 2;
  }

  if (o.log) {
    // The log keeps CR LF line ends; a terminal wants plain line feeds.
    std::string text = DefaultLogEntry(f);
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    std::cout << text;
    return 0;
  }

  if (!native) {
    std::cout << RowsText(f, w.json);
  } else if (w.json) {
    Json j = MomentJson(f);
    Json rows = std::move(j["rows"]);
    j.erase("rows");
    j["native"] = NativeJson(NativeOfMoment(f, *native));
    j["rows"] = std::move(rows);
    std::cout << JsonText(j, 2) << "\n";
  } else {
    std::cout << RowsText(f, false) << NativeRowsText(NativeOfMoment(f, *native));
  }
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<ConvertOptions>();
  AddPlain(app, "ENTRY", o->entry, kEntryHelp);
  AddWindowOptions(app, o->window);
  app.add_option("--plus", o->plus, "days to add to the entry (or to the program's start moment)")->type_name("DAYS");
  app.add_option("--minus", o->minus, "days to subtract")->type_name("DAYS");
  app.add_flag("--log", o->log, "print the entry \"Add to log\" would write (default preferences)");
  app.add_flag("--batch", o->batch,
               "read entries from standard input, one a line; one record each (TSV, or JSON lines with --json)");
  AddLangOption(app, o->lang,
                "en, zh-Hans, zh-Hant, vi or ja: add the lunar date in that language and the day's festivals");
  return [o] { return Run(*o); };
}

const Registration reg{"convert", "every row the main window shows for an entry (or a batch of entries)", Setup};

}  // namespace
}  // namespace tavro::cli
