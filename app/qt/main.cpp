// tavro: the desktop program. The hidden option
//   tavro --screenshot FILE.png [--entry TEXT] [--window NAME]
// starts normally, optionally converts an entry, saves a picture of the main
// window (or of the window NAME as its button opens it) and exits without
// touching the saved state.
#include <QApplication>
#include <QPixmap>
#include <iostream>
#include <string>

#include "app/main/frm_main.h"
#include "app/multisearch/frm_multiple_el_an.h"
#include "app/qt/desktop_identity.h"
#include "app/qt/main_window.h"
#include "app/qt/multisearch_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/screenshot.h"
#include "app/qt/secondary_windows.h"
#include "tavro_version.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: tavro [--version] [--help] [--screenshot FILE.png [--entry TEXT] [--window "
      << tavro::qt::ScreenshotWindows().join("|").toStdString() << "]]\n";
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so they work without a display.
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--version") {
      std::cout << "tavro " << tavro::kVersion << "\n";
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      return 0;
    }
  }
  tavro::qt::EnsureRuntimeFolder();
  QApplication app(argc, argv);
  QApplication::setOrganizationName(tavro::ui::kOrganisation);
  QApplication::setApplicationName(tavro::ui::kApplication);
  tavro::qt::TieToDesktopEntry();

  QString screenshot, entry, shownWindow = "main";
  bool haveEntry = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--screenshot" && i + 1 < args.size()) {
      screenshot = args[++i];
    } else if (args[i] == "--entry" && i + 1 < args.size()) {
      entry = args[++i];
      haveEntry = true;
    } else if (args[i] == "--window" && i + 1 < args.size()) {
      shownWindow = args[++i];
    } else {
      Usage(std::cerr);
      return 2;
    }
  }

  if (!tavro::qt::ScreenshotWindows().contains(shownWindow)) {
    std::cerr << "tavro: --window must be one of " << tavro::qt::ScreenshotWindows().join(", ").toStdString() << "\n";
    return 2;
  }

  tavro::qt::QtPlatform platform;
  platform.nonInteractive = !screenshot.isEmpty();
  tavro::FrmMain logic(platform);
  tavro::qt::MainWindow window(logic, platform);
  tavro::qt::SecondaryWindows others(window, logic, platform);
  // The multiple element-animal search window, opened modally by two of the
  // searches (made after the main window, so it goes first).
  tavro::FrmMultipleElAn multipleLogic(platform);
  tavro::qt::MultiSearchWindow multipleWindow(multipleLogic, platform, &window, window.QuitButton());
  logic.multipleWindow = &multipleLogic;
  if (!logic.Form_Load()) return 1;
  window.PushToWidgets();
  window.show();
  window.PushToWidgets();

  if (screenshot.isEmpty()) return app.exec();

  if (haveEntry) {
    window.Run([&] {
      logic.txbDate.text = entry.toStdString();
      logic.txbDate_Change();
      logic.cmdCompute_Click();
    });
  }
  QApplication::processEvents();
  return tavro::qt::SaveScreenshot(window, logic, platform, others, shownWindow, screenshot) ? 0 : 1;
}
