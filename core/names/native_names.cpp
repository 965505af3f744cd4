#include "core/names/native_names.h"

#include <cctype>

#include "core/astro/solar_terms.h"
#include "core/names/names_data.h"
#include "core/time/floor_div.h"

namespace tavro {

namespace {

using namespace names_data;

constexpr std::array<std::string_view, kLanguageCount> kTags = {"en", "zh-Hans", "zh-Hant", "vi", "ja"};

int Row(Language language) {
  const int i = static_cast<int>(language);
  return i >= 0 && i < kLanguageCount ? i : 0;
}

bool IsChinese(Language language) { return language == Language::ZhHans || language == Language::ZhHant; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// 1..99 in Chinese numerals as months and days of the month write them
// (十一, 二十, 三十); 21..29 of a day use 廿 instead, see DayNameNative.
std::string ChineseNumber(int n) {
  std::string s;
  if (n >= 20) s += kChineseDigits[n / 10];
  if (n >= 10) s += "十";
  if (n % 10 != 0 || n < 10) s += kChineseDigits[n % 10];
  return s;
}

}  // namespace

std::string_view LanguageTag(Language language) { return kTags[Row(language)]; }

std::optional<Language> LanguageOfTag(std::string_view tag) {
  for (int i = 0; i < kLanguageCount; ++i)
    if (SameIgnoringCase(tag, kTags[i])) return static_cast<Language>(i);
  return std::nullopt;
}

std::string_view StemName(Language language, int stem) {
  return stem >= 1 && stem <= 10 ? kStems[Row(language)][stem - 1] : std::string_view();
}

std::string_view BranchName(Language language, int branch) {
  return branch >= 0 && branch <= 11 ? kBranches[Row(language)][branch] : std::string_view();
}

std::string CyclicalName(Language language, int32_t position) {
  if (position < 1 || position > 60) return "";
  std::string s(StemName(language, StemNumber(position)));
  if (language == Language::English)
    s += "-";
  else if (language == Language::Vietnamese)
    s += " ";
  s += BranchName(language, BranchIndex(position));
  return s;
}

std::string_view AnimalName(Language language, Country country, int branch) {
  if (branch < 0 || branch > 11) return {};
  if (language == Language::English) return AnimalNames(country)[branch];
  if (IsChinese(language) && country == Country::Vietnam && branch == 3)
    return language == Language::ZhHans ? "猫" : "貓";
  return kAnimals[Row(language)][branch];
}

std::string MonthNameNative(Language language, int month, bool leap) {
  if (month < 1 || month > 12) return "";
  const std::string ordinary(kMonths[Row(language)][month - 1]);
  if (!leap) return ordinary;
  switch (language) {
    case Language::ZhHans:
    case Language::ZhHant:
      // A leap month is named by its number: 闰十一月, not 闰冬月.
      return std::string(language == Language::ZhHans ? "闰" : "閏") +
             (month == 1 ? std::string("正") : ChineseNumber(month)) + "月";
    case Language::Vietnamese: return ordinary + " nhuận";
    case Language::Japanese: return "閏" + ordinary;
    default: return "leap " + ordinary;
  }
}

std::string JapaneseTraditionalMonthName(int month, bool leap) {
  if (month < 1 || month > 12) return "";
  return (leap ? "閏" : "") + std::string(kJapaneseTraditionalMonths[month - 1]);
}

std::string DayNameNative(Language language, int day) {
  if (day < 1 || day > 30) return "";
  switch (language) {
    case Language::ZhHans:
    case Language::ZhHant:
      if (day <= 10) return "初" + ChineseNumber(day);
      if (day > 20 && day < 30) return "廿" + std::string(kChineseDigits[day - 20]);
      return ChineseNumber(day);
    case Language::Vietnamese: return (day <= 10 ? "mùng " : "") + std::to_string(day);
    case Language::Japanese: return std::to_string(day) + "日";
    default: return "day " + std::to_string(day);
  }
}

std::string_view SolarTermNameNative(Language language, int index) {
  if (index < 0 || index > 23) return {};
  if (language == Language::English) return SolarTermEnglish[index];
  return kSolarTerms[Row(language)][index];
}

int RokuyoIndex(int month, int day) { return FloorMod(month + day, 6); }

std::string_view RokuyoName(int index) { return index >= 0 && index < 6 ? kRokuyo[index] : std::string_view(); }
std::string_view RokuyoRomaji(int index) {
  return index >= 0 && index < 6 ? kRokuyoRomaji[index] : std::string_view();
}

std::string NativeDateText(Language language, const ChlDate& date) {
  const bool leap = date.leap == 1;
  const std::string year = CyclicalName(language, date.position);
  const std::string month = MonthNameNative(language, date.month, leap);
  const std::string day = DayNameNative(language, date.day);
  switch (language) {
    case Language::ZhHans:
    case Language::ZhHant: return year + "年" + month + day;
    case Language::Vietnamese: return day + " " + month + " năm " + year;
    case Language::Japanese:
      return year + "年 " + month + day + " " + std::string(RokuyoName(RokuyoIndex(date.month, date.day)));
    default: return day + " of " + month + ", " + year + " year";
  }
}

}  // namespace tavro
