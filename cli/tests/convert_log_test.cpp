// tavro-cli convert --log: the entry "Add to log" would write for the moment.
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(CliConvertLog, DefaultPreferencesIntoAnEmptyLog) {
  const Result r = RunCli("convert '2000-01-01 CE' --log");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out,
            "TAVRO\n"
            "\n"
            "79-16-11-25 CHL 20:00 CCT\n"
            "= the 25th day (earth-horse wu-wu) of month 11 (fire-rat bing-zi) \n"
            "in the earth-rabbit ji-mao year (nian) at position 16 of cycle 79 (year 4696).\n"
            "--------------------\n"
            "2000-01-01 CE 12:00 GMT\n"
            "= the 1st day of January in the year 2000 in the Common Era Calendar, a Saturday.\n"
            "--------------------\n"
            "Crescent moon (waning), 22.8% illumination\n"
            "\n");
}

TEST(CliConvertLog, FollowsTheOptionsAndPlusDays) {
  const Result r = RunCli("convert '2000-01-01 CE' --country japan --plus 1 --log");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\n79-16-11-26 CHL 21:00 JST\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\n2000-01-02 CE 12:00 GMT\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_EQ(RunCli("convert '2000-01-01 CE' --log --json").status, 2);
  EXPECT_EQ(RunCli("convert '2000-13-01 CE' --log").status, 2);
}

}  // namespace
