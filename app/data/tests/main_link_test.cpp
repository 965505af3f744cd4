// The data window joined to the main window: while a listing or the self-test
// runs, the main window's data buttons are off and a press on one changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/data/main_link.h"
#include "app/main/frm_main.h"
#include "app/ui/fake_platform.h"
#include "core/time/program_text.h"

namespace tavro {
namespace {

TEST(MainLink, DataButtonsAreOffWhileAListingRuns) {
  ASSERT_TRUE(LoadProgramTexts(".").ok());
  const auto folder = std::filesystem::temp_directory_path() / "tavro_main_link_test";
  std::filesystem::create_directories(folder);
  for (int window : {kWindowNewYears, kWindowTest}) {
    ui::FakePlatform platform;
    platform.appDataFolder = folder.string();
    FrmMain main(platform);
    ASSERT_TRUE(main.Form_Load());
    for (ui::Button* b : {&main.cmdDisplayYearData, &main.cmdListLunarNewYears, &main.cmdListLeapMonths,
                          &main.cmdListJulianCENewYears, &main.cmdTest})
      b->enabled = true;
    FrmData data(platform);
    ConnectToMain(data, main);
    data.txbNumYears.text = "30";
    std::vector<bool> enabledDuring;
    int windowDuring = -1;
    platform.onDoEvents = [&](int call) {
      if (call != 2) return;
      for (ui::Button* b : {&main.cmdDisplayYearData, &main.cmdListLunarNewYears, &main.cmdListLeapMonths,
                            &main.cmdListJulianCENewYears, &main.cmdTest})
        enabledDuring.push_back(b->enabled);
      OpenFromMain(data, main, kWindowMonthStarts);  // a press that got through
      windowDuring = data.intWindow;
      data.blnStop = true;
    };
    OpenFromMain(data, main, window);
    EXPECT_EQ(enabledDuring, std::vector<bool>(5, false)) << window;
    EXPECT_EQ(windowDuring, window);
    EXPECT_TRUE(main.cmdTest.enabled && main.cmdDisplayYearData.enabled) << window;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavro
