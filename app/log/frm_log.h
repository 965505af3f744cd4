// The log window: shows the log text, copies it, clears it. The text lives
// here while the program runs and is never written to a file.
#pragma once

#include <functional>
#include <string>

#include "app/ui/controls.h"
#include "app/ui/platform.h"

namespace tavro {

inline constexpr const char* kCopyAllCaption = "Copy to clipboard";
inline constexpr const char* kCopySelectionCaption = "Copy selected text to clipboard";
inline constexpr const char* kClearLogQuestion = "Erase all data in the log?";
inline constexpr const char* kClosedByFrameWarning =
    "Closing the log window in this way\r\n causes its contents to be lost.\r\n\r\n"
    "To preserve the contents\r\nuse the 'Close' button.";

class FrmLog {
 public:
  explicit FrmLog(ui::Platform& platform);

  // ---- controls ----
  ui::TextBox txbText;  // the log; lines end with CR LF
  int selStart = 0, selLength = 0;  // selection in txbText (bytes)
  ui::Button cmdCopyToClipboard, cmdClear, cmdClose;
  std::string caption;
  std::string focus;
  bool visible = false, minimized = false;
  bool created = false;  // built on first use, discarded when closed by its frame
  std::string programName = ui::kProgramTitle;

  bool Empty() const { return txbText.text.empty(); }
  // Appends at the end and puts the caret there.
  void Append(const std::string& text);
  // Restores and shows the window without blocking the main window.
  void Show();
  void Form_Activate();
  // The copy button tells whether it copies the selection or everything.
  void txbText_MouseUp();
  void cmdCopyToClipboard_Click();
  // Asks first; true when the log was emptied.
  bool cmdClear_Click();
  void cmdClose_Click();
  // Closing by the window frame: warns, then the text is lost.
  void Form_QueryUnloadByFrame();

  // Empties the log after the question was answered OK (also from the main window).
  void ClearText();

  std::function<void()> onCleared;  // the log was emptied or lost
  std::function<void()> onClosed;   // hidden by "Close": focus goes to the main window

 private:
  ui::Platform& platform_;
};

}  // namespace tavro
