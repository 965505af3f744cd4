#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/names/native_names.h"

namespace tavro {
namespace {

ChlDate Lunar(int32_t position, int month, bool leap, int day) {
  ChlDate d;
  d.position = position;
  d.month = month;
  d.leap = leap ? 1 : 0;
  d.day = day;
  return d;
}

TEST(NativeNames, ComposedDates) {
  using L = Language;
  const struct {
    Language language;
    ChlDate date;
    const char* text;
  } rows[] = {
      // 2024-02-10, the first day of the jia-chen year (position 41).
      {L::ZhHans, Lunar(41, 1, false, 1), "甲辰年正月初一"},
      {L::Vietnamese, Lunar(41, 1, false, 1), "mùng 1 tháng Giêng năm Giáp Thìn"},
      {L::Japanese, Lunar(41, 1, false, 1), "甲辰年 1月1日 先勝"},
      {L::English, Lunar(41, 1, false, 1), "day 1 of month 1, jia-chen year"},
      // 2033-12-22 lies in the leap eleventh month of the gui-chou year (50).
      {L::ZhHans, Lunar(50, 11, true, 1), "癸丑年闰十一月初一"},
      {L::ZhHant, Lunar(50, 11, true, 30), "癸丑年閏十一月三十"},
      {L::Vietnamese, Lunar(50, 11, true, 15), "15 tháng Một nhuận năm Quý Sửu"},
      {L::Japanese, Lunar(50, 11, true, 21), "癸丑年 閏11月21日 先勝"},
      {L::English, Lunar(50, 11, true, 2), "day 2 of leap month 11, gui-chou year"},
      // The ordinary months 11 and 12 keep their own names.
      {L::ZhHant, Lunar(40, 12, false, 29), "癸卯年臘月廿九"},
      {L::ZhHans, Lunar(40, 11, false, 20), "癸卯年冬月二十"},
      {L::Vietnamese, Lunar(40, 12, false, 10), "mùng 10 tháng Chạp năm Quý Mão"},
  };
  for (const auto& r : rows) EXPECT_EQ(NativeDateText(r.language, r.date), r.text) << LanguageTag(r.language);
}

TEST(NativeNames, SingleNames) {
  const char* zhDays[] = {"初一", "初九", "初十", "十一", "十九", "二十", "廿一", "廿九", "三十"};
  const int days[] = {1, 9, 10, 11, 19, 20, 21, 29, 30};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(DayNameNative(Language::ZhHans, days[i]), zhDays[i]);
  EXPECT_EQ(DayNameNative(Language::Vietnamese, 11), "11");
  EXPECT_EQ(DayNameNative(Language::Japanese, 30), "30日");
  EXPECT_EQ(DayNameNative(Language::ZhHans, 31), "");
  EXPECT_EQ(MonthNameNative(Language::ZhHans, 1, true), "闰正月");
  EXPECT_EQ(MonthNameNative(Language::ZhHant, 12, true), "閏十二月");
  EXPECT_EQ(MonthNameNative(Language::Japanese, 13, false), "");
  EXPECT_EQ(JapaneseTraditionalMonthName(6, true), "閏水無月");
  EXPECT_EQ(JapaneseTraditionalMonthName(12, false), "師走");
  EXPECT_EQ(AnimalName(Language::Vietnamese, Country::Vietnam, 3), "Mèo");
  EXPECT_EQ(AnimalName(Language::Vietnamese, Country::Vietnam, 1), "Trâu");
  EXPECT_EQ(AnimalName(Language::Japanese, Country::Japan, 11), "猪");
  EXPECT_EQ(AnimalName(Language::ZhHant, Country::Vietnam, 3), "貓");
  EXPECT_EQ(AnimalName(Language::English, Country::Japan, 11), "boar");
  // J2, the waking of insects, is spelt differently in each script.
  EXPECT_EQ(SolarTermNameNative(Language::ZhHans, 5), "惊蛰");
  EXPECT_EQ(SolarTermNameNative(Language::ZhHant, 5), "驚蟄");
  EXPECT_EQ(SolarTermNameNative(Language::Vietnamese, 5), "Kinh trập");
  EXPECT_EQ(SolarTermNameNative(Language::Japanese, 5), "啓蟄");
  EXPECT_EQ(SolarTermNameNative(Language::English, 7), "Pure brightness");
  // Rokuyo: the first days of the months run 先勝 友引 先負 仏滅 大安 赤口.
  const char* firsts[] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(RokuyoName(RokuyoIndex(m, 1)), firsts[(m - 1) % 6]);
  EXPECT_EQ(RokuyoName(RokuyoIndex(8, 15)), "仏滅");  // every jugoya
}

TEST(NativeNames, TablesAreCompleteAndDistinct) {
  for (int l = 0; l < kLanguageCount; ++l) {
    const auto language = static_cast<Language>(l);
    std::set<std::string> months, terms, cyclical;
    for (int i = 1; i <= 12; ++i) months.insert(MonthNameNative(language, i, false));
    for (int i = 0; i < 24; ++i) terms.insert(std::string(SolarTermNameNative(language, i)));
    for (int p = 1; p <= 60; ++p) cyclical.insert(CyclicalName(language, p));
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(terms.size(), 24u);
    EXPECT_EQ(cyclical.size(), 60u);  // also: ten distinct stems and twelve branches
    for (Country c : {Country::China, Country::Vietnam, Country::Japan}) {
      std::set<std::string> animals;
      for (int i = 0; i < 12; ++i) animals.insert(std::string(AnimalName(language, c, i)));
      EXPECT_EQ(animals.size(), 12u);
      EXPECT_EQ(animals.count(""), 0u);
    }
    EXPECT_EQ(LanguageOfTag(LanguageTag(language)), language);
  }
  EXPECT_EQ(LanguageOfTag("ZH-hans"), Language::ZhHans);
  EXPECT_FALSE(LanguageOfTag("zh").has_value());
}

}  // namespace
}  // namespace tavro
