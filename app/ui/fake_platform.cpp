#include "app/ui/fake_platform.h"

namespace tavro::ui {

Answer FakePlatform::MessageBox(const std::string& text, const std::string& title, Icon icon,
                                Buttons buttons) {
  Answer a = Answer::Ok;
  if (buttons != Buttons::Ok) {
    if (!answers.empty()) {
      a = answers.front();
      answers.pop_front();
    } else {
      a = defaultAnswer;
    }
    if (buttons == Buttons::YesNo && a != Answer::Yes) a = Answer::No;
    if (buttons == Buttons::OkCancel && a != Answer::Ok) a = Answer::Cancel;
  }
  messages.push_back({text, title, icon, buttons, a});
  return a;
}

void FakePlatform::SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
  timerInterval = intervalMs;
  timerEnabled = enabled;
  timerTick = std::move(onTick);
}

void FakePlatform::DoEvents() {
  ++doEventsCalls;
  if (onDoEvents) onDoEvents(doEventsCalls);
}

bool FakePlatform::LoadPicture(const std::string& path, Image& out) {
  ++picturesLoaded;
  return ReadBmp(path, out);
}

bool FakePlatform::ReadSetting(const std::string& name, std::string& value) {
  auto it = settings.find(name);
  if (it == settings.end()) return false;
  value = it->second;
  return true;
}

bool FakePlatform::WriteSetting(const std::string& name, const std::string& value) {
  if (!settingsWritable) return false;
  settings[name] = value;
  return true;
}

std::string FakePlatform::SaveFileDialog(const std::string&, const std::string&, const std::string&) {
  if (saveFileAnswers.empty()) return {};
  std::string s = saveFileAnswers.front();
  saveFileAnswers.pop_front();
  return s;
}

}  // namespace tavro::ui
