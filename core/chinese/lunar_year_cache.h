// Recently built lunar-year tables, shared between callers and threads.
// Tables depend only on (anchor year, longitude, method) and are immutable
// once built, so handing out the cached copy gives exactly the answer a fresh
// build would; each caller holds the tables of its own request.
#pragma once

#include <memory>

#include "core/chinese/lunar_year.h"

namespace tavro {

// BuildLunarYear(cjd, longitude): true-sun terms, dark moons and labels.
std::shared_ptr<const LunarYearTables> LunarYearAt(double cjd, int longitude);

// BuildSolarTerms(cjd, longitude, method) alone. With the true sun this is
// the labelled table of LunarYearAt; with the mean sun the dark-moon and
// label tables are left empty.
std::shared_ptr<const LunarYearTables> SolarTermsAt(double cjd, int longitude, int method);

// Forgets every cached table (for measurements of cold starts).
void ClearLunarYearCache();

}  // namespace tavro
