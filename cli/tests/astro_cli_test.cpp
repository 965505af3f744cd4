// The astronomy commands of tavro-cli, run as a user would.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

const std::vector<std::string>* FindRow(const Result& r, size_t column, const std::string& value) {
  for (const auto& row : r.rows)
    if (row.size() > column && row[column] == value) return &row;
  return nullptr;
}

TEST(AstroCli, PhasesOfAYear) {
  const Result r = RunCli("phases --from 2024 --to 2024");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_FALSE(r.rows.empty());
  EXPECT_EQ(r.rows[0], (std::vector<std::string>{"lunation", "quarter", "tt", "ut", "date"}));
  // 2024 has 12 or 13 of each quarter: 49 to 51 lines.
  EXPECT_GE(r.rows.size() - 1, 49u);
  EXPECT_LE(r.rows.size() - 1, 51u);
  EXPECT_EQ(r.rows[1][4].substr(0, 5), "2024-");
  EXPECT_EQ(r.rows.back()[4].substr(0, 5), "2024-");
  // The April 2024 new moon: 2024-04-08 18:22:01 TT, delta T about 69 s.
  const auto* row = FindRow(r, 2, "2460409.265286");
  if (!row) row = FindRow(r, 2, "2460409.265287");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ((*row)[0], "300");
  EXPECT_EQ((*row)[1], "0");
  EXPECT_EQ((*row)[4].substr(0, 16), "2024-04-08 18:20");
  const double tt = std::atof((*row)[2].c_str()), ut = std::atof((*row)[3].c_str());
  EXPECT_NEAR((tt - ut) * 86400.0, 69.0, 1.5);
}

TEST(AstroCli, TermsOfAYear) {
  const Result r = RunCli("terms --from 2024 --to 2024");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.rows.size(), 25u);
  EXPECT_EQ(r.rows[0], (std::vector<std::string>{"index", "code", "tt", "ut", "date"}));
  // In calendar order: Xiao han of early January first, the December solstice last.
  EXPECT_EQ(r.rows[1][0], "1");
  EXPECT_EQ(r.rows[1][1], "J12");
  EXPECT_EQ(r.rows[24][0], "0");
  EXPECT_EQ(r.rows[24][1], "Z11");
  EXPECT_EQ(r.rows[24][4].substr(0, 13), "2024-12-21 09");
  const auto* equinox = FindRow(r, 1, "Z2");
  ASSERT_NE(equinox, nullptr);
  EXPECT_NEAR(std::atof((*equinox)[2].c_str()), 2460389.630247, 1.0 / 86400);
}

// The listing and the solar dates of the converter put a term on one day,
// also in antiquity: the Beginning of spring of -14 lies just after midnight
// on the reference meridian, and the converter once put it a day earlier
// (taking delta T from the year of the December solstice before it).
TEST(AstroCli, TermDayAgreesWithTheSolarDate) {
  const Result r = RunCli("terms --from -14 --to -14");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto* spring = FindRow(r, 1, "J1");
  ASSERT_NE(spring, nullptr);
  const double cjdc = std::atof((*spring)[3].c_str()) + 0.5 + 120.0 / 360.0;
  const long day = static_cast<long>(std::floor(cjdc));
  EXPECT_EQ(day, 1715981) << (*spring)[4];
  for (long d : {day - 1, day}) {
    const Result c = RunCli("convert '" + std::to_string(d) + ".5 CJDC'");
    ASSERT_EQ(c.status, 0) << c.err;
    const auto* chs = FindRow(c, 0, "CHS");
    ASSERT_NE(chs, nullptr) << c.out;
    EXPECT_EQ(Has((*chs)[2], "-04-01 CHS"), d == day) << d << ": " << (*chs)[2];
  }
}

TEST(AstroCli, RangeEnds) {
  const Result early = RunCli("phases --from -3000 --to -3000");
  ASSERT_EQ(early.status, 0) << early.err;
  EXPECT_EQ(early.rows[1][4].substr(0, 6), "-3000-");
  const Result late = RunCli("terms --from 3000 --to 3000");
  ASSERT_EQ(late.status, 0) << late.err;
  EXPECT_EQ(late.rows.size(), 25u);
  EXPECT_EQ(late.rows.back()[4].substr(0, 8), "3000-12-");
}

TEST(AstroCli, DeltaT) {
  const Result r = RunCli("deltat 2000 -500");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[1][0], "2000");
  EXPECT_NEAR(std::atof(r.rows[1][1].c_str()), 1.066, 0.01);
  EXPECT_EQ(r.rows[2][0], "-500");
  EXPECT_GT(std::atof(r.rows[2][1].c_str()), 200.0);
}

TEST(AstroCli, ArgumentErrorsGiveOneLineAndStatusTwo) {
  const char* bad[] = {
      "phases",
      "phases --from 2024",
      "phases --from 2025 --to 2024",
      "phases --from 20x4 --to 2025",
      "terms --from 2024 --to 3001",
      "terms --from -3001 --to 0",
      "terms --from 2024 --to",
      "terms --year 2024",
      "deltat",
      "deltat 2000 abc",
      "deltat 99999999999",
  };
  for (const char* args : bad) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    ASSERT_FALSE(r.err.empty()) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
  }
}

}  // namespace
