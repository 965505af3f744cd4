// The data-window commands of tavro-cli (year-data, list, self-test), run as a
// user would.
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

class DataCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunCli("--help").out.find("year-data") == std::string::npos)
      GTEST_SKIP() << "tavro-cli was built without the data window";
  }
};

TEST_F(DataCli, YearDataWithTermsAndNames) {
  const Result r = RunCli("year-data 2024-05-01 --major --minor --names");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_GT(r.lines.size(), 100u);
  EXPECT_EQ(r.lines[1], "and solar terms for 3 solar years beginning 79-40 (2023 CE),");
  EXPECT_EQ(r.lines[5], "---------- Sui 79-40");
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_NE(r.out.find("  ST 4 J1 Li chun (Beginning of spring)\n"), std::string::npos);
  EXPECT_EQ(r.lines.back(), "Sui 79-42 was a long sui, with 13 months.");
}

TEST_F(DataCli, YearDataOptionsAndCrLf) {
  const Result r = RunCli("year-data '2024-05-01 CE' --jc --country japan --epoch -2636 --method mean --crlf");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.lines[1], "for 3 solar years beginning 78-40 (2023 JC),\r");
  EXPECT_EQ(r.lines[2], "epoch = -2636, method = mean sun.  Times are JST times,\r");
  EXPECT_EQ(r.lines[3], "which assume longitude 135\xC2\xBA E (Japan) as reference meridian.\r");
}

TEST_F(DataCli, Lists) {
  Result r = RunCli("list leap-months --years 3 2024-05-01");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 5u) << r.out;
  EXPECT_EQ(r.lines[3], "79-40-2*-01  CHL =  2023-03-22 CE =  2460026 JDN  29 days");
  EXPECT_EQ(r.lines[4], "79-42-6*-01  CHL =  2025-07-25 CE =  2460882 JDN  29 days");

  r = RunCli("list new-years --years 2 2024-02-10");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 5u) << r.out;
  EXPECT_EQ(r.lines[3], "79-41-01-01 CHL = 2024-02-10 CE =  2460351 JDN 12m J1:0 Z1:1");
  EXPECT_EQ(r.lines[4], "79-42-01-01 CHL = 2025-01-29 CE =  2460705 JDN 13m J1:2 Z1:1");

  r = RunCli("list months --years 1 2024-05-01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.lines.size(), 3u + 12u);

  r = RunCli("list jc-ce --years 1 --jc 2024-05-01");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 4u);
  EXPECT_EQ(r.lines[2], "2024-01-01 JC = 79-40-12-04 CHL");
}

TEST_F(DataCli, SelfTest) {
  Result r = RunCli("self-test --entry '2024-05-01 CE'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "11\n");
  r = RunCli("self-test --entry 'not a date'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "tavro-cli: self-test: No date specified.\n") << r.out;

  // A seed makes the random test repeatable.
  const Result a = RunCli("self-test --seed 42");
  const Result b = RunCli("self-test --seed 42");
  ASSERT_EQ(a.status, 0) << a.out;
  EXPECT_EQ(a.out, b.out);
  ASSERT_EQ(a.lines.size(), 2u);
  EXPECT_EQ(a.lines[0], "Doing 1000 random solar,lunar -> JDN -> solar,lunar");
  EXPECT_EQ(a.lines[1].size(), 2000u);
}

TEST_F(DataCli, UserErrors) {
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"list weeks", "unknown list"},
      {"list months --years", "--years needs a value"},
      {"year-data --country mars", "--country must be"},
      {"year-data 3001-01-01", "Date is later than 3000-01-01 CE."},
      {"self-test --seed 1 --entry x", "not both"},
      {"self-test --seed -4", "--seed must be"},
      {"self-test --entry '3001-01-01 CE'", "self-test: Date is later than 3000-01-01 CE."},
  };
  for (const Case& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << c.args;
  }
}

}  // namespace
