// The festivals window: the festival days of one CE year for the main
// window's country, each with its date, its names and its lunar date. A row
// activated moves the main window to that day; "Export to calendar..." opens
// the export dialog (festival_export.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/festivals/festival_export.h"
#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/festivals/festivals.h"

namespace tavro {

// The columns of the list.
inline constexpr int kFestivalColumnDate = 0, kFestivalColumnNative = 1, kFestivalColumnEnglish = 2,
                     kFestivalColumnChl = 3;

class FrmFestivals {
 public:
  explicit FrmFestivals(ui::Platform& platform);

  // ---- controls ----
  std::string caption;
  ui::Label lblYear, lblCountry, lblStatus;
  ui::TextBox txbYear;
  ui::Button cmdPreviousYear, cmdNextYear, cmdGoTo, cmdExport, cmdClose;
  ui::Table lstFestivals;
  bool visible = false;
  std::string focus;  // name of the control that should have the keyboard focus

  // ---- state ----
  FestivalContext context;
  int32_t listedYear = 0;
  std::vector<FestivalDay> days;  // the listed rows
  FrmFestivalExport exportDialog;

  // Read at every activation (the country or options may have changed).
  std::function<FestivalContext()> readMain;
  // Moves the main window to a civil day at the context's meridian.
  std::function<void(int32_t jdn)> moveMain;

  // The main window's "Festivals": the year of its moment, listed.
  void Open(const FestivalContext& fromMain);
  // The main window's country or options changed: list the same year again.
  void Form_Activate();

  void txbYear_Enter();
  void cmdPreviousYear_Click() { ListYear(listedYear - 1); }
  void cmdNextYear_Click() { ListYear(listedYear + 1); }
  void lstFestivals_Click();  // selection changed
  // Double-click or Enter on a row, or "Go to day": the main window moves there.
  void lstFestivals_DblClick();
  void cmdGoTo_Click() { lstFestivals_DblClick(); }
  void cmdExport_Click();
  void cmdClose_Click();
  // Closed by the frame (or Escape).
  void Form_QueryUnload() { cmdClose_Click(); }

  // Lists `year` when it lies in the range (else a message, nothing changes).
  bool ListYear(int32_t year);

 private:
  void Fill();
  void EnableButtons();

  ui::Platform& platform_;
};

}  // namespace tavro
