// The three lists: lunar new years and anniversaries, month starts and leap
// months, and the lunar dates of Julian and CE new years.
#include <cmath>
#include <exception>

#include "app/data/data_text.h"
#include "app/data/frm_data.h"
#include "app/data/nian_stats.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/chinese/names.h"
#include "core/chinese/stepping.h"
#include "core/time/program_text.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

int DefaultYears(int window, bool leapMonthsOnly) {
  switch (window) {
    case kWindowNewYears: return 20;
    case kWindowMonthStarts: return leapMonthsOnly ? 30 : 3;
    default: return 20;
  }
}

// The years the lists reach: those of the admissible range. The conversions
// refuse years much beyond it, which would only give a flood of errors.
constexpr int32_t kFirstListYear = -3000;
constexpr int32_t kLastListYear = 3000;
bool InListRange(int64_t year) { return year >= kFirstListYear && year <= kLastListYear; }
constexpr const char* kBeyondRange = "Years beyond the admissible range (-3000 to 3000 CE) are not listed.";

}  // namespace

void FrmData::cmdList_Click() {
  const int kind = intWindow;
  if (running) return;
  if (kind != kWindowNewYears && kind != kWindowMonthStarts && kind != kWindowJcCeNewYears) return;
  TakeMainInputs();

  int n = numYears[kind];
  if (!txbNumYears.text.empty()) n = ReadYearCount(txbNumYears.text);
  if (n <= 0) n = DefaultYears(kind, chkLeapMonthsOnly.value == 1);
  numYears[kind] = n;
  txbNumYears.text = std::to_string(n);

  ShowTermBoxes(false);
  txbNumYears.visible = lblYears.visible = cmdList.visible = true;
  cmdStop.visible = false;
  txbStart.visible = txbEnd.visible = false;
  txbText.text.clear();
  selStart = selLength = 0;
  caretAtEnd = false;
  cmdCopyToClipboard.caption = "Copy to clipboard";
  cmdClose.caption = "Close";
  blnStop = false;

  caption = kind == kWindowNewYears      ? "Lunar new years & anniversaries"
            : kind == kWindowMonthStarts ? "Lunar month starts & leap months"
                                         : "Julian and CE new years";
  SizeWindow();
  Show();
  BeginLongRun();
  if (kind == kWindowNewYears)
    ListLunarNewYears(n);
  else if (kind == kWindowMonthStarts)
    ListLeapMonths(n);
  else
    ListJCCENewYears(n);
  EndLongRun();
}

void FrmData::ListLunarNewYears(int n) {
  const Settings& s = inputs.settings;
  const std::string cal = Cal();
  const bool julian = cal == "JC";
  chkOmitInvalidDates.visible = true;
  chkLeapMonthsOnly.visible = false;

  // The lunar date the main window shows.
  ChsDate noSolar;
  noSolar.valid = kNoSolarDate;
  ChlDate start;
  if (!CJDateToChDates(ToCJDC(inputs.ajd, s.referenceLongitude), s, noSolar, start)) {
    platform_.MessageBox("Lunar date is invalid.", ui::kProgramTitle, ui::Icon::None, ui::Buttons::Ok);
    return;
  }
  start.epoch = static_cast<int16_t>(s.epoch);
  const bool newYearForm = start.day == 1 && start.month == 1 && start.leap == 0;

  std::string head;
  if (newYearForm)
    head = "Lunar New Year's Day ";
  else
    head = CountryNames[3 + static_cast<int>(CountryOfIndex(inputs.country))] +
           " Lunar Calendar anniversaries" + kCrLf;
  head += std::string("with corresponding European date and JDN") + kCrLf + "(" + EpochMethodLower() +
          ", longitude " + Plain(s.referenceLongitude) + kDegree + " E, " + CountryName() + ")";
  if (newYearForm) head += std::string(kCrLf) + "plus number of months, J1's and Z1's in the nian";
  head += std::string(":") + kCrLf;
  txbText.text = head;

  if (n > 30) {
    lblYears.caption = "years     ";
    busyPointer = true;
    cmdClose.caption = "Stop";
  }

  bool beyond = false;
  try {
    ChlDate rec = start;
    for (int count = 0; count < n;) {
      if (!InListRange(YearOfCyclePosition64(rec.cycle, rec.position, s.epoch))) {
        beyond = true;
        break;
      }
      std::string line;
      bool yearDone = true;
      if (ChLDateToJDN(rec, s) != kChlOk) {
        if (chkOmitInvalidDates.value != 1) line = ChlDateText(rec, "CHL") + " is invalid" + kCrLf;
        if (rec.day == 30) {
          rec.day = 29;
          yearDone = false;
        } else if (rec.leap) {
          rec.leap = 0;
          if (start.day == 30) rec.day = 30;
          yearDone = false;
        } else {
          line += std::string("Anomaly") + kCrLf;
        }
      } else {
        line = ChlDateText(rec, "CHL") + " = " + DayText(rec.jdn, julian) + " " + cal + " = " + Spaced(rec.jdn) +
               " JDN";
        if (newYearForm) {
          const NianStats st = NianStatistics(rec, s.referenceLongitude);
          line += ' ';
          line += Plain(st.months) + "m J1:" + Plain(st.j1) + " Z1:" + Plain(st.z1);
        } else {
          line += ' ';
          line += Spaced(count);
        }
        line += kCrLf;
      }
      Append(line);
      if (!yearDone) continue;  // the same year again, with the adjusted date
      ProcessEvents();
      if (blnStop) break;
      ++count;
      StepCyclePosition(rec, true);
      rec.day = start.day;
      rec.month = start.month;
      rec.leap = start.leap;
    }
  } catch (const std::exception& e) {
    platform_.MessageBox(e.what(), ProgramText(19), ui::Icon::Error, ui::Buttons::Ok);
  }
  if (beyond) platform_.MessageBox(kBeyondRange, caption, ui::Icon::Information, ui::Buttons::Ok);

  lblYears.caption = ProgramText(17);
  busyPointer = false;
  cmdClose.caption = ProgramText(18);
  focus = "cmdClose";
}

void FrmData::ListLeapMonths(int n) {
  const Settings& s = inputs.settings;
  const std::string cal = Cal();
  const bool julian = cal == "JC";
  const bool leapOnly = chkLeapMonthsOnly.value == 1;
  chkLeapMonthsOnly.visible = true;
  chkOmitInvalidDates.visible = false;

  // The current CE year as the main window shows it (the London day).
  const int32_t y0 = YearOfDay(FloorDay(inputs.ajd + 0.5), false);
  const int32_t first = y0 - n / 2 + (n % 2 == 0 ? 1 : 0);
  const std::string years = "for " + txbNumYears.text + " year" + (n > 1 ? "s" : "") + " from " + Plain(first) + " " + cal;

  std::string head;
  if (leapOnly)
    head = std::string("Leap months with corresponding date CE and Julian day number") + kCrLf + years + " (" +
           EpochMethodLower() + "," + kCrLf;
  else
    head = std::string("Starts of all months with corresponding date CE") + kCrLf + "and Julian day number " + years +
           kCrLf + "(" + EpochMethodLower() + ", ";
  head += "longitude" + Spaced(s.referenceLongitude) + kDegree + " E, " + CountryName() + "):" + kCrLf;
  txbText.text = head;

  const bool longList = n > 10;
  if (longList) {
    chkLeapMonthsOnly.visible = false;
    lblYears.caption = "years     Calculating ...";
    cmdClose.caption = "Stop";
  }

  bool beyond = false;
  try {
    for (int32_t y = first; y < first + n; ++y) {
      if (!InListRange(y)) {
        beyond = true;
        if (y < kFirstListYear) continue;
        break;
      }
      if (longList) busyPointer = true;
      ChlDate rec;
      rec.epoch = static_cast<int16_t>(s.epoch);
      rec.cycle = CycleOfYear(y, s.epoch);
      rec.position = PositionOfYear(y);
      std::string lines;
      for (int m = 1; m <= 12; ++m) {
        for (int leap = leapOnly ? 1 : 0; leap <= 1; ++leap) {
          rec.month = m;
          rec.leap = leap;
          rec.day = 1;
          const int16_t r = ChLDateToJDN(rec, s);
          if (r == kChlOk) {
            std::string line = ChlDateText(rec, "CHL");
            if (line.size() < 15) line += " ";
            line += " =  " + DayText(rec.jdn, julian) + " " + cal + " = " + Spaced(rec.jdn) + " JDN";
            ChlDate last = rec;
            last.day = 30;
            line += ChLDateToJDN(last, s) == kChlOk ? "  30 days" : "  29 days";
            // Leap months 10* to 12* are one character longer; the others
            // are widened so that the columns align.
            if (!(leap == 1 && m >= 10)) {
              const size_t at = line.find("CHL");
              if (at != std::string::npos) line.replace(at, 3, " CHL");
            }
            lines += line + kCrLf;
          } else if (r != kChlNoSuchMonth) {
            platform_.MessageBox("intM =" + Spaced(m) + "  Error code =" + Spaced(r), ui::kProgramTitle,
                                 ui::Icon::None, ui::Buttons::Ok);
          }
        }
      }
      Append(lines);
      busyPointer = false;
      ProcessEvents();
      if (blnStop) break;
    }
  } catch (const std::exception& e) {
    platform_.MessageBox(e.what(), ProgramText(19), ui::Icon::Warning, ui::Buttons::Ok);
  }
  if (beyond) platform_.MessageBox(kBeyondRange, caption, ui::Icon::Information, ui::Buttons::Ok);

  lblYears.caption = ProgramText(17);
  chkLeapMonthsOnly.visible = true;
  busyPointer = false;
  cmdClose.caption = ProgramText(18);
  focus = "cmdClose";
}

void FrmData::ListJCCENewYears(int n) {
  const Settings& s = inputs.settings;
  const std::string cal = Cal();
  const bool julian = cal == "JC";
  chkLeapMonthsOnly.visible = chkOmitInvalidDates.visible = false;

  int32_t year = YearOfDay(FloorDay(inputs.ajd + 0.5), julian);
  txbText.text = std::string("Lunar calendar dates of New Years Day in the ") +
                 (julian ? "Julian Calendar" : "Common Era Calendar") + kCrLf + "(" + EpochMethodLower() +
                 ", longitude " + Plain(s.referenceLongitude) + kDegree + " E, " + CountryName() + ")" + kCrLf;
  size_t chars = CharCount(txbText.text);

  std::string block;
  auto flush = [&] {
    Append(block);
    chars += CharCount(block);
    block.clear();
    caretAtEnd = true;
  };
  bool beyond = false;
  for (int count = 0; count < n; ++count) {
    if (!InListRange(year)) {
      beyond = true;
      break;
    }
    const int32_t d = NewYearsDay(year, julian);
    ChsDate noSolar;
    noSolar.valid = kNoSolarDate;
    ChlDate chl;
    chl.epoch = static_cast<int16_t>(s.epoch);
    static_cast<void>(CJDateToChDates(static_cast<double>(d), s, noSolar, chl));  // years of the listed range
    block += Plain(year) + "-01-01 " + (julian ? "JC = " : "CE = ") + ChlDateText(chl, "CHL") + kCrLf +
             ChlCycleText(chl, s) + kCrLf;
    if ((count + 1) % 10 == 0) flush();
    ++year;
    ProcessEvents();
    if (platform_.QuitRequested()) break;
    if (chars >= kOutputWindowLimit) {
      platform_.MessageBox("Output window is full.", caption, ui::Icon::None, ui::Buttons::Ok);
      break;
    }
  }
  flush();
  if (beyond) platform_.MessageBox(kBeyondRange, caption, ui::Icon::Information, ui::Buttons::Ok);
}

}  // namespace tavro
