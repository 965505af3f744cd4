#include "app/main/moon_picture.h"
#include "app/main/tests/main_test_support.h"
#include "core/chinese/names.h"

namespace tavro::testing {
namespace {

TEST_F(MainWindowTest, ConvertingTheSameEntryTwiceChangesNothingTheSecondTime) {
  Convert("2000-01-01 CE");
  EXPECT_EQ(f->lblCommonEraDate[1].caption, "2000-01-01 CE 12:00 GMT Saturday");
  EXPECT_EQ(f->lblAstronomicalJulianDate[1].caption, "2,451,545.0000 AJD");
  EXPECT_EQ(logKinds, std::vector<int>{2});
  EXPECT_TRUE(f->cmdSaveState.enabled);
  Convert("2000-01-01 CE", "12:00");
  EXPECT_EQ(LastText(), "Calendar dates unchanged.");
  EXPECT_EQ(p.LastMessage()->title, "Convert date");
  EXPECT_EQ(logKinds.size(), 1u);
  // The entry boxes keep their contents.
  EXPECT_EQ(f->txbDate.text, "2000-01-01 CE");
}

TEST_F(MainWindowTest, PlusMinusDaysOnTheDisplayedDate) {
  Convert("2001-12-31 CE");
  f->intCalendar = kCalCE;
  f->txbDate.text.clear();
  f->txbTime.text.clear();
  f->txbPlusMinus.text = "0.25";
  f->cmdCompute_Click();
  EXPECT_EQ(f->lblCommonEraDate[1].caption, "2001-12-31 CE 18:00 GMT Monday");

  // An empty box with CJDL current works on the displayed CJDL text.
  f->intCalendar = kCalCJDL;
  f->txbDate.text.clear();
  f->txbPlusMinus.text = "1";
  f->optPlus.value = false;
  f->optMinus.value = true;
  const double before = f->dblCurrentAJDate;
  f->cmdCompute_Click();
  EXPECT_NEAR(f->dblCurrentAJDate, before - 1, 1e-4);

  f->txbPlusMinus.text = "1-";
  f->cmdCompute_Click();
  EXPECT_EQ(LastText(), "Invalid plus/minus days.");
}

TEST_F(MainWindowTest, EnterKeys) {
  f->txbDate.text.clear();
  EXPECT_TRUE(f->txbDate_Enter());
  EXPECT_TRUE(p.messages.empty());
  f->txbPlusMinus.text = "1";
  EXPECT_TRUE(f->txbPlusMinus_Enter());  // date box empty: nothing happens
  EXPECT_TRUE(p.messages.empty());
  f->txbPlusMinus.text.clear();
  f->txbDate.text = "2000-01-01 CE";
  EXPECT_TRUE(f->txbDate_Enter());
  EXPECT_EQ(f->lblCommonEraDate[1].caption.substr(0, 13), "2000-01-01 CE");
  f->txbDate_KeyUp(112);
  EXPECT_EQ(p.helpShown, 1);
}

TEST_F(MainWindowTest, ReferenceMeridianTimesAndFirstDayOfTerm) {
  // CJDC with fraction .0: midnight at 120 degrees East, 16:00 the day before in London.
  Convert("2451545.0 CJDC");
  EXPECT_NE(f->lblChineseLunarDate[1].caption.find("00:00 CCT"), std::string::npos);
  EXPECT_NE(f->lblCommonEraDate[1].caption.find("1999-12-31 CE 16:00 GMT"), std::string::npos);
  // 79-41-01-01 CHS is the first day of a term: the text ends with the time.
  Convert("79-41-01-01 CHS", "10:00");
  const std::string chs = f->lblChineseSolarDate[1].caption;
  EXPECT_EQ(chs.substr(0, 11), "79-41-01-01");
  EXPECT_EQ(chs.find("CCT"), std::string::npos) << chs;
  EXPECT_NE(chs.find("10:00"), std::string::npos) << chs;
}

TEST_F(MainWindowTest, ArcAgainstChlTitles) {
  struct Case {
    const char* chl;
    const char* arc;
    const char* title;
  };
  const Case cases[] = {
      {"79-41-12-28 CHL 10:00 CCT", "4721-12-28 ARC 10:00 CCT Saturn Day", "ARC month & day same as CHL"},
      {"79-41-12-28 CHL 10:00 CCT", "4721-12-29 ARC 10:00 CCT Uranus Day", "ARC date 1 day ahead of CHL"},
      {"79-41-12-28 CHL 10:00 CCT", "4721-12-27 ARC 10:00 CCT Venus Day", "ARC date 1 day behind CHL"},
      {"79-41-05-15 CHL 10:00 CCT", "4721-06-15 ARC 10:00 CCT Mars Day", "ARC date 1 month ahead of CHL"},
      {"79-41-05-15 CHL 10:00 CCT", "4721-04-15 ARC 10:00 CCT Mars Day", "ARC date 1 month behind CHL"},
      {"79-41-05-15 CHL 10:00 CCT", "4721-05-03 ARC 10:00 CCT Venus Day", "ARC month no. same as CHL"},
      {"79-41-12-15 CHL 10:00 CCT", "4721-01-15 ARC 10:00 CCT Mars Day", "ARC day no. same as CHL"},
      {"79-41-12-15 CHL 10:00 CCT", "4721-03-03 ARC 10:00 CCT Venus Day", ""},
      {"79-41-4*-15 CHL 10:00 CCT", "4721-04-15 ARC 10:00 CCT Mars Day", ""},  // leap month
      {"garbled", "4721-04-15 ARC", ""},
  };
  for (const auto& c : cases) {
    f->lblChineseLunarDate[1].caption = c.chl;
    f->lblArchetypesCalendarCCT[1].caption = c.arc;
    f->lblArchetypesCalendarCCT[0].caption = "stale";
    f->CompareArcWithChl();
    EXPECT_EQ(f->lblArchetypesCalendarCCT[0].caption, c.title) << c.chl << " / " << c.arc;
    EXPECT_EQ(f->lblArchetypesCalendarCCT[0].back, f->lngDehighlight);
  }
}

TEST_F(MainWindowTest, CountryChanges) {
  f->cboRefLong.index = kCountryJapan;
  f->cboRefLong_Click();
  EXPECT_EQ(f->ReferenceLongitude(), 135);
  EXPECT_EQ(f->strCCT, "JST");
  EXPECT_EQ(f->cboTimeZone.items[1], "JST");
  EXPECT_EQ(f->animalNames[11], "boar");
  EXPECT_EQ(f->cboAnimal.items[11], "boar");
  EXPECT_EQ(f->formBack, (Rgb{64, 64, 224}));
  EXPECT_EQ(f->lblChineseLunarDate[0].caption, "Japanese Lunar");
  EXPECT_EQ(f->cboMoveStep.items[14], "ARC month (JST)");
  EXPECT_FALSE(f->lblYear.visible);
  EXPECT_NE(f->lblChineseLunarDate[1].caption.find("JST"), std::string::npos);

  f->cboRefLong.index = kCountryVietnam;
  f->cboRefLong_Click();
  EXPECT_EQ(f->cboAnimal.items[3], "cat");
  EXPECT_EQ(f->cboAnimal.items[11], "pig");
  EXPECT_EQ(f->strCCT, "ICT");
  EXPECT_EQ(f->countrySuffix, "_vn");

  f->cboRefLong.index = kCountryChina;
  f->cboRefLong_Click();
  EXPECT_EQ(f->cboAnimal.items[3], "rabbit");
  EXPECT_TRUE(f->lblYear.visible);
  EXPECT_EQ(f->lblChineseSolarDate[0].caption, "Chinese Solar");
}

TEST_F(MainWindowTest, LongitudeEpochAndMethodRedisplay) {
  Convert("2000-01-01 CE");
  f->cboLongitude.index = 16;  // 116 degrees East
  f->cboLongitude_Click();
  EXPECT_EQ(f->strCCT, "BEI");
  EXPECT_EQ(f->txbCCT.text, "BEI");
  EXPECT_TRUE(f->txbDate.text.empty());
  EXPECT_EQ(f->lblChronologicalJulianDateBeijing[0].caption, "Chronological JD 116\xC2\xBA East");
  EXPECT_NE(f->lblArchetypesCalendarCCT[1].caption.find("BEI"), std::string::npos);

  const std::string before = f->lblChineseLunarDate[1].caption;
  f->cboEpoch.index = 1;
  f->cboEpoch_Click();
  EXPECT_EQ(f->Epoch(), -2636);
  EXPECT_EQ(f->lblChineseLunarDate[1].caption, "78" + before.substr(2));
  EXPECT_EQ(f->EpochMethod(true), "Epoch = -2636, method = true sun");
}

TEST_F(MainWindowTest, ShowOptions) {
  f->chkShowCJDs.value = 1;
  f->chkShowCJDs_Click();
  EXPECT_FALSE(f->lblElementAnimalOfMonth.visible);
  EXPECT_TRUE(f->lblChronologicalJulianDateLondon[1].visible);
  Convert("2000-01-01 CE");
  EXPECT_FALSE(f->lblElementAnimalOfMonth.visible);
  EXPECT_FALSE(f->lblElementAnimalOfYear.visible);
  f->chkShowCJDs.value = 0;
  f->chkShowCJDs_Click();
  EXPECT_TRUE(f->lblElementAnimalOfYear.visible);
  EXPECT_EQ(f->lblElementAnimalOfYear.caption, "ji-mao earth-rabbit year");
  EXPECT_FALSE(f->lblChronologicalJulianDateBeijing[0].visible);

  f->chkShowARC.value = 0;
  f->chkShowARC_Click();
  EXPECT_FALSE(f->lblArchetypesCalendarGMT[1].visible);
  EXPECT_FALSE(f->lblArchetypesCalendarCCT[0].visible);
}

TEST_F(MainWindowTest, RowClicksCopyAndFillTheEntry) {
  Convert("2000-01-01 CE");
  f->CopyDisplayedDate(DisplayRow::CHL, 1);
  EXPECT_EQ(p.clipboardText, f->lblChineseLunarDate[1].caption);
  EXPECT_EQ(f->txbDate.text, "79-16-11-25 CHL");
  EXPECT_EQ(f->txbTime.text, "20:00");
  EXPECT_EQ(f->cboTimeZone.index, 1);
  EXPECT_EQ(f->intCalendar, kCalCHL);

  f->CopyDisplayedDate(DisplayRow::ArcZone, 0);  // title: copy only
  EXPECT_EQ(f->intCalendar, kCalARCCCT);
  EXPECT_EQ(f->txbDate.text, "79-16-11-25 CHL");
  EXPECT_EQ(f->lblArchetypesCalendarGMT[0].back, f->lngHighlight);

  f->CopyDisplayedDate(DisplayRow::AJD, 1);
  EXPECT_EQ(f->txbDate.text, "2,451,545.0000 AJD");
  EXPECT_TRUE(f->txbTime.text.empty());
  EXPECT_EQ(f->cboTimeZone.index, -1);

  // The copied entry converts back to the same moment.
  f->txbPlusMinus.text.clear();
  f->cmdCompute_Click();
  EXPECT_EQ(LastText(), "Calendar dates unchanged.");
}

TEST_F(MainWindowTest, TakePendingEntry) {
  Convert("2000-01-01 CE");
  const double now = f->dblCurrentAJDate;
  f->txbDate.text = "2000-01-01 CE";
  f->txbTime.text = "12:00";
  // 30 seconds away stays put, but the boxes are emptied.
  f->dblCurrentAJDate = now + 30.0 / 86400;
  EXPECT_TRUE(f->TakePendingEntry());
  EXPECT_DOUBLE_EQ(f->dblCurrentAJDate, now + 30.0 / 86400);
  EXPECT_TRUE(f->txbDate.text.empty());
  EXPECT_TRUE(f->txbTime.text.empty());
  EXPECT_EQ(f->cboTimeZone.index, -1);

  f->txbDate.text = "2000-02-01 CE";
  EXPECT_TRUE(f->TakePendingEntry());
  EXPECT_DOUBLE_EQ(f->dblCurrentAJDate, 2451576.0);

  f->txbDate.text = "2000-02-31 CE";
  EXPECT_FALSE(f->TakePendingEntry());
  EXPECT_EQ(f->txbDate.text, "2000-02-31 CE");
}

TEST_F(MainWindowTest, MoonRowsAndPicture) {
  Convert("2000-01-21 CE", "04:40");  // near the full moon of 2000-01-21
  EXPECT_EQ(f->lblPhaseOfMoon[1].caption.substr(0, 9), "Full moon");
  EXPECT_EQ(f->picMoon.image.width, 90);
  EXPECT_EQ(f->picMoon.image.height, 90);
  // Corners lie outside the disc and take the country colour.
  EXPECT_EQ(f->picMoon.image.At(0, 0), f->countryColour);
  EXPECT_EQ(f->lblDeltaT[1].caption, "1 minute");
}

// Bitmaps are read once per window, and not at all where no screen shows
// them; the texts are the same either way.
TEST_F(MainWindowTest, PicturesReadOnceAndOnlyWhenShown) {
  Convert("2000-01-21 CE", "04:40");
  Convert("2000-01-28 CE", "04:40");
  const int loaded = p.picturesLoaded;
  EXPECT_GT(loaded, 0);
  Convert("2000-01-21 CE", "04:40");
  EXPECT_EQ(p.picturesLoaded, loaded);

  ui::FakePlatform blind;
  blind.showsPictures = false;
  FrmMain g(blind);
  ASSERT_TRUE(g.Form_Load());
  g.txbDate.text = "2000-01-21 CE";
  g.txbTime.text = "04:40";
  g.cmdCompute_Click();
  EXPECT_EQ(blind.picturesLoaded, 0);
  EXPECT_TRUE(g.picMoon.image.Empty());
  EXPECT_EQ(g.lblPhaseOfMoon[1].caption, f->lblPhaseOfMoon[1].caption);
  EXPECT_EQ(g.lblAgeOfMoon[1].caption, f->lblAgeOfMoon[1].caption);
}

TEST(MoonPicture, KeyColourAndDisc) {
  ui::Image bitmap(90, 90, kMoonKeyColour);
  bitmap.Set(45, 45, ui::Rgb{250, 250, 250});
  MoonPicture plain;
  plain.disc = false;
  const ui::Rgb green{0, 128, 0};
  ui::Image img = DrawMoonPicture(plain, bitmap, green, 89, 89);
  EXPECT_EQ(img.At(10, 10), green);
  EXPECT_EQ(img.At(45, 45), (ui::Rgb{250, 250, 250}));

  ui::Image white(90, 90, ui::Rgb{255, 255, 255});
  LoadMoonDisc(white, 44, 45, 44, green);
  EXPECT_EQ(white.At(0, 0), green);
  EXPECT_EQ(white.At(44, 45), (ui::Rgb{255, 255, 255}));
  EXPECT_EQ(white.At(44, 1), (ui::Rgb{255, 255, 255}));  // on the rim
  EXPECT_EQ(white.At(44, 0), green);

  // A bitmap that could not be loaded gives a plain picture.
  EXPECT_EQ(DrawMoonPicture(plain, ui::Image(), green, 89, 89).At(45, 45), green);
}

}  // namespace
}  // namespace tavro::testing
