// What the window logic needs from the desktop: message boxes, clipboard,
// timer, event pump, pictures, the settings store and a few folders. The Qt
// program, the command line and the tests each supply their own.
#pragma once

#include <functional>
#include <string>

#include "app/ui/image.h"

namespace tavro::ui {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };
// The questions the window logic asks, so that a face answers by id.
enum class Question { Calendar, RestoreLog, ClearLog };

inline constexpr const char* kOrganisation = "Velmora";
inline constexpr const char* kApplication = "TAVRO";
inline constexpr const char* kProgramTitle = "TAVRO";

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal message box; Ok boxes answer Ok.
  virtual Answer MessageBox(const std::string& text, const std::string& title, Icon icon,
                            Buttons buttons) = 0;

  // A question box. Faces with real boxes need not override it: it is shown
  // like any other message box.
  virtual Answer Ask(Question id, const std::string& text, const std::string& title, Buttons buttons) {
    (void)id;
    return MessageBox(text, title, Icon::Question, buttons);
  }

  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void SetClipboardImage(const Image& image) = 0;

  // A repeating timer; `onTick` runs on the user-interface thread.
  virtual void SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) = 0;

  // Whether keyboard or mouse input waits, and processing what waits.
  virtual bool InputPending() = 0;
  virtual void DoEvents() = 0;

  // BMP or GIF file into a pixel buffer; false when it cannot be read.
  virtual bool LoadPicture(const std::string& path, Image& out) = 0;
  // Whether pictures reach a screen; without one the window logic leaves
  // them undrawn and unread.
  virtual bool ShowsPictures() const { return false; }

  // The per-user settings store (organisation "Velmora", application "TAVRO").
  // Read returns false when the value is missing.
  virtual bool ReadSetting(const std::string& name, std::string& value) = 0;
  virtual bool WriteSetting(const std::string& name, const std::string& value) = 0;

  // Save-file dialog: the chosen path, or empty when cancelled.
  virtual std::string SaveFileDialog(const std::string& title, const std::string& suggestedName,
                                     const std::string& filter) = 0;

  // The user's application-data folder (empty when unknown) and the program's
  // own folder (where the data files are); both without a trailing separator.
  virtual std::string AppDataFolder() = 0;
  virtual std::string ProgramFolder() = 0;

  // Windows the main window opens that this layer does not model.
  virtual void ShowHelp() {}
  // Repaint now (labels changed during a long handler).
  virtual void Refresh() {}
  // Mirror the control values to the screen without processing input.
  virtual void Sync() {}

  // Quit was asked for (it saved the state already). Every loop that yields
  // checks this after each yield and ends, so the program can end.
  virtual void RequestQuit() { quitRequested_ = true; }
  virtual bool QuitRequested() const { return quitRequested_; }

 private:
  bool quitRequested_ = false;
};

}  // namespace tavro::ui
