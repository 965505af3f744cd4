// The export dialog of the festivals window: a span of CE years, the kinds of
// events and the language of their names, saved as an iCalendar file through
// the platform's save-file dialog.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/festivals/festival_context.h"
#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/ics/calendar_events.h"

namespace tavro {

inline constexpr int kExportKindCount = 7;  // the kinds of CalendarEventKind, in its order
// One file holds at most this many years: more would keep the window busy
// for long and no calendar program wants them.
inline constexpr int32_t kMaxExportYears = 200;

inline constexpr const char* kExportDialogTitle = "Export to calendar";
inline constexpr const char* kExportFilter = "iCalendar file (*.ics) | *.ics";

class FrmFestivalExport {
 public:
  explicit FrmFestivalExport(ui::Platform& platform);

  // ---- controls ----
  std::string caption = kExportDialogTitle;
  ui::Label lblFrom, lblTo, lblLanguage;
  ui::TextBox txbFrom, txbTo;
  std::array<ui::CheckBox, kExportKindCount> chkKind;  // indexed by CalendarEventKind
  ui::ComboBox cboLanguage;                            // indexed by Language
  ui::Button cmdSave, cmdCancel;
  bool visible = false;
  std::string focus;

  FestivalContext context;
  // Run after a file was written: its path and the number of events.
  std::function<void(const std::string& path, size_t events)> onSaved;

  // Opened from the festivals window: the years from..to, the default kinds,
  // the country's own language.
  void Open(const FestivalContext& fromWindow, int32_t year);
  // Checks the entries, asks for the file, writes it and closes; a mistake
  // or a failure is told in a message and the dialog stays.
  void cmdSave_Click();
  void cmdCancel_Click() { visible = false; }

  // A chosen file name gets ".ics" unless it already ends so (any case).
  static std::string WithIcsExtension(const std::string& path);
  // "tavro-china-2025.ics", "tavro-japan-2025-2027.ics".
  static std::string SuggestedName(Country country, int32_t from, int32_t to);

 private:
  bool ReadYears(int32_t& from, int32_t& to);
  void Warn(const std::string& text);

  ui::Platform& platform_;
};

}  // namespace tavro
