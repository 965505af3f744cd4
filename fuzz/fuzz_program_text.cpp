// The program-text file: any bytes as the contents of tavro.dat.
#include <cstdint>
#include <string_view>

#include "core/time/program_text.h"
#include "fuzz_main_window.h"

using tavro::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavro::ProgramTexts texts;
  const int32_t status = texts.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (status >= 1) {
    Require(texts.size() == static_cast<size_t>(status), "the status counts the texts loaded");
    for (int n : {0, 1, 10, 32767}) (void)texts.Text(n);
  } else {
    Require(texts.size() == 0, "a failed load holds no texts");
    Require(!tavro::ProgramTextStatusMessage(status, "/x/tavro.dat").empty(), "every failure has a message");
  }
  return 0;
}
