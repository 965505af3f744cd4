// tavro: the desktop program. The hidden option
//   tavro --screenshot FILE.png [--entry TEXT]
// starts normally, optionally converts an entry, saves a picture of the main
// window and exits without touching the saved state.
#include <QApplication>
#include <QPixmap>
#include <iostream>

#include "app/main/frm_main.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(tavro::ui::kOrganisation);
  QApplication::setApplicationName(tavro::ui::kApplication);

  QString screenshot, entry;
  bool haveEntry = false;
  const QStringList args = app.arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--screenshot" && i + 1 < args.size()) {
      screenshot = args[++i];
    } else if (args[i] == "--entry" && i + 1 < args.size()) {
      entry = args[++i];
      haveEntry = true;
    } else {
      std::cerr << "usage: tavro [--screenshot FILE.png [--entry TEXT]]\n";
      return 2;
    }
  }

  tavro::qt::QtPlatform platform;
  platform.nonInteractive = !screenshot.isEmpty();
  tavro::FrmMain logic(platform);
  tavro::qt::MainWindow window(logic, platform);
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
  window.adjustSize();
  QApplication::processEvents();
  if (!window.grab().save(screenshot)) {
    std::cerr << "tavro: cannot write " << screenshot.toStdString() << "\n";
    return 1;
  }
  return 0;
}
