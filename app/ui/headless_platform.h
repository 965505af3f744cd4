// A platform without a display, for the command line: messages go to a
// stream, questions go to a callback, nothing persists.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "app/ui/platform.h"

namespace tavro::ui {

class HeadlessPlatform : public Platform {
 public:
  // `err` receives every message; `ask` answers questions by id (No, or
  // Cancel, when unset).
  explicit HeadlessPlatform(std::ostream& err, std::string programFolder = ".");

  std::function<Answer(Question id, const std::string& text)> ask;
  int messageCount = 0;

  Answer MessageBox(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
  Answer Ask(Question id, const std::string& text, const std::string& title, Buttons buttons) override;
  void SetClipboardText(const std::string&) override {}
  void SetClipboardImage(const Image&) override {}
  void SetTimer(int, bool, std::function<void()>) override {}
  bool InputPending() override { return false; }
  void DoEvents() override {}
  bool LoadPicture(const std::string& path, Image& out) override { return ReadBmp(path, out); }
  // Scripts must give the same answer on every machine: no stored settings.
  bool ReadSetting(const std::string&, std::string&) override { return false; }
  bool WriteSetting(const std::string&, const std::string&) override { return false; }
  std::string SaveFileDialog(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::string AppDataFolder() override { return {}; }
  std::string ProgramFolder() override { return programFolder_; }

 private:
  std::ostream& err_;
  std::string programFolder_;
};

}  // namespace tavro::ui
