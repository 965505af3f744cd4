// Festivals as rules: each country's list is a table of how a festival's day
// is found and what it is called in every language.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/chinese/names.h"
#include "core/names/native_names.h"

namespace tavro {

enum class FestivalRuleKind {
  LunarDate,         // month-day of the ordinary month (never the leap month of that number)
  LastDayOfYear,     // the last day of month 12 (day 29 or 30)
  TermDay,           // the civil day of a solar term, shifted by `offset` days
  SunLongitude,      // the civil day on which the Sun reaches `longitude` degrees
  OxDaysAfterSun,    // the ox days from the day the Sun reaches `longitude` to the day before `term`
};

struct FestivalRule {
  std::string_view key;  // stable ASCII key, e.g. "mid-autumn"
  FestivalRuleKind kind;
  int month = 0;          // LunarDate
  int day = 0;            // LunarDate
  int term = 0;           // TermDay, OxDaysAfterSun: index 0..23 of SolarTermCodes (0 = Z11)
  int offset = 0;         // TermDay: days after the term's day (negative: before)
  double longitude = 0;   // SunLongitude, OxDaysAfterSun: degrees
  std::array<std::string_view, kLanguageCount> names{};  // indexed by Language
};

// The rules of a country in the order a day's festivals are listed.
std::span<const FestivalRule> FestivalRules(Country country);

// The name of a rule in a language (English when the table lacks it).
std::string_view FestivalName(const FestivalRule& rule, Language language);

}  // namespace tavro
