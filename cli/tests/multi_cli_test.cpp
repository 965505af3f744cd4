// tavro-cli multi: the day found, the not-found message and argument errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

Result RunMulti(const std::string& args) {
  Result r;
  const std::string errFile = ::testing::TempDir() + "multi_cli_stderr.txt";
  const std::string command = std::string(TAVRO_CLI) + " multi " + args + " 2>" + errFile;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  size_t got;
  while ((got = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, got);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(errFile);
  std::stringstream ss;
  ss << err.rdbuf();
  r.err = ss.str();
  return r;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(MultiCli, PrintsTheRowsOfTheDayFound) {
  const Result r = RunMulti("--year wood-dragon 2023-06-01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "search\tSearch for next\tday in a wood-dragon (jia-chen) year\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "CE\tCommon Era\t2024-02-10 CE")) << r.out;
  EXPECT_TRUE(Has(r.out, "CHL\tChinese Lunar\t79-41-01-01 CHL 12:00 CCT")) << r.out;

  const Result back = RunMulti("--day wood-rat --month -ox --previous '2024-06-01 CE' --within 10");
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_TRUE(Has(back.out, "\tSearch for previous\twood-rat (jia-zi) day in an -ox (-chou) month\n")) << back.out;
  EXPECT_TRUE(Has(back.out, "day\tjia-zi\twood-rat day")) << back.out;
}

TEST(MultiCli, CountryNamesAndOptions) {
  const Result r = RunMulti("--day -cat --country vietnam --within 1 2024-06-01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\t-cat (-mao) day\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "CE\tCommon Era\t2024-06-08 CE")) << r.out;
}

TEST(MultiCli, NothingFoundExitsWithStatusOne) {
  const Result r = RunMulti("--month wood-tiger --year wood --within 1 2024-06-01");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "There is no such day within 1 year.\n");
}

TEST(MultiCli, ArgumentErrors) {
  for (const char* args : {"2024-06-01", "--day wood-cow", "--day -", "--month fire --within 5", "--year wood --bogus",
                           "--day wood 2024-06-01 2025-01-01", "--day wood 2024-99-01"}) {
    const Result r = RunMulti(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_FALSE(r.err.empty()) << args;
  }
}

}  // namespace
