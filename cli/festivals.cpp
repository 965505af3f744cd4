// tavro-cli festivals --from YEAR --to YEAR: the festival days of a country
// in a span of CE years, in date order, named in a language.
#include <memory>
#include <string>

#include "cli/chinese_options.h"
#include "cli/command.h"
#include "cli/lang_option.h"
#include "core/chinese/chinese_text.h"
#include "core/festivals/festivals.h"

namespace tavro::cli {
namespace {

struct FestivalsArgs {
  ChineseArgs chinese;
  LangOption lang;
};

int RunFestivals(const FestivalsArgs& args) {
  const ChineseOptions o = ParseChineseOptions(args.chinese);
  if (!o.error.empty()) return UsageError("festivals: " + o.error);
  std::string error;
  const auto language = ParseLang(args.lang, error);
  if (!language) return UsageError("festivals: " + error);
  const Span years = ParseYearRange(args.chinese.range);
  if (!years.error.empty()) return UsageError("festivals: " + years.error);

  RowWriter out(o.format,
                {{"date", false}, {"jdn", true}, {"key", false}, {"name", false}, {"chl", false}, {"native", false}});
  for (const FestivalDay& f : FestivalsInYears(o.country, years.from, years.to, o.settings)) {
    out.Row({IsoDate(GregorianOf(f.jdn)), std::to_string(f.jdn), std::string(f.rule->key),
             std::string(FestivalName(*f.rule, *language)), ChlDateText(f.chl, "CHL"),
             NativeDateText(*language, f.chl)});
  }
  out.Finish();
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<FestivalsArgs>();
  AddChineseOptions(app, o->chinese, "CE year");
  AddLangOption(app, o->lang, "en (default), zh-Hans, zh-Hant, vi or ja: the language of the names");
  return [o] { return RunFestivals(*o); };
}

const Registration reg{"festivals", "the festival days of a country in a span of CE years", Setup};

}  // namespace
}  // namespace tavro::cli
