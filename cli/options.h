// What the commands share in declaring their arguments and in setting up the
// main window they drive: the plain arguments, the window's options and the
// entry.
#pragma once

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include "app/ui/controls.h"
#include "cli/command.h"
#include "cli/settings.h"

namespace CLI {
class App;
}

namespace tavro {
class FrmMain;
namespace ui {
class HeadlessPlatform;
}
}  // namespace tavro

namespace tavro::cli {

// A plain (positional) argument that may be left out.
struct Plain {
  std::string value;
  CLI::Option* option = nullptr;
  bool given() const { return Given(option); }
};
// Adds `p` as the next plain argument of `app`.
void AddPlain(CLI::App& app, const std::string& name, Plain& p, const std::string& help);

// A whole int32 with an optional sign and nothing around it.
std::optional<int32_t> ParseInt(const std::string& text);

// The folder of the data files (beside the executable, or ../share/tavro).
std::string ProgramFolder();

// True for a bare year-month-day ("2024-02-10", "-44-03-15"), which some
// commands read as a CE date.
bool IsPlainDate(const std::string& text);

// The text of an entry, for the help of the commands that take one.
inline constexpr const char* kEntryHelp =
    "a date as typed into the main window, with its calendar code, e.g. \"2024-02-10 CE\", \"79-41-01-01 CHL\"";

// The settings with the entry's time and zone, the calendar to show dates in
// and --json: what the commands that print the window's rows take.
struct WindowOptions {
  SettingOptions settings;
  std::string time, zone, calendar;
  bool json = false;
};

// Only --time and --zone, or all of the window options.
void AddTimeOptions(CLI::App& app, WindowOptions& o);
void AddWindowOptions(CLI::App& app, WindowOptions& o);

// The index of --zone in the window's zone list (0 GMT, 1 the meridian's
// zone), -1 for any other text.
int ZoneIndex(const std::string& zone);

// ApplySettingOptions, then the calendar and the zone.
std::string ApplyWindowOptions(FrmMain& f, const WindowOptions& o);

// Starts the main window from the program's defaults; false after writing
// why it could not. `messages` is emptied.
bool LoadMain(FrmMain& f, std::ostringstream& messages);

// Puts a typed entry into the date boxes, as pending input for the next action.
void SetEntry(FrmMain& f, const std::string& entry, const WindowOptions& o);

// The window's question "is this a date of the current calendar?" is
// answered yes by --calendar alone; every other question no.
void AnswerQuestions(ui::HeadlessPlatform& platform, const WindowOptions& o);

// `text` on one line: line ends become spaces, none at the end.
std::string OneLine(const std::string& text);

// Why the window refused what it was given, on one line: an entry error in
// the words for a terminal, otherwise the message it showed (`shown`).
std::string RefusalText(const FrmMain& f, const std::string& shown);

// Presses Compute; false, after writing "tavro-cli: <command>: <why>" to
// stderr, when it refused the entry. The same dates as before are no failure
// (the window's note goes to stderr).
bool Compute(FrmMain& f, std::ostringstream& messages, const std::string& command);

// Index of `name` in `list` (its text, any letter case, or its index).
int ListIndex(const ui::ComboBox& list, const std::string& name);

}  // namespace tavro::cli
