#include "cli/lang_option.h"

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace tavro::cli {

bool LangOption::given() const { return Given(option); }

void AddLangOption(CLI::App& app, LangOption& o, const std::string& help) {
  o.option = app.add_option("--lang", o.value, help)->type_name("TAG");
}

std::optional<Language> ParseLang(const LangOption& o, std::string& error) {
  if (!o.given()) return Language::English;
  const auto language = LanguageOfTag(o.value);
  if (!language) error = "--lang must be en, zh-Hans, zh-Hant, vi or ja, not '" + o.value + "'";
  return language;
}

}  // namespace tavro::cli
