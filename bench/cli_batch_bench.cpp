// tavro-cli convert --batch against one process per entry, in CPU time of
// the child processes. 25,000 mixed entries (every calendar code, moments of
// 1900-2100, one in a hundred refused) go through one batch process; a spread
// sample of the same entries runs as one `tavro-cli convert ENTRY` process
// each, in the same run. Target: the batch at least 1,000 times cheaper per
// entry (counter `ratio`).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/arc/arc_date.h"
#include "core/arc/arc_text.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

extern char** environ;

namespace tavro {
namespace {

constexpr int kEntries = 25000;
constexpr int kProcessSample = 200;
const char* const kCodes[] = {"CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "ARC"};

std::string Number(double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", x);
  return buf;
}

std::string EuroText(int32_t jdn, char calendar, const char* code) {
  EuroDate d;
  d.calendar = calendar;
  d.jdn = jdn;
  JDNToEuroDate(d);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%d-%02d-%02d %s", d.year, d.month, d.day, code);
  return buf;
}

// The entry for the moment `ajd` in calendar `code`, as a user would type it.
std::string EntryText(double ajd, int code) {
  const double cjdl = ToCJDL(ajd), cjdc = ToCJDC(ajd, 120);
  switch (code) {
    case 0: return EuroText(FloorDay(cjdl), 'G', "CE");
    case 1: return EuroText(FloorDay(cjdl), 'J', "JC");
    case 2:
    case 3: {
      Settings s;
      ChsDate chs;
      ChlDate chl;
      if (!CJDateToChDates(cjdc, s, chs, chl)) return Number(ajd) + " AJD";
      return code == 2 ? ChlDateText(chl, "CHL") : ChsDateText(chs, false);
    }
    case 4: return Number(ajd) + " AJD";
    case 5: return Number(cjdc) + " CJDC";
    case 6: return Number(cjdl) + " CJDL";
    default: {
      ArcDate a;
      a.jdn = FloorDay(cjdl);
      JDNToArcDate(a);
      return ArcDateText(a, kArcTextShort);
    }
  }
}

std::vector<std::string> MixedEntries() {
  std::mt19937_64 rng(20261208);
  // 1900-01-01 to 2100-12-31.
  std::uniform_real_distribution<double> moment(2415020.5, 2488433.5);
  std::vector<std::string> entries;
  entries.reserve(kEntries);
  for (int k = 0; k < kEntries; ++k) {
    if (k % 100 == 99) {
      entries.push_back(k % 200 == 99 ? "2000-13-01 CE" : "not a date");
      continue;
    }
    entries.push_back(EntryText(moment(rng), k % 8));
  }
  return entries;
}

// Runs `argv` with standard input from `in` (or /dev/null) and output
// discarded; `cpu` gets the child's user and system time in seconds.
int Spawn(const std::vector<std::string>& args, const std::string& in, double& cpu) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.empty() ? "/dev/null" : in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  cpu += seconds(usage.ru_utime) + seconds(usage.ru_stime);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_BatchAgainstProcessPerEntry(benchmark::State& state) {
  const std::vector<std::string> entries = MixedEntries();
  const std::string input = "/tmp/tavro_batch_bench_" + std::to_string(getpid()) + ".txt";
  {
    std::ofstream out(input);
    for (const std::string& e : entries) out << e << "\n";
  }
  double batch = 0, perProcess = 0;
  for (auto _ : state) {
    double cpu = 0;
    const int status = Spawn({TAVRO_CLI, "convert", "--batch"}, input, cpu);
    batch = cpu / kEntries;
    if (status != 2) state.SkipWithError("the batch did not report its refused entries");

    cpu = 0;
    for (int k = 0; k < kProcessSample; ++k)
      Spawn({TAVRO_CLI, "convert", entries[static_cast<size_t>(k) * (kEntries / kProcessSample)]}, "", cpu);
    perProcess = cpu / kProcessSample;
    state.SetIterationTime(batch * kEntries + perProcess * kProcessSample);
  }
  std::remove(input.c_str());
  state.counters["batch_us_per_entry"] = batch * 1e6;
  state.counters["process_us_per_entry"] = perProcess * 1e6;
  state.counters["ratio"] = perProcess / batch;
}
BENCHMARK(BM_BatchAgainstProcessPerEntry)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tavro
