// A scripted platform for tests: answers are queued per call, every message is
// recorded, and the event pump can run a callback ("press Stop after 3 yields").
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/ui/platform.h"

namespace tavro::ui {

struct RecordedMessage {
  std::string text, title;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  Answer answer = Answer::Ok;
};

class FakePlatform : public Platform {
 public:
  // Answers for the next Yes/No or OK/Cancel boxes, in order. When the queue
  // is empty a question is answered with `defaultAnswer` (No / Cancel if unset).
  std::deque<Answer> answers;
  Answer defaultAnswer = Answer::No;
  std::vector<RecordedMessage> messages;

  std::string clipboardText;
  Image clipboardImage;

  int timerInterval = 0;
  bool timerEnabled = false;
  std::function<void()> timerTick;

  bool inputPending = false;
  int doEventsCalls = 0;
  std::function<void(int call)> onDoEvents;  // gets the 1-based call number

  bool showsPictures = true;
  int picturesLoaded = 0;  // LoadPicture calls

  std::map<std::string, std::string> settings;
  bool settingsWritable = true;
  std::deque<std::string> saveFileAnswers;
  std::string appDataFolder, programFolder = ".";
  int helpShown = 0;
  bool quitRequested = false;

  Answer MessageBox(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
  void SetClipboardText(const std::string& text) override { clipboardText = text; }
  void SetClipboardImage(const Image& image) override { clipboardImage = image; }
  void SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) override;
  bool InputPending() override { return inputPending; }
  void DoEvents() override;
  bool LoadPicture(const std::string& path, Image& out) override;
  bool ShowsPictures() const override { return showsPictures; }
  bool ReadSetting(const std::string& name, std::string& value) override;
  bool WriteSetting(const std::string& name, const std::string& value) override;
  std::string SaveFileDialog(const std::string& title, const std::string& suggestedName,
                             const std::string& filter) override;
  std::string AppDataFolder() override { return appDataFolder; }
  std::string ProgramFolder() override { return programFolder; }
  void ShowHelp() override { ++helpShown; }
  void RequestQuit() override { quitRequested = true; }
  bool QuitRequested() const override { return quitRequested; }

  // Test helpers.
  const RecordedMessage* LastMessage() const { return messages.empty() ? nullptr : &messages.back(); }
  void Clear() { messages.clear(); }
};

}  // namespace tavro::ui
