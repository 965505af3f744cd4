// The saved-state file: any text given to RestoreStateFromText. A state that
// restores is saved and restored again unchanged.
#include <cstdint>
#include <string>

#include "fuzz_main_window.h"

using tavro::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tavro::fuzz::MainWindow window;
  tavro::FrmMain& f = window.f;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (f.RestoreStateFromText(text, false)) {
    const std::string saved = f.StateText();
    Require(f.RestoreStateFromText(saved, false), "a saved state restores");
    Require(f.StateText() == saved, "saving a restored state gives the same file");
  }
  Require(f.cboRefLong.index >= 0 && f.cboRefLong.index <= 2, "the country stays one of the three");
  Require(f.dblCurrentAJDate >= 625333.0 && f.dblCurrentAJDate <= 2816788.0, "the moment stays in range");
  window.messages.str("");
  return 0;
}
