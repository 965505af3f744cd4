#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/names.h"
#include "core/festivals/festivals.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

Settings At(Country c) {
  Settings s;
  s.referenceLongitude = DefaultLongitude(c);
  return s;
}

std::string Iso(int32_t jdn) {
  const EuroDate d = GregorianOf(jdn);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

// key -> the dates of the years asked for, in order.
std::map<std::string, std::vector<std::string>> ByKey(Country c, int32_t from, int32_t to) {
  std::map<std::string, std::vector<std::string>> out;
  for (const FestivalDay& f : FestivalsInYears(c, from, to, At(c))) out[std::string(f.rule->key)].push_back(Iso(f.jdn));
  return out;
}

using Dates = std::vector<std::string>;

// Published almanac dates (Chinese, Vietnamese and Japanese calendars of
// 2020-2025). 2020 has a leap fourth month, 2023 a leap second, 2025 a leap
// sixth; the twelfth month of the jia-chen year has 29 days, so its last day
// is 2025-01-28, while that of the gui-mao year was day 30 (2024-02-09).
TEST(Festivals, ChinaMatchesTheAlmanac) {
  const auto y2023 = ByKey(Country::China, 2023, 2023);
  EXPECT_EQ(y2023.at("dragon-head"), Dates{"2023-02-21"});  // the ordinary month 2, not the leap one
  EXPECT_EQ(y2023.at("spring-festival"), Dates{"2023-01-22"});
  EXPECT_EQ(y2023.at("qingming"), Dates{"2023-04-05"});
  EXPECT_EQ(y2023.at("cold-food"), Dates{"2023-04-04"});
  EXPECT_EQ(y2023.at("dragon-boat"), Dates{"2023-06-22"});
  EXPECT_EQ(y2023.at("mid-autumn"), Dates{"2023-09-29"});
  EXPECT_EQ(y2023.at("new-years-eve"), Dates{"2023-01-21"});

  const auto y2024 = ByKey(Country::China, 2024, 2024);
  const std::map<std::string, Dates> expected2024 = {
      {"spring-festival", {"2024-02-10"}}, {"lantern", {"2024-02-24"}},
      {"dragon-head", {"2024-03-11"}},     {"cold-food", {"2024-04-03"}},
      {"qingming", {"2024-04-04"}},        {"dragon-boat", {"2024-06-10"}},
      {"qixi", {"2024-08-10"}},            {"ghost", {"2024-08-18"}},
      {"mid-autumn", {"2024-09-17"}},      {"double-ninth", {"2024-10-11"}},
      {"winter-clothes", {"2024-11-01"}},  {"winter-solstice", {"2024-12-21"}},
      {"laba", {"2024-01-18"}},            {"kitchen-god", {"2024-02-02"}},
      {"new-years-eve", {"2024-02-09"}}};
  EXPECT_EQ(y2024, expected2024);

  const auto y2025 = ByKey(Country::China, 2025, 2025);
  EXPECT_EQ(y2025.at("new-years-eve"), Dates{"2025-01-28"});
  EXPECT_EQ(y2025.at("kitchen-god"), Dates{"2025-01-22"});
  EXPECT_EQ(y2025.at("laba"), Dates{"2025-01-07"});  // the next falls in 2026
  EXPECT_EQ(y2025.at("qixi"), Dates{"2025-08-29"});  // after the leap sixth month
  EXPECT_EQ(y2025.at("mid-autumn"), Dates{"2025-10-06"});
  EXPECT_EQ(y2025.at("double-ninth"), Dates{"2025-10-29"});
}

TEST(Festivals, VietnamMatchesTheAlmanac) {
  const auto y2020 = ByKey(Country::Vietnam, 2020, 2020);
  EXPECT_EQ(y2020.at("vesak"), Dates{"2020-05-07"});  // the leap fourth month follows
  EXPECT_EQ(y2020.at("doan-ngo"), Dates{"2020-06-25"});
  const auto y2024 = ByKey(Country::Vietnam, 2024, 2024);
  EXPECT_EQ(y2024.at("tet"), Dates{"2024-02-10"});
  EXPECT_EQ(y2024.at("hung-kings"), Dates{"2024-04-18"});
  EXPECT_EQ(y2024.at("han-thuc"), Dates{"2024-04-11"});
  EXPECT_EQ(y2024.at("thanh-minh"), Dates{"2024-04-04"});
  EXPECT_EQ(y2024.at("vu-lan"), Dates{"2024-08-18"});
  EXPECT_EQ(y2024.at("trung-thu"), Dates{"2024-09-17"});
  EXPECT_EQ(y2024.at("ong-tao"), Dates{"2024-02-02"});
  EXPECT_EQ(y2024.at("giao-thua"), Dates{"2024-02-09"});
  const auto y2025 = ByKey(Country::Vietnam, 2025, 2025);
  EXPECT_EQ(y2025.at("giao-thua"), Dates{"2025-01-28"});
  EXPECT_EQ(y2025.at("hung-kings"), Dates{"2025-04-07"});
}

TEST(Festivals, JapanMatchesTheAlmanac) {
  const auto y2024 = ByKey(Country::Japan, 2024, 2024);
  const std::map<std::string, Dates> expected = {
      {"setsubun", {"2024-02-03"}},
      {"higan-spring", {"2024-03-17", "2024-03-20", "2024-03-23"}},
      {"hachijuhachiya", {"2024-05-01"}},
      {"nyubai", {"2024-06-10"}},
      {"hangesho", {"2024-07-01"}},
      {"doyo-ushi", {"2024-07-24", "2024-08-05"}},
      {"nihyakutoka", {"2024-08-31"}},
      {"higan-autumn", {"2024-09-19", "2024-09-22", "2024-09-25"}},
      {"kyu-shogatsu", {"2024-02-10"}},
      {"kyu-tanabata", {"2024-08-10"}},
      {"jugoya", {"2024-09-17"}},
      {"jusanya", {"2024-10-15"}}};
  for (const auto& [key, dates] : expected) EXPECT_EQ(y2024.at(key), dates) << key;
  EXPECT_EQ(y2024.at("doyo").size(), 4u);
  EXPECT_EQ(y2024.at("doyo")[1], "2024-04-16");
  EXPECT_EQ(y2024.at("doyo")[2], "2024-07-19");

  const auto y2025 = ByKey(Country::Japan, 2025, 2025);
  EXPECT_EQ(y2025.at("setsubun"), Dates{"2025-02-02"});
  EXPECT_EQ(y2025.at("doyo-ushi"), (Dates{"2025-07-19", "2025-07-31"}));
  EXPECT_EQ(y2025.at("jugoya"), Dates{"2025-10-06"});
  EXPECT_EQ(y2025.at("jusanya"), Dates{"2025-11-02"});
  const auto y2005 = ByKey(Country::Japan, 2005, 2005);
  EXPECT_EQ(y2005.at("doyo")[0], "2005-01-17");
  EXPECT_EQ(y2005.at("hachijuhachiya"), Dates{"2005-05-02"});
  const auto y2014 = ByKey(Country::Japan, 2014, 2014);
  EXPECT_EQ(y2014.at("nyubai"), Dates{"2014-06-11"});
}

// The reference meridian decides the day: the new moon of 2007-02-17 16:14
// UT began Tết on the 17th in Vietnam (UTC+7) and the Spring Festival on the
// 18th in China; the Beginning of spring of 2021 came at 23:59 in Japan, so
// setsubun fell on 2 February.
TEST(Festivals, TheMeridianDecidesTheDay) {
  EXPECT_EQ(ByKey(Country::Vietnam, 2007, 2007).at("tet"), Dates{"2007-02-17"});
  EXPECT_EQ(ByKey(Country::China, 2007, 2007).at("spring-festival"), Dates{"2007-02-18"});
  EXPECT_EQ(ByKey(Country::Japan, 2021, 2021).at("setsubun"), Dates{"2021-02-02"});
  // In 1984-85 the meridian moved the leap month: Tết 1985 came a month
  // before the Spring Festival.
  EXPECT_EQ(ByKey(Country::Vietnam, 1985, 1985).at("tet"), Dates{"1985-01-21"});
  EXPECT_EQ(ByKey(Country::China, 1985, 1985).at("spring-festival"), Dates{"1985-02-20"});
  EXPECT_EQ(ByKey(Country::China, 2021, 2021).at("qingming"), Dates{"2021-04-04"});
}

// Terms within an hour of midnight at each meridian: the festival day is the
// civil day of the term's instant, found here from the engine's own crossing
// times rather than the lunar-year tables.
TEST(Festivals, TermDaysNearMidnightAtEachMeridian) {
  struct Watched {
    Country country;
    const char* key;
    int term;    // index from Z11
    int offset;  // festival day minus term day
  };
  const Watched watched[] = {{Country::China, "qingming", 7, 0},  {Country::China, "winter-solstice", 0, 0},
                             {Country::Vietnam, "thanh-minh", 7, 0}, {Country::Japan, "setsubun", 3, -1},
                             {Country::Japan, "higan-autumn", 18, 0}};
  int checked = 0;
  for (const Watched& w : watched) {
    const Settings s = At(w.country);
    std::map<int32_t, std::vector<int32_t>> days;  // CE year -> festival days
    for (const FestivalDay& f : FestivalsInYears(w.country, 1800, 2200, s))
      if (f.rule->key == w.key) days[GregorianYearOf(f.jdn)].push_back(f.jdn);
    for (int32_t year = 1800; year <= 2200; ++year) {
      const int kind = w.term / 6 == 0 ? DecemberSolstice : w.term / 6 - 1;
      double out[6];
      _solar_terms_true_sun(QuarterPointJDE(kind, year), 0, out);
      const double ut = out[w.term % 6] - DeltaTMinutes(year) / 1440.0;
      const double local = ToCJDC(ut, s.referenceLongitude);
      const double fromMidnight = std::fabs(local - std::round(local));
      if (fromMidnight > 1.0 / 24 || fromMidnight < 1.0 / 1440) continue;
      ++checked;
      const int32_t expected = static_cast<int32_t>(std::floor(local)) + w.offset;
      const auto& list = days[GregorianYearOf(expected)];
      const bool hit = std::find(list.begin(), list.end(), expected) != list.end();
      EXPECT_TRUE(hit) << w.key << " " << year << " expected " << Iso(expected);
    }
  }
  EXPECT_GT(checked, 20);
}

TEST(Festivals, WholeRangeIsOrderedCompleteAndCarriesTheLunarDate) {
  for (Country c : {Country::China, Country::Vietnam, Country::Japan}) {
    const Settings s = At(c);
    for (int32_t year : {-3000, -1, 0, 1000, 2999}) {
      const auto list = FestivalsInYears(c, year, year, s);
      ASSERT_FALSE(list.empty()) << year;
      std::map<std::string_view, int> count;
      for (size_t i = 0; i < list.size(); ++i) {
        ++count[list[i].rule->key];
        EXPECT_EQ(GregorianYearOf(list[i].jdn), year);
        if (i > 0) {
          EXPECT_LE(list[i - 1].jdn, list[i].jdn);
        }
        EXPECT_EQ(list[i].chl.jdn, list[i].jdn);
        if (list[i].rule->kind == FestivalRuleKind::LunarDate) {
          EXPECT_EQ(list[i].chl.month, list[i].rule->month) << list[i].rule->key << " " << year;
          EXPECT_EQ(list[i].chl.day, list[i].rule->day);
          EXPECT_EQ(list[i].chl.leap, 0);
        }
        if (list[i].rule->kind == FestivalRuleKind::LastDayOfYear) {
          EXPECT_EQ(list[i].chl.month, 12);
          EXPECT_GE(list[i].chl.day, 29);
        }
      }
      // Every term- and Sun-based day happens once a CE year.
      if (c == Country::Japan) {
        EXPECT_EQ(count["doyo"], 4) << year;
        EXPECT_EQ(count["higan-spring"], 3);
        EXPECT_GE(count["doyo-ushi"], 1);
        EXPECT_LE(count["doyo-ushi"], 2);
      }
      if (c == Country::China) {
        EXPECT_EQ(count["qingming"], 1);
      }
    }
  }
  // The range ends with 3000-01-01.
  EXPECT_TRUE(FestivalsInYears(Country::China, 3001, 3005, Settings{}).empty());
  EXPECT_TRUE(FestivalsInYears(Country::China, 2000, 1999, Settings{}).empty());
  const auto lastYear = FestivalsInYears(Country::China, 3000, 3000, Settings{});
  for (const FestivalDay& f : lastYear) EXPECT_LE(f.jdn, GregorianJDN(3000, 1, 1));
}

TEST(Festivals, DayLookupAndNames) {
  const Settings s = At(Country::China);
  const auto day = FestivalsOnDay(Country::China, GregorianJDN(2024, 9, 17), s);
  ASSERT_EQ(day.size(), 1u);
  EXPECT_EQ(day[0].rule->key, "mid-autumn");
  EXPECT_EQ(FestivalName(*day[0].rule, Language::ZhHans), "中秋节");
  EXPECT_EQ(FestivalName(*day[0].rule, Language::ZhHant), "中秋節");
  EXPECT_EQ(ChlDateText(day[0].chl, "CHL"), "79-41-08-15 CHL");
  EXPECT_TRUE(FestivalsOnDay(Country::China, GregorianJDN(2024, 9, 18), s).empty());
  for (Country c : {Country::China, Country::Vietnam, Country::Japan})
    for (const FestivalRule& r : FestivalRules(c))
      for (int l = 0; l < kLanguageCount; ++l) EXPECT_FALSE(r.names[l].empty()) << r.key;
}

}  // namespace
}  // namespace tavro
