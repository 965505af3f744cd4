// tavro-cli ics --from YEAR --to YEAR: festivals, lunar new years, leap
// months, solar terms and the Moon's phases as an iCalendar file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/chinese_options.h"
#include "cli/command.h"
#include "cli/lang_option.h"
#include "core/ics/calendar_events.h"

namespace tavro::cli {
namespace {

struct IcsArgs {
  ChineseArgs chinese;
  LangOption lang;
  std::string events, output;
  CLI::Option *eventsOption = nullptr, *outputOption = nullptr;
};

// DTSTAMP: now, or SOURCE_DATE_EPOCH (seconds since 1970) when it is set, so
// that a build can make the same file twice.
double StampAjd() {
  std::time_t seconds = std::time(nullptr);
  if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed && *fixed) {
    char* end = nullptr;
    const long long value = std::strtoll(fixed, &end, 10);
    if (*end == '\0' && value >= 0) seconds = static_cast<std::time_t>(value);
  }
  return 2440587.5 + static_cast<double>(seconds) / 86400.0;
}

// Writes a temporary file beside `path` and renames it over `path`: a write
// that fails leaves any file already there as it was.
bool WriteReplacing(const std::string& path, const std::string& text, std::string& error) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  // mkstemp makes the file private; a saved calendar gets the usual mode.
  const mode_t mask = umask(0);
  umask(mask);
  bool ok = fchmod(fd, 0666 & ~mask) == 0;
  for (size_t done = 0; ok && done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ok && fsync(fd) == 0;
  if (!ok) error = std::strerror(errno);
  if (close(fd) != 0 && ok) {
    ok = false;
    error = std::strerror(errno);
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = std::strerror(errno);
  }
  if (!ok) unlink(temp.c_str());
  return ok;
}

int RunIcs(const IcsArgs& args) {
  const ChineseOptions o = ParseChineseOptions(args.chinese);
  if (!o.error.empty()) return UsageError("ics: " + o.error);
  std::string error;
  const auto language = ParseLang(args.lang, error);
  if (!language) return UsageError("ics: " + error);
  const auto from = ParseInt(o.from);
  const auto to = ParseInt(o.to);
  if (!from) return UsageError("ics: not a year: '" + o.from + "'");
  if (!to) return UsageError("ics: not a year: '" + o.to + "'");

  CalendarExport request;
  request.country = o.country;
  request.settings = o.settings;
  request.language = *language;
  request.fromYear = *from;
  request.toYear = *to;
  request.kinds = DefaultCalendarEventKinds();
  if (Given(args.eventsOption) && !ParseCalendarEventKinds(args.events, request.kinds, error))
    return UsageError("ics: --events: " + error);
  if (Given(args.outputOption) && args.output.empty()) return UsageError("ics: --output needs a file name");

  std::string text;
  if (!ExportIcs(request, StampAjd(), text, error)) return UsageError("ics: " + error);
  if (args.output.empty()) {
    std::cout << text << std::flush;
    return std::cout ? 0 : UsageError("ics: cannot write to standard output");
  }
  if (!WriteReplacing(args.output, text, error)) return UsageError("ics: cannot write " + args.output + ": " + error);
  return 0;
}

CommandRun Setup(CLI::App& app) {
  auto o = std::make_shared<IcsArgs>();
  AddChineseOptions(app, o->chinese, "CE year, 1..3000", false);
  AddLangOption(app, o->lang, "en (default), zh-Hans, zh-Hant, vi or ja: the language of the event names");
  o->eventsOption = app.add_option("--events", o->events,
                                   "comma-separated: festivals, new-years, leap-months, terms, new-moons, "
                                   "full-moons, quarters (default festivals,terms,new-moons,full-moons)")
                        ->type_name("LIST");
  o->outputOption = app.add_option("--output", o->output, "the file to write (default: standard output)")->type_name("FILE");
  return [o] { return RunIcs(*o); };
}

const Registration reg{"ics", "festivals, terms and moon phases of a span of CE years as an iCalendar file", Setup};

}  // namespace
}  // namespace tavro::cli
