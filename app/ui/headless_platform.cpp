#include "app/ui/headless_platform.h"

#include <ostream>

namespace tavro::ui {

HeadlessPlatform::HeadlessPlatform(std::ostream& err, std::string programFolder)
    : err_(err), programFolder_(std::move(programFolder)) {}

Answer HeadlessPlatform::MessageBox(const std::string& text, const std::string& title, Icon,
                                    Buttons buttons) {
  if (buttons != Buttons::Ok) {
    Answer a = ask ? ask(text, title, buttons) : Answer::No;
    return a;
  }
  ++messageCount;
  // Multi-line messages use CR LF; a terminal wants plain line ends.
  std::string clean;
  for (char c : text)
    if (c != '\r') clean += c;
  err_ << clean << "\n";
  return Answer::Ok;
}

}  // namespace tavro::ui
