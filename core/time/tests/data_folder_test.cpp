#include "core/time/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tavro {
namespace {

namespace fs = std::filesystem;

// A prefix laid out like an installation: prefix/bin and prefix/share/tavro.
class DataFolderLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tavro-prefix-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    prefix_ = pattern;
    fs::create_directories(bin());
    fs::create_directories(share());
  }
  void TearDown() override { fs::remove_all(prefix_); }

  std::string bin() const { return (prefix_ / "bin").string(); }
  std::string share() const { return (prefix_ / "share" / "tavro").string(); }
  static void Touch(const std::string& folder) { std::ofstream(fs::path(folder) / "tavro.dat") << "10\tx\n"; }

  fs::path prefix_;
};

TEST_F(DataFolderLayout, BesideTheProgramFirstThenTheSharedFolder) {
  enum Where { kBeside, kShared, kNowhere };
  struct Case {
    const char* what;
    bool beside, shared;
    Where expected;
  };
  const Case cases[] = {
      {"build tree", true, false, kBeside},
      {"installed", false, true, kShared},
      {"both: the build tree wins", true, true, kBeside},
      {"moved away", false, false, kNowhere},
  };
  for (const auto& c : cases) {
    fs::remove(fs::path(bin()) / "tavro.dat");
    fs::remove(fs::path(share()) / "tavro.dat");
    if (c.beside) Touch(bin());
    if (c.shared) Touch(share());
    for (const std::string& programFolder : {bin(), bin() + "/"}) {
      const DataFolderSearch s = FindDataFolder(programFolder);
      EXPECT_EQ(s.folder, c.expected == kBeside ? bin() : c.expected == kShared ? share() : "") << c.what << " " << programFolder;
      EXPECT_EQ(s.tried, (std::vector<std::string>{bin(), share()})) << c.what;
    }
  }
}

TEST_F(DataFolderLayout, AFolderNamedLikeTheMarkerIsNoData) {
  fs::create_directories(fs::path(bin()) / "tavro.dat");
  Touch(share());
  EXPECT_EQ(FindDataFolder(bin()).folder, share());
}

TEST_F(DataFolderLayout, NotFoundNamesEveryFolderLookedIn) {
  const DataFolderSearch s = FindDataFolder(bin());
  ASSERT_FALSE(s.found());
  EXPECT_EQ(DataFolderNotFoundText(s), "tavro: data files (tavro.dat) not found; looked in " + bin() + ", " + share());
}

TEST(DataFolder, RelativeProgramFolderStaysRelative) {
  const DataFolderSearch s = FindDataFolder("");
  EXPECT_EQ(s.tried, (std::vector<std::string>{".", "../share/tavro"}));
}

}  // namespace
}  // namespace tavro
