// The data window without a display, for the command line: a main window
// started headless with the options and the moment a command gives, and the
// window's text as printed output.
#pragma once


#include <functional>
#include <iosfwd>
#include <memory>
#include <sstream>
#include <string>

#include "app/data/frm_data.h"
#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/options.h"

namespace tavro::cli {

// Options every data command takes; empty strings mean "as the program starts".
struct HeadlessDataOptions {
  // A date as typed into the main window (a bare year-month-day is CE);
  // empty = now.
  std::string entry;
  SettingOptions settings;
  bool julian = false;  // dates in the Julian Calendar
};

class HeadlessData {
 public:
  explicit HeadlessData(const std::string& programFolder);

  // Starts the main window and applies the options. False with `error` set
  // when the program cannot start or an option or the entry is refused; the
  // messages the windows showed are in `error` then.
  bool Start(const HeadlessDataOptions& o, std::string& error);

  FrmMain& main() { return *main_; }
  FrmData& data() { return *data_; }
  // Messages the windows showed since the last call.
  std::string TakeMessages();

 private:
  std::ostringstream messages_;
  ui::HeadlessPlatform platform_;
  std::unique_ptr<FrmMain> main_;
  std::unique_ptr<FrmData> data_;
};

// The window's text with CR LF line ends made LF (or kept with `crlf`), ending
// in one line end.
std::string PrintedText(const std::string& windowText, bool crlf);

// What a data command does once its arguments are read: starts the windows
// with `o` ("<command>: <why>" on stderr and status 2 when refused), lets
// `act` set the data window and press its button, then prints the window's
// text and the messages shown. The exit status is what `status` makes of the
// text, 0 without it.
int RunDataWindow(const std::string& command, const HeadlessDataOptions& o, bool crlf,
                  const std::function<void(FrmData&)>& act,
                  const std::function<int(const std::string&)>& status = {});

}  // namespace tavro::cli

