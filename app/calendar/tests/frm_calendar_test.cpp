#include <gtest/gtest.h>

#include "app/calendar/frm_calendar.h"
#include "app/ui/fake_platform.h"
#include "core/time/euro_date.h"

namespace tavro {
namespace {

struct Written {
  int calls = 0;
  std::string path;
  bool result = true;
};

struct CalendarFixture : ::testing::Test {
  ui::FakePlatform platform;
  Written written;
  FrmCalendar frm{platform, [this](const calendar::Month&, const DayPictures&, const std::string& path) {
                    ++written.calls;
                    written.path = path;
                    return written.result;
                  }};
  CalendarContext Context() {
    CalendarContext c;
    c.ajd = GregorianJDN(2024, 2, 20);
    c.lunarDateLine = "79-41-01-11 CHL 08:00 CCT";
    return c;
  }
};

TEST_F(CalendarFixture, OpensOnTheCurrentLunarMonthAndSteps) {
  frm.Open(Context());
  EXPECT_TRUE(frm.blnFormLoaded);
  EXPECT_TRUE(frm.visible);
  EXPECT_EQ(frm.lngJDN1stOfMonth, GregorianJDN(2024, 2, 10));
  EXPECT_EQ(frm.caption, "79-41-01-11 CHL");
  EXPECT_EQ(frm.lblYearAndMonth.caption, "Common Era year 2024 (February-March)");
  frm.cmdShowPreviousOrNext_Click(1);
  EXPECT_EQ(frm.lngJDN1stOfMonth, GregorianJDN(2024, 3, 10));
  frm.cmdShowPreviousOrNext_Click(0);
  frm.cmdShowPreviousOrNext_Click(0);
  EXPECT_EQ(frm.lngJDN1stOfMonth, GregorianJDN(2024, 1, 11));
  // Opening again always returns to the current month.
  frm.cmdClose_Click();
  EXPECT_FALSE(frm.visible);
  frm.Open(Context());
  EXPECT_EQ(frm.lngJDN1stOfMonth, GregorianJDN(2024, 2, 10));
}

TEST_F(CalendarFixture, ArcLineFollowsTheMainWindowOption) {
  CalendarContext c = Context();
  frm.Open(c);
  EXPECT_FALSE(frm.month.showArc);
  c.showArc = true;
  frm.Open(c);
  EXPECT_TRUE(frm.month.showArc);
}

TEST_F(CalendarFixture, SaveAppendsTheExtensionAndReports) {
  frm.Open(Context());
  struct Case {
    std::string chosen, written;
  } cases[] = {{"cal", "cal.png"}, {"cal.png", "cal.png"}, {"dir/Cal.PNG", "dir/Cal.PNG"}, {"a.bmp", "a.bmp.png"}};
  for (const Case& c : cases) {
    platform.saveFileAnswers.push_back(c.chosen);
    frm.cmdSaveCalendarImage_Click();
    EXPECT_EQ(written.path, c.written);
    ASSERT_NE(platform.LastMessage(), nullptr);
    EXPECT_EQ(platform.LastMessage()->text, "The image has been saved in the PNG file\r\n" + c.written);
    EXPECT_EQ(platform.LastMessage()->title, "Save image");
    EXPECT_EQ(platform.LastMessage()->icon, ui::Icon::Information);
  }
  // The user's clipboard is never touched.
  EXPECT_TRUE(platform.clipboardText.empty());
  EXPECT_TRUE(platform.clipboardImage.Empty());
}

TEST_F(CalendarFixture, CancelledDialogWritesNothing) {
  frm.Open(Context());
  frm.cmdSaveCalendarImage_Click();  // no answer queued: cancelled
  EXPECT_EQ(written.calls, 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CalendarFixture, FailedWriteIsReportedAsAnError) {
  frm.Open(Context());
  written.result = false;
  platform.saveFileAnswers.push_back("/no/such/folder/cal");
  frm.cmdSaveCalendarImage_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error when attempting to save image.  Please try again.");
  EXPECT_EQ(platform.messages[0].title, "Save as PNG image");
  EXPECT_EQ(platform.messages[0].icon, ui::Icon::None);
}

}  // namespace
}  // namespace tavro
