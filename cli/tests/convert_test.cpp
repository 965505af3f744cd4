// tavro-cli convert, run as a program.
#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(CliConvert, PrintsEveryRowInWindowOrder) {
  const Result r = RunCli("convert '2000-01-01 ce'");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.rfind("row\ttitle\ttext\n", 0), 0u);
  EXPECT_TRUE(Has(r.out, "CE\tCommon Era\t2000-01-01 CE 12:00 GMT Saturday\n"));
  EXPECT_TRUE(Has(r.out, "CHL\tChinese Lunar\t79-16-11-25 CHL 20:00 CCT\n"));
  EXPECT_TRUE(Has(r.out, "AJD\tAstronomical JD\t2,451,545.0000 AJD\n"));
  EXPECT_TRUE(Has(r.out, "day\twu-wu\tearth-horse day\n"));
  EXPECT_LT(r.out.find("\nCE\t"), r.out.find("\nJC\t"));
  EXPECT_LT(r.out.find("\nJC\t"), r.out.find("\nCHL\t"));
  EXPECT_LT(r.out.find("\nAJD\t"), r.out.find("\nage\t"));
}

TEST(CliConvert, OptionsActLikeTheWindowLists) {
  const Result japan = RunCli("convert '2000-01-01 CE' --country japan");
  ASSERT_EQ(japan.status, 0);
  EXPECT_TRUE(Has(japan.out, "CHL\tJapanese Lunar\t79-16-11-25 CHL 21:00 JST\n"));
  const Result epoch = RunCli("convert '2000-01-01 CE' --epoch -2636 --longitude 116 --method mean");
  ASSERT_EQ(epoch.status, 0);
  EXPECT_TRUE(Has(epoch.out, "78-16-11-25 CHL 19:44 BEI")) << epoch.out;
  const Result timed = RunCli("convert '2000-01-01 CE' --time 9.30 --zone local --plus 1");
  ASSERT_EQ(timed.status, 0);
  EXPECT_TRUE(Has(timed.out, "2000-01-02 CE 01:30 GMT Sunday"));
  const Result minus = RunCli("convert '2000-01-01 CE' --minus 0.5");
  EXPECT_TRUE(Has(minus.out, "2000-01-01 CE 00:00 GMT Saturday"));
}

TEST(CliConvert, JsonHasOneObjectPerRow) {
  const Result r = RunCli("convert '2,455,000.5 AJD' --json");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out.front(), '{');
  const auto rows = nlohmann::json::parse(r.out)["rows"];
  EXPECT_NE(std::find(rows.begin(), rows.end(),
                      nlohmann::json{{"row", "AJD"}, {"title", "Astronomical JD"}, {"text", "2,455,000.5000 AJD"}}),
            rows.end());
}

TEST(CliConvert, EntryErrorsAndTheCalendarQuestion) {
  const Result bad = RunCli("convert '2000/01/01 CE'", {.joinErr = true});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "tavro-cli: convert: Date separator must be a dash, '-'.\n");
  const Result late = RunCli("convert '2816788.5 AJD'", {.joinErr = true});
  EXPECT_EQ(late.status, 2);
  EXPECT_EQ(late.out, "tavro-cli: convert: Date is later than 3000-01-01 CE.\n");
  // Without a terminal or --calendar the question is answered No.
  const Result no = RunCli("convert 2000-01-01", {.joinErr = true});
  EXPECT_EQ(no.status, 2);
  EXPECT_TRUE(Has(no.out, "Calendar must be specified"));
  const Result yes = RunCli("convert 2000-01-01 --calendar ce");
  EXPECT_EQ(yes.status, 0);
  EXPECT_TRUE(Has(yes.out, "2000-01-01 CE 12:00 GMT"));
  EXPECT_EQ(RunCli("convert x --country mars").status, 2);
  EXPECT_EQ(RunCli("convert x --plus 1 --minus 1").status, 2);
}

}  // namespace
