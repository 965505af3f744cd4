// What the festivals window takes from the main window.
#pragma once

#include "core/chinese/names.h"
#include "core/names/native_names.h"
#include "core/time/settings.h"

namespace tavro {

struct FestivalContext {
  Country country = Country::China;
  Settings settings;                     // the reference meridian's civil days, the epoch of CHL texts
  double ajd = 2451545.0;                // the main window's moment
  Language language = Language::ZhHans;  // the country's own names (China: the chosen characters)
};

// Whether two contexts list the same rows (the moment aside).
inline bool SameListing(const FestivalContext& a, const FestivalContext& b) {
  return a.country == b.country && a.settings.referenceLongitude == b.settings.referenceLongitude &&
         a.settings.epoch == b.settings.epoch && a.settings.method == b.settings.method && a.language == b.language;
}

}  // namespace tavro
