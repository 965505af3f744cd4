#include "core/time/scales.h"

#include <gtest/gtest.h>
#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include "core/time/clock.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

TEST(TimeOfDayText, EdgeCases) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double belowOne = std::nextafter(1.0, 0.0);  // x 86400 rounds to 86400
  const struct {
    double f;
    const char* minutes;
    const char* seconds;
  } cases[] = {
      {0.0, "00:00", "00:00:00"},        {-0.0, "00:00", "00:00:00"},        {0.5, "12:00", "12:00:00"},
      {belowOne, "23:59", "23:59:59"},   {0.99999999, "23:59", "23:59:59"},  {0.999995, "23:59", "23:59:59"},
      {1.0, "XX:XX:XX", "XX:XX:XX"},     {-1e-12, "XX:XX:XX", "XX:XX:XX"},   {nan, "XX:XX:XX", "XX:XX:XX"},
      {inf, "XX:XX:XX", "XX:XX:XX"},     {-inf, "XX:XX:XX", "XX:XX:XX"},     {17.0 / 24, "17:00", "17:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TimeOfDayText(c.f, false), c.minutes) << c.f;
    EXPECT_EQ(TimeOfDayText(c.f, true), c.seconds) << c.f;
  }
}

TEST(TimeOfDayText, EverySecondOfTheDay) {
  // s / 86400 is often a hair below the whole second; the text must not drop it,
  // and the rest of the second must not push it on.
  for (int s = 0; s < 86400; ++s) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(TimeOfDayText(s / 86400.0, true), expected);
    ASSERT_EQ(TimeOfDayText((s + 0.999) / 86400.0, true), expected);
  }
}

TEST(TimeScales, LondonAndReferenceMeridianDays) {
  // CJDL 2451545.0 is the first instant of 2000-01-01, a Saturday.
  const double ajd = 2451544.5;
  const double cjdl = ToCJDL(ajd);
  EXPECT_EQ(std::floor(cjdl), 2451545.0);
  EXPECT_EQ(EuroDayOfWeek(static_cast<int32_t>(std::floor(cjdl))), 6);
  EXPECT_EQ(TimeOfDayText(cjdl - std::floor(cjdl), false), "00:00");

  // 17:00 GMT is 01:00 of the next day at 120 E.
  const double at17 = 2451545.0 + 5.0 / 24;
  const double l = ToCJDL(at17), c = ToCJDC(at17, 120);
  EXPECT_EQ(std::floor(c), std::floor(l) + 1);
  EXPECT_EQ(TimeOfDayText(l - std::floor(l), false), "17:00");
  EXPECT_EQ(TimeOfDayText(c - std::floor(c), false), "01:00");
  EXPECT_NEAR(FromCJDC(c, 120), at17, 1e-9);
  EXPECT_NEAR(ToCJDC(at17, 105) - ToCJDL(at17), 7.0 / 24, 1e-9);
}

TEST(DayNumbers, FloorAndSecondOfDay) {
  // Day numbers floor, also below zero, where a cast would truncate.
  const std::pair<double, int32_t> days[] = {{0.0, 0},   {0.5, 0},        {-0.5, -1},      {-1.0, -1},
                                             {-1e-12, -1}, {2451545.0, 2451545}, {2451544.9999, 2451544}};
  for (const auto& [cjd, day] : days) EXPECT_EQ(FloorDay(cjd), day) << cjd;
  // A fraction a hair below a whole second counts as that second, never as 86400.
  EXPECT_EQ(SecondOfDay(0.0), 0);
  EXPECT_EQ(SecondOfDay(60.0 / 86400 - 1e-12), 60);
  EXPECT_EQ(SecondOfDay(std::nextafter(1.0, 0.0)), 86399);
}

TEST(CheckRange, Boundaries) {
  const struct {
    double ajd;
    int code;
    const char* message;
  } cases[] = {
      {625333.0, 0, ""},
      {2816788.0, 0, ""},
      {2451545.0, 0, ""},
      {625332.9, -1, "Date is earlier than -3000-01-01 CE."},
      {std::nextafter(625333.0, 0.0), -1, "Date is earlier than -3000-01-01 CE."},
      {-std::numeric_limits<double>::infinity(), -1, "Date is earlier than -3000-01-01 CE."},
      {std::numeric_limits<double>::quiet_NaN(), -1, "Date is earlier than -3000-01-01 CE."},
      {2816788.1, -1, "Date is later than 3000-01-01 CE."},
      {std::nextafter(2816788.0, 3e6), -1, "Date is later than 3000-01-01 CE."},
      {std::numeric_limits<double>::infinity(), -1, "Date is later than 3000-01-01 CE."},
  };
  for (const auto& c : cases) {
    const RangeCheck r = CheckRange(c.ajd);
    EXPECT_EQ(r.code, c.code) << c.ajd;
    EXPECT_EQ(r.message, c.message) << c.ajd;
    EXPECT_EQ(r.title, c.code == 0 ? "" : "Date out of range") << c.ajd;
  }
  // The ends are the stated calendar instants.
  EXPECT_EQ(GregorianJDN(-3000, 1, 1), MinAJD);
  EXPECT_EQ(GregorianJDN(3000, 1, 1), MaxAJD);
}

TEST(ZoneDesignation, Table) {
  const struct {
    int longitude;
    const char* zone;
  } cases[] = {
      {100, "L00"}, {101, "L01"}, {104, "L04"}, {105, "ICT"}, {106, "HAN"}, {107, "L07"}, {109, "CHA"},
      {116, "BEI"}, {120, "CCT"}, {121, "L21"}, {135, "JST"}, {140, "EDO"}, {145, "L45"}, {99, ""},
      {146, ""},    {-120, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ZoneDesignation(c.longitude), c.zone) << c.longitude;
  std::set<std::string> all;
  for (int l = 100; l <= 145; ++l) all.insert(ZoneDesignation(l));
  EXPECT_EQ(all.size(), 46u);
}

TEST(Clock, MinutesEastRoundHalfToEven) {
  const struct {
    int32_t secondsWest;
    int16_t minutesEast;
  } cases[] = {
      {-28800, 480}, {18000, -300}, {-19800, 330}, {-20700, 345}, {0, 0},   {30, 0},   {-30, 0},
      {-90, 2},      {90, -2},      {-150, 2},     {150, -2},     {-149, 2}, {-151, 3}, {29, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(MinutesEastOfSecondsWest(c.secondsWest), c.minutesEast) << c.secondsWest;
}

TEST(Clock, LocalClockFormula) {
  EXPECT_DOUBLE_EQ(AJDFromLocalClock(2451545, 0, 0, 0, 0), 2451544.5);
  EXPECT_DOUBLE_EQ(AJDFromLocalClock(2451545, 8, 0, 0, 8 * 3600), 2451544.5);
  EXPECT_DOUBLE_EQ(AJDFromLocalClock(2451545, 12, 0, 0, 0), 2451545.0);
  EXPECT_DOUBLE_EQ(AJDFromLocalClock(2451545, 1, 0, 0, -5 * 3600), 2451544.5 + 6.0 / 24);
}

// Runs the body with TZ set to `zone`, restoring the previous setting after.
class WithZone {
 public:
  explicit WithZone(const char* zone) {
    const char* old = std::getenv("TZ");
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~WithZone() {
    if (hadOld_) {
      setenv("TZ", old_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool hadOld_ = false;
  std::string old_;
};

double TrueNow() { return static_cast<double>(time(nullptr)) / 86400.0 + 2440587.5; }

TEST(Clock, StandardTimeOffset) {
  {
    WithZone z("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(_get_timezone(), 18000);  // whatever the season
    EXPECT_EQ(TimezoneMinutesEast(), -300);
  }
  {
    WithZone z("<+0530>-5:30");
    EXPECT_EQ(TimezoneMinutesEast(), 330);
  }
  {
    WithZone z("<+0001>-0:01:30");
    EXPECT_EQ(_get_timezone(), -90);
    EXPECT_EQ(TimezoneMinutesEast(), 2);
  }
}

TEST(Clock, PresentMomentInSeveralZones) {
  for (const char* zone : {"UTC0", "<+08>-8", "EST5EDT,M3.2.0,M11.1.0", "<-0330>3:30"}) {
    WithZone z(zone);
    const double before = TrueNow();
    const double now = CurrentAJD();
    const double after = TrueNow();
    EXPECT_GE(now, before - 1e-6) << zone;
    EXPECT_LE(now, after + 1e-6) << zone;
    const int32_t today = TodayJDN();
    const int16_t east = TimezoneMinutesEast();
    // Outside daylight saving the local day is that of the instant moved by the zone offset.
    const int32_t local = static_cast<int32_t>(std::floor(now + 0.5 + east / 1440.0 + 1e-9));
    if (std::string(zone).find("EDT") == std::string::npos) {
      EXPECT_EQ(today, local) << zone;
    }
  }
}

TEST(Clock, PresentMomentWhileDaylightSavingIsOn) {
  // Standard time is UT, daylight saving (one hour ahead) is on all year.
  WithZone z("<STD>0<DST>-1,0/0,J365/25");
  const time_t t = time(nullptr);
  struct tm local {};
  ASSERT_NE(localtime_r(&t, &local), nullptr);
  if (local.tm_isdst <= 0) GTEST_SKIP() << "C library does not apply the all-year rule";
  EXPECT_EQ(TimezoneMinutesEast(), 0);
  // The instant is the true present, not one hour ahead of it.
  const double before = TrueNow();
  const double now = CurrentAJD();
  EXPECT_GE(now, before - 1e-6);
  EXPECT_LE(now, TrueNow() + 1e-6);
}

}  // namespace
}  // namespace tavro
