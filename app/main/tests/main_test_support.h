// A started main window on the fake platform, with its state folder in a
// fresh temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/main/frm_main.h"
#include "app/ui/fake_platform.h"

namespace tavro::testing {

inline std::string FreshFolder() {
  static std::mt19937_64 rng(std::random_device{}());
  auto dir = std::filesystem::temp_directory_path() / ("tavro_main_test_" + std::to_string(rng()));
  std::filesystem::create_directories(dir);
  return dir.string();
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.appDataFolder = FreshFolder();
    p.programFolder = ".";
    Start();
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(p.appDataFolder, ec);
  }
  // A new window on the same platform (the same settings and state file).
  void Start() {
    f = std::make_unique<FrmMain>(p);
    f->autoLog = [this](int kind) { logKinds.push_back(kind); };
    ASSERT_TRUE(f->Form_Load());
    p.Clear();
    logKinds.clear();
  }
  FrmMain::Parsed Parse(const std::string& text) { return f->ParseDate(text); }
  // Converts `entry` at the given time, answering any question with `answer`.
  void Convert(const std::string& entry, const std::string& time = "") {
    f->txbDate.text = entry;
    f->txbTime.text = time;
    f->cmdCompute_Click();
  }
  std::string LastText() const { return p.LastMessage() ? p.LastMessage()->text : std::string(); }
  std::string StatePath() const { return p.appDataFolder + "/Velmora/tavro.usr"; }

  ui::FakePlatform p;
  std::unique_ptr<FrmMain> f;
  std::vector<int> logKinds;
};

}  // namespace tavro::testing
