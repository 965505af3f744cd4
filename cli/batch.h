// convert --batch: many entries through one main window, one record each.
#pragma once

#include <optional>
#include <sstream>
#include <string>

#include "cli/options.h"
#include "core/names/native_names.h"

namespace tavro {
class FrmMain;
namespace ui {
class HeadlessPlatform;
}
}  // namespace tavro

namespace tavro::cli {

// The TSV header line of the batch records: entry, error, the dates, and
// with --lang the columns `native` and `festivals`.
std::string BatchHeader(bool native);

// Converts entries one at a time as `convert ENTRY` with the same options
// would, each from the same start: the window's calendar and zone choice are
// reset before every entry, so no entry depends on the one before it.
class BatchConverter {
 public:
  // `f` is loaded and its options applied; `messages` receives what
  // `platform` shows. `plusMinus` is the --plus or --minus value (or empty).
  // With `native` every record also holds the day's native date and festivals.
  BatchConverter(FrmMain& f, ui::HeadlessPlatform& platform, std::ostringstream& messages, const WindowOptions& o,
                 std::string plusMinus, bool minus, std::optional<Language> native = std::nullopt);

  // Appends the record of one entry (a line without its line end) to `out`;
  // false when the entry failed (its record holds the message).
  bool Convert(const std::string& entry, std::string& out);

 private:
  FrmMain& f_;
  ui::HeadlessPlatform& platform_;
  std::ostringstream& messages_;
  WindowOptions o_;
  std::string plusMinus_;
  bool minus_;
  std::optional<Language> native_;
  int startCalendar_;
};

}  // namespace tavro::cli
