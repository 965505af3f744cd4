#include "core/chinese/lunar_year.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/astro/engine/engine.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {


void BuildTrueSunTerms(LunarYearTables& t) {
  const int L = t.longitude;
  const int32_t b = t.anchorYear;
  auto& cp = t.CardinalPoints;
  cp[0] = DecemberSolsticeCJDC(b - 2, L);
  for (int k = 0; k < 3; ++k) {
    const int32_t y = b - 1 + k;
    cp[1 + 4 * k] = MarchEquinoxCJDC(y, L);
    cp[2 + 4 * k] = JuneSolsticeCJDC(y, L);
    cp[3 + 4 * k] = SeptemberEquinoxCJDC(y, L);
    cp[4 + 4 * k] = DecemberSolsticeCJDC(y, L);
  }
  cp[13] = MarchEquinoxCJDC(b + 2, L);

  // The engine finds each quarter's terms from the quarter point back in TT
  // (it only needs a point near the start). Every term it gives goes to UT by
  // the delta T of its own instant (UTOfTT), not of the table's or the
  // quarter's year: the same term then has one time in the tables of every
  // year and in any listing, also for the terms of January, whose year is not
  // that of the December solstice before them.
  for (int m = 0; m <= 12; ++m) {
    const int32_t year = b - 2 + (m + 3) / 4;
    const int32_t nextYear = b - 2 + (m + 4) / 4;
    const double t0 = FromCJDC(cp[m], L) + DeltaTMinutes(year) / 1440.0;
    const double t1 = FromCJDC(cp[m + 1], L) + DeltaTMinutes(nextYear) / 1440.0;
    double out[6];
    _solar_terms_true_sun(t0, t1, out);
    for (int j = 0; j < 6; ++j) t.SolarTermCJD[6 * m + j] = ToCJDC(UTOfTT(out[j]), L);
  }
  t.SolarTermCJD[78] = cp[13];
}

void BuildMeanSunTerms(LunarYearTables& t) {
  auto& cp = t.CardinalPoints;
  for (int k = 0; k <= 4; ++k) cp[k] = DecemberSolsticeCJDC(t.anchorYear - 2 + k, t.longitude);
  // Each solar year between December solstices is cut into 24 equal parts.
  for (int f = 0; f <= 3; ++f) {
    const double p = cp[f], n = cp[f + 1];
    for (int i = 0; i < 24 && 24 * f + i < kSolarTermCount; ++i)
      t.SolarTermCJD[24 * f + i] = p + (n - p) * i / 24;
  }
}

}  // namespace

int32_t SuiYearOf(double cjd, int longitude) {
  const int32_t d = FloorDay(cjd);
  const int32_t y = GregorianYearOf(d);
  const int32_t w = FloorDay(DecemberSolsticeCJDC(y, longitude));
  return d < w ? y : y + 1;
}

void BuildSolarTerms(LunarYearTables& t, double cjd, int longitude, int method) {
  t.longitude = longitude;
  t.method = method == 1 ? 1 : 0;
  t.anchorYear = SuiYearOf(cjd, longitude);
  if (t.method == 1)
    BuildMeanSunTerms(t);
  else
    BuildTrueSunTerms(t);
  for (int i = 0; i < kSolarTermCount; ++i) t.SolarTermDays[i] = FloorDay(t.SolarTermCJD[i]);
}

void BuildDarkMoons(LunarYearTables& t) {
  const int L = t.longitude;
  t.FirstLunation = LunationContaining(FromCJDC(t.SolarTermCJD[0], L));
  const int32_t last = t.SolarTermDays[78] + 40;
  int count = 0;
  // The span (about 40 months) always fits; the capacity check only guards
  // the array.
  for (int32_t n = t.FirstLunation; count < kDarkMoonCapacity; ++n) {
    const double cjd = ToCJDC(SyzygyUT(n, 0), L);
    const int32_t d = FloorDay(cjd);
    if (d > last) break;
    t.DarkMoonCJD[count] = cjd;
    t.DarkMoonDays[count] = d;
    ++count;
  }
  t.DarkMoonCount = static_cast<int16_t>(count);
}

void LabelMonths(LunarYearTables& t) {
  const int count = t.DarkMoonCount;
  t.MonthLabels.fill(std::string());
  t.MajorTermCount.fill(0);

  // Major terms per month, on whole days: a term on the first day of a month
  // belongs to that month.
  for (int k = 0; k + 1 < count; ++k) {
    for (int i = 0; i <= 76; i += 2) {
      if (t.SolarTermDays[i] >= t.DarkMoonDays[k + 1]) break;
      if (t.SolarTermDays[i] >= t.DarkMoonDays[k]) {
        ++t.MajorTermCount[k];
        if (i % 24 == 0) t.MonthLabels[k] = kStartOfSui;
      }
    }
  }

  // Month 0 holds the December solstice of b - 2 unless that solstice falls
  // on the day of the second dark moon; then month 1 holds it and the walk
  // starts there. Month 0 then belongs to the sui ending in b - 2, which no
  // reader of these tables needs, and keeps an empty label.
  int off = 0;
  if (t.MonthLabels[0] != kStartOfSui && count > 1 && t.MonthLabels[1] == kStartOfSui) off = 1;

  while (off < count) {
    int m = 1;
    while (off + m < count && t.MonthLabels[off + m] != kStartOfSui) ++m;
    if (off + m >= count || (m != 12 && m != 13)) {
      // Between two solstice months there are always 12 or 13 months; any
      // other count means the span ran out.
      t.MonthLabels[off] = kStopHere;
      return;
    }
    if (m == 12) {
      for (int k = 0; k < 12; ++k) t.MonthLabels[off + k] = MonthLabel((k + 10) % 12 + 1, false);
    } else {
      for (int k = 0; k < 13; ++k) {
        if (t.MajorTermCount[off + k] == 0) {
          t.MonthLabels[off + k] = kLeapMonth;
          break;
        }
      }
      int r = 11;
      for (int l = 0; l < 13; ++l) {
        std::string& label = t.MonthLabels[off + l];
        if (label == kLeapMonth) {
          if (l == 0) {
            label = MonthLabel(10, true);
          } else {
            int32_t before = 0;
            bool beforeLeap = false;
            // The table's own labels always read.
            static_cast<void>(ParseMonthLabel(t.MonthLabels[off + l - 1], before, beforeLeap));
            label = MonthLabel(before, true);
          }
        } else {
          label = MonthLabel((r - 1) % 12 + 1, false);
          ++r;
        }
      }
    }
    off += m;
  }
}

LunarYearTables BuildLunarYear(double cjd, int longitude) {
  LunarYearTables t;
  BuildSolarTerms(t, cjd, longitude, 0);
  BuildDarkMoons(t);
  LabelMonths(t);
  return t;
}

std::string MonthLabel(int32_t month, bool leap) {
  char buf[16];
  std::snprintf(buf, sizeof buf, leap ? "%d*" : "%02d", month);
  return buf;
}

bool ParseMonthLabel(const std::string& label, int32_t& month, bool& leap) {
  const size_t n = label.size();
  if (n < 1 || n > 3) return false;
  int32_t v = 0;
  size_t i = 0;
  for (; i < n && label[i] >= '0' && label[i] <= '9'; ++i) v = v * 10 + (label[i] - '0');
  if (i == 0) return false;
  const bool star = i + 1 == n && label[i] == '*';
  if (i != n && !star) return false;
  month = v;
  leap = star;
  return true;
}

int MonthIndexOfDay(const LunarYearTables& t, int32_t day) {
  const int count = t.DarkMoonCount;
  if (count < 2 || day < t.DarkMoonDays[0] || day >= t.DarkMoonDays[count - 1]) return -1;
  // The last entry that starts on or before `day`.
  const auto* first = t.DarkMoonDays.data();
  const auto* it = std::upper_bound(first, first + count, day);
  return static_cast<int>(it - first) - 1;
}

}  // namespace tavro
