#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/names/native_names.h"

namespace tavro {
namespace {

ChlDate Lunar(int32_t position, int month, bool leap, int day) {
  ChlDate d;
  d.cycle = 79;
  d.position = position;
  d.month = month;
  d.leap = leap ? 1 : 0;
  d.day = day;
  return d;
}

TEST(NativeNames, ComposedDatesInEveryLanguage) {
  struct Row {
    Language language;
    ChlDate date;
    const char* text;
  };
  const Row rows[] = {
      // 2024-02-10, the first day of the jia-chen year (position 41).
      {Language::ZhHans, Lunar(41, 1, false, 1), "甲辰年正月初一"},
      {Language::ZhHant, Lunar(41, 1, false, 1), "甲辰年正月初一"},
      {Language::Vietnamese, Lunar(41, 1, false, 1), "mùng 1 tháng Giêng năm Giáp Thìn"},
      {Language::Japanese, Lunar(41, 1, false, 1), "甲辰年 1月1日 先勝"},
      {Language::English, Lunar(41, 1, false, 1), "day 1 of month 1, jia-chen year"},
      // 2033-12-22 lies in the leap eleventh month of the gui-chou year (50).
      {Language::ZhHans, Lunar(50, 11, true, 1), "癸丑年闰十一月初一"},
      {Language::ZhHant, Lunar(50, 11, true, 30), "癸丑年閏十一月三十"},
      {Language::Vietnamese, Lunar(50, 11, true, 15), "15 tháng Một nhuận năm Quý Sửu"},
      {Language::Japanese, Lunar(50, 11, true, 21), "癸丑年 閏11月21日 先勝"},
      {Language::English, Lunar(50, 11, true, 2), "day 2 of leap month 11, gui-chou year"},
      // Month 12 keeps its own name in Chinese and Vietnamese.
      {Language::ZhHant, Lunar(40, 12, false, 29), "癸卯年臘月廿九"},
      {Language::ZhHans, Lunar(40, 11, false, 20), "癸卯年冬月二十"},
      {Language::Vietnamese, Lunar(40, 12, false, 10), "mùng 10 tháng Chạp năm Quý Mão"},
  };
  for (const Row& r : rows) EXPECT_EQ(NativeDateText(r.language, r.date), r.text) << LanguageTag(r.language);
}

TEST(NativeNames, DaysOfTheMonth) {
  const char* zh[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                      "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                      "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int d = 1; d <= 30; ++d) {
    EXPECT_EQ(DayNameNative(Language::ZhHans, d), zh[d - 1]);
    EXPECT_EQ(DayNameNative(Language::Japanese, d), std::to_string(d) + "日");
    EXPECT_EQ(DayNameNative(Language::Vietnamese, d), (d <= 10 ? "mùng " : "") + std::to_string(d));
  }
  EXPECT_EQ(DayNameNative(Language::ZhHans, 0), "");
  EXPECT_EQ(DayNameNative(Language::ZhHans, 31), "");
}

TEST(NativeNames, MonthsAndLeapForms) {
  EXPECT_EQ(MonthNameNative(Language::ZhHans, 12, false), "腊月");
  EXPECT_EQ(MonthNameNative(Language::ZhHant, 12, true), "閏十二月");
  EXPECT_EQ(MonthNameNative(Language::ZhHans, 1, true), "闰正月");
  EXPECT_EQ(MonthNameNative(Language::ZhHans, 6, true), "闰六月");
  EXPECT_EQ(MonthNameNative(Language::Vietnamese, 4, true), "tháng Tư nhuận");
  EXPECT_EQ(MonthNameNative(Language::Japanese, 10, true), "閏10月");
  EXPECT_EQ(JapaneseTraditionalMonthName(1, false), "睦月");
  EXPECT_EQ(JapaneseTraditionalMonthName(6, true), "閏水無月");
  EXPECT_EQ(JapaneseTraditionalMonthName(12, false), "師走");
  EXPECT_EQ(MonthNameNative(Language::Japanese, 13, false), "");
}

TEST(NativeNames, TablesAreCompleteAndDistinct) {
  for (int l = 0; l < kLanguageCount; ++l) {
    const auto language = static_cast<Language>(l);
    std::set<std::string> stems, branches, months, terms, cyclical;
    for (int i = 1; i <= 10; ++i) stems.insert(std::string(StemName(language, i)));
    for (int i = 0; i < 12; ++i) branches.insert(std::string(BranchName(language, i)));
    for (int i = 1; i <= 12; ++i) months.insert(MonthNameNative(language, i, false));
    for (int i = 0; i < 24; ++i) terms.insert(std::string(SolarTermNameNative(language, i)));
    for (int p = 1; p <= 60; ++p) cyclical.insert(CyclicalName(language, p));
    EXPECT_EQ(stems.size(), 10u);
    EXPECT_EQ(branches.size(), 12u);
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(terms.size(), 24u);
    EXPECT_EQ(cyclical.size(), 60u);
    EXPECT_EQ(stems.count(""), 0u);
    for (Country c : {Country::China, Country::Vietnam, Country::Japan}) {
      std::set<std::string> animals;
      for (int i = 0; i < 12; ++i) animals.insert(std::string(AnimalName(language, c, i)));
      EXPECT_EQ(animals.size(), 12u);
    }
    EXPECT_EQ(LanguageOfTag(LanguageTag(language)), language);
  }
  EXPECT_EQ(LanguageOfTag("ZH-hans"), Language::ZhHans);
  EXPECT_FALSE(LanguageOfTag("zh").has_value());
}

TEST(NativeNames, CountryAnimalsAndTerms) {
  EXPECT_EQ(AnimalName(Language::Vietnamese, Country::Vietnam, 3), "Mèo");
  EXPECT_EQ(AnimalName(Language::Vietnamese, Country::Vietnam, 1), "Trâu");
  EXPECT_EQ(AnimalName(Language::Japanese, Country::Japan, 11), "猪");
  EXPECT_EQ(AnimalName(Language::ZhHant, Country::Vietnam, 3), "貓");
  EXPECT_EQ(AnimalName(Language::ZhHans, Country::China, 3), "兔");
  EXPECT_EQ(AnimalName(Language::English, Country::Japan, 11), "boar");
  // Index 5 is J2, the waking of insects, spelt differently in each script.
  EXPECT_EQ(SolarTermNameNative(Language::ZhHans, 5), "惊蛰");
  EXPECT_EQ(SolarTermNameNative(Language::ZhHant, 5), "驚蟄");
  EXPECT_EQ(SolarTermNameNative(Language::Vietnamese, 5), "Kinh trập");
  EXPECT_EQ(SolarTermNameNative(Language::Japanese, 5), "啓蟄");
  EXPECT_EQ(SolarTermNameNative(Language::English, 7), "Pure brightness");
  EXPECT_EQ(CyclicalName(Language::Vietnamese, 1), "Giáp Tý");
  EXPECT_EQ(CyclicalName(Language::English, 55), "wu-wu");
}

TEST(NativeNames, RokuyoFollowsMonthPlusDay) {
  // The first days of the months run 先勝 友引 先負 仏滅 大安 赤口 twice.
  const char* firsts[] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(RokuyoName(RokuyoIndex(m, 1)), firsts[(m - 1) % 6]);
  EXPECT_EQ(RokuyoName(RokuyoIndex(8, 15)), "仏滅");  // every jugoya
  EXPECT_EQ(RokuyoName(RokuyoIndex(3, 3)), "大安");
  EXPECT_EQ(RokuyoRomaji(RokuyoIndex(7, 7)), "sensho");
}

}  // namespace
}  // namespace tavro
