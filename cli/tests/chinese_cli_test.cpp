// The Chinese-calendar commands of tavro-cli (table, months), run as a user would.
#include <algorithm>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(ChineseCli, TableAroundTheNewYearOf2024) {
  const Result r = RunCli("table --from 2024-02-09 --to 2024-02-10");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0],
            (std::vector<std::string>{"jdn", "ce", "jc", "chl", "chl_cycle", "chl_position", "chl_month", "chl_leap",
                                      "chl_day", "chs", "chs_term", "chs_day", "day_names", "month_names",
                                      "year_names", "arc"}));
  const auto& ny = r.rows[2];
  EXPECT_EQ(ny[0], "2460351");
  EXPECT_EQ(ny[1], "2024-02-10");
  EXPECT_EQ(ny[3], "79-41-01-01 CHL");
  EXPECT_EQ(ny[8], "1");
  EXPECT_EQ(ny[14], "wood-dragon");
  EXPECT_EQ(ny[13], "fire-tiger");
  EXPECT_EQ(r.rows[1][3], "79-40-12-30 CHL");
  EXPECT_EQ(ny[15].substr(ny[15].size() - 4), " ARC");
}

TEST(ChineseCli, MonthsOf2033HaveTheLeapEleventhMonth) {
  const Result r = RunCli("months --from 2033 --to 2033");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.rows[0],
            (std::vector<std::string>{"start", "jdn", "cycle", "position", "lyear", "month", "leap", "days"}));
  int leaps = 0;
  for (size_t i = 1; i < r.rows.size(); ++i) {
    const auto& row = r.rows[i];
    ASSERT_EQ(row.size(), 8u);
    EXPECT_EQ(row[0].substr(0, 4), "2033");
    EXPECT_TRUE(row[7] == "29" || row[7] == "30");
    if (row[6] == "1") {
      ++leaps;
      EXPECT_EQ(row[0], "2033-12-22");
      EXPECT_EQ(row[5], "11");
      EXPECT_EQ(row[4], "2033");
    }
  }
  EXPECT_EQ(leaps, 1);
  EXPECT_EQ(r.rows.size() - 1, 13u);
}

TEST(ChineseCli, CountrySetsTheMeridianAndTheNames) {
  const Result vn = RunCli("months --from 1985 --to 1985 --country vietnam --format csv", {.separator = ','});
  ASSERT_EQ(vn.status, 0) << vn.err;
  ASSERT_GT(vn.rows.size(), 1u);
  EXPECT_EQ(vn.rows[1][0], "1985-01-21");
  EXPECT_EQ(vn.rows[1][5], "1");
  // The same country at China's meridian gives China's new year.
  const Result at120 = RunCli("months --from 1985 --to 1985 --country vietnam --longitude 120");
  ASSERT_EQ(at120.status, 0);
  bool found = false;
  for (const auto& row : at120.rows) found = found || (row[0] == "1985-02-20" && row[5] == "1");
  EXPECT_TRUE(found);

  const Result jp = RunCli("table --from 1983-02-13 --to 1983-02-13 --country japan --format json");
  ASSERT_EQ(jp.status, 0) << jp.err;
  EXPECT_NE(jp.out.find("\"year_names\": \"water-boar\""), std::string::npos) << jp.out;
  EXPECT_NE(jp.out.find("\"jdn\": 2445379"), std::string::npos) << jp.out;
}

TEST(ChineseCli, EpochChangesTheCycleOnly) {
  const Result a = RunCli("months --from 2024 --to 2024 --epoch -2636");
  ASSERT_EQ(a.status, 0);
  EXPECT_EQ(a.rows[2][2], "78");
  EXPECT_EQ(a.rows[2][4], "2024");
}

TEST(ChineseCli, ArgumentErrorsExitWithStatusTwo) {
  const char* bad[] = {
      "table --from 2024-02-30 --to 2024-03-01",
      "table --from 2024-01-01",
      "table --from -3001-01-01 --to -3000-01-05",
      "table --from 2024-01-02 --to 2024-01-01",
      "table --from 2024-01-01 --to 2024-01-02 --format xml",
      "months --from 2024 --to 2024 --country korea",
      "months --from 2024 --to 2024 --longitude 99",
      "months --from 2024 --to 2024 --longitude 146",
      "months --from 2024 --to 2024 --epoch 0",
      "months --from 2024 --to 2024 --method lunar",
      "months --from 2024 --to 3001",
      "months --from 2024x --to 2024",
      "months --from 2024 --to 2024 --bogus 1",
      "months --from 2024 --to",
  };
  for (const char* args : bad) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
  }
}

}  // namespace
