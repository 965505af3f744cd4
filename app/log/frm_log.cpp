#include "app/log/frm_log.h"

#include <algorithm>

namespace tavro {

FrmLog::FrmLog(ui::Platform& platform) : platform_(platform) {
  cmdCopyToClipboard.caption = kCopyAllCaption;
  cmdClear.caption = "Clear log";
  cmdClose.caption = "Close";
  txbText.enabled = true;
}

void FrmLog::Append(const std::string& text) {
  created = true;
  txbText.text += text;
  selStart = static_cast<int>(txbText.text.size());
  selLength = 0;
}

void FrmLog::Show() {
  created = true;
  minimized = false;
  visible = true;
  Form_Activate();
}

void FrmLog::Form_Activate() {
  caption = "Log for " + programName;
  cmdCopyToClipboard.caption = kCopyAllCaption;
  selStart = static_cast<int>(txbText.text.size());
  selLength = 0;
  focus = "cmdClose";
}

void FrmLog::txbText_MouseUp() {
  if (!cmdCopyToClipboard.enabled) return;
  cmdCopyToClipboard.caption = selLength > 0 ? kCopySelectionCaption : kCopyAllCaption;
}

void FrmLog::cmdCopyToClipboard_Click() {
  if (Empty()) return;
  const size_t size = txbText.text.size();
  const size_t start = std::min(static_cast<size_t>(std::max(selStart, 0)), size);
  const size_t length = std::min(static_cast<size_t>(std::max(selLength, 0)), size - start);
  platform_.SetClipboardText(length > 0 ? txbText.text.substr(start, length) : txbText.text);
  cmdCopyToClipboard.caption = kCopyAllCaption;
  focus = "cmdClose";
}

void FrmLog::ClearText() {
  txbText.text.clear();
  selStart = selLength = 0;
  visible = false;
  if (onCleared) onCleared();
}

bool FrmLog::cmdClear_Click() {
  if (platform_.Ask(ui::Question::ClearLog, kClearLogQuestion, "Clear log", ui::Buttons::OkCancel) !=
      ui::Answer::Ok)
    return false;
  ClearText();
  return true;
}

void FrmLog::cmdClose_Click() {
  visible = false;
  if (onClosed) onClosed();
}

void FrmLog::Form_QueryUnloadByFrame() {
  platform_.MessageBox(kClosedByFrameWarning, "X", ui::Icon::Warning, ui::Buttons::Ok);
  ClearText();
  created = false;
}

}  // namespace tavro
