// Shared set-up of the data window tests: the program texts, a fake platform
// and a window on a fixed moment.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/data/frm_data.h"
#include "app/ui/fake_platform.h"
#include "core/time/euro_date.h"
#include "core/time/program_text.h"

namespace tavro::testing_data {

// AJD of 12:00 GMT on a Gregorian date.
inline double NoonAJD(int year, int month, int day) { return GregorianJDN(year, month, day); }

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      if (start < text.size()) out.push_back(text.substr(start));
      break;
    }
    out.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

class DataWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(LoadProgramTexts(".").ok()); }

  ui::FakePlatform platform;
  FrmData data{platform};

  void At(double ajd) { data.inputs.ajd = ajd; }
};

}  // namespace tavro::testing_data
