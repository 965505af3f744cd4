// tavro-cli multi: the day found, the not-found message and argument errors.
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(MultiCli, PrintsTheRowsOfTheDayFound) {
  const Result r = RunCli("multi --year wood-dragon 2023-06-01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "search\tSearch for next\tday in a wood-dragon (jia-chen) year\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "CE\tCommon Era\t2024-02-10 CE")) << r.out;
  EXPECT_TRUE(Has(r.out, "CHL\tChinese Lunar\t79-41-01-01 CHL 12:00 CCT")) << r.out;

  const Result back = RunCli("multi --day wood-rat --month -ox --previous '2024-06-01 CE' --within 10");
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_TRUE(Has(back.out, "\tSearch for previous\twood-rat (jia-zi) day in an -ox (-chou) month\n")) << back.out;
  EXPECT_TRUE(Has(back.out, "day\tjia-zi\twood-rat day")) << back.out;
}

TEST(MultiCli, CountryNamesAndOptions) {
  const Result r = RunCli("multi --day -cat --country vietnam --within 1 2024-06-01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\t-cat (-mao) day\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "CE\tCommon Era\t2024-06-08 CE")) << r.out;
}

TEST(MultiCli, NothingFoundExitsWithStatusOne) {
  const Result r = RunCli("multi --month wood-tiger --year wood --within 1 2024-06-01");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "tavro-cli: multi: There is no such day within 1 year.\n");
}

TEST(MultiCli, ArgumentErrors) {
  for (const char* args : {"2024-06-01", "--day wood-cow", "--day -", "--month fire --within 5", "--year wood --bogus",
                           "--day wood 2024-06-01 2025-01-01", "--day wood 2024-99-01"}) {
    const Result r = RunCli(std::string("multi ") + args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_FALSE(r.err.empty()) << args;
  }
}

}  // namespace
