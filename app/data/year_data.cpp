// The year data: every dark moon of three sui with its month label, optionally
// interleaved with the solar terms, and the length of every sui and nian.
#include <cmath>

#include "app/data/data_text.h"
#include "app/data/frm_data.h"
#include "app/main/text_util.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/chinese_date.h"
#include "core/chinese/lunar_year_cache.h"
#include "core/chinese/names.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

// A sui or nian counter: a cycle position and the months counted since the
// counter last advanced.
struct YearCounter {
  int32_t cycle = 0, position = 0;
  int months = -100;

  void Advance() {
    if (++position > 60) {
      position = 1;
      ++cycle;
    }
  }
  std::string Name() const { return Spaced(cycle) + "-" + Plain(position); }
};

const char* SuiSummary(int months) {
  switch (months) {
    case 11: return " was a short sui, with 11 months.";
    case 12: return " was a normal sui, with 12 months.";
    case 13: return " was a long sui, with 13 months.";
    default: return nullptr;
  }
}

const char* NianSummary(int months) {
  switch (months) {
    case 11: return " was a short nian, with 11 months.";
    case 12: return " was a normal nian, with 12 months.";
    case 13: return " was a long nian, with 13 months.";
    default: return nullptr;
  }
}

}  // namespace

void FrmData::DisplayYearData() {
  if (running) return;
  TakeMainInputs();
  const Settings& s = inputs.settings;
  const int L = s.referenceLongitude;
  const std::string cal = Cal();
  const bool julian = cal == "JC";

  intWindow = kWindowYearData;
  SizeWindow();
  ShowTermBoxes(true);
  ShowListInputs(false);
  cmdStop.visible = false;
  txbStart.visible = txbEnd.visible = false;
  txbText.text.clear();
  selStart = selLength = 0;
  cmdCopyToClipboard.caption = "Copy to clipboard";
  Show();

  const double cjdc = ToCJDC(inputs.ajd, L);
  const int32_t b = SuiYearOf(std::floor(cjdc), L);
  caption = "Dates, times and CJDs of dark moons and solar terms";

  const bool major = chkIncludeMajorSolarTerms.value == 1;
  const bool minor = chkIncludeMinorSolarTerms.value == 1;
  const bool names = chkDisplaySolarTermNames.value == 1;
  const bool anyTerms = major || minor;

  std::string head = std::string("Dates, times and chronological Julian dates of dark moons") + kCrLf;
  if (anyTerms) head += "and solar terms ";
  head += "for 3 solar years beginning" + Spaced(CycleOfYear(b - 1, s.epoch)) + "-" + Plain(PositionOfYear(b - 1)) +
          " (" + Plain(b - 1) + " " + cal + ")," + kCrLf;
  head += EpochMethodLower() + ".  " + "Times are " + inputs.zone + " times," + kCrLf;
  head += "which assume longitude" + Spaced(L) + kDegree + " E (" + CountryName() + ") as reference meridian." + kCrLf;
  txbText.text = head;
  platform_.Refresh();

  YearCounter sui;
  sui.position = PositionOfYear(b - 1) - 1;
  sui.cycle = CycleOfYear(b - 1, s.epoch);
  if (sui.position == 0) {
    sui.position = 60;
    --sui.cycle;
  }
  YearCounter nian = sui;

  const auto tables = LunarYearAt(cjdc, L);
  const LunarYearTables& t = *tables;
  // The listing holds the months of its three sui. When the December solstice
  // that opens them falls on the day of the second dark moon of the tables,
  // the first month belongs to the sui before and has no label: skip it.
  int first = 0;
  while (first + 1 < t.DarkMoonCount && t.MonthLabels[first].empty()) ++first;
  int k = 0;
  while (k < kSolarTermCount && t.SolarTermDays[k] < t.DarkMoonDays[first]) ++k;

  // Each dark moon or term line: padded date, calendar, time, zone, CJDC.
  auto timeLine = [&](int32_t day, double cjd) {
    return PaddedDayText(day, julian) + " " + cal + " " + TimeOfDayText(cjd - day, false) + " " + inputs.zone +
           "  " + GroupedNumber(cjd, 4);
  };

  std::string text;
  for (int m = first; m < t.DarkMoonCount; ++m) {
    const std::string& label = t.MonthLabels[m];
    if (label == kStopHere) break;

    // Close the sui or nian that ends here.
    if (label == "11" || label == "01") {
      YearCounter& c = label == "11" ? sui : nian;
      const char* summary = label == "11" ? SuiSummary(c.months) : NianSummary(c.months);
      if (summary) text += (label == "11" ? "Sui" : "Nian") + c.Name() + summary + kCrLf;
      text += kCrLf;
      c.months = 0;
    }

    // Month heading.
    if (anyTerms) text += "---------- ";
    if (label == "11") {
      sui.Advance();
      text += "Sui" + sui.Name();
    } else if (label == "01") {
      nian.Advance();
      text += "Nian " + nian.Name();
    }
    if (label == "11" || label == "01" || anyTerms) text += kCrLf;

    // The dark moon that begins the month.
    text += timeLine(t.DarkMoonDays[m], t.DarkMoonCJD[m]) + "  LN" + Spaced(t.FirstLunation + m) + " " + "M" + label +
            " (" + Plain(t.MajorTermCount[m]) + " zq)" + kCrLf;
    ++sui.months;
    ++nian.months;

    // The solar terms whose day lies in the month.
    const int32_t nextStart = m + 1 < kDarkMoonCapacity ? t.DarkMoonDays[m + 1] : t.DarkMoonDays[m];
    while (k < kSolarTermCount && t.SolarTermDays[k] >= t.DarkMoonDays[m] && t.SolarTermDays[k] < nextStart) {
      if ((k % 2 == 0 && major) || (k % 2 == 1 && minor)) {
        const int i = k % 24;
        text += timeLine(t.SolarTermDays[k], t.SolarTermCJD[k]) + "  ST" + Spaced(i + 1) + " " + SolarTermCodes[i];
        if (names) text += " " + SolarTermPinyin[i] + " (" + SolarTermEnglish[i] + ")";
        text += kCrLf;
      }
      ++k;
    }
  }
  text += "Sui" + sui.Name();
  if (const char* summary = SuiSummary(sui.months)) text += std::string(summary) + kCrLf;
  Append(text);
  focus = "cmdClose";
}

}  // namespace tavro
