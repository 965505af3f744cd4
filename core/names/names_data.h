// The name tables behind native_names.h, one row per language
// (English, zh-Hans, zh-Hant, vi, ja).
#pragma once

#include <array>
#include <string_view>

#include "core/names/native_names.h"

namespace tavro::names_data {

using sv = std::string_view;
template <size_t N>
using PerLanguage = std::array<std::array<sv, N>, kLanguageCount>;

extern const PerLanguage<10> kStems;
extern const PerLanguage<12> kBranches;
extern const PerLanguage<12> kAnimals;       // English row unused: the program's lists
extern const PerLanguage<12> kMonths;        // ordinary months
extern const PerLanguage<24> kSolarTerms;    // from the December solstice; English row unused
extern const std::array<sv, 12> kJapaneseTraditionalMonths;
extern const std::array<sv, 6> kRokuyo;
extern const std::array<sv, 6> kRokuyoRomaji;
extern const std::array<sv, 10> kChineseDigits;  // 〇 一 .. 九 (same in both scripts)

}  // namespace tavro::names_data
