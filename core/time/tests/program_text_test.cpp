#include "core/time/program_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tavro {
namespace {

namespace fs = std::filesystem;

class ProgramTextFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tavro-texts-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& content, const std::string& name = "tavro.dat") {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << content;
    return p.string();
  }

  fs::path dir_;
};

TEST_F(ProgramTextFile, ReadsTextsCommentsAndEmptyMarker) {
  const std::string path = Write(
      "\xEF\xBB\xBF# comment\r\n"
      "\r\n"
      "   # indented comment\n"
      "10\tCopy selected text to clipboard\r\n"
      "11   Copy to clipboard\n"
      "12\t~\n"
      "13\tkeeps  inner\tblanks and trailing \n"
      "  14\tleading blanks before the number\n"
      "32767\tlast number");
  ProgramTexts texts;
  EXPECT_EQ(texts.Load(path), 6);
  EXPECT_EQ(texts.Text(10), "Copy selected text to clipboard");
  EXPECT_EQ(texts.Text(11), "Copy to clipboard");
  EXPECT_EQ(texts.Text(12), "");
  ASSERT_NE(texts.Find(12), nullptr);
  EXPECT_EQ(*texts.Find(12), "~");
  EXPECT_EQ(texts.Text(13), "keeps  inner\tblanks and trailing ");
  EXPECT_EQ(texts.Text(14), "leading blanks before the number");
  EXPECT_EQ(texts.Text(32767), "last number");
  EXPECT_EQ(texts.Text(99), "");
  EXPECT_EQ(texts.Find(99), nullptr);
}

struct BrokenFile {
  const char* name;
  std::string content;
  int32_t status;
};

TEST_F(ProgramTextFile, BrokenFilesGiveTheirStatus) {
  const std::string longText(1024, 'x');
  const std::string justFits(1023, 'x');
  std::string tooManyLines;
  for (int i = 0; i < 501; ++i) tooManyLines += "# line\n";
  std::string lastAllowedLine;
  for (int i = 1; i < 500; ++i) lastAllowedLine += "\n";
  lastAllowedLine += "7\tat line 500\n";

  const BrokenFile cases[] = {
      {"empty", "", kTextsFileEmpty},
      {"only comments", "# nothing\n\n   \n", kTextsNoneRead},
      {"missing at line 3", "# c\n1\tone\n2\n", -503},
      {"missing with blanks", "1\t   \n", -501},
      {"too long at line 2", "1\tone\n2\t" + longText + "\n", -1002},
      {"1023 bytes fit", "1\t" + justFits + "\n", 1},
      {"duplicate at line 4", "1\ta\n2\tb\n\n1\tc\n", -1504},
      {"no number", "one\ttext\n", kTextsNotRecovered},
      {"number glued to text", "12abc\n", kTextsNotRecovered},
      {"negative number", "-1\ttext\n", kTextsNotRecovered},
      {"number too large", "32768\ttext\n", kTextsNotRecovered},
      {"forty-digit number", std::string(40, '9') + "\ttext\n", kTextsNotRecovered},
      {"NUL in text", std::string("1\ta\0b\n", 6), kTextsNotRecovered},
      {"501 lines", tooManyLines, kTextsTooMuch},
      {"line 500 is allowed", lastAllowedLine, 1},
      {"first fault wins", "1\n2\t" + longText + "\n", -501},
  };
  for (const auto& c : cases) {
    ProgramTexts texts;
    EXPECT_EQ(texts.Load(Write(c.content)), c.status) << c.name;
    if (c.status < 1) {
      EXPECT_EQ(texts.size(), 0u) << c.name;
    }
  }
}

TEST_F(ProgramTextFile, FilesThatCannotBeRead) {
  ProgramTexts texts;
  EXPECT_EQ(texts.Load((dir_ / "absent.dat").string()), kTextsCannotOpen);
  fs::create_directory(dir_ / "folder");
  const int32_t folder = texts.Load((dir_ / "folder").string());
  EXPECT_TRUE(folder == kTextsReadError || folder == kTextsCannotOpen) << folder;
  EXPECT_EQ(texts.Load(Write(std::string(1100000, '#'))), kTextsTooMuch);
}

TEST_F(ProgramTextFile, FailedLoadDropsEarlierTexts) {
  ProgramTexts texts;
  ASSERT_EQ(texts.Load(Write("1\tone\n")), 1);
  EXPECT_EQ(texts.Load(Write("1\tone\n1\tagain\n")), -1502);
  EXPECT_EQ(texts.Text(1), "");
}

TEST_F(ProgramTextFile, LibraryInterfaceAndFolderPath) {
  Write("10\tCopy\n12\t~\n");
  for (const std::string& folder : {dir_.string(), dir_.string() + "/"}) {
    const ProgramTextLoad load = LoadProgramTexts(folder);
    EXPECT_EQ(load.status, 2);
    EXPECT_TRUE(load.ok());
    EXPECT_EQ(load.path, (dir_ / "tavro.dat").string());
    EXPECT_EQ(load.message, "");
  }
  EXPECT_EQ(ProgramText(10), "Copy");
  EXPECT_EQ(ProgramText(12), "");
  EXPECT_EQ(ProgramText(11), "");
  EXPECT_EQ(ProgramText(-1), "");
  EXPECT_EQ(ProgramText(70000), "");

  std::string buffer = "untouched";
  EXPECT_EQ(_gt(10, 0, buffer, 1024, 1), 4);
  EXPECT_EQ(buffer, "Copy");
  EXPECT_EQ(_gt(10, 0, buffer, 3, 1), 2);  // room for two bytes and the terminator
  EXPECT_EQ(buffer, "Co");
  buffer = "untouched";
  EXPECT_EQ(_gt(11, 0, buffer, 1024, 1), 0);
  EXPECT_EQ(_gt(10, 1, buffer, 1024, 1), 0);
  EXPECT_EQ(buffer, "untouched");

  const ProgramTextLoad missing = LoadProgramTexts((dir_ / "nowhere").string());
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.message, (dir_ / "nowhere" / "tavro.dat").string() + "\r\nCannot open file containing program text.");
  EXPECT_EQ(ProgramText(10), "");
}

TEST(ProgramTextMessages, EveryStatus) {
  const struct {
    int32_t status;
    const char* message;
  } cases[] = {
      {0, "No program text was read."},
      {-1, "/opt/tavro/tavro.dat\r\nCannot open file containing program text."},
      {-2, "Particular memory allocation error."},
      {-3, "Too much program text."},
      {-4, "Text not recovered."},
      {-5, "Error -5"},
      {-6, "File is empty."},
      {-7, "Error reading file."},
      {-8, "General memory allocation error."},
      {-9, "Error -9"},
      {-500, "Error -500"},
      {-501, "Missing string at line 1."},
      {-512, "Missing string at line 12."},
      {-1000, "Missing string at line 500."},
      {-1001, "String too long at line 1."},
      {-1500, "String too long at line 500."},
      {-1501, "Duplicate in program text at line 1."},
      {-1512, "Duplicate in program text at line 12."},
      {-2147483647 - 1, "Duplicate in program text at line 2147482148."},
      {5, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramTextStatusMessage(c.status, "/opt/tavro/tavro.dat"), c.message) << c.status;
}

TEST(ProgramTextAsset, ShippedFileHoldsTheNamedTexts) {
  // Tests run in the program folder, where the build copies the assets.
  ProgramTexts texts;
  ASSERT_GE(texts.Load("tavro.dat"), 5);
  EXPECT_EQ(texts.Text(10), "Copy selected text to clipboard");
  EXPECT_EQ(texts.Text(11), "Copy to clipboard");
  EXPECT_EQ(texts.Text(17), "years");
  EXPECT_EQ(texts.Text(18), "Close");
  EXPECT_FALSE(texts.Text(19).empty());
}

}  // namespace
}  // namespace tavro
