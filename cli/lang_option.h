// --lang: the language of native names, for festivals, ics and convert.
#pragma once

#include <optional>
#include <string>

#include "core/names/native_names.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace tavro::cli {

struct LangOption {
  std::string value;
  CLI::Option* option = nullptr;
  bool given() const;
};
void AddLangOption(CLI::App& app, LangOption& o, const std::string& help);

// The language of --lang (English when it was not given); nullopt with a
// message in `error` for an unknown tag.
std::optional<Language> ParseLang(const LangOption& o, std::string& error);

}  // namespace tavro::cli
