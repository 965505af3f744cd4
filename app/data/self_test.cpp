// The conversion self-test: Chinese Solar and Lunar dates converted to day
// numbers and back must come back unchanged.
#include <chrono>
#include <cmath>
#include <random>

#include "app/data/data_text.h"
#include "app/data/frm_data.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

// Uniform numbers in [0, 1) from a generator whose sequence the standard
// fixes, so that a given seed repeats a run on any machine.
class Uniform {
 public:
  explicit Uniform(uint64_t seed) : gen_(seed) {}
  double Next() { return static_cast<double>(gen_() >> 11) * 0x1.0p-53; }
  int32_t Draw(int span, int offset) { return static_cast<int32_t>(std::floor(Next() * span)) + offset; }

 private:
  std::mt19937_64 gen_;
};

}  // namespace

void FrmData::DoTest() {
  if (running) return;
  testResult = {};
  TakeMainInputs();
  const Settings& s = inputs.settings;
  intWindow = kWindowTest;
  SizeWindow();
  ShowTermBoxes(false);
  cmdList.visible = txbNumYears.visible = lblYears.visible = false;
  chkLeapMonthsOnly.visible = chkOmitInvalidDates.visible = false;
  txbStart.visible = txbEnd.visible = cmdStop.visible = true;
  caption = "Test";
  caption = "Second test";
  Show();
  // A mismatch or Stop of an earlier run must not end this one at once.
  blnStop = false;
  platform_.Refresh();

  if (txbStart.text.empty()) {
    const uint64_t clockSeed =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Uniform r(useSeed ? seed : clockSeed);
    txbText.text = std::string("Doing 1000 random solar,lunar -> JDN -> solar,lunar") + kCrLf;
    selStart = selLength = 0;
    busyPointer = true;
    BeginLongRun();
    for (int i = 1; i <= 1000; ++i) {
      ProcessEvents();
      if (blnStop) break;
      ChsDate chs;
      ChlDate chl;
      chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
      chs.cycle = chl.cycle = r.Draw(200, -10);
      chs.position = chl.position = r.Draw(64, -2);
      chs.term = r.Draw(28, -2);
      chl.month = r.Draw(15, -2);
      chl.leap = r.Next() < 0.1 ? 1 : 0;
      chs.day = r.Draw(18, -2);
      chl.day = r.Draw(34, -2);
      TestDatePair(chs, chl);
    }
    EndLongRun();
    busyPointer = false;
    caretAtEnd = true;
    cmdStop.visible = false;  // nothing runs that it could stop
    return;
  }

  DataParseResult p;
  if (parseDate) {
    p = parseDate(txbStart.text);
  } else {
    p.error = 1;  // no date entry to read the text with
  }
  if (p.error != 0) {
    testResult.entryError = p.error;
    Append("Error code =" + Spaced(p.error) + kCrLf);
    return;
  }
  const RangeCheck range = CheckRange(p.ajd);
  if (range.code != 0) {
    testResult.outOfRange = true;
    platform_.MessageBox(range.message, range.title, ui::Icon::Warning, ui::Buttons::Ok);
    return;
  }
  ChsDate chs;
  ChlDate chl;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  static_cast<void>(CJDateToChDates(ToCJDC(p.ajd, s.referenceLongitude), s, chs, chl));  // checked just above
  TestDatePair(chs, chl);
}

void FrmData::TestDatePair(ChsDate& chs, ChlDate& chl) {
  const Settings& s = inputs.settings;
  std::string out;

  if (!ChSDateToJDN(chs, s)) {
    out += "0";
  } else {
    const int32_t d = chs.jdn;
    ChsDate back;
    ChlDate unused;
    back.epoch = unused.epoch = static_cast<int16_t>(s.epoch);
    const bool converted = CJDateToChDates(static_cast<double>(d), s, back, unused);
    if (converted && back.cycle == chs.cycle && back.position == chs.position && back.term == chs.term && back.day == chs.day) {
      out += "1";
    } else {
      out += kCrLf + ChsDateText(chs, false) + " ->" + Spaced(d) + " but" + kCrLf + Spaced(back.jdn) + " -> " +
             ChsDateText(back, false) + kCrLf;
      blnStop = true;
      ++testResult.mismatches;
    }
  }

  if (ChLDateToJDN(chl, s) != kChlOk) {
    out += "0";
  } else {
    const int32_t d = chl.jdn;
    ChsDate noSolar;
    noSolar.valid = kNoSolarDate;
    ChlDate back;
    back.epoch = static_cast<int16_t>(s.epoch);
    const bool converted = CJDateToChDates(static_cast<double>(d), s, noSolar, back);
    if (converted && back.cycle == chl.cycle && back.position == chl.position && back.month == chl.month &&
        back.leap == chl.leap && back.day == chl.day) {
      out += "1";
    } else {
      out += kCrLf + ChlDateText(chl, "CHL") + " ->" + Spaced(d) + " but" + kCrLf + Spaced(back.jdn) + " -> " +
             ChlDateText(back, "CHL") + kCrLf;
      blnStop = true;
      ++testResult.mismatches;
    }
  }
  Append(out);
}

}  // namespace tavro
