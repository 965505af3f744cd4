// The settings every command shares (--country, --longitude, --epoch,
// --method), read at one place into one value: the commands that drive the
// main window set its lists from it, the table commands compute with it.
#pragma once

#include <string>

#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tavro {
class FrmMain;
}

namespace tavro::cli {

// The options as given.
struct SettingOptions {
  std::string country, longitude, epoch, method;
  CLI::Option *countryOption = nullptr, *longitudeOption = nullptr, *epochOption = nullptr,
              *methodOption = nullptr;
};
void AddSettingOptions(CLI::App& app, SettingOptions& o);

// What they mean: the program's start (China, its meridian, -2696, true sun)
// where an option is left out; the longitude follows the country unless given.
struct ProgramSettings {
  Country country = Country::China;
  Settings settings{DefaultLongitude(Country::China)};
};

// An error text ("--epoch must be -2696 or -2636") when an option has no
// such value. Names are read in any letter case.
std::string ParseSettings(const SettingOptions& o, ProgramSettings& out);

// Sets the main window's lists as the user would, each list only when it
// differs from what the window shows.
void ApplySettings(FrmMain& f, const ProgramSettings& s);

// ParseSettings, then ApplySettings when the options are good.
std::string ApplySettingOptions(FrmMain& f, const SettingOptions& o);

}  // namespace tavro::cli
