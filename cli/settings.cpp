#include "cli/settings.h"

#include <CLI/CLI.hpp>

#include "app/main/frm_main.h"
#include "app/main/text_util.h"
#include "cli/command.h"
#include "cli/options.h"

namespace tavro::cli {

void AddSettingOptions(CLI::App& app, SettingOptions& o) {
  o.countryOption =
      app.add_option("--country", o.country, "china, vietnam or japan: the reference meridian, zone and animal names")
          ->type_name("NAME");
  o.longitudeOption =
      app.add_option("--longitude", o.longitude, "reference meridian, whole degrees East 100..145 (default: the country's)")
          ->type_name("DEG");
  o.epochOption = app.add_option("--epoch", o.epoch, "-2696 or -2636: the year that begins cycle 1")->type_name("YEAR");
  o.methodOption = app.add_option("--method", o.method, "true or mean: the sun the solar terms follow")->type_name("SUN");
}

std::string ParseSettings(const SettingOptions& o, ProgramSettings& out) {
  ProgramSettings s;
  if (Given(o.countryOption)) {
    const std::string c = ToLower(Trim(o.country));
    if (c == "vietnam") s.country = Country::Vietnam;
    else if (c == "china") s.country = Country::China;
    else if (c == "japan") s.country = Country::Japan;
    else return "--country must be china, vietnam or japan";
  }
  s.settings.referenceLongitude = DefaultLongitude(s.country);
  if (Given(o.longitudeOption)) {
    const auto degrees = ParseInt(o.longitude);
    if (!degrees || *degrees < 100 || *degrees > 145) return "--longitude must be a whole number from 100 to 145";
    s.settings.referenceLongitude = *degrees;
  }
  if (Given(o.epochOption)) {
    const auto year = ParseInt(o.epoch);
    if (!year || (*year != -2696 && *year != -2636)) return "--epoch must be -2696 or -2636";
    s.settings.epoch = *year;
  }
  if (Given(o.methodOption)) {
    const std::string m = ToLower(Trim(o.method));
    if (m != "true" && m != "mean") return "--method must be true or mean";
    s.settings.method = m == "true" ? 0 : 1;
  }
  out = s;
  return {};
}

void ApplySettings(FrmMain& f, const ProgramSettings& s) {
  const int country = static_cast<int>(s.country);
  if (f.cboRefLong.index != country) {
    f.cboRefLong.index = country;
    f.cboRefLong_Click();
  }
  const int longitude = s.settings.referenceLongitude - 100;  // the list holds 100..145
  if (f.cboLongitude.index != longitude) {
    f.cboLongitude.index = longitude;
    f.cboLongitude_Click();
  }
  const int epoch = s.settings.epoch == -2696 ? 0 : 1;
  if (f.cboEpoch.index != epoch) {
    f.cboEpoch.index = epoch;
    f.cboEpoch_Click();
  }
  if (f.cboMethod.index != s.settings.method) {
    f.cboMethod.index = s.settings.method;
    f.cboMethod_Click();
  }
}

std::string ApplySettingOptions(FrmMain& f, const SettingOptions& o) {
  ProgramSettings s;
  std::string error = ParseSettings(o, s);
  if (error.empty()) ApplySettings(f, s);
  return error;
}

}  // namespace tavro::cli
