// The multiple element-animal search window: finds the next or previous day
// whose day, lunar month and lunar year names meet up to three chosen
// element-animal pairs within 1, 10, 100 or 1000 years. The main window's
// search opens it modally and reads lngCJDN and blnCancel when it closes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/multisearch/scan.h"
#include "app/ui/controls.h"
#include "app/ui/platform.h"
#include "core/chinese/names.h"
#include "core/time/settings.h"

namespace tavro {

// What the window takes from the main window each time it is shown.
struct MultipleSearchInputs {
  double currentAJD = 2451545.0;  // dblCurrentAJDate
  bool next = true;               // optNext selected (else optPrevious)
  Settings settings;              // reference longitude, epoch, solar-term method
  Country country = Country::China;
  // The main window's progress line lblSearching and its strSearching; when
  // null the window's own lblSearching is used.
  ui::Label* searching = nullptr;
  std::string strSearching = "Searching ";
};

// Item data of cboWithin.
inline constexpr std::array<int, 4> kWithinYears = {1, 10, 100, 1000};

class FrmMultipleElAn {
 public:
  explicit FrmMultipleElAn(ui::Platform& platform);

  // ---- controls: rows kRowDay, kRowMonth, kRowYear ----
  std::array<ui::ComboBox, 3> cboElement, cboAnimal;
  ui::ComboBox cboWithin;
  ui::CheckBox chkStartingFromToday;
  ui::Button cmdSearch, cmdClear, cmdClose;
  ui::Label lblSearching;  // stands in for the main window's line when none is given

  // Window-wide presentation.
  std::string caption;
  std::string focus;     // name of the control that should have the keyboard focus
  bool visible = false;

  // ---- read by the main window ----
  bool blnCancel = true;  // closed without a result
  int32_t lngCJDN = 0;    // the day found (reference-meridian day number)
  bool blnStop = false;   // the running scan was stopped by the user

  MultipleSearchInputs inputs;
  // Today's day number; the computer clock unless replaced (tests).
  std::function<int32_t()> todayJDN;
  // Runs the window modally until it is hidden (the Qt dialog's exec). Unset,
  // ShowModal returns at once.
  std::function<void()> modalLoop;

  // Shows the window with the main window's values, runs it modally and
  // returns true when a day was found (lngCJDN holds it); false when it was
  // closed without a result, by any means.
  bool ShowModal(const MultipleSearchInputs& in);
  // Shows the window without running it modally (Form_Activate included).
  void Show(const MultipleSearchInputs& in);
  // Sets a row (the main window's "same element-animal day and month").
  void Preset(int row, int element, int animal);
  // The three rows as (element, animal) pairs, in the order the saved state
  // keeps them, and back (out-of-range values read as none).
  std::array<int, 6> Pairs() const;
  void SetPairs(const std::array<int, 6>& pairs);

  // ---- handlers ----
  void Form_Load();
  void Form_Activate();
  // Closing by the frame (or any other way than Close): no result is taken.
  void Form_QueryUnload();
  void cmdSearch_Click();
  void cmdClear_Click();
  void cmdClose_Click();
  void cboElement_Click(int row);
  void cboAnimal_Click(int row);
  void cboWithin_Click();
  void chkStartingFromToday_Click();

  // ---- descriptions ----
  std::string RowText(int row) const;
  std::string MultipleElementAnimalStr() const;

  // The rows as chosen in the lists.
  ElementAnimalRows Rows() const;
  bool Scanning() const { return scanning_; }
  // Animal names of `country` in the three animal lists (choices kept).
  void ApplyCountry(Country country);

  ui::Platform& platform() { return platform_; }

 private:
  void Search();
  void Stop();
  void SetScanning(bool on);
  ui::Label& ProgressLabel() { return inputs.searching ? *inputs.searching : lblSearching; }
  bool Candidate(int64_t k, int32_t day, const ChlDate& chl);
  void UpdateElementEntryArticle(int row);

  ui::Platform& platform_;
  bool scanning_ = false;
  Country country_ = Country::China;
};

}  // namespace tavro
