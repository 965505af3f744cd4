// The date entry: ParseDate with every calendar choice, time text, zone,
// country, longitude, epoch and answer to the "Calendar?" question.
// Input: 5 option bytes, then "time\nplus-minus days\nentry".
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_main_window.h"

using tavro::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tavro::fuzz::MainWindow window;
  tavro::FrmMain& f = window.f;
  if (size < 5) return 0;
  const int calendar = data[0] % 9;  // the window only ever holds one of the nine
  const int zone = data[1] % 3 - 1;
  const int country = data[2] % 3;
  const bool otherEpoch = data[3] & 1, meanSun = data[3] & 2, yes = data[3] & 4;
  const int longitude = data[4] % 46;
  std::string rest(reinterpret_cast<const char*>(data) + 5, size - 5);
  const size_t a = rest.find('\n');
  const size_t b = a == std::string::npos ? a : rest.find('\n', a + 1);
  const std::string time = rest.substr(0, a);
  const std::string plusMinus = a == std::string::npos ? "" : rest.substr(a + 1, b == std::string::npos ? b : b - a - 1);
  const std::string entry = b == std::string::npos ? "" : rest.substr(b + 1);

  // Option changes redisplay the window: only when they differ.
  if (f.cboRefLong.index != country) {
    f.cboRefLong.index = country;
    f.cboRefLong_Click();
  }
  if (f.cboLongitude.index != longitude) {
    f.cboLongitude.index = longitude;
    f.cboLongitude_Click();
  }
  if (f.cboEpoch.index != (otherEpoch ? 1 : 0)) {
    f.cboEpoch.index = otherEpoch ? 1 : 0;
    f.cboEpoch_Click();
  }
  if (f.cboMethod.index != (meanSun ? 1 : 0)) {
    f.cboMethod.index = meanSun ? 1 : 0;
    f.cboMethod_Click();
  }
  window.platform.ask = [yes](tavro::ui::Question, const std::string&) {
    return yes ? tavro::ui::Answer::Yes : tavro::ui::Answer::No;
  };
  f.intCalendar = calendar;
  f.txbTime.text = time;
  f.cboTimeZone.index = zone;
  f.txbPlusMinus.text = plusMinus;

  const tavro::FrmMain::Parsed p = f.ParseDate(entry);
  Require(p.error >= 0 && p.error <= 15, "an entry error code is 0..15");
  if (p.error == 0) {
    Require(std::isfinite(p.ajd), "a parsed moment is a finite number");
    Require(f.intCalendar >= 0 && f.intCalendar <= 8, "a parsed entry names one of the nine calendars");
    f.CheckRange(p.ajd);
  }
  window.messages.str("");
  return 0;
}
