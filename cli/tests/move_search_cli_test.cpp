// tavro-cli move and search, run as a program.
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

TEST(CliMove, UnitsByCaptionOrIndexAndCount) {
  struct Case {
    const char* args;
    const char* row;
  } cases[] = {
      {"move 'CE month' --count 2 '2001-01-31 CE'", "CE\tCommon Era\t2001-03-28 CE 12:00 GMT"},
      {"move 3 '2000-01-31 CE'", "CE\tCommon Era\t2000-02-29 CE"},
      {"move 'ce year' --back '2000-02-29 CE'", "CE\tCommon Era\t1999-02-28 CE"},
      {"move 'CHL month' '79-37-04-01 CHL'", "CHL\tChinese Lunar\t79-37-4*-01 CHL"},
      {"move 6 --back '79-37-05-01 CHL'", "CHL\tChinese Lunar\t79-37-4*-01 CHL"},
      {"move 'CHS solar term' '78-60-24-05 CHS'", "CHS\tChinese Solar\t79-01-01-05 CHS"},
  };
  for (const Case& c : cases) {
    const Result r = RunCli(c.args);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_EQ(r.out.rfind("row\ttitle\ttext\n", 0), 0u);
    EXPECT_TRUE(Has(r.out, c.row)) << c.args << "\n" << r.out;
  }
}

TEST(CliMove, RefusedStepPrintsOnlyItsMessage) {
  const Result r = RunCli("move 'CE year' '3000-01-01 CE'", {.joinErr = true});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "tavro-cli: move: Latest admissible date reached.\n");
  const Result hour = RunCli("move hour '3000-01-01 CE'", {.joinErr = true});
  EXPECT_EQ(hour.status, 2);
  EXPECT_EQ(hour.out, "tavro-cli: move: Latest date exceeded.\n");
  // The refusal comes at the step where it happens: nothing is printed.
  const Result later = RunCli("move day --count 5 '2999-12-29 CE'", {.joinErr = true});
  EXPECT_EQ(later.status, 2);
  EXPECT_EQ(later.out, "tavro-cli: move: Latest date exceeded.\n");
}

TEST(CliMove, UserErrors) {
  for (const char* args : {"move", "move fortnight", "move 16", "move day --count 0", "move day --count x",
                           "move day --country mars", "move day 'not a date'"}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
}

TEST(CliSearch, TargetsByCaptionOrIndex) {
  struct Case {
    const char* args;
    const char* row;
  } cases[] = {
      {"search 'full moon' '2024-01-01 CE'", "CE\tCommon Era\t2024-01-25 CE 17:54 GMT"},
      {"search 0 --previous '2024-01-01 CE'", "CE\tCommon Era\t2023-12-27 CE"},
      {"search 'lunar new year' '2024-06-01 CE'", "CHL\tChinese Lunar\t79-42-01-01 CHL 12:00 CCT"},
      {"search 'Lunar new year' --previous '2024-06-01 CE'", "CHL\tChinese Lunar\t79-41-01-01 CHL 12:00 CCT"},
      {"search 'element-animal day' --element wood --animal rat '2024-06-01 CE'", "day\tjia-zi\twood-rat day"},
      {"search 17 --animal dragon '2024-06-01 CE'", "year\t\tbing-chen fire-dragon year"},
      {"search 'intercalary month' '2024-06-01 CE'", "CHL\tChinese Lunar\t79-42-6*-01 CHL 12:00 CCT"},
  };
  for (const Case& c : cases) {
    const Result r = RunCli(c.args);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_TRUE(Has(r.out, c.row)) << c.args << "\n" << r.out;
  }
}

TEST(CliSearch, MultipleWindowTargetsAndFailures) {
  const Result same = RunCli("search 19 '2024-06-01 CE'");
  ASSERT_EQ(same.status, 0) << same.out;
  EXPECT_TRUE(Has(same.out, "CHL\tChinese Lunar\t"));
  const Result multi = RunCli("search 'multiple element-animal day' --animal rat --previous '2024-06-01 CE'");
  ASSERT_EQ(multi.status, 0) << multi.out;
  EXPECT_TRUE(Has(multi.out, "rat day\n")) << multi.out;

  for (const char* args : {"search", "search 'blue moon'", "search 15", "search 20", "search 15 --element iron",
                           "search 0 'not a date'"}) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
  // A search that ends with its message: nothing found.
  const Result past = RunCli("search 'full moon' '3000-01-01 CE'", {.joinErr = true});
  EXPECT_EQ(past.status, 1);
  EXPECT_EQ(past.out, "tavro-cli: search: Latest date exceeded.\n");
}

}  // namespace
