#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "app/ui/fake_platform.h"
#include "app/ui/image.h"

namespace tavro::ui {
namespace {

TEST(Bmp, WriteThenReadKeepsEveryPixel) {
  // Odd width exercises the row padding.
  Image img(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) img.Set(x, y, Rgb{uint8_t(x * 30), uint8_t(y * 40), uint8_t(x + y)});
  const auto path = (std::filesystem::temp_directory_path() / "tavro_ui_test.bmp").string();
  ASSERT_TRUE(WriteBmp(path, img));
  Image back;
  ASSERT_TRUE(ReadBmp(path, back));
  EXPECT_EQ(back.width, 7);
  EXPECT_EQ(back.height, 5);
  EXPECT_EQ(back.pixels, img.pixels);
  std::remove(path.c_str());
}

TEST(Bmp, RejectsTruncatedAndGarbledFilesWithoutCrashing) {
  Image img(9, 9, Rgb{200, 0, 0});
  const auto path = (std::filesystem::temp_directory_path() / "tavro_ui_test2.bmp").string();
  ASSERT_TRUE(WriteBmp(path, img));
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::vector<uint8_t> bytes(4096);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
  std::fclose(f);
  std::remove(path.c_str());
  Image out;
  for (size_t n = 0; n < bytes.size(); n += 7) {
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + n);
    EXPECT_FALSE(DecodeBmp(cut, out)) << n;
  }
  std::mt19937 rng(5);
  for (int i = 0; i < 3000; ++i) {
    auto copy = bytes;
    for (int k = 0; k < 4; ++k) copy[rng() % 54] = static_cast<uint8_t>(rng());
    DecodeBmp(copy, out);  // must not crash or read out of bounds
  }
}

TEST(Image, OutsideAccessIsHarmless) {
  Image img(2, 2, Rgb{1, 2, 3});
  img.Set(-1, 0, Rgb{9, 9, 9});
  img.Set(2, 1, Rgb{9, 9, 9});
  EXPECT_EQ(img.At(5, 5), Rgb{});
  EXPECT_EQ(img.At(1, 1), (Rgb{1, 2, 3}));
  EXPECT_EQ((Rgb{200, 0, 0}).Value(), 200u);
}

TEST(FakePlatform, QueuedAnswersThenDefaultAndRecording) {
  FakePlatform p;
  p.answers = {Answer::Yes};
  EXPECT_EQ(p.MessageBox("q1", "t", Icon::Question, Buttons::YesNo), Answer::Yes);
  EXPECT_EQ(p.MessageBox("q2", "t", Icon::Question, Buttons::YesNo), Answer::No);
  EXPECT_EQ(p.MessageBox("info", "t", Icon::Warning, Buttons::Ok), Answer::Ok);
  // An Ok answer queued for a Yes/No question cannot mean Yes.
  p.answers = {Answer::Ok};
  EXPECT_EQ(p.MessageBox("q3", "t", Icon::Question, Buttons::YesNo), Answer::No);
  ASSERT_EQ(p.messages.size(), 4u);
  EXPECT_EQ(p.messages[2].text, "info");
  EXPECT_EQ(p.messages[2].icon, Icon::Warning);
}

TEST(FakePlatform, EventPumpRunsTheScriptedCallback) {
  FakePlatform p;
  bool stop = false;
  p.onDoEvents = [&](int call) {
    if (call == 3) stop = true;
  };
  int yields = 0;
  while (!stop && yields < 10) {
    ++yields;
    p.DoEvents();
  }
  EXPECT_EQ(yields, 3);
}

}  // namespace
}  // namespace tavro::ui
