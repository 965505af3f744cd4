// The hidden option --screenshot: a picture of one of the program's windows,
// made without a person (the offscreen platform will do).
#pragma once

#include <QString>
#include <QStringList>

#include "app/main/frm_main.h"

namespace tavro::qt {

class MainWindow;
class QtPlatform;
class SecondaryWindows;

// The windows that can be pictured, by their --window names.
QStringList ScreenshotWindows();

// Opens `window` as its button in the main window would (the log holding one
// entry, the data window the year data) and saves its picture as `file`.
// The main window shows its moment already. False, after a line on stderr,
// when the window is unknown or the file cannot be written.
bool SaveScreenshot(MainWindow& main, FrmMain& logic, QtPlatform& platform, SecondaryWindows& windows,
                    const QString& window, const QString& file);

}  // namespace tavro::qt
