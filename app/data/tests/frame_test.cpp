// The window frame: copying, Close and Stop, activation.
#include "app/data/tests/data_fixture.h"

namespace tavro::testing_data {
namespace {

TEST_F(DataWindowTest, CopiesSelectionOrAll) {
  data.cmdCopyToClipboard_Click();  // nothing to copy
  EXPECT_TRUE(platform.clipboardText.empty());
  data.txbText.text = "12\xC2\xBA E\r\nline two";
  data.selStart = 0;
  data.selLength = 6;  // bytes: the degree sign takes two
  data.txbText_MouseUp(true);
  EXPECT_EQ(data.cmdCopyToClipboard.caption, "Copy selected text to clipboard");
  data.cmdCopyToClipboard_Click();
  EXPECT_EQ(platform.clipboardText, "12\xC2\xBA E");
  EXPECT_EQ(data.cmdCopyToClipboard.caption, "Copy to clipboard");
  EXPECT_EQ(data.focus, "cmdClose");
  data.selLength = 0;
  data.txbText_MouseUp(true);
  EXPECT_EQ(data.cmdCopyToClipboard.caption, "Copy to clipboard");
  data.cmdCopyToClipboard_Click();
  EXPECT_EQ(platform.clipboardText, data.txbText.text);
}

TEST_F(DataWindowTest, CloseResetsStopCaptionOrHides) {
  data.intWindow = kWindowMonthStarts;
  data.txbNumYears.text = "3";
  data.cmdList_Click();
  ASSERT_TRUE(data.visible);
  data.chkLargeWindow.value = 1;
  data.cmdClose.caption = "Stop";
  data.cmdClose_Click();
  EXPECT_TRUE(data.blnStop);
  EXPECT_TRUE(data.visible);
  EXPECT_EQ(data.cmdClose.caption, "Close");
  EXPECT_EQ(data.chkLargeWindow.value, 0);
  EXPECT_EQ(data.txbNumYears.text, "3");
  data.Form_QueryUnload();
  EXPECT_FALSE(data.visible);
  EXPECT_TRUE(data.txbNumYears.text.empty());
  // The number of years of the kind is kept for the next list.
  data.cmdList_Click();
  EXPECT_EQ(data.txbNumYears.text, "3");
}

TEST_F(DataWindowTest, ActivationChoosesCalendar) {
  data.optCE.value = data.optJC.value = false;
  data.intWindow = kWindowJcCeNewYears;
  data.blnStop = true;
  data.Form_Activate();
  EXPECT_TRUE(data.optJC.value);
  EXPECT_FALSE(data.blnStop);
  data.optCE.value = data.optJC.value = false;
  data.intWindow = kWindowYearData;
  data.Form_Activate();
  EXPECT_TRUE(data.optCE.value);
}

}  // namespace
}  // namespace tavro::testing_data
