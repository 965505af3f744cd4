// What scripts rely on: help and version, the JSON object of a moment, batch
// conversion, and --calendar answering the "Calendar?" question.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;
using nlohmann::json;

TEST(ScriptingCli, EveryCommandHasHelpAndTheProgramHasOneVersion) {
  const Result all = RunCli("--help");
  ASSERT_EQ(all.status, 0);
  std::vector<std::string> commands = {"convert", "move",   "search", "multi", "table",   "months",
                                       "phases",  "terms",  "deltat", "calendar"};
  if (Has(all.out, "year-data")) commands.insert(commands.end(), {"year-data", "list", "self-test"});
  for (const std::string& c : commands) {
    EXPECT_TRUE(Has(all.out, "\n  " + c + " ")) << c << " missing from the command list:\n" << all.out;
    for (const char* flag : {"--help", "-h"}) {
      const Result r = RunCli(c + " " + flag);
      EXPECT_EQ(r.status, 0) << c << " " << flag;
      EXPECT_TRUE(r.err.empty()) << c << " " << flag;
      EXPECT_TRUE(Has(r.out, "Usage: tavro-cli " + c)) << r.out;
      EXPECT_TRUE(Has(r.out, "Options:\n  -h,--help")) << r.out;
    }
  }
  // Every option is listed with its line.
  const Result convert = RunCli("convert --help");
  for (const char* option : {"--time", "--zone", "--plus", "--minus", "--country", "--longitude", "--epoch",
                             "--method", "--calendar", "--json", "--log", "--batch"})
    EXPECT_TRUE(Has(convert.out, std::string("\n  ") + option)) << option;

  const Result version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("tavro-cli ") + TAVRO_VERSION + "\n");
#ifdef TAVRO_GUI
  if (std::filesystem::exists(TAVRO_GUI)) {
    const Result gui = RunProgram("/usr/bin/env", std::string("QT_QPA_PLATFORM=offscreen '") + TAVRO_GUI + "' --version");
    EXPECT_EQ(gui.status, 0) << gui.err;
    EXPECT_EQ(gui.out, std::string("tavro ") + TAVRO_VERSION + "\n");
  }
#endif
  const Result none = RunCli("");
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(RunCli("frobnicate").err, "tavro-cli: unknown command 'frobnicate' (see --help)\n");
}

// 2000-01-01 12:00 GMT, with every value worked out from calendar facts
// rather than read from the program.
TEST(ScriptingCli, JsonOfAKnownMoment) {
  const Result r = RunCli("convert '2000-01-01 CE' --json");
  ASSERT_EQ(r.status, 0) << r.err;
  const json j = json::parse(r.out);
  EXPECT_DOUBLE_EQ(j["ajd"].get<double>(), 2451545.0);  // JD 2451545.0 is 2000-01-01 12:00 UT
  EXPECT_DOUBLE_EQ(j["cjdl"].get<double>(), 2451545.5);
  EXPECT_DOUBLE_EQ(j["cjdc"].get<double>(), 2451545.5 + 120.0 / 360.0);
  EXPECT_EQ(j["ce"], (json{{"year", 2000}, {"month", 1}, {"day", 1}, {"weekday", 6}, {"time", "12:00"}}));
  // The Julian Calendar runs 13 days behind in 2000.
  EXPECT_EQ(j["jc"], (json{{"year", 1999}, {"month", 12}, {"day", 19}, {"weekday", 6}, {"time", "12:00"}}));

  // Lunar year 1999 (ji-mao), from new year 1999-02-16; the eleventh month
  // began on 1999-12-08, so 2000-01-01 is its 25th day. Cycle 79 began in
  // 1984 (epoch -2696: year 4681 of the count).
  const int position = 1999 - 1984 + 1, cycle = (1999 + 2697 - 1) / 60 + 1;
  EXPECT_EQ(j["chl"], (json{{"cycle", cycle}, {"position", position}, {"month", 11}, {"leap", false},
                            {"day", 25}, {"epoch", -2696}}));
  // The winter solstice (term 1) fell on 1999-12-22 in China: day 11 of it.
  EXPECT_EQ(j["chs"]["term"], 1);
  EXPECT_EQ(j["chs"]["day"], 1 + (31 - 22) + 1);
  EXPECT_EQ(j["chs"]["cycle"], cycle);

  // Day names: JDN 2451545 is day ((2451545 mod 60) + 49) mod 60 + 1 of the cycle.
  const int day = (2451545 % 60 + 49) % 60 + 1;
  const char* stems[] = {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};
  const char* branches[] = {"zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};
  const char* elements[] = {"wood", "fire", "earth", "metal", "water"};
  const char* animals[] = {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "sheep", "monkey", "rooster",
                           "dog", "pig"};
  auto names = [&](int p) {
    const int s = (p - 1) % 10, b = (p - 1) % 12;
    return json{{"stem", stems[s]}, {"branch", branches[b]}, {"element", elements[s / 2]},
                {"animal", animals[b]}, {"stem_branch", std::string(stems[s]) + "-" + branches[b]}};
  };
  EXPECT_EQ(j["day_names"], names(day));
  EXPECT_EQ(j["day_names"]["stem_branch"], "wu-wu");
  EXPECT_EQ(j["year_names"], names(position));
  // Month 11 of a ji year: the months of jia and ji years start at bing-yin,
  // so month 11 is bing-zi (position 13 of the cycle).
  EXPECT_EQ(j["month_names"], names(13));

  // The Moon: new moons at 1999-12-07 22:32 and 2000-01-06 18:14 UT (lunation 0).
  EXPECT_EQ(j["moon"]["lunation"], -1);
  const double dec7 = 2451544.5 - 25;  // 0h UT of 1999-12-07, 25 days before 2000-01-01
  const double age = 2451545.0 - (dec7 + (22 * 60 + 32) / 1440.0);
  EXPECT_NEAR(j["moon"]["age_days"].get<double>(), age, 0.01);
  EXPECT_NEAR(j["moon"]["illumination"].get<double>(), 22.8, 1.0);
  EXPECT_TRUE(Has(j["moon"]["phase"].get<std::string>(), "waning"));
  // Delta T in 2000: 63.8 seconds.
  EXPECT_NEAR(j["delta_t_minutes"].get<double>(), 63.8 / 60.0, 0.02);
  EXPECT_EQ(j["country"], "China");
  EXPECT_EQ(j["longitude"], 120);

  // The ARC numbers are those of the ARC row; the rows are those of the TSV.
  std::string arcRow;
  for (const json& row : j["rows"])
    if (row["row"] == "ARCGMT") arcRow = row["text"];
  const Result tsv = RunCli("convert '2000-01-01 CE' --calendar ce");
  size_t rows = 0;
  for (const json& row : j["rows"]) {
    ++rows;
    EXPECT_TRUE(Has(tsv.out, row["row"].get<std::string>() + "\t" + row["title"].get<std::string>() + "\t" +
                                 row["text"].get<std::string>() + "\n"))
        << row;
  }
  EXPECT_EQ(rows + 1, tsv.lines.size());
  if (!arcRow.empty()) {
    char text[16];
    std::snprintf(text, sizeof text, "%d-%02d-%02d", j["arc"]["year"].get<int>(), j["arc"]["month"].get<int>(),
                  j["arc"]["day"].get<int>());
    EXPECT_EQ(arcRow.rfind(text, 0), 0u) << arcRow;
  }
}

TEST(ScriptingCli, RowsAlwaysHoldTheChronologicalJulianDates) {
  for (const char* args : {"convert '2000-01-01 CE'", "move day '1999-12-31 CE'", "search 0 --previous '2000-01-02 CE'"}) {
    const Result r = RunCli(args);
    ASSERT_EQ(r.status, 0) << args << r.err;
    const size_t ajd = r.out.find("\nAJD\t"), cjdl = r.out.find("\nCJDL\t"), cjdc = r.out.find("\nCJDC\t");
    ASSERT_NE(cjdl, std::string::npos) << args;
    ASSERT_NE(cjdc, std::string::npos) << args;
    EXPECT_LT(ajd, cjdl);
    EXPECT_LT(cjdl, cjdc);
  }
  const Result r = RunCli("convert '2000-01-01 CE'");
  EXPECT_TRUE(Has(r.out, "\t2,451,545.5000 CJDL\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "\tChronological JD 120\xC2\xBA East\t2,451,545.8333 CJDC\n")) << r.out;
  // The month and year names stay: they are not traded for the CJD rows.
  EXPECT_TRUE(Has(r.out, "\nmonth\t")) << r.out;
}

TEST(ScriptingCli, BatchWithGoodAndBadLines) {
  const std::string input =
      "2000-01-01 CE\n"
      "\n"
      "2000/01/01 CE\n"
      "79-41-01-01 CHL\r\n"
      "   \n"
      "2000-01-01\n";
  const Result tsv = RunCliWithInput("convert --batch", input);
  EXPECT_EQ(tsv.status, 2);
  EXPECT_TRUE(tsv.err.empty()) << tsv.err;
  ASSERT_EQ(tsv.rows.size(), 5u) << tsv.out;
  EXPECT_EQ(tsv.rows[0], (std::vector<std::string>{"entry", "error", "ajd", "ce", "jc", "chl", "chs", "arc", "cjdl",
                                                    "cjdc"}));
  for (size_t k = 1; k < tsv.lines.size(); ++k)
    EXPECT_EQ(std::count(tsv.lines[k].begin(), tsv.lines[k].end(), '\t'), 9) << tsv.lines[k];
  EXPECT_EQ(tsv.rows[1][0], "2000-01-01 CE");
  EXPECT_EQ(tsv.rows[1][1], "");
  EXPECT_EQ(tsv.rows[1][2], "2,451,545.0000 AJD");
  EXPECT_EQ(tsv.rows[1][3], "2000-01-01 CE 12:00 GMT Saturday");
  EXPECT_EQ(tsv.rows[1][5], "79-16-11-25 CHL 20:00 CCT");
  EXPECT_EQ(tsv.rows[1][8], "2,451,545.5000 CJDL");
  EXPECT_EQ(tsv.rows[2][0], "2000/01/01 CE");
  EXPECT_EQ(tsv.rows[2][1], "Date separator must be a dash, '-'.");
  EXPECT_EQ(tsv.rows[3][0], "79-41-01-01 CHL");
  EXPECT_EQ(tsv.rows[3][3].substr(0, 13), "2024-02-10 CE");
  // No --calendar: the question is answered No, as without a terminal.
  EXPECT_EQ(tsv.rows[4][1].rfind("Calendar must be specified", 0), 0u);

  const Result lines = RunCliWithInput("convert --batch --json --calendar ce --time 9:30", input);
  EXPECT_EQ(lines.status, 2);
  ASSERT_EQ(lines.lines.size(), 4u) << lines.out;
  std::vector<json> records;
  for (const std::string& line : lines.lines) records.push_back(json::parse(line));
  EXPECT_EQ(records[0]["entry"], "2000-01-01 CE");
  EXPECT_EQ(records[0]["ce"]["time"], "09:30");
  EXPECT_FALSE(records[0].contains("error"));
  EXPECT_EQ(records[1], (json{{"entry", "2000/01/01 CE"}, {"error", "Date separator must be a dash, '-'."}}));
  EXPECT_EQ(records[2]["chl"]["day"], 1);
  EXPECT_EQ(records[3]["ce"]["day"], 1);  // --calendar ce answered the question

  const Result good = RunCliWithInput("convert --batch --json", "2000-01-01 CE\n2,451,545.5 AJD");
  EXPECT_EQ(good.status, 0);
  ASSERT_EQ(good.lines.size(), 2u);
  EXPECT_EQ(json::parse(good.lines[1])["ajd"], 2451545.5);
  // A multi-line message stays whole in its record.
  const Result chl = RunCliWithInput("convert --batch --json", "79-41-13-01 CHL\n");
  EXPECT_EQ(json::parse(chl.out)["error"].get<std::string>().rfind("Invalid CHL date.  CHL dates must", 0), 0u);

  EXPECT_EQ(RunCli("convert x --batch").err, "tavro-cli: convert: give ENTRY or --batch, not both\n");
  EXPECT_EQ(RunCli("convert --batch --log").status, 2);
}

TEST(ScriptingCli, CalendarAnswersTheQuestionInMoveAndSearch) {
  struct Case {
    const char* args;
    const char* row;
  } cases[] = {
      {"move day 2000-01-01 --calendar ce", "CE\tCommon Era\t2000-01-02 CE"},
      {"move 'CHL month' 79-41-01-01 --calendar chl", "CHL\tChinese Lunar\t79-41-02-01 CHL"},
      {"search 'full moon' 2024-01-01 --calendar ce", "CE\tCommon Era\t2024-01-25 CE 17:54 GMT"},
      {"search 'full moon' 2460311 --calendar cjdl", "CE\tCommon Era\t2024-01-25 CE 17:54 GMT"},
  };
  for (const Case& c : cases) {
    const Result r = RunCli(c.args);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_TRUE(Has(r.out, c.row)) << c.args << "\n" << r.out;
  }
  for (const char* args : {"move day 2000-01-01", "search 'full moon' 2024-01-01"}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(Has(r.err, "Calendar must be specified")) << r.err;
  }
}

}  // namespace
