// The festivals window and its export on the fake platform: the rows of a
// year, a row moving the main window, the native line of the main window and
// a calendar file that a real iCalendar reader accepts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "app/festivals/festival_text.h"
#include "app/festivals/frm_festivals.h"
#include "app/ui/fake_platform.h"
#include "app/windows/window_links.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

FestivalContext ContextAt(Country country, int longitude, int32_t year, Language language) {
  FestivalContext c;
  c.country = country;
  c.settings.referenceLongitude = longitude;
  c.language = language;
  c.ajd = GregorianJDN(year, 6, 1);
  return c;
}

// The row of a festival by its English name; -1 when not listed.
int RowOf(const FrmFestivals& w, const std::string& english) {
  for (size_t i = 0; i < w.lstFestivals.rows.size(); ++i)
    if (w.lstFestivals.rows[i][kFestivalColumnEnglish] == english) return static_cast<int>(i);
  return -1;
}

struct ListingCase {
  const char* name;
  Country country;
  int longitude;
  int32_t year;
  Language language;
  const char* key;
  const char* date;
  const char* native;
  const char* chlMonthDay;  // "-08-15 CHL"
};

class FestivalListing : public ::testing::TestWithParam<ListingCase> {};

// Each row: its CE date, the name in the country's language and in English,
// and the lunar date of that day; the rows come in date order.
TEST_P(FestivalListing, RowsOfTheYear) {
  const ListingCase c = GetParam();
  ui::FakePlatform p;
  FrmFestivals w(p);
  w.Open(ContextAt(c.country, c.longitude, c.year, c.language));
  EXPECT_TRUE(w.visible);
  EXPECT_EQ(w.txbYear.text, std::to_string(c.year));
  EXPECT_EQ(w.caption, "Festivals " + std::to_string(c.year));
  ASSERT_FALSE(w.days.empty());
  ASSERT_EQ(w.lstFestivals.rows.size(), w.days.size());
  for (size_t i = 1; i < w.days.size(); ++i) EXPECT_LE(w.days[i - 1].jdn, w.days[i].jdn);
  int row = -1;
  for (size_t i = 0; i < w.days.size(); ++i)
    if (w.days[i].rule->key == c.key) row = static_cast<int>(i);
  ASSERT_GE(row, 0) << c.key;
  const auto& cells = w.lstFestivals.rows[row];
  EXPECT_EQ(cells[kFestivalColumnDate], c.date);
  EXPECT_EQ(cells[kFestivalColumnNative], c.native);
  EXPECT_NE(cells[kFestivalColumnChl].find(c.chlMonthDay), std::string::npos) << cells[kFestivalColumnChl];
  EXPECT_TRUE(p.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Countries, FestivalListing,
    ::testing::Values(
        ListingCase{"ChinaMidAutumn", Country::China, 120, 2025, Language::ZhHans, "mid-autumn", "2025-10-06", "中秋节", "-08-15 CHL"},
        ListingCase{"ChinaTraditional", Country::China, 120, 2025, Language::ZhHant, "mid-autumn", "2025-10-06", "中秋節", "-08-15 CHL"},
        ListingCase{"ChinaSpringFestival", Country::China, 120, 2024, Language::ZhHans, "spring-festival", "2024-02-10", "春节", "-01-01 CHL"},
        ListingCase{"VietnamTet", Country::Vietnam, 105, 2025, Language::Vietnamese, "tet", "2025-01-29", "Tết Nguyên Đán", "-01-01 CHL"},
        ListingCase{"JapanJugoya", Country::Japan, 135, 2025, Language::Japanese, "jugoya", "2025-10-06", "十五夜", "-08-15 CHL"}),
    [](const auto& info) { return std::string(info.param.name); });

// The year box, its buttons and their limits.
TEST(FestivalsWindow, YearBoxAndButtons) {
  ui::FakePlatform p;
  FrmFestivals w(p);
  w.Open(ContextAt(Country::China, 120, 2025, Language::ZhHans));
  w.txbYear.text = " 2024 ";
  w.txbYear_Enter();
  EXPECT_EQ(w.listedYear, 2024);
  EXPECT_EQ(w.lstFestivals.rows[0][kFestivalColumnDate].substr(0, 4), "2024");
  w.cmdNextYear_Click();
  EXPECT_EQ(w.txbYear.text, "2025");
  for (const char* bad : {"abc", "3001", "-3001", "", "20 25"}) {
    w.txbYear.text = bad;
    w.txbYear_Enter();
    EXPECT_EQ(w.listedYear, 2025) << bad;
    EXPECT_EQ(w.txbYear.text, "2025") << bad;
    ASSERT_NE(p.LastMessage(), nullptr);
    EXPECT_EQ(p.LastMessage()->text, "Enter a CE year from -3000 to 3000.");
  }
  // The ends of the range: the festivals of days inside it, no step beyond.
  w.txbYear.text = "3000";
  w.txbYear_Enter();
  EXPECT_FALSE(w.cmdNextYear.enabled);
  w.txbYear.text = "-3000";
  w.txbYear_Enter();
  EXPECT_FALSE(w.cmdPreviousYear.enabled);
  ASSERT_FALSE(w.days.empty());
  EXPECT_EQ(w.lstFestivals.rows[0][kFestivalColumnDate].substr(0, 6), "-3000-");
}

// ---- with the main window, as the desktop program joins them ----

class FestivalsWithMain : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::mt19937_64 rng(std::random_device{}());
    folder = std::filesystem::temp_directory_path() / ("tavro_festivals_test_" + std::to_string(rng()));
    std::filesystem::create_directories(folder);
    p.appDataFolder = folder.string();
    p.programFolder = ".";
    Start();
  }
  void TearDown() override {
    links.reset();
    main.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  void Start() {
    links.reset();
    main = std::make_unique<FrmMain>(p);
    links = std::make_unique<WindowLinks>(*main, nullptr);
    ASSERT_TRUE(main->Form_Load());
    p.Clear();
  }
  void Convert(const std::string& entry) {
    main->txbDate.text = entry;
    main->cmdCompute_Click();
  }
  std::string ShownCe() const { return main->lblCommonEraDate[1].caption.substr(0, 13); }

  std::filesystem::path folder;
  ui::FakePlatform p;
  std::unique_ptr<FrmMain> main;
  std::unique_ptr<WindowLinks> links;
};

// A row activated moves the main window to noon of that day at the
// meridian, as a search does: the log gets a search entry, Save state is
// enabled; a typed entry that is wrong stops it as it stops a search.
TEST_F(FestivalsWithMain, ActivatingARowMovesTheMainWindow) {
  Convert("2025-03-01 ce");
  main->chkAutoLog.value = 1;
  EXPECT_TRUE(main->cmdFestivals.enabled);
  links->cmdFestivals_Click();
  FrmFestivals& w = links->festivals;
  ASSERT_EQ(w.listedYear, 2025);
  // The next festival after the main window's day is chosen first.
  ASSERT_TRUE(w.lstFestivals.Valid(w.lstFestivals.index));
  EXPECT_EQ(w.lstFestivals.rows[w.lstFestivals.index][kFestivalColumnEnglish], "Dragon Raises Its Head");
  const int row = RowOf(w, "Mid-Autumn Festival");
  ASSERT_GE(row, 0);
  w.lstFestivals.index = row;
  w.lstFestivals_DblClick();
  EXPECT_EQ(ShownCe(), "2025-10-06 CE");
  EXPECT_NE(main->lblChineseLunarDate[1].caption.find("-08-15 CHL 12:00"), std::string::npos)
      << main->lblChineseLunarDate[1].caption;
  EXPECT_TRUE(main->cmdSaveState.enabled);
  EXPECT_NE(links->log.txbText.text.find("2025-10-06"), std::string::npos);

  // A wrong typed entry: its message, and the moment stays.
  main->txbDate.text = "2025-13-40 ce";
  w.lstFestivals.index = 0;
  w.lstFestivals_DblClick();
  EXPECT_EQ(ShownCe(), "2025-10-06 CE");
  EXPECT_FALSE(p.messages.empty());

  // The main window's country changed: the next activation lists it anew.
  main->cboRefLong.index = kCountryVietnam;
  main->cboRefLong_Click();
  w.Form_Activate();
  EXPECT_EQ(w.context.country, Country::Vietnam);
  EXPECT_GE(RowOf(w, "Tết (Lunar New Year)"), 0);
  EXPECT_EQ(w.lstFestivals.rows[0][kFestivalColumnDate].substr(0, 4), "2025");
  EXPECT_EQ(w.lblCountry.caption, "Vietnam, civil days at 105\xC2\xBA East");
}

// The native line: off by default; on, the date in the country's script and
// the day's festivals; both choices kept in the settings store across a
// restart, and the state file keeps its 79 lines.
TEST_F(FestivalsWithMain, NativeLineFollowsCountryAndScript) {
  EXPECT_FALSE(main->lblNativeDate[1].visible);
  Convert("2024-02-10 ce");
  main->chkShowNativeNames.value = 1;
  main->chkShowNativeNames_Click();
  EXPECT_EQ(p.settings["chkShowNativeNames"], "1");
  EXPECT_TRUE(main->lblNativeDate[1].visible);
  EXPECT_TRUE(main->cboNativeScript.visible);
  EXPECT_EQ(main->lblNativeDate[0].caption, "农历");
  EXPECT_EQ(main->lblNativeDate[1].caption, "甲辰年正月初一   春节");

  main->cboNativeScript.index = 1;
  main->cboNativeScript_Click();
  EXPECT_EQ(p.settings["cboNativeScript"], "1");
  EXPECT_EQ(main->lblNativeDate[1].caption, "甲辰年正月初一   春節");

  main->cboRefLong.index = kCountryJapan;
  main->cboRefLong_Click();
  EXPECT_FALSE(main->cboNativeScript.visible);
  EXPECT_EQ(main->lblNativeDate[0].caption, "旧暦");
  EXPECT_EQ(main->lblNativeDate[1].caption.rfind("甲辰年 1月1日 先勝", 0), 0u) << main->lblNativeDate[1].caption;

  main->cboRefLong.index = kCountryVietnam;
  main->cboRefLong_Click();
  EXPECT_EQ(main->lblNativeDate[1].caption.rfind("mùng 1 tháng Giêng năm Giáp Thìn", 0), 0u)
      << main->lblNativeDate[1].caption;
  Convert("2024-02-12 ce");  // no festival that day
  EXPECT_EQ(main->lblNativeDate[1].caption, "mùng 3 tháng Giêng năm Giáp Thìn");

  main->cboRefLong.index = kCountryChina;
  main->cmdQuit_Click();
  const std::string state = ReadFile(folder / "Velmora" / "tavro.usr");
  size_t lines = 0;
  for (size_t at = state.find("\r\n"); at != std::string::npos; at = state.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 79u);
  Start();
  EXPECT_EQ(main->chkShowNativeNames.value, 1);
  EXPECT_EQ(main->cboNativeScript.index, 1);
  EXPECT_EQ(main->lblNativeDate[1].caption, "甲辰年正月初三");
}

// ---- the export dialog ----

// A Python script that reads the file with the icalendar package and prints
// the number of events, whether the UIDs are unique and every event's date
// and summary.
constexpr const char* kReader = R"PY(
import sys
from icalendar import Calendar
raw = open(sys.argv[1], 'rb').read()
cal = Calendar.from_ical(raw)
events = list(cal.walk('VEVENT'))
uids = [str(e.get('UID')) for e in events]
print('events', len(events))
print('unique', len(set(uids)) == len(uids))
for e in events:
    d = e.decoded('DTSTART')
    print('event', d.isoformat()[:10], str(e.get('SUMMARY')))
)PY";

TEST_F(FestivalsWithMain, ExportWritesAFileACalendarReaderAccepts) {
  if (std::system("/usr/bin/python3 -c 'import icalendar' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3-icalendar is not installed";
  Convert("2025-03-01 ce");
  links->cmdFestivals_Click();
  FrmFestivals& w = links->festivals;
  w.cmdExport_Click();
  FrmFestivalExport& x = w.exportDialog;
  ASSERT_TRUE(x.visible);
  EXPECT_EQ(x.txbFrom.text, "2025");
  EXPECT_EQ(x.cboLanguage.index, static_cast<int>(Language::ZhHans));
  x.txbTo.text = "2026";
  x.chkKind[static_cast<int>(CalendarEventKind::Terms)].value = 0;
  x.chkKind[static_cast<int>(CalendarEventKind::NewYears)].value = 1;
  const auto file = folder / "festivals";  // the extension is added
  p.saveFileAnswers.push_back(file.string());
  x.cmdSave_Click();
  EXPECT_TRUE(p.messages.empty()) << p.LastMessage()->text;
  EXPECT_FALSE(x.visible);
  const auto ics = folder / "festivals.ics";
  ASSERT_TRUE(std::filesystem::exists(ics));
  EXPECT_TRUE(w.lblStatus.visible);
  EXPECT_NE(w.lblStatus.caption.find(ics.string()), std::string::npos);

  const auto script = folder / "read.py";
  std::ofstream(script) << kReader;
  const auto out = folder / "read.txt";
  ASSERT_EQ(std::system(("/usr/bin/python3 '" + script.string() + "' '" + ics.string() + "' > '" + out.string() + "'").c_str()), 0);
  const std::string read = ReadFile(out);
  EXPECT_NE(read.find("unique True"), std::string::npos);
  EXPECT_NE(read.find("event 2025-10-06 中秋节"), std::string::npos) << read;
  EXPECT_NE(read.find("event 2026-09-25 中秋节"), std::string::npos) << read;
  EXPECT_EQ(read.find("event 2027-"), std::string::npos);
  // No solar terms were asked for.
  EXPECT_EQ(read.find(" 立春"), std::string::npos) << read;
}

// What the dialog refuses, what a cancelled file dialog and a file that
// cannot be written leave: a message, the dialog open, no file.
TEST_F(FestivalsWithMain, ExportRefusesAndKeepsTheDialog) {
  links->cmdFestivals_Click();
  FrmFestivalExport& x = links->festivals.exportDialog;
  struct Case {
    const char* from;
    const char* to;
    bool anyKind;
    const char* message;  // empty: the file dialog is asked
  };
  const Case cases[] = {
      {"0", "2025", true, "Calendar files hold the years 1 to 3000 CE."},
      {"2025", "3001", true, "Calendar files hold the years 1 to 3000 CE."},
      {"x", "2025", true, "The first year is not a whole number."},
      {"2025", "", true, "The last year is not a whole number."},
      {"2026", "2025", true, "The first year comes after the last."},
      {"1800", "2025", true, "A calendar file holds at most 200 years."},
      {"2025", "2025", false, "Choose at least one kind of event."},
  };
  for (const Case& c : cases) {
    links->festivals.cmdExport_Click();
    x.txbFrom.text = c.from;
    x.txbTo.text = c.to;
    if (!c.anyKind)
      for (auto& k : x.chkKind) k.value = 0;
    p.Clear();
    p.saveFileAnswers.push_back((folder / "never.ics").string());
    x.cmdSave_Click();
    ASSERT_NE(p.LastMessage(), nullptr) << c.from << ".." << c.to;
    EXPECT_EQ(p.LastMessage()->text, c.message);
    EXPECT_EQ(p.LastMessage()->title, "Export to calendar");
    EXPECT_TRUE(x.visible);
    p.saveFileAnswers.clear();
  }
  // Cancelled: nothing said, nothing written, the dialog stays.
  links->festivals.cmdExport_Click();
  p.Clear();
  x.cmdSave_Click();
  EXPECT_TRUE(p.messages.empty());
  EXPECT_TRUE(x.visible);
  // A folder that does not exist.
  p.saveFileAnswers.push_back((folder / "no" / "such.ICS").string());
  x.cmdSave_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_NE(p.LastMessage()->text.find("could not be written"), std::string::npos);
  EXPECT_NE(p.LastMessage()->text.find("No such file or directory"), std::string::npos) << p.LastMessage()->text;
  EXPECT_TRUE(x.visible);
  EXPECT_FALSE(std::filesystem::exists(folder / "never.ics"));
  // What stands at the path and could not be opened is left alone.
  std::filesystem::create_directory(folder / "taken.ics");
  p.saveFileAnswers.push_back((folder / "taken.ics").string());
  x.cmdSave_Click();
  ASSERT_NE(p.LastMessage(), nullptr);
  EXPECT_NE(p.LastMessage()->text.find("Is a directory"), std::string::npos) << p.LastMessage()->text;
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ics"));
  // Closing the window closes its dialog.
  links->festivals.cmdClose_Click();
  EXPECT_FALSE(x.visible);
}

TEST(FestivalText, DatesYearsAndFileNames) {
  EXPECT_EQ(CeDateText(2460351), "2024-02-10");
  // As the main window writes years: no zero padding, year 0 included.
  EXPECT_EQ(CeDateText(GregorianJDN(-44, 3, 15)), "-44-03-15");
  EXPECT_EQ(CeDateText(GregorianJDN(0, 6, 1)), "0-06-01");
  int32_t y = 0;
  EXPECT_TRUE(ParseCeYear("+2025", y));
  EXPECT_EQ(y, 2025);
  EXPECT_TRUE(ParseCeYear(" -44 ", y));
  EXPECT_EQ(y, -44);
  for (const char* bad : {"", " ", "2025x", "1e3", "99999999999", "+"}) EXPECT_FALSE(ParseCeYear(bad, y)) << bad;
  EXPECT_EQ(FrmFestivalExport::WithIcsExtension("a.ICS"), "a.ICS");
  EXPECT_EQ(FrmFestivalExport::WithIcsExtension("a.ics.txt"), "a.ics.txt.ics");
}

}  // namespace
}  // namespace tavro
