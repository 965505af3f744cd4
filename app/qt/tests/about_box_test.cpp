// The About box, reached the way a user reaches it: Help window, then its button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "app/qt/about_box.h"
#include "app/qt/help_window.h"
#include "tavro_version.h"

#include "app/qt/tests/test_app.h"

namespace {

TEST(AboutBox, OpensFromTheHelpWindowWithVersionLicenceAndCredits) {
  App();
  tavro::qt::HelpWindow help(nullptr);
  help.show();
  auto* button = help.findChild<QPushButton*>("cmdAbout");
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::LeftButton);  // a second click shows the same box again

  const auto boxes = help.findChildren<tavro::qt::AboutBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0]->isVisible());
  auto* text = boxes[0]->findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  const QString shown = text->toPlainText();
  for (const QString& needed : {QString("TAVRO ") + tavro::kVersion, QString("AGPL-3.0-or-later"),
                                QString("Swiss Ephemeris"), QString("DE431"), QString("Noto Serif CJK"),
                                QString("Copyright \u00a9 " TAVRO_COPYRIGHT_YEAR " Velmora"), QString(TAVRO_HOMEPAGE),
                                QString("share/doc/tavro/LICENSE")})
    EXPECT_TRUE(shown.contains(needed)) << needed.toStdString();
}

}  // namespace
