// The main window's side of the log: "Add to log", Auto log, "View log",
// "Clear log" and "Configure log", joining the main window with the log and
// preferences windows.
#pragma once

#include <functional>
#include <string>

#include "app/log/frm_log.h"
#include "app/log/frm_log_preferences.h"
#include "app/log/log_entry.h"
#include "app/main/frm_main.h"

namespace tavro {

// What the main window shows now, as the log needs it.
LogSnapshot SnapshotOf(const FrmMain& main);

// The entry that "Add to log" would write into an empty log for the main
// window's moment, with the default preferences (the command line prints it).
std::string DefaultLogEntry(const FrmMain& main);

class LogController {
 public:
  // Hooks itself into main.autoLog; the three objects must outlive it.
  LogController(FrmMain& main, FrmLog& log, FrmLogPreferences& preferences);

  // False when an error stopped the entry (it was shown, and a repeated move stopped).
  bool AddToLog();
  void AutoLog(int kind);

  void cmdAddToLog_Click();
  void cmdViewLog_Click();
  void cmdClearLog_Click();
  void cmdLogPreferences_Click();
  // Closing the main window hides the log window first.
  void MainClosing();

  // Supplied by the multiple element-animal search once it exists: whether its
  // window was cancelled (no entry then) and its description.
  std::function<bool()> multipleSearchCancelled;
  std::function<std::string()> multipleSearchDescription;

  AutoLogContext HeadingContext() const;

 private:
  void ShowError(const std::string& description);
  void SetLogButtons(bool visible);
  void SyncText();

  FrmMain& main_;
  FrmLog& log_;
  FrmLogPreferences& preferences_;
};

}  // namespace tavro
