// The date and festivals of the window's moment in the script of a language,
// for convert --lang and its batch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/moment.h"
#include "core/festivals/festival_rules.h"
#include "core/names/native_names.h"

namespace tavro {
class FrmMain;
}

namespace tavro::cli {

// The civil day at the reference meridian of the window's moment, in a language.
struct NativeDay {
  Language language = Language::English;
  bool valid = false;  // false outside the days the lunar calendar is computed for
  std::string date;    // the composed native date
  std::vector<const FestivalRule*> festivals;
};
NativeDay NativeOfMoment(const FrmMain& f, Language language);

// The festival names of a day joined by "; " (some English names hold a comma).
std::string FestivalNamesText(const NativeDay& d);

// The TSV rows `native` and (when the day has any) `festivals`, each titled
// with the language tag; nothing for an invalid day.
std::string NativeRowsText(const NativeDay& d);

// {"lang", "date", "festivals": [{"key", "name"}]}, or null for an invalid day.
Json NativeJson(const NativeDay& d);

}  // namespace tavro::cli
