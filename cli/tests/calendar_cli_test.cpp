// tavro-cli calendar: the month picture written without a display.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.h"

namespace {

using namespace tavro::cli_test;

// Width and height from a PNG file's header chunk; false when it is no PNG.
bool PngSize(const std::string& path, uint32_t& width, uint32_t& height) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[24] = {};
  if (!in.read(reinterpret_cast<char*>(h), sizeof h)) return false;
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (!std::equal(signature, signature + 8, h) || std::string(reinterpret_cast<char*>(h) + 12, 4) != "IHDR")
    return false;
  auto be = [&](int at) { return uint32_t(h[at]) << 24 | uint32_t(h[at + 1]) << 16 | uint32_t(h[at + 2]) << 8 | h[at + 3]; };
  width = be(16);
  height = be(20);
  return true;
}

std::string Temp(const std::string& name) {
  return ::testing::TempDir() + "tavro_cal_" + std::to_string(::getpid()) + "_" + name;
}

TEST(CalendarCli, WritesThePictureOfTheLunarMonth) {
  const std::string base = Temp("feb");  // no extension: ".png" is added
  const Result r = RunCli("calendar --png " + base + " '2024-02-20 CE' --arc");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(base + ".png\t2460351\t29\tMonth 1 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Common Era year 2024 (February-March)"), std::string::npos);
  uint32_t w = 0, h = 0;
  ASSERT_TRUE(PngSize(base + ".png", w, h));
  EXPECT_EQ(w, 920u);
  EXPECT_EQ(h, 588u);
  EXPECT_FALSE(std::filesystem::exists(base + ".bmp"));
  std::filesystem::remove(base + ".png");
}

TEST(CalendarCli, OptionsAndErrors) {
  const std::string file = Temp("dec.png");
  Result r = RunCli("calendar --png " + file + " '2024-01-01 CE' --epoch -2636");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Common Era year 2023 (December) - 2024 (January)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("of cycle 78"), std::string::npos) << r.out;
  std::filesystem::remove(file);

  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"'2024-01-01 CE'", "--png FILE is required"},
      {"--png /no/such/folder/x.png '2024-01-01 CE'", "cannot write /no/such/folder/x.png"},
      {"--png x.png --country mars", "--country"},
      {"--png x.png --epoch 1", "--epoch"},
      {"--png x.png '2024-02-30 CE'", "calendar: "},
      {"--png x.png --bogus", "unknown option"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    r = RunCli(std::string("calendar ") + c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
