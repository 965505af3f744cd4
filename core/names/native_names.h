// Names of the lunisolar calendar in the scripts of its users: Chinese
// (simplified and traditional), Vietnamese and Japanese, beside the English
// and pinyin texts the program has always shown. The names are data tables;
// the functions only pick an entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/chinese/chinese_date.h"
#include "core/chinese/names.h"

namespace tavro {

// The values index every per-language table; English is first.
enum class Language : int { English = 0, ZhHans = 1, ZhHant = 2, Vietnamese = 3, Japanese = 4 };
inline constexpr int kLanguageCount = 5;

// "en", "zh-Hans", "zh-Hant", "vi", "ja".
std::string_view LanguageTag(Language language);
// The language of a tag as above (letter case ignored); nullopt when unknown.
[[nodiscard]] std::optional<Language> LanguageOfTag(std::string_view tag);

// Stem 1..10 (1 = jia), branch index 0..11 (0 = zi). English gives the pinyin
// the program shows ("jia", "zi"). Empty outside the range.
std::string_view StemName(Language language, int stem);
std::string_view BranchName(Language language, int branch);
// The stem and branch of a cycle position 1..60 ("甲辰", "Giáp Thìn",
// English "jia-chen"); empty outside 1..60.
std::string CyclicalName(Language language, int32_t position);
// Animal of a branch as the country names it: in English the program's
// own list; in Chinese the cat for Vietnam; Vietnamese and Japanese have their
// own animals whatever the country (Mèo, Trâu; 猪 for the boar).
std::string_view AnimalName(Language language, Country country, int branch);

// Month 1..12 with its leap form: 正月 .. 冬月, 腊月, 闰十一月; tháng Giêng ..
// tháng Chạp, tháng Tư nhuận; 1月 .. 12月, 閏4月; English "month 4", "leap
// month 4". Empty outside 1..12.
std::string MonthNameNative(Language language, int month, bool leap);
// The traditional Japanese month names 睦月 .. 師走 (閏 before a leap month).
std::string JapaneseTraditionalMonthName(int month, bool leap);
// Day 1..30: 初一 .. 初十, 十一 .. 二十, 廿一 .. 廿九, 三十; mùng 1 .. mùng 10,
// then the number; 1日 .. 30日; English "day 1". Empty outside 1..30.
std::string DayNameNative(Language language, int day);

// Solar term by its index 0..23 counted from the December solstice (the
// index of SolarTermCodes); English gives the program's English name.
std::string_view SolarTermNameNative(Language language, int index);

// Rokuyo of a lunar date: (month + day) mod 6, a leap month counting as its
// number; 0 大安, 1 赤口, 2 先勝, 3 友引, 4 先負, 5 仏滅.
int RokuyoIndex(int month, int day);
// The Japanese name of a rokuyo index, or its romanised name ("taian").
std::string_view RokuyoName(int index);
std::string_view RokuyoRomaji(int index);

// The composed date of a lunar date record (its position, month, leap and
// day): 甲辰年正月初一, 甲辰年閏十一月初一, mùng 1 tháng Giêng năm Giáp
// Thìn, 甲辰年 1月1日 先勝 (Japanese ends with the rokuyo), English "day 1 of
// month 1, jia-chen year". Animal names are not part of it, so the country
// does not change it.
std::string NativeDateText(Language language, const ChlDate& date);

}  // namespace tavro
