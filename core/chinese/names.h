// Element, animal, stem, branch and country names. The animal names differ by
// country, so every text that uses them takes the country explicitly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavro {

// The values are the country list's indices.
enum class Country : int { Vietnam = 0, China = 1, Japan = 2 };

// The country of a country-list index; no selection (or any index outside the
// list) is China, the list's default.
constexpr Country CountryOfIndex(int index) {
  return index >= 0 && index <= 2 ? static_cast<Country>(index) : Country::China;
}
static_assert(CountryOfIndex(-1) == Country::China && CountryOfIndex(3) == Country::China &&
              CountryOfIndex(0) == Country::Vietnam && CountryOfIndex(2) == Country::Japan);

extern const std::array<std::string, 5> ElementNames;   // "wood", "fire", ...
extern const std::array<std::string, 10> StemNames;     // "jia" .. "gui"
extern const std::array<std::string, 12> BranchNames;   // "zi" .. "hai"
// 0..2 the countries, 3..5 their adjectives ("Vietnamese", ...).
extern const std::array<std::string, 6> CountryNames;

// The 12 animal names as used in `country` (Vietnam: cat, goat; Japan: boar).
const std::array<std::string, 12>& AnimalNames(Country country);

// Index 0..4 of an element name, 0..11 of an animal name in any country's
// variant; -1 when unknown. Letter case is ignored.
int ElementIndexOfName(std::string_view name);
int AnimalIndexOfName(std::string_view name);

// The default reference longitude of a country (105, 120, 135).
int DefaultLongitude(Country country);

}  // namespace tavro
