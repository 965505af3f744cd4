// The window on the fake platform: lists and texts, Search / Stop / Close,
// the flags the main window reads, and what a scan shows as it goes.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/multisearch/frm_multiple_el_an.h"
#include "app/ui/fake_platform.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  ui::FakePlatform p;
  FrmMultipleElAn w{p};
  MultipleSearchInputs in;

  void SetUp() override { in.currentAJD = AjdOfDay(GregorianJDN(2024, 6, 1)); }
  // Noon of a day on the reference meridian.
  double AjdOfDay(int32_t day) const { return FromCJDC(day + 0.5, in.settings.referenceLongitude); }
  void Choose(int row, int element, int animal) {
    w.cboElement[row].index = element;
    w.cboElement_Click(row);
    w.cboAnimal[row].index = animal;
    w.cboAnimal_Click(row);
  }
  // A condition that is never met: a wood year has no wood-tiger month.
  void ChooseNever() {
    Choose(kRowMonth, 0, 2);
    Choose(kRowYear, 0, kNoAnimal);
  }
};

TEST_F(WindowTest, ListsAsLoaded) {
  EXPECT_EQ(w.cboElement[kRowDay].items, (std::vector<std::string>{"wood", "fire", "earth", "metal", "water", ""}));
  for (int row : {kRowMonth, kRowYear})
    EXPECT_EQ(w.cboElement[row].items,
              (std::vector<std::string>{"in a wood", "in a fire", "in an earth", "in a metal", "in a water", "in a"}));
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(w.cboElement[row].index, kNoElement);
    EXPECT_EQ(w.cboAnimal[row].index, kNoAnimal);
    ASSERT_EQ(w.cboAnimal[row].items.size(), 13u);
    EXPECT_EQ(w.cboAnimal[row].items[1], "ox");
    EXPECT_EQ(w.cboAnimal[row].items[12], "");
  }
  EXPECT_EQ(w.cboWithin.Text(), "within 100 years");
  EXPECT_EQ(w.cboWithin.items.front(), "within 1 year");
  EXPECT_EQ(w.cboWithin.items.back(), "within 1000 years");
}

TEST_F(WindowTest, TheOxMakesTheEmptyElementEntryReadInAn) {
  Choose(kRowMonth, kNoElement, 1);
  EXPECT_EQ(w.cboElement[kRowMonth].items[kNoElement], "in an");
  EXPECT_EQ(w.cboElement[kRowYear].items[kNoElement], "in a");
  EXPECT_EQ(w.MultipleElementAnimalStr(), "day in an -ox (-chou) month");
  Choose(kRowMonth, kNoElement, 2);
  EXPECT_EQ(w.cboElement[kRowMonth].items[kNoElement], "in a");
  // The day row has no article.
  Choose(kRowDay, kNoElement, 1);
  EXPECT_EQ(w.cboElement[kRowDay].items[kNoElement], "");
}

TEST_F(WindowTest, RowTextsAndDescription) {
  struct {
    ElementAnimalRows rows;
    Country country;
    std::string day, month, year, description;
  } cases[] = {
      {{{{0, 0}, {}, {}}}, Country::China, "wood-rat (jia-zi) day", "", "", "wood-rat (jia-zi) day"},
      {{{{}, {1, 6}, {}}}, Country::China, "", "in a fire-horse (bing-wu) month", "",
       "day in a fire-horse (bing-wu) month"},
      {{{{}, {}, {kNoElement, 1}}}, Country::China, "", "", "-ox (-chou) year", "day in an -ox (-chou) year"},
      {{{{0, kNoAnimal}, {2, kNoAnimal}, {kNoElement, 11}}}, Country::China, "wood- (jia-, yi-) day",
       "in an earth- (wu-, ji-) month", "-pig (-hai) year",
       "wood- (jia-, yi-) day in an earth- (wu-, ji-) month in a -pig (-hai) year"},
      {{{{1, 3}, {}, {4, 7}}}, Country::Vietnam, "fire-cat (ding-mao) day", "", "in a water-goat (gui-wei) year",
       "fire-cat (ding-mao) day in a water-goat (gui-wei) year"},
      {{{{kNoElement, 11}, {1, 1}, {}}}, Country::Japan, "-boar (-hai) day", "in a fire-ox (ding-chou) month", "",
       "-boar (-hai) day in a fire-ox (ding-chou) month"},
  };
  for (const auto& c : cases) {
    in.country = c.country;
    w.Show(in);
    for (int row = 0; row < 3; ++row) Choose(row, c.rows[row].element, c.rows[row].animal);
    EXPECT_EQ(w.RowText(kRowDay), c.day);
    EXPECT_EQ(w.RowText(kRowMonth), c.month);
    EXPECT_EQ(w.RowText(kRowYear), c.year);
    EXPECT_EQ(w.MultipleElementAnimalStr(), c.description);
  }
}

TEST_F(WindowTest, ShowingSetsTitleFocusAndClearsCancel) {
  in.next = false;
  w.Show(in);
  EXPECT_TRUE(w.visible);
  EXPECT_EQ(w.caption, "Search for the previous");
  EXPECT_EQ(w.focus, "cmdClose");
  EXPECT_FALSE(w.blnCancel);
  Choose(kRowDay, 0, 0);
  EXPECT_EQ(w.focus, "cmdSearch");
  w.cmdClose_Click();
  EXPECT_FALSE(w.visible);
  EXPECT_TRUE(w.blnCancel);
}

TEST_F(WindowTest, NoConditionIsRefused) {
  w.Show(in);
  w.cmdSearch_Click();
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text,
            "You must specify an element or an animal or both\r\nfor one or more of: day, month and year");
  EXPECT_EQ(p.messages[0].title, "Invalid input");
  EXPECT_EQ(p.messages[0].icon, ui::Icon::Warning);
  EXPECT_TRUE(w.visible);
  EXPECT_FALSE(w.blnCancel);
  EXPECT_EQ(p.doEventsCalls, 0);
}

TEST_F(WindowTest, AFoundDayHidesTheWindowAndIsHandedBack) {
  const int32_t start = GregorianJDN(2024, 6, 1);
  Choose(kRowDay, 0, 0);  // wood-rat
  for (bool next : {true, false}) {
    in.next = next;
    w.Show(in);
    w.cmdSearch_Click();
    EXPECT_FALSE(w.visible);
    EXPECT_FALSE(w.blnCancel);
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(DayCyclePosition(w.lngCJDN), 1);
    EXPECT_GT(next ? w.lngCJDN - start : start - w.lngCJDN, 0);
    EXPECT_LE(next ? w.lngCJDN - start : start - w.lngCJDN, 60);
  }
  // The choices stay for the next opening.
  w.Show(in);
  EXPECT_EQ(w.cboElement[kRowDay].index, 0);
  EXPECT_EQ(w.cboAnimal[kRowDay].index, 0);
}

TEST_F(WindowTest, NothingFoundSaysSoAndCancels) {
  ChooseNever();
  w.cboWithin.index = 0;
  for (int today : {0, 1}) {
    w.chkStartingFromToday.value = today;
    w.Show(in);
    w.cmdSearch_Click();
    ASSERT_FALSE(p.messages.empty());
    EXPECT_EQ(p.messages.back().text, today ? "There is no such day within 1 year of today."
                                            : "There is no such day within 1 year.");
    EXPECT_EQ(p.messages.back().title, "Not found");
    EXPECT_EQ(p.messages.back().icon, ui::Icon::None);
    EXPECT_TRUE(w.blnCancel);
    EXPECT_FALSE(w.visible);
  }
}

TEST_F(WindowTest, StartingFromTodayIgnoresTheCurrentMoment) {
  const int32_t today = GregorianJDN(2031, 7, 4);
  w.todayJDN = [&] { return today; };
  w.chkStartingFromToday.value = 1;
  Choose(kRowDay, kNoElement, 0);  // rat
  w.Show(in);
  w.cmdSearch_Click();
  EXPECT_FALSE(w.blnCancel);
  EXPECT_GT(w.lngCJDN, today);
  EXPECT_LE(w.lngCJDN, today + 12);
  EXPECT_EQ(BranchIndex(DayCyclePosition(w.lngCJDN)), 0);
}

TEST_F(WindowTest, ProgressLineEveryTwentyCandidatesWhileControlsAreDisabled) {
  ui::Label mainLabel;
  in.searching = &mainLabel;
  in.currentAJD = AjdOfDay(GregorianJDN(2000, 1, 1));  // metal year: the scan jumps back to 1995
  in.next = false;
  ChooseNever();
  w.cboWithin.index = 1;
  std::vector<std::string> shown;
  p.onDoEvents = [&](int call) {
    EXPECT_EQ(w.cmdSearch.caption, "Stop");
    EXPECT_FALSE(w.cmdClear.enabled);
    EXPECT_FALSE(w.cmdClose.enabled);
    EXPECT_FALSE(w.cboAnimal[kRowDay].enabled);
    EXPECT_TRUE(mainLabel.visible);
    if (call == 1) {
      EXPECT_EQ(mainLabel.caption, "Searching ");
    }
    if (shown.empty() || shown.back() != mainLabel.caption) shown.push_back(mainLabel.caption);
  };
  w.Show(in);
  w.cmdSearch_Click();
  EXPECT_TRUE(w.blnCancel);  // nothing found
  ASSERT_GE(shown.size(), 3u);
  // The first candidate (k = 0) is the last day of the lunar year 1995, the
  // next progress line 20 days earlier.
  EXPECT_EQ(shown[1], "Searching ...    79-12-12-30 CHL   1996-02-18 CE");
  EXPECT_EQ(shown[2], "Searching ...    79-12-12-10 CHL   1996-01-29 CE");
  EXPECT_EQ(mainLabel.caption, "");
  EXPECT_EQ(w.cmdSearch.caption, "Search");
  EXPECT_TRUE(w.cmdClear.enabled);
  EXPECT_TRUE(w.cboAnimal[kRowDay].enabled);
}

TEST_F(WindowTest, StopLeavesTheWindowOpenAndCloseThenCancels) {
  ChooseNever();
  p.onDoEvents = [&](int call) {
    if (call == 3) w.cmdSearch_Click();  // Stop
  };
  w.Show(in);
  w.cmdSearch_Click();
  EXPECT_EQ(p.doEventsCalls, 3);
  EXPECT_TRUE(w.visible);
  EXPECT_FALSE(w.blnCancel);
  EXPECT_FALSE(w.blnStop);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(w.cmdSearch.caption, "Search");
  EXPECT_TRUE(w.cmdClear.enabled && w.cmdClose.enabled);
  EXPECT_FALSE(w.lblSearching.visible);
  EXPECT_EQ(w.cboElement[kRowMonth].index, 0);
  EXPECT_EQ(w.cboAnimal[kRowMonth].index, 2);
  w.cmdClose_Click();
  EXPECT_FALSE(w.visible);
  EXPECT_TRUE(w.blnCancel);
}

TEST_F(WindowTest, ClickingAgainBeforeTheScanSeesStopStartsNothing) {
  ChooseNever();
  p.onDoEvents = [&](int call) {
    if (call == 2) {
      w.cmdSearch_Click();  // Stop
      w.cmdSearch_Click();  // arrives in the same pump
    }
  };
  w.Show(in);
  w.cmdSearch_Click();
  EXPECT_EQ(p.doEventsCalls, 2);
  EXPECT_TRUE(w.visible);
  EXPECT_FALSE(w.Scanning());
}

TEST_F(WindowTest, ClosingByTheFrameDuringAScanCancelsWithoutAMessage) {
  ChooseNever();
  p.onDoEvents = [&](int call) {
    if (call == 5) w.Form_QueryUnload();
  };
  w.Show(in);
  w.cmdSearch_Click();
  EXPECT_EQ(p.doEventsCalls, 5);
  EXPECT_FALSE(w.visible);
  EXPECT_TRUE(w.blnCancel);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_FALSE(w.Scanning());
  EXPECT_TRUE(w.cmdClose.enabled);
}

TEST_F(WindowTest, ShowModalReportsTheResultOrACancel) {
  Choose(kRowYear, 0, 4);  // wood-dragon
  w.modalLoop = [&] { w.cmdSearch_Click(); };
  in.currentAJD = AjdOfDay(GregorianJDN(2023, 6, 1));
  EXPECT_TRUE(w.ShowModal(in));
  EXPECT_EQ(w.lngCJDN, GregorianJDN(2024, 2, 10));

  // A loop that ends with the window still shown (closed some other way).
  w.modalLoop = [] {};
  EXPECT_FALSE(w.ShowModal(in));
  EXPECT_TRUE(w.blnCancel);
  EXPECT_FALSE(w.visible);

  // Stopped, then closed.
  ChooseNever();
  p.onDoEvents = [&](int call) {
    if (call == 1) w.cmdSearch_Click();
  };
  w.modalLoop = [&] {
    w.cmdSearch_Click();
    w.cmdClose_Click();
  };
  EXPECT_FALSE(w.ShowModal(in));
}

TEST_F(WindowTest, ClearAndPreset) {
  w.Preset(kRowMonth, kNoElement, 1);
  EXPECT_EQ(w.cboElement[kRowMonth].items[kNoElement], "in an");
  w.Preset(kRowDay, 7, -3);  // out of range: none
  EXPECT_EQ(w.cboElement[kRowDay].index, kNoElement);
  EXPECT_EQ(w.cboAnimal[kRowDay].index, kNoAnimal);
  w.Preset(kRowYear, 3, 9);
  EXPECT_EQ(w.Pairs(), (std::array<int, 6>{kNoElement, kNoAnimal, kNoElement, 1, 3, 9}));
  w.SetPairs({0, 99, -1, 11, 4, 0});
  EXPECT_EQ(w.Pairs(), (std::array<int, 6>{0, kNoAnimal, kNoElement, 11, 4, 0}));
  w.cmdClear_Click();
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(w.Rows()[row].Constrained());
  EXPECT_EQ(w.cboElement[kRowMonth].items[kNoElement], "in a");
}

}  // namespace
}  // namespace tavro
