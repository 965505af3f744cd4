#include "app/ui/headless_platform.h"

#include <ostream>

namespace tavro::ui {

HeadlessPlatform::HeadlessPlatform(std::ostream& err, std::string programFolder)
    : err_(err), programFolder_(std::move(programFolder)) {}

Answer HeadlessPlatform::MessageBox(const std::string& text, const std::string&, Icon,
                                    Buttons buttons) {
  // A box with a choice that comes without a question id has no one to answer it.
  if (buttons != Buttons::Ok) return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  ++messageCount;
  // Multi-line messages use CR LF; a terminal wants plain line ends.
  std::string clean;
  for (char c : text)
    if (c != '\r') clean += c;
  err_ << clean << "\n";
  return Answer::Ok;
}

Answer HeadlessPlatform::Ask(Question id, const std::string& text, const std::string&, Buttons buttons) {
  const Answer a = ask ? ask(id, text) : Answer::No;
  // Only the answers the box offers.
  if (buttons == Buttons::YesNo) return a == Answer::Yes ? Answer::Yes : Answer::No;
  return a == Answer::Ok ? Answer::Ok : Answer::Cancel;
}

}  // namespace tavro::ui
