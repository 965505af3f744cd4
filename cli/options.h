// What the commands share in reading their arguments and in setting up the
// main window they drive: the argument reader, the window's options and the
// entry.
#pragma once

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/ui/controls.h"
#include "cli/command.h"

namespace tavro {
class FrmMain;
namespace ui {
class HeadlessPlatform;
}
}  // namespace tavro

namespace tavro::cli {

struct FlagOption {
  std::string name;
  bool* out;
  bool value = true;  // what the flag sets
};

struct ValueOption {
  std::string name;
  std::string* out;
  bool* given = nullptr;  // set when the option appears, even with an empty value
};

// A command's arguments: flags, options taking the next argument, and plain
// arguments filling `plain` in order. A command without plain arguments
// calls anything else "unexpected"; the others tell unknown "--options"
// from one plain argument too many.
struct ArgSpec {
  std::vector<FlagOption> flags;
  std::vector<ValueOption> values;
  std::vector<std::optional<std::string>*> plain;
};

// False after writing the usage error "<command>: ...".
bool ReadArgs(const std::string& command, const Args& args, const ArgSpec& argSpec);

// A whole int32 with an optional sign and nothing around it.
std::optional<int32_t> ParseInt(const std::string& text);

// The folder of the data files (beside the executable, or ../share/tavro).
std::string ProgramFolder();

// True for a bare year-month-day ("2024-02-10", "-44-03-15"), which some
// commands read as a CE date.
bool IsPlainDate(const std::string& text);

// --country, --longitude, --epoch, --method: the settings the main window's
// lists hold. Empty means "as the program starts".
struct SettingOptions {
  std::string country, longitude, epoch, method;
};
void AddSettingOptions(ArgSpec& argSpec, SettingOptions& o);

// Sets the window's lists as the user would; an error text when an option
// has no such value.
std::string ApplySettingOptions(FrmMain& f, const SettingOptions& o);

// The settings with the entry's time and zone, the calendar to show dates in
// and --json: what the commands that print the window's rows take.
struct WindowOptions {
  SettingOptions settings;
  std::string time, zone, calendar;
  bool json = false;
};

inline constexpr const char* kWindowOptionsUsage =
    "[--time HH:MM] [--zone gmt|local] [--country china|vietnam|japan] [--longitude 100..145] "
    "[--epoch -2696|-2636] [--method true|mean] [--calendar CODE] [--json]";

// Only --time and --zone, or all of the window options.
void AddTimeOptions(ArgSpec& argSpec, WindowOptions& o);
void AddWindowOptions(ArgSpec& argSpec, WindowOptions& o);

// ApplySettingOptions, then the calendar and the zone.
std::string ApplyWindowOptions(FrmMain& f, const WindowOptions& o);

// Starts the main window from the program's defaults; false after writing
// why it could not. `messages` is emptied.
bool LoadMain(FrmMain& f, std::ostringstream& messages);

// Puts a typed entry into the date boxes, as pending input for the next action.
void SetEntry(FrmMain& f, const std::string& entry, const WindowOptions& o);

// Presses Compute; false when it showed an error. What it showed goes to
// stderr ("Calendar dates unchanged." alone is no error).
bool Compute(FrmMain& f, const ui::HeadlessPlatform& platform, const std::ostringstream& messages);

// Index of `name` in `list` (its text, any letter case, or its index).
int ListIndex(const ui::ComboBox& list, const std::string& name);

}  // namespace tavro::cli
