// tavro-cli ics --from YEAR --to YEAR: festivals, lunar new years, leap
// months, solar terms and the Moon's phases as an iCalendar file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
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
// that a build can make the same file twice. False with `error` when it is
// set to anything else.
bool StampAjd(double& ajd, std::string& error) {
  std::time_t seconds = std::time(nullptr);
  if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed && *fixed) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(fixed, &end, 10);
    if (*end != '\0' || value < 0 || errno == ERANGE || fixed[0] == '-' || fixed[0] == '+' || fixed[0] == ' ') {
      error = std::string("SOURCE_DATE_EPOCH must be a whole number of seconds since 1970, not '") + fixed + "'";
      return false;
    }
    seconds = static_cast<std::time_t>(value);
  }
  ajd = 2440587.5 + static_cast<double>(seconds) / 86400.0;
  return true;
}

// The temporary file being written, removed when a signal ends the program.
char pendingTemp[4096] = {};
volatile std::sig_atomic_t havePendingTemp = 0;

extern "C" void RemovePendingTemp(int signal) {
  if (havePendingTemp) unlink(pendingTemp);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// While it lives, SIGINT, SIGTERM and SIGHUP remove `temp` before they end
// the program.
class TempGuard {
 public:
  explicit TempGuard(const std::string& temp) {
    std::snprintf(pendingTemp, sizeof pendingTemp, "%s", temp.c_str());
    havePendingTemp = 1;
    for (int k = 0; k < 3; ++k) previous_[k] = std::signal(kSignals[k], RemovePendingTemp);
  }
  ~TempGuard() {
    for (int k = 0; k < 3; ++k) std::signal(kSignals[k], previous_[k]);
    havePendingTemp = 0;
  }
  TempGuard(const TempGuard&) = delete;
  TempGuard& operator=(const TempGuard&) = delete;

 private:
  static constexpr int kSignals[3] = {SIGINT, SIGTERM, SIGHUP};
  void (*previous_[3])(int) = {};
};

// The file a path names: a symbolic link is followed to its target (which
// may not exist yet), so that writing replaces the target, not the link.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  std::filesystem::path p = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) break;
    const std::filesystem::path link = std::filesystem::read_symlink(p, ec);
    if (ec) break;
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return p;
}

// Writes a temporary file beside `path` and renames it over `path`: a write
// that fails leaves any file already there as it was.
bool WriteReplacing(const std::string& path, const std::string& text, std::string& error) {
  const std::filesystem::path target = FinalTarget(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  // Blocked until the guard is set, so no signal falls between the two.
  sigset_t block, old;
  sigemptyset(&block);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&block, s);
  sigprocmask(SIG_BLOCK, &block, &old);
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = std::strerror(errno);
    sigprocmask(SIG_SETMASK, &old, nullptr);
    return false;
  }
  TempGuard guard(temp);
  sigprocmask(SIG_SETMASK, &old, nullptr);
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
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
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
  const Span years = ParseYearRange(args.chinese.range);
  if (!years.error.empty()) return UsageError("ics: " + years.error);

  CalendarExport request;
  request.country = o.country;
  request.settings = o.settings;
  request.language = *language;
  request.fromYear = years.from;
  request.toYear = years.to;
  request.kinds = DefaultCalendarEventKinds();
  if (Given(args.eventsOption) && !ParseCalendarEventKinds(args.events, request.kinds, error))
    return UsageError("ics: --events: " + error);
  if (Given(args.outputOption) && args.output.empty()) return UsageError("ics: --output needs a file name");
  double stamp = 0;
  if (!StampAjd(stamp, error)) return UsageError("ics: " + error);

  std::string text;
  if (!ExportIcs(request, stamp, text, error)) return UsageError("ics: " + error);
  // "-" is standard output, as for most programs; a failed write is found
  // when the program ends.
  if (args.output.empty() || args.output == "-") {
    std::cout << text;
    return 0;
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
  o->outputOption = app.add_option("--output", o->output, "the file to write (default, or \"-\": standard output); a symbolic link is written through")->type_name("FILE");
  return [o] { return RunIcs(*o); };
}

const Registration reg{"ics", "festivals, terms and moon phases of a span of CE years as an iCalendar file", Setup};

}  // namespace
}  // namespace tavro::cli
