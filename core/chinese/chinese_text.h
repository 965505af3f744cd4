// Texts of Chinese dates and of the sexagenary names of days, months and years.
// Texts are built from whatever the record holds; an invalid record still
// yields text. Animal names follow `country`.
#pragma once

#include <cstdint>
#include <string>

#include "core/chinese/chinese_date.h"
#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace tavro {

std::string ElementAnimalText(int32_t position, Country country = Country::China);  // "wood-dragon"
std::string StemBranchText(int32_t position);                                      // "jia-chen"

// "79-41-05-12 CHL", "79-40-2*-03 CHL".
std::string ChlDateText(const ChlDate& d, const std::string& code);
// "79-41-23-05 CHS"; with `withCode`, on day 1 " (Z10)" follows.
std::string ChsDateText(const ChsDate& d, bool withCode);

// "The 14th day (wood-rat, jia-zi) of solar term 24 (J11) in the year (sui) at
// position 59 of cycle 1." With `withDay` the record's jdn is computed first
// (ChSDateToJDN under `s`).
std::string ChsLongText(ChsDate& d, bool withDay, bool withStemBranch, const Settings& s,
                        Country country = Country::China);

// "The 12th day of month 5 \r\nin the wood-dragon year (nian) at position 41
// of cycle 79 (year 4721)." (`sentence`), or "Month 5  in the ..." With
// `withDay` the record's jdn is computed first (ChLDateToJDN under `s`).
std::string ChlLongText(ChlDate& d, bool withDay, bool withMonth, bool withStemBranch,
                        bool stemBranchFirst, bool sentence, const Settings& s,
                        Country country = Country::China);

// "(yi-mao) day 12, (bing-yin) month 1, (jia-chen) year 41 of cycle 79";
// computes the record's jdn first.
std::string ChlCycleText(ChlDate& d, const Settings& s);

}  // namespace tavro
