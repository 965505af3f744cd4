// A main window started headless from the program's own data files, once per
// fuzz process: what the entry and state-file targets feed.
#pragma once

#include <cstdlib>
#include <cstdio>
#include <sstream>

#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"

namespace tavro::fuzz {

struct MainWindow {
  std::ostringstream messages;
  ui::HeadlessPlatform platform{messages, TAVRO_ASSETS};
  FrmMain f{platform};

  MainWindow() {
    if (!f.Form_Load()) {
      std::fprintf(stderr, "cannot start the main window: %s\n", messages.str().c_str());
      std::abort();
    }
    messages.str("");
  }
};

// A property the code promises, checked where a sanitizer would not see it.
inline void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace tavro::fuzz
