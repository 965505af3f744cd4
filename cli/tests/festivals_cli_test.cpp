// tavro-cli festivals, ics and convert --lang: the native names, festival
// days and calendar files as scripts see them.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;
using nlohmann::json;

std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "tavro_fest_" + std::to_string(::getpid()) + "_" + name;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Published dates of 2025: Mid-Autumn on 6 October in China, Tết on 29
// January in Vietnam, and jūgoya (lunar 8-15 at 135 E) also on 6 October.
TEST(FestivalsCli, KnownDaysOfEachCountryInDateOrder) {
  const struct {
    const char* args;
    const char* key;
    const char* row;  // date, jdn, key, name, chl, native
  } cases[] = {
      {"", "mid-autumn", "2025-10-06\t2460955\tmid-autumn\tMid-Autumn Festival\t79-42-08-15 CHL\tday 15 of month 8, yi-si year"},
      {"--country vietnam --lang vi", "tet",
       "2025-01-29\t2460705\ttet\tTết Nguyên Đán\t79-42-01-01 CHL\tmùng 1 tháng Giêng năm Ất Tỵ"},
      {"--country japan --lang ja", "jugoya", "2025-10-06\t2460955\tjugoya\t十五夜\t79-42-08-15 CHL\t乙巳年 8月15日 仏滅"},
      {"--lang zh-Hant", "new-years-eve", "2025-01-28\t2460704\tnew-years-eve\t除夕\t79-41-12-29 CHL\t甲辰年臘月廿九"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Result r = RunCli(std::string("festivals --from 2025 --to 2025 ") + c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(r.lines[0], "date\tjdn\tkey\tname\tchl\tnative");
    int found = 0;
    for (size_t i = 1; i < r.rows.size(); ++i) {
      ASSERT_EQ(r.rows[i].size(), 6u) << r.lines[i];
      EXPECT_EQ(r.rows[i][0].rfind("2025-", 0), 0u) << r.lines[i];
      if (i > 1) EXPECT_LE(r.rows[i - 1][0], r.rows[i][0]);
      if (r.rows[i][2] == c.key) {
        ++found;
        EXPECT_EQ(r.lines[i], c.row);
      }
    }
    EXPECT_EQ(found, 1);
  }

  // The same list as JSON, numbers as numbers; a longitude moves the days.
  const json j = json::parse(RunCli("festivals --from 2025 --to 2025 --country japan --format json").out);
  ASSERT_TRUE(j.is_array());
  EXPECT_TRUE(j[0]["jdn"].is_number_integer());
  const auto higan = std::count_if(j.begin(), j.end(), [](const json& f) { return f["key"] == "higan-spring"; });
  EXPECT_EQ(higan, 3);  // first, middle and last day
}

TEST(ConvertLang, NativeDateAndFestivalsOfTheDay) {
  const Result plain = RunCli("convert '2024-02-10 CE'");
  ASSERT_EQ(plain.status, 0) << plain.err;
  const struct {
    const char* args;
    const char* native;
    const char* festivals;
  } cases[] = {
      {"--lang zh-Hans", "native\tzh-Hans\t甲辰年正月初一", "festivals\tzh-Hans\t春节"},
      {"--lang vi --country vietnam", "native\tvi\tmùng 1 tháng Giêng năm Giáp Thìn", "festivals\tvi\tTết Nguyên Đán"},
      {"--lang ja --country japan", "native\tja\t甲辰年 1月1日 先勝", "festivals\tja\t旧正月"},
      {"--lang en", "native\ten\tday 1 of month 1, jia-chen year", "festivals\ten\tSpring Festival"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Result r = RunCli(std::string("convert '2024-02-10 CE' ") + c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_GE(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[r.lines.size() - 2], c.native);
    EXPECT_EQ(r.lines.back(), c.festivals);
  }
  // The rows before them are those without --lang; a day without festivals
  // gets no festivals row.
  const Result lang = RunCli("convert '2024-02-10 CE' --lang vi");
  EXPECT_EQ(lang.out.substr(0, plain.out.size()), plain.out);
  const Result ordinary = RunCli("convert '2024-02-12 CE' --lang zh-Hans");
  EXPECT_EQ(ordinary.lines.back(), "native\tzh-Hans\t甲辰年正月初三");

  // JSON: the same as fields, the rest of the object unchanged.
  json with = json::parse(RunCli("convert '2024-02-10 CE' --json --lang ja --country japan").out);
  const json without = json::parse(RunCli("convert '2024-02-10 CE' --json --country japan").out);
  EXPECT_EQ(with["native"], (json{{"lang", "ja"},
                                  {"date", "甲辰年 1月1日 先勝"},
                                  {"festivals", json::array({{{"key", "kyu-shogatsu"}, {"name", "旧正月"}}})}}));
  with.erase("native");
  EXPECT_EQ(with, without);

  // Batch: two more TSV columns, or the field in each JSON line.
  const Result batch = RunCliWithInput("convert --batch --lang zh-Hant", "2024-02-10 CE\n2033-12-22 CE\n");
  ASSERT_EQ(batch.status, 0) << batch.err;
  ASSERT_EQ(batch.rows.size(), 3u);
  EXPECT_EQ(batch.rows[0].size(), 12u);
  EXPECT_EQ(batch.rows[1][10], "甲辰年正月初一");
  EXPECT_EQ(batch.rows[1][11], "春節");
  EXPECT_EQ(batch.rows[2][10].find("閏十一月"), std::string("癸丑年").size()) << batch.rows[2][10];
  const Result lines = RunCliWithInput("convert --batch --json --lang vi", "2024-02-10 CE\nnonsense\n");
  EXPECT_EQ(lines.status, 2);
  ASSERT_EQ(lines.lines.size(), 2u);
  EXPECT_EQ(json::parse(lines.lines[0])["native"]["date"], "mùng 1 tháng Giêng năm Giáp Thìn");
  EXPECT_FALSE(json::parse(lines.lines[1]).contains("native"));
}

TEST(FestivalsCli, HelpAndRefusals) {
  for (const char* command : {"festivals", "ics"}) {
    const Result help = RunCli(std::string(command) + " --help");
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--from", "--to", "--country", "--longitude", "--lang"})
      EXPECT_TRUE(Has(help.out, std::string("\n  ") + option)) << command << " " << option;
  }
  EXPECT_TRUE(Has(RunCli("ics --help").out, "\n  --events"));
  EXPECT_TRUE(Has(RunCli("ics --help").out, "\n  --output"));
  EXPECT_TRUE(Has(RunCli("convert --help").out, "\n  --lang"));

  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"festivals --from 2025", "festivals: both --from and --to are needed"},
      {"festivals --from 2025 --to 2025 --lang fr", "--lang must be en, zh-Hans, zh-Hant, vi or ja, not 'fr'"},
      {"festivals --from 2025 --to 2024", "--from year is after --to year"},
      {"festivals --from 2999 --to 3001", "years must lie between -3000 and 3000"},
      {"ics --from 0 --to 2024", "ics: years before 1 CE cannot be written to an iCalendar file"},
      {"ics --from -5 --to -1", "years before 1 CE"},
      {"ics --from 2024 --to 2024 --events terms,comets", "unknown event kind \"comets\""},
      {"ics --from 2024 --to 2024 --output /no/such/folder/x.ics", "ics: cannot write /no/such/folder/x.ics: "},
      {"ics --from 2024 --to 2024 --format json", "unknown option '--format'"},
      {"convert '2024-02-10 CE' --lang ja --log", "give --lang or --log, not both"},
      {"convert '2024-02-10 CE' --lang xx", "convert: --lang must be"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(Has(r.err, c.message)) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

// The file read back by a real iCalendar reader; the UIDs of a second run are
// the same, so that importing again updates events instead of adding them.
TEST(IcsCli, RealReaderAndStableUids) {
  if (std::system("/usr/bin/python3 -c 'import icalendar' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3-icalendar is not installed";
  const std::string script = Temp("uids.py");
  std::ofstream(script) << R"PY(import sys, icalendar
raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines[-1] == b'', 'no CR LF at the end'
for l in lines[:-1]:
    assert b'\n' not in l and b'\r' not in l, 'bare line break'
    assert len(l) <= 75, 'line longer than 75 octets: %r' % l
events = icalendar.Calendar.from_ical(raw).walk('VEVENT')
uids = [str(e['UID']) for e in events]
assert len(uids) == len(set(uids)), 'duplicate UID'
print('\n'.join(sorted(uids)))
)PY";
  const std::string file = Temp("japan.ics");
  std::ofstream(file) << "an older file\n";
  const std::string args = "ics --from 2024 --to 2025 --country japan --lang ja --events "
                           "festivals,new-years,leap-months,terms,new-moons,full-moons,quarters";
  const Result written = RunCli(args + " --output " + file);
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_TRUE(written.out.empty());
  const Result first = RunProgram("/usr/bin/python3", script + " " + file);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_GT(first.lines.size(), 180u);  // 2 years: ~40 festivals, 48 terms, ~99 quarters of the Moon

  // Again, on standard output: the same UIDs.
  const Result again = RunCli(args);
  ASSERT_EQ(again.status, 0) << again.err;
  const std::string copy = Temp("again.ics");
  std::ofstream(copy, std::ios::binary) << again.out;
  const Result second = RunProgram("/usr/bin/python3", script + " " + copy);
  EXPECT_EQ(second.out, first.out);

  // A fixed SOURCE_DATE_EPOCH makes the same bytes.
  const Result a = RunProgram("/usr/bin/env", std::string("SOURCE_DATE_EPOCH=1700000000 '") + TAVRO_CLI + "' " + args);
  const Result b = RunProgram("/usr/bin/env", std::string("SOURCE_DATE_EPOCH=1700000000 '") + TAVRO_CLI + "' " + args);
  EXPECT_EQ(a.out, b.out);
  EXPECT_TRUE(Has(a.out, "DTSTAMP:20231114T221320Z\r\n"));

  // A failed write leaves what was there and no temporary beside it.
  const std::string folder = Temp("folder");
  std::filesystem::create_directory(folder);
  const Result refused = RunCli("ics --from 2024 --to 2024 --output " + folder);
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(Has(refused.err, "ics: cannot write " + folder + ": ")) << refused.err;
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  const std::string tempPrefix = "." + std::filesystem::path(folder).filename().string() + ".";
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder).parent_path()))
    EXPECT_NE(entry.path().filename().string().rfind(tempPrefix, 0), 0u) << entry.path();
  std::filesystem::remove(folder);
  for (const std::string& f : {script, file, copy}) std::filesystem::remove(f);
}

}  // namespace
