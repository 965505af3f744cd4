// The one QApplication of the Qt test program, made by whichever test needs
// it first, with the user's settings and saved state kept out of the tests.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

inline QApplication& App() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  static int argc = 1;
  static char name[] = "tavro_qt_tests";
  static char* argv[] = {name, nullptr};
  static QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
